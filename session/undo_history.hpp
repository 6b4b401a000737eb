// The history of whole designs behind "Отменить" and "Повторить": the inputs as they
// stood after each calculation, load or core-kind switch, and the design file they
// belonged to, for the session only.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "record.hpp"

namespace velmora {

// Whether two records hold the same design: every field a design file writes.
bool sameInputs(const Record& a, const Record& b);

// One step: the inputs, and the design file open with them ("" for none).
struct DesignState {
    Record inputs;
    std::string file;
};

inline constexpr std::size_t kUndoDepth = 100;

class UndoHistory {
public:
    explicit UndoHistory(std::size_t depth = kUndoDepth) : depth_(depth < 2 ? 2 : depth) {}

    // A new present state. The states undone before it are dropped; a state with the
    // inputs and file of the present one adds nothing; beyond the depth the oldest goes.
    void record(const DesignState& s);
    // The state before the present one. `now` (what is on screen) is recorded first,
    // so edits not yet calculated are one step back too. Null at the start.
    const DesignState* undo(const DesignState& now);
    // The state undone last, or null when there is none.
    const DesignState* redo();
    // The design was saved under `file`: the present state and its neighbours of the
    // same design (the same file, on either side without a break) take the new name.
    void rename(const std::string& file);

    bool canUndo(const DesignState& now) const;
    bool canRedo() const { return present_ + 1 < states_.size(); }
    std::size_t size() const { return states_.size(); }

private:
    std::size_t depth_;
    std::vector<DesignState> states_;
    std::size_t present_ = 0;  // index in states_ when it is not empty
};

}  // namespace velmora
