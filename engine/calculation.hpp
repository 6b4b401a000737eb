// One calculation run: from the inputs of the record to every result, the winding
// instruction, the diagram extents and the tool-tip texts. It shows nothing: the
// caller presents the messages, hints and extents it returns.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "record.hpp"

namespace velmora {

inline constexpr std::string_view kCaptionWarning = "Внимание!";

// The standard sizes of one wire kind, ascending by copper diameter.
struct WireTable {
    std::vector<double> D;    // copper diameter, mm
    std::vector<double> Diz;  // diameter over the enamel, mm
    std::vector<double> S;    // copper section, mm2: D * D * 0.7853981633974483
    std::vector<double> M;    // mass of one metre, g
    int last() const { return static_cast<int>(D.size()) - 1; }  // wireLast
};

struct Message {
    std::string caption;
    std::string text;
    bool operator==(const Message&) const = default;
};

struct Hint {
    int id;            // control id
    std::string text;  // empty: no tip
};

enum class RunStatus { ok, overfill, refused };
std::string_view statusName(RunStatus s);  // "ok", "overfill", "refused"

struct RunResult {
    RunStatus status = RunStatus::ok;
    // In the order they are shown. When the run did not end ok, the last one is the
    // overfill or refusal message, shown after the record and the comment.
    std::vector<Message> messages;
    std::vector<Hint> hints;  // in the order set; a later text replaces an earlier one
    double n1 = 1;            // strands of the primary
    std::array<double, kSecondaries> n2{1, 1, 1, 1, 1};  // strands of each secondary
    // Repetitions of each secondary's drop compensation, all passes together: at most
    // 100 a pass, so that every run ends.
    std::array<int, kSecondaries> repetitions{};
};

// Runs the whole calculation on the record as the controls left it (the caller has
// taken the controls). Writes the results, the comment and the extents (for the
// record's diag_width) back into the record.
RunResult Calculate(Record& r, const WireTable& wires);

}  // namespace velmora
