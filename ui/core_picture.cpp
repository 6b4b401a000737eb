#include "core_picture.hpp"

#include <QPainter>
#include <QSvgRenderer>

namespace velmora::ui {
namespace {

// One sketch per core kind, in kind order: ring, ПЛ, ШЛ, Ш, Г.
constexpr std::array<const char*, 5> kSketches{
    ":/res/core-ring.svg", ":/res/core-pl.svg", ":/res/core-shl.svg",
    ":/res/core-sh.svg",   ":/res/core-g.svg"};

}  // namespace

CorePicture::CorePicture(QWidget* parent) : QWidget(parent) {
    for (std::size_t k = 0; k < kSketches.size(); ++k)
        sketches_[k] = std::make_unique<QSvgRenderer>(QString::fromLatin1(kSketches[k]));
    setFixedSize(kPictureWidth, kPictureHeight);
}

CorePicture::~CorePicture() = default;

bool CorePicture::hasPicture(int core) const {
    return core >= 0 && core < 5 && sketches_[static_cast<std::size_t>(core)]->isValid();
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
    sketches_[static_cast<std::size_t>(core_)]->render(&p, QRectF(0, 0, width(), height()));
}

}  // namespace velmora::ui
