// Dialog units: the layout of the dialogs is given in units of the dialog font, a
// quarter of its average character width across and an eighth of its height down,
// so the dialogs keep their proportions with any font.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QSize>

class DialogUnits {
public:
    explicit DialogUnits(const QFontMetrics& fm)
        : cx_(fm.averageCharWidth()), cy_(fm.height()) {}

    int x(int units) const { return scale(units, cx_, 4); }
    int y(int units) const { return scale(units, cy_, 8); }
    QSize size(int w, int h) const { return {x(w), y(h)}; }
    QRect rect(int left, int top, int w, int h) const {
        return {x(left), y(top), x(w), y(h)};
    }

private:
    // Rounded to the nearest pixel.
    static int scale(int units, int base, int div) { return (units * base + div / 2) / div; }
    int cx_;
    int cy_;
};
