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

// The run's own quantities, as numbers, for the modules that work on after it (steel
// and heating, rectifier loads): nothing has to be read back from the result texts.
// Units: mm, mm2, m, g/m, ohm (cold), V, W, Hz. Meaningful for a run that ended ok.
struct RunFigures {
    int core = 0;
    double lst = 0, hst = 0, lok = 0, hok = 0;  // core sizes as read
    double hkar = 0, hkar1 = 0, lkar = 0;       // bobbin sizes as used
    double F = 0, U1nom = 0, U1max = 0;
    double Sst = 0;     // steel section (stacking factor applied), mm2
    double lm = 0;      // mean magnetic path, mm
    double Sok = 0;     // window area, mm2
    double room = 0;    // room for the windings, mm
    double Pzad = 0, Pcu = 0, Pcu1 = 0;  // W; copper loss with the warm factor
    double W1 = 0, I1 = 0, Imu = 0, R1 = 0, E1xx = 0, ew = 0;
    double Lpr1 = 0, M1 = 0, n1 = 1, Diz1 = 0;  // wire length (all strands), g/m, strands
    double build1 = 0;  // ring: hole left after the primary; else build-up, mm
    std::array<bool, kSecondaries> used{}, centre{};
    std::array<double, kSecondaries> W2{}, I2{}, R2{}, U2xx{}, Lpr2{}, M2{}, n2{}, Diz2{},
        build2{};
};
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
    RunFigures figures;
    // The winding that did not fit after an overfill: 1 the primary, 2..6 the
    // secondaries 2.1..2.5; 0 when the run did not overfill.
    int overfilled = 0;
};

// Runs the whole calculation on the record as the controls left it (the caller has
// taken the controls). Writes the results, the comment and the extents (for the
// record's diag_width) back into the record.
RunResult Calculate(Record& r, const WireTable& wires);

}  // namespace velmora
