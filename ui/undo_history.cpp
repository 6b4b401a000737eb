#include "undo_history.hpp"

namespace velmora::ui {

bool sameInputs(const Record& a, const Record& b) {
    for (const Field& f : designFields())
        if (valueAsText(a, f) != valueAsText(b, f)) return false;
    return true;
}

void UndoHistory::record(const Record& r) {
    if (!states_.empty() && sameInputs(states_[present_], r)) return;
    if (!states_.empty()) states_.resize(present_ + 1);
    states_.push_back(r);
    if (states_.size() > depth_) states_.erase(states_.begin());
    present_ = states_.size() - 1;
}

const Record* UndoHistory::undo(const Record& now) {
    record(now);
    if (states_.empty() || present_ == 0) return nullptr;
    return &states_[--present_];
}

const Record* UndoHistory::redo() {
    if (!canRedo()) return nullptr;
    return &states_[++present_];
}

bool UndoHistory::canUndo(const Record& now) const {
    if (states_.empty()) return false;
    return present_ > 0 || !sameInputs(states_[present_], now);
}

}  // namespace velmora::ui
