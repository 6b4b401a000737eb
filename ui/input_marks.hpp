// Input edits whose text is not wholly a number are read all the same (their leading
// number, or 0), but marked: a red frame and a tip with the value they read as.
#pragma once

class QLineEdit;

namespace velmora::ui {

// The property that says an edit is marked (for tests and style).
inline constexpr const char* kMisreadProperty = "misread";

// Marks the edit or takes the mark away, after its present text. Empty edits are
// never marked; the edit's own hint comes back with the mark gone.
void markIfMisread(QLineEdit* e);

}  // namespace velmora::ui
