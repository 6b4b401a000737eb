// The window's place on the screen: kept in the state file as "x y width height",
// and fitted to the screen it opens on, which may be smaller than the window wants.
#pragma once

#include <QMargins>
#include <QRect>
#include <QScrollArea>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::ui {

inline constexpr std::string_view kWindowKey = "window";
// Written only for a maximised window, after the window's place: "1".
inline constexpr std::string_view kMaximizedKey = "maximized";

// The window manager's frame around a window not yet shown: a title bar and thin
// borders. An assumption (the frames of the usual window managers at 96 dpi stay
// within it); a window shown once measures its own.
inline constexpr QMargins kFrameAllowance(6, 36, 6, 6);

// The part of the screen a window's body may take when its frame must fit too.
QRect insideFrame(const QRect& screen, const QMargins& frame);

std::string geometryText(const QRect& r);
// Four integers with a positive width and height, else nothing.
std::optional<QRect> geometryFromText(std::string_view text);

// The frame `wanted` moved and shrunk to lie on `screen`, but never below `minimum`.
// Without a position of its own (an empty top-left is no position) it is centred.
QRect fitToScreen(const QRect& wanted, bool placed, const QRect& screen, const QSize& minimum);

// A scroll area that asks for the whole of its contents when there is room and
// scrolls when there is not.
class FittingScrollArea : public QScrollArea {
    Q_OBJECT
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override;
};

}  // namespace velmora::ui
