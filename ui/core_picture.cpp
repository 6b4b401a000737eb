#include "core_picture.hpp"

#include <QPainter>
#include <QSvgRenderer>

namespace velmora::ui {
namespace {

QString sketchOf(const CoreShape& s) {
    return QStringLiteral(":/res/") + QString::fromLatin1(s.picture.data(), static_cast<qsizetype>(s.picture.size()));
}

}  // namespace

CorePicture::CorePicture(QWidget* parent) : QWidget(parent) {
    for (const CoreShape& s : kCoreShapes)
        sketches_[kindIndex(s.kind)] = std::make_unique<QSvgRenderer>(sketchOf(s));
    setFixedSize(kPictureWidth, kPictureHeight);
}

CorePicture::~CorePicture() = default;

bool CorePicture::hasPicture(int core) const {
    const std::optional<CoreKind> k = coreKindFrom(core);
    return k && sketches_[kindIndex(*k)]->isValid();
}

void CorePicture::setCore(int core) {
    if (core == core_) return;
    core_ = core;
    update();
}

void CorePicture::paintEvent(QPaintEvent*) {
    if (!hasPicture(core_)) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    sketches_[kindIndex(*coreKindFrom(core_))]->render(&p, QRectF(0, 0, width(), height()));
}

}  // namespace velmora::ui
