// The tool-tips of the main window: the fixed hint texts by control id, and the look
// of every tip (quick to appear, long to stay, narrow, pale yellow).
#pragma once

#include <QtGlobal>
#include <span>
#include <string_view>

class QApplication;
class QFontMetrics;
class QString;
class QWidget;

namespace velmora::ui {

// The translation context of the hint texts below.
inline constexpr const char* kHintContext = "Hints";

struct HintText {
    int id;  // control id
    std::string_view text;  // in Russian, the source of its translations
};

// The hints registered at start, in their order (the core dimension edits get theirs
// from the core presentation, the result statics from every calculation).
std::span<const HintText> startHints();

// The first texts of the wire-diameter and wire-mass statics, until a calculation
// puts the real enamelled diameter and mass there.
inline constexpr std::string_view kWireDiameterHint =
    QT_TRANSLATE_NOOP("Hints", "Диаметр провода по эмали");
inline constexpr std::string_view kWireMassHint = QT_TRANSLATE_NOOP("Hints", "Масса провода");

// A hint text of this file in the window's language.
QString hintText(std::string_view source);

inline constexpr int kTipDelayMs = 100;
inline constexpr int kTipDurationMs = 30000;
inline constexpr int kTipMaxWidth = 350;

// Installs the tip style on the application once: 100 ms delays, the background
// (255, 240, 160), at most 350 pixels wide, every tip wrapped to that width.
void installHintStyle(QApplication& app);

// A control's tip; an empty text removes it.
void setHint(QWidget* w, const QString& text);

// A tip shown instead of the control's own hint while it is set; an empty notice
// takes it away and the hint comes back.
void setNotice(QWidget* w, const QString& notice);

// The text broken into lines at word boundaries (a word wider than a line alone at
// its characters), none wider than `width` pixels in the metrics' font.
QString wrapTip(const QString& text, const QFontMetrics& fm, int width);

}  // namespace velmora::ui
