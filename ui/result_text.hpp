// A result in its field: a text too long for the field (a figure of hundreds of
// digits) is shown shortened, in exponent form or elided, with the whole text in the
// field's tip. Only the display changes: the record, the files, the report and the
// JSON keep the whole text.
#pragma once

#include <QString>

class QFontMetrics;
class QLabel;

namespace velmora::ui {

// The property of a result field that holds its whole text.
inline constexpr const char* kFullTextProperty = "fullText";

// `full` as it fits `width` pixels: itself when it fits; a number in exponent form
// with as many digits as fit; any other text elided at its end.
QString shortenedToFit(const QString& full, const QFontMetrics& fm, int width);

// Shows the whole text in the field, shortened to its width when it must be.
void showResult(QLabel* field, const QString& full);

// The whole text of a result field, shortened or not.
QString resultText(const QLabel* field);

}  // namespace velmora::ui
