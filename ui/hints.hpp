// The tool-tips of the main window: the fixed hint texts by control id, and the look
// of every tip (quick to appear, long to stay, narrow, pale yellow).
#pragma once

#include <span>
#include <string_view>

class QApplication;
class QWidget;

namespace velmora::ui {

struct HintText {
    int id;  // control id
    std::string_view text;
};

// The hints registered at start, in their order (the core dimension edits get theirs
// from the core presentation, the result statics from every calculation).
std::span<const HintText> startHints();

// The first texts of the wire-diameter and wire-mass statics, until a calculation
// puts the real enamelled diameter and mass there.
inline constexpr std::string_view kWireDiameterHint = "Диаметр провода по эмали";
inline constexpr std::string_view kWireMassHint = "Масса провода";

inline constexpr int kTipDelayMs = 100;
inline constexpr int kTipDurationMs = 30000;
inline constexpr int kTipMaxWidth = 350;

// Installs the tip style on the application once: 100 ms delays, the background
// (255, 240, 160), at most 350 pixels wide.
void installHintStyle(QApplication& app);

// A control's tip; an empty text removes it.
void setHint(QWidget* w, std::string_view text);

}  // namespace velmora::ui
