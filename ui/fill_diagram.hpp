// The strip under "Диаграмма заполнения окна обмотками": how much of the core window
// the windings take, drawn from the extents the calculation leaves (pixels from the
// strip's left edge to the right end of each winding; 0: not drawn), and after an
// overfill where the winding that did not fit would have started.
#pragma once

#include <QWidget>
#include <array>

#include "record.hpp"

namespace velmora::ui {

struct FillExtents {
    int ext1 = 0;
    Ints5 ext2{};
    int core = 2;
    double kfree = 0.3;  // the share of a ring's hole that must stay free
    // The winding that did not fit (1 the primary, 2..6 the secondaries): it and the
    // windings after it are not drawn; the strip is red from where it starts.
    int overfilled = 0;
    // The strip width the extents were computed for; a strip resized since scales
    // them (0: drawn as they are).
    int width = 0;
    // The millimetres of the core window the whole strip stands for; 0: no tips.
    double room = 0;
};

inline constexpr int kDiagramTextHeight = 12;

class FillDiagram : public QWidget {
    Q_OBJECT
public:
    explicit FillDiagram(QWidget* parent = nullptr);

    void setExtents(const FillExtents& e);
    const FillExtents& extents() const { return e_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The tool-tip at x: the winding there, its build-up in mm and its share of the
    // window, or the free part; empty where nothing is drawn or the room is unknown.
    QString tipAt(int x) const;

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;  // tool-tips per segment
    void mouseDoubleClickEvent(QMouseEvent* e) override;  // the strip enlarged

private:
    FillExtents e_;
    QFont font_;
};

}  // namespace velmora::ui
