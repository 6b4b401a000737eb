#include "fill_diagram.hpp"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "core_shape.hpp"
#include "strip_view.hpp"
#include <algorithm>
#include <cmath>

namespace velmora::ui {
namespace {

const QColor kFree(0, 255, 0);
const QColor kPrimary(160, 0, 64);
const QColor kSecondary(160, 0, 96);
const QColor kReserve(255, 0, 0);
const QColor kOverfill(255, 0, 0);
const QColor kText(255, 255, 255);

constexpr std::array<const char*, kSecondaries> kSecondaryNames{"2.1", "2.2", "2.3", "2.4", "2.5"};

// A filled box from x0 to x1 with a one-pixel black border inside it, as a
// rectangle of the old drawing interface looks.
void box(QPainter& p, int x0, int x1, int h, const QColor& fill) {
    if (x1 <= x0) return;
    const QRect r(x0, 0, x1 - x0, h);
    p.fillRect(r, fill);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// The text centred between x0 and x1 on the text line (it may overflow a narrow box).
void label(QPainter& p, int x0, int x1, int h, const QString& text) {
    const int w = p.fontMetrics().horizontalAdvance(text);
    const int top = (h - kDiagramTextHeight) / 2;
    p.setPen(kText);
    p.drawText(QRect((x0 + x1 - w) / 2, top, w, kDiagramTextHeight),
               Qt::AlignCenter | Qt::TextDontClip, text);
}

}  // namespace

FillDiagram::FillDiagram(QWidget* parent) : QWidget(parent) {
    // Arial where it exists, its metric twin (Liberation Sans) or any sans elsewhere.
    font_.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("DejaVu Sans")});
    font_.setStyleHint(QFont::SansSerif);
    font_.setPixelSize(kDiagramTextHeight);
    font_.setWeight(QFont::Medium);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize FillDiagram::sizeHint() const { return {600, 20}; }
QSize FillDiagram::minimumSizeHint() const { return {100, 20}; }

void FillDiagram::setExtents(const FillExtents& e) {
    e_ = e;
    update();
}

QString FillDiagram::tipAt(int at) const {
    const int w = width();
    if (e_.room <= 0 || w <= 0 || at < 0 || at >= w) return {};
    const auto x = [this, w](int ext) {
        return e_.width > 0 ? static_cast<int>(std::lround(double(ext) * w / e_.width)) : ext;
    };
    // The same segments as painted: the windings up to one that did not fit.
    const int stop = e_.overfilled > 0 ? e_.overfilled : kSecondaries + 2;
    const auto tip = [this, w](const QString& name, int from, int to) {
        const double share = double(to - from) / w;
        return tr("%1: %2 мм, %3% окна")
            .arg(name)
            .arg(share * e_.room, 0, 'f', 1)
            .arg(share * 100.0, 0, 'f', 0);
    };
    int from = 0;
    if (e_.ext1 != 0 && stop > 1) {
        from = x(e_.ext1);
        if (at < from) return tip(tr("Первичная обмотка"), 0, from);
    }
    for (int i = 0; i < kSecondaries && i + 2 < stop; ++i) {
        if (e_.ext2[i] == 0) continue;
        const int to = x(e_.ext2[i]);
        if (at >= from && at < to)
            return tip(tr("Обмотка %1").arg(QString::fromLatin1(kSecondaryNames[i])), from, to);
        from = to;
    }
    if (e_.overfilled > 0) return {};
    return tip(tr("Свободно"), from, w);
}

void FillDiagram::mouseDoubleClickEvent(QMouseEvent*) {
    // The enlarged strip draws its extents for its own width, as this one does.
    FillExtents e = e_;
    if (e.width <= 0) e.width = width();
    auto* view = new StripView(e, window());
    view->show();
}

bool FillDiagram::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString text = tipAt(help->pos().x());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(e);
}

void FillDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font_);
    const int w = width(), h = height();
    const auto x = [this, w](int ext) {
        return e_.width > 0 ? static_cast<int>(std::lround(double(ext) * w / e_.width)) : ext;
    };

    box(p, 0, w, h, kFree);
    // After an overfill only the windings placed before the one that did not fit
    // count: the extents of the others may be left from an earlier pass.
    const int stop = e_.overfilled > 0 ? e_.overfilled : kSecondaries + 2;
    if (e_.ext1 != 0 && stop > 1) {
        box(p, 0, x(e_.ext1), h, kPrimary);
        label(p, 0, x(e_.ext1), h, QStringLiteral("1"));
    }
    // Each secondary starts where the last winding drawn before it ends, so an unused
    // secondary between two used ones leaves no overlap.
    int from = stop > 1 ? x(e_.ext1) : 0;
    for (int i = 0; i < kSecondaries && i + 2 < stop; ++i) {
        if (e_.ext2[i] == 0) continue;
        const int to = x(e_.ext2[i]);
        box(p, from, to, h, kSecondary);
        label(p, from, to, h, QString::fromLatin1(kSecondaryNames[i]));
        from = to;
    }
    if (isRing(e_.core)) {
        const double reserve = std::trunc(w * e_.kfree);
        const int x0 = std::isfinite(reserve) ? w - static_cast<int>(std::clamp(reserve, 0.0, double(w))) : w;
        box(p, x0, w, h, kReserve);
        // Under an overfill the reserve may be partly covered; its text would be cut.
        if (e_.overfilled == 0)
            label(p, x0, w, h, tr("Полностью дырку от бублика нельзя занимать!"));
    }
    if (e_.overfilled > 0) {
        const int x0 = std::clamp(from, 0, std::max(w - 1, 0));
        box(p, x0, w, h, kOverfill);
        label(p, x0, w, h, tr("не помещается"));
    }
}

}  // namespace velmora::ui
