#include "strip_view.hpp"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace velmora::ui {

MillimetreScale::MillimetreScale(double room, QWidget* parent) : QWidget(parent), room_(room) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(34);
}

void MillimetreScale::paintEvent(QPaintEvent*) {
    if (room_ <= 0) return;
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const double perMm = (width() - 1) / room_;
    // Bounded: at most one tick per millimetre of the room, and none closer than 2 px.
    const int step = perMm >= 2 ? 1 : (perMm * 5 >= 2 ? 5 : 10);
    const int last = static_cast<int>(std::floor(room_));
    for (int mm = 0; mm <= last; mm += step) {
        const double x = mm * perMm;
        const int len = mm % 10 == 0 ? 12 : (mm % 5 == 0 ? 8 : 4);
        p.drawLine(QPointF(x, 0), QPointF(x, len));
        if (mm % 10 == 0) {
            const QString n = QString::number(mm);
            const double w = p.fontMetrics().horizontalAdvance(n);
            p.drawText(QPointF(std::max(0.0, std::min(x - w / 2, width() - w)), 14 + p.fontMetrics().ascent()), n);
        }
    }
}

StripView::StripView(const FillExtents& extents, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("strip_view"));
    setWindowTitle(tr("Диаграмма заполнения окна обмотками"));
    setAttribute(Qt::WA_DeleteOnClose);
    strip_ = new FillDiagram(this);
    strip_->setObjectName(QStringLiteral("strip"));
    strip_->setExtents(extents);
    strip_->setMinimumHeight(60);
    auto* scale = new MillimetreScale(extents.room, this);
    scale->setObjectName(QStringLiteral("scale"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(strip_);
    layout->addWidget(scale);
    auto* unit = new QLabel(tr("мм, по ширине окна сердечника"), this);
    layout->addWidget(unit);
    resize(1000, 150);
}

}  // namespace velmora::ui
