// Input edits are marked with a red frame and a tip when what they hold cannot be
// used as it stands: a text that is not wholly a number (read all the same, as its
// leading number or 0: the tip says as what), or a size the core kind cannot work
// with (the tip says what is expected). The marks come as soon as the text or the
// kind changes, before any calculation.
#pragma once

class QLineEdit;
class QString;

namespace velmora::ui {

// The properties that say an edit is marked, and why (for tests and style).
inline constexpr const char* kMisreadProperty = "misread";
inline constexpr const char* kImpossibleProperty = "impossible";

// Marks the edit or takes the mark away, after its present text. Empty edits are
// never marked; the edit's own hint comes back with the mark gone.
void markIfMisread(QLineEdit* e);

// Marks the edit as a size that cannot work, with the sentence that says what is
// expected; an empty sentence takes the mark away.
void markImpossible(QLineEdit* e, const QString& why);

}  // namespace velmora::ui
