// The fill strip enlarged in a window of its own, over a millimetre scale of the core
// window, opened by a double click on the strip.
#pragma once

#include <QDialog>

#include "fill_diagram.hpp"

namespace velmora::ui {

// The scale under the enlarged strip: a tick per millimetre of `room`, longer ones
// every 5 and 10 mm with their numbers.
class MillimetreScale : public QWidget {
    Q_OBJECT
public:
    explicit MillimetreScale(double room, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {800, 34}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double room_;
};

class StripView : public QDialog {
    Q_OBJECT
public:
    StripView(const FillExtents& extents, QWidget* parent = nullptr);
    FillDiagram* strip() const { return strip_; }

private:
    FillDiagram* strip_;
};

}  // namespace velmora::ui
