#include "design_session.hpp"

#include "advisor.hpp"
#include "core_typing.hpp"
#include "rectifier_fields.hpp"
#include "textfile.hpp"

namespace velmora {

SessionStep DesignSession::open(const std::filesystem::path& dataFolder) {
    data_ = dataFolder;
    catalogue_.reset();
    steels_ = LoadSteels(dataFolder);
    WireKinds kinds = LoadWireKinds(dataFolder);
    if (!kinds.ok) return {false, {kinds.message}};
    kinds_ = std::move(kinds.names);
    return selectKind(true);
}

bool DesignSession::edit(std::string_view field, std::string_view text) {
    const Field* f = findField(field);
    if (!f || f->role == FieldRole::result) return false;
    assignFromText(rec_, *f, text);
    return true;
}

void DesignSession::chooseCore(int kind) {
    velmora::chooseCore(rec_, kind);
    history_.record({rec_, file_});
}

SessionStep DesignSession::selectKind(bool atStart) {
    SessionStep step;
    const KindSelection sel = SelectKind(kinds_, rec_.Conductor);
    if (sel.message) step.messages.push_back(*sel.message);
    if (sel.index < 0) {
        step.done = !atStart;
        return step;
    }
    WireSizes sizes = LoadWireSizes(data_, sel.conductor);
    if (!sizes.ok) {
        step.messages.push_back(sizes.message);
        if (atStart) return step;
        if (kindIndex_ >= 0) rec_.Conductor = kinds_[static_cast<std::size_t>(kindIndex_)];
    } else {
        rec_.Conductor = sel.conductor;
        wires_ = std::move(sizes.table);
        kindIndex_ = sel.index;
    }
    step.done = true;
    return step;
}

SessionStep DesignSession::chooseKind(int index) {
    if (index < 0 || index >= static_cast<int>(kinds_.size())) return {};
    const std::string& kind = kinds_[static_cast<std::size_t>(index)];
    WireSizes sizes = LoadWireSizes(data_, kind);
    if (!sizes.ok) return {false, {sizes.message}};
    rec_.Conductor = kind;
    wires_ = std::move(sizes.table);
    kindIndex_ = index;
    return {true, {}};
}

const Evaluation& DesignSession::calculate(const CalculationSettings& s) {
    EvaluationInputs in = catalogue_.value_or(EvaluationInputs{});
    if (!catalogue_) {
        in.wires = &wires_;
        in.steels = &steels_;
    }
    in.lang = s.lang;
    in.diagWidth = s.diagWidth;
    in.diagTextHeight = s.diagTextHeight;
    last_ = evaluate(rec_, in);
    history_.record({rec_, file_});
    return *last_;
}

bool DesignSession::detachRectifier(int secondary) {
    if (!hasRectifier(rec_, secondary)) return false;
    const auto i = static_cast<std::size_t>(secondary);
    rec_.rect2[i] = 0;
    if (last_) last_->rectifiers[i] = {};
    return true;
}

const Evaluation& DesignSession::applyRectifier(int secondary, const RectifierInputs& in,
                                                const CalculationSettings& s) {
    setRectifierInputs(rec_, secondary, in);
    return calculate(s);
}

const Evaluation& DesignSession::applyCore(const ListedCore& c, const CalculationSettings& s, bool designSteel) {
    typeCore(rec_, c.core, c.lst, c.hst, c.lok, c.hok);
    if (!designSteel) {  // as the advisor ranked it: the kind's own induction and grade
        rec_.Bm = std::string(inductionFor(c.core));
        rec_.Steel.clear();
    }
    return calculate(s);
}

const Evaluation& DesignSession::applyDesign(const Record& design, const CalculationSettings& s) {
    rec_ = design;
    return calculate(s);
}

ReadOutcome DesignSession::readState(const std::filesystem::path& path) { return ReadDesign(path, rec_); }

SessionStep DesignSession::load(const std::filesystem::path& path, const CalculationSettings& s,
                                ReadOutcome* read) {
    // Read into a copy: a refused file leaves the inputs as they were.
    Record r = rec_;
    const ReadOutcome outcome = ReadDesign(path, r);
    if (read) *read = outcome;
    if (outcome.status != ReadOutcome::ok) return {};
    rec_ = std::move(r);
    SessionStep step = catalogue_ ? SessionStep{true, {}} : selectKind(false);
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(path, ec);
    file_ = pathToUtf8((ec ? path : whole).lexically_normal());  // the undo step below is this file's
    calculate(s);
    // The calculation completes what a file may leave out (the bobbin, say).
    savedAs(file_);
    step.done = true;
    return step;
}

WriteOutcome DesignSession::save(const std::filesystem::path& path) {
    const WriteOutcome written = WriteDesign(path, rec_);
    if (written.ok) {
        std::error_code ec;
        const std::filesystem::path whole = std::filesystem::absolute(path, ec);
        savedAs(pathToUtf8((ec ? path : whole).lexically_normal()));
    }
    return written;
}

void DesignSession::savedAs(const std::string& file) {
    file_ = file;
    saved_[file] = rec_;
    history_.rename(file);  // what was undone and redone before the save is this design
}

bool DesignSession::modified() const {
    const auto saved = saved_.find(file_);
    return saved != saved_.end() && !sameInputs(rec_, saved->second);
}

SessionStep DesignSession::undo(const CalculationSettings& s) { return restore(history_.undo({rec_, file_}), s); }

SessionStep DesignSession::redo(const CalculationSettings& s) { return restore(history_.redo(), s); }

// A copy of the state: the calculation records the present state again.
SessionStep DesignSession::restore(const DesignState* s, const CalculationSettings& settings) {
    if (!s) return {};
    const DesignState state = *s;
    rec_ = state.inputs;
    file_ = state.file;
    SessionStep step = catalogue_ ? SessionStep{true, {}} : selectKind(false);
    calculate(settings);
    step.done = true;
    return step;
}

}  // namespace velmora
