// One design being worked on, as the window and the page hold it: the record, the
// catalogue it is calculated with, the last outcome, the undo history, the file the
// design came from or went to, and whether it differs from that file. Each command of
// the window is one operation here; what is shown of the outcome is the caller's.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design_file.hpp"
#include "pipeline.hpp"
#include "undo_history.hpp"

namespace velmora {

struct ListedCore;

// How a calculation is worded and drawn: the caller's language and fill strip.
struct CalculationSettings {
    texts::Lang lang = texts::Lang::ru;
    std::optional<int> diagWidth, diagTextHeight;
};

// What an operation had to say before its calculation (a wire kind replaced or
// unreadable), and whether the operation took place.
struct SessionStep {
    bool done = false;
    std::vector<Message> messages;
};

class DesignSession {
public:
    // The catalogue of a data folder: the kind list (each size file checked) and the
    // steels, the record's wire kind and its sizes. Not done: the wire catalogue cannot
    // be used (the messages say why); the steels may still have been refused.
    SessionStep open(const std::filesystem::path& dataFolder);
    // Or a catalogue the caller keeps (the page's, read kind by kind): the wire kind is
    // then chosen by each evaluation.
    void useCatalogue(const EvaluationInputs& in) { catalogue_ = in; }

    const std::vector<std::string>& wireKinds() const { return kinds_; }
    int kindIndex() const { return kindIndex_; }
    const WireTable& wires() const { return wires_; }
    const SteelCatalogue& steels() const { return steels_; }

    // The inputs, to be edited in place (the window takes its controls into them).
    Record& record() { return rec_; }
    const Record& record() const { return rec_; }
    // An input or appended field set from its text; false when there is no such input.
    bool edit(std::string_view field, std::string_view text);
    // A core kind chosen: its bobbin and induction follow; a step of the history.
    void chooseCore(int kind);
    // The kind the record asks for, or the first with a word why, and its sizes. At the
    // start a size file that cannot be read is not done; later the previous kind stays.
    SessionStep selectKind(bool atStart);
    // A kind of the list chosen: not done when its size file cannot be read.
    SessionStep chooseKind(int index);

    // The design evaluated: its outcome, kept as the last, and a step of the history.
    const Evaluation& calculate(const CalculationSettings& s);
    const std::optional<Evaluation>& last() const { return last_; }
    // A hand edit of a secondary's voltage or current detaches its rectifier.
    bool detachRectifier(int secondary);
    const Evaluation& applyRectifier(int secondary, const RectifierInputs& in, const CalculationSettings& s);
    // A whole design in place of the inputs (the designer's choice), then calculated.
    const Evaluation& applyDesign(const Record& design, const CalculationSettings& s);
    const Evaluation& applyCore(const ListedCore& c, const CalculationSettings& s, bool designSteel = true);

    // The inputs a state file keeps, read without naming a design.
    ReadOutcome readState(const std::filesystem::path& path);
    // A design file read and calculated; not done when it cannot be opened or is refused
    // (the inputs stay), `read` says which.
    SessionStep load(const std::filesystem::path& path, const CalculationSettings& s, ReadOutcome* read = nullptr);
    WriteOutcome save(const std::filesystem::path& path);
    const std::string& file() const { return file_; }
    // Whether the inputs differ from what the design's file holds (none: never).
    bool modified() const;

    // Whole designs back and forth; the inputs edited since the last step are a step.
    bool canUndo() const { return history_.canUndo({rec_, file_}); }
    bool canRedo() const { return history_.canRedo(); }
    SessionStep undo(const CalculationSettings& s);
    SessionStep redo(const CalculationSettings& s);

private:
    void savedAs(const std::string& file);
    SessionStep restore(const DesignState* s, const CalculationSettings& settings);

    std::filesystem::path data_;
    std::vector<std::string> kinds_;
    int kindIndex_ = -1;
    WireTable wires_;
    SteelCatalogue steels_;
    std::optional<EvaluationInputs> catalogue_;  // the caller's, instead of the folder's

    Record rec_;
    std::optional<Evaluation> last_;
    std::string file_;
    std::map<std::string, Record> saved_;  // the inputs each file loaded or saved holds
    UndoHistory history_;
};

}  // namespace velmora
