#include "window_geometry.hpp"

#include <QScrollBar>
#include <algorithm>
#include <array>
#include <charconv>

namespace velmora::ui {

std::string geometryText(const QRect& r) {
    return std::to_string(r.x()) + ' ' + std::to_string(r.y()) + ' ' + std::to_string(r.width()) +
           ' ' + std::to_string(r.height());
}

std::optional<QRect> geometryFromText(std::string_view text) {
    std::array<int, 4> v{};
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int& n : v) {
        while (p < end && *p == ' ') ++p;
        const auto [next, ec] = std::from_chars(p, end, n);
        if (ec != std::errc() || next == p) return std::nullopt;
        p = next;
    }
    while (p < end && *p == ' ') ++p;
    if (p != end || v[2] <= 0 || v[3] <= 0) return std::nullopt;
    return QRect(v[0], v[1], v[2], v[3]);
}

QRect fitToScreen(const QRect& wanted, bool placed, const QRect& screen, const QSize& minimum) {
    const int w = std::max(std::min(wanted.width(), screen.width()), minimum.width());
    const int h = std::max(std::min(wanted.height(), screen.height()), minimum.height());
    QRect r(0, 0, w, h);
    if (!placed) {
        r.moveCenter(screen.center());
    } else {
        r.moveTopLeft(wanted.topLeft());
    }
    // Wholly on the screen where it fits; the top-left corner first where it does not,
    // so the title bar and the menu stay reachable.
    r.moveLeft(std::max(std::min(r.left(), screen.right() + 1 - w), screen.left()));
    r.moveTop(std::max(std::min(r.top(), screen.bottom() + 1 - h), screen.top()));
    return r;
}

QRect insideFrame(const QRect& screen, const QMargins& frame) { return screen.marginsRemoved(frame); }

QSize FittingScrollArea::sizeHint() const {
    if (!widget()) return QScrollArea::sizeHint();
    const int f = 2 * frameWidth();
    return widget()->sizeHint() + QSize(f, f);
}

}  // namespace velmora::ui
