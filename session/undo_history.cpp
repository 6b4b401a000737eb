#include "undo_history.hpp"

namespace velmora {

bool sameInputs(const Record& a, const Record& b) {
    for (const Field& f : designFields())
        if (valueAsText(a, f) != valueAsText(b, f)) return false;
    return true;
}

namespace {
bool sameState(const DesignState& a, const DesignState& b) {
    return a.file == b.file && sameInputs(a.inputs, b.inputs);
}
}  // namespace

void UndoHistory::record(const DesignState& s) {
    if (!states_.empty() && sameState(states_[present_], s)) return;
    if (!states_.empty()) states_.resize(present_ + 1);
    states_.push_back(s);
    if (states_.size() > depth_) states_.erase(states_.begin());
    present_ = states_.size() - 1;
}

const DesignState* UndoHistory::undo(const DesignState& now) {
    record(now);
    if (states_.empty() || present_ == 0) return nullptr;
    return &states_[--present_];
}

const DesignState* UndoHistory::redo() {
    if (!canRedo()) return nullptr;
    return &states_[++present_];
}

void UndoHistory::rename(const std::string& file) {
    if (states_.empty()) return;
    const std::string was = states_[present_].file;
    std::size_t first = present_, last = present_;
    while (first > 0 && states_[first - 1].file == was) --first;
    while (last + 1 < states_.size() && states_[last + 1].file == was) ++last;
    for (std::size_t i = first; i <= last; ++i) states_[i].file = file;
}

bool UndoHistory::canUndo(const DesignState& now) const {
    if (states_.empty()) return false;
    return present_ > 0 || !sameState(states_[present_], now);
}

}  // namespace velmora
