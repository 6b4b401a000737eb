// One calculation run: from the inputs of the record to every result, the winding
// instruction, the diagram extents and the tool-tips. It shows and words nothing: it
// returns messages, hints and instructions as data, which the texts module renders.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core_shape.hpp"
#include "record.hpp"

namespace velmora {

// The standard sizes of one wire kind, ascending by copper diameter.
struct WireTable {
    std::vector<double> D;    // copper diameter, mm
    std::vector<double> Diz;  // diameter over the enamel, mm
    std::vector<double> S;    // copper section, mm2: D * D * 0.7853981633974483
    std::vector<double> M;    // mass of one metre, g
    std::vector<int> awg;     // AWG gauge of each entry, 0 for none; empty for other kinds
    int last() const { return static_cast<int>(D.size()) - 1; }  // wireLast
};

// What a message says, as data; the texts module words it in the user's language.
enum class MessageCode {
    inductionTape,        // Bm above the limit of tape-wound cores
    inductionLaminated,   // Bm above the limit of laminated cores
    diameterReplaced,     // winding, desired (a), standard (b)
    kindMissing,          // text: the kind asked for, text2: the kind used
    overfill,             // the window is too full
    refused,              // why, with its field / quantity / winding
    // The wire catalogue (the program cannot go on without it).
    noKindList,           // fault: none, tooLarge (path) or noEntry
    noSizeFile,           // text: the kind; fault tooLarge (path) when it is too large
    badSizeFile,          // text: the kind, path, fault, entry, value, value2
};

// What is wrong with a file of the wire catalogue.
enum class CatalogueFault {
    none,
    tooLarge,      // over 1 MiB
    noEntry,       // the kind list names no kind
    noSizes,       // the size file has no d1
    dNotNumber,    // entry: value is the copper diameter's text
    dizNotNumber,  // value: the enamelled diameter's text
    mNotNumber,    // value: the mass's text
    dBelowMin,     // value: the copper diameter's text
    notAscending,  // value: this diameter, value2: the one of entry - 1
    dizBelowD,     // value: enamelled, value2: copper diameter
    negativeMass,  // value: the mass's text
};

// Why a run cannot be computed.
enum class Refusal {
    none,
    coreKind,        // core: the value that names no kind
    notPositive,     // field must be > 0
    notNegative,     // field must be >= 0
    notFinite,       // field must be a finite number
    ringDiameters,   // D not above d
    windowTooLow,    // Hok not above 2 mm
    noSizeTable,     // text: the wire kind
    tooLarge,        // quantity (or field) of a winding: infinite or beyond 32 bits
    undefined,       // quantity (or field) of a winding: infinite or not a number
    turnsBelowOne,   // winding
    primaryDrop,     // the primary's drop reaches the mains voltage
    beyondWires,     // field: a load whose current no count of the thickest wire carries
    internal,
};

// A computed quantity a refusal can name, where it is not a field of the record.
enum class Quantity {
    none,
    strands,
    diagramSize,
    wirePasses,
    turnsPerLayer,
    maxLayers,
    wireDiameter,
    wireSection,
    windingSection,
    wireMass,
    innerDiameter,
    coilWidth,
};

struct Message {
    Message() = default;
    Message(MessageCode c) : code(c) {}  // NOLINT: a code alone is a whole message
    MessageCode code = MessageCode::refused;
    Refusal why = Refusal::none;
    Quantity what = Quantity::none;
    std::string_view field;  // the field a refusal names (its design-file key)
    int winding = 0;         // 1 the primary, 2..6 the secondaries 2.1..2.5
    int core = 0;            // the core kind the labels follow (D, d, H for a ring)
    double a = 0, b = 0;     // desired and standard diameter
    std::string text, text2; // wire kind names
    CatalogueFault fault = CatalogueFault::none;
    std::string path;        // the file concerned (UTF-8)
    int entry = 0;           // its entry, from 1
    std::string value, value2;  // texts of the entry as the file has them
    bool operator==(const Message&) const = default;
};

// A tool-tip of a result field, as values: the wire of a winding (enamel diameter,
// section of one strand, section of the winding) on its diameter field, the wire
// mass on its length field. `empty`: no tip.
struct Hint {
    enum Kind { empty, wire, mass };
    Hint(std::string_view f = {}, Kind k = empty) : field(f), kind(k) {}
    std::string_view field;  // D1, D2_i: wire; Lpr1, Lpr2_i: mass
    Kind kind = empty;
    double Diz = 0, S = 0, Sw = 0;  // mm, mm2, mm2
    double kg = 0;
    int awg = 0;  // the wire's AWG gauge, 0 when its kind has none
};

// How a winding is to be wound: the paragraph of the winding instruction, as data.
enum class Layout { ring, twoCoils, bobbin };
struct Instruction {
    int winding = 0;           // 1 the primary, 2..6 the secondaries
    Layout layout = Layout::bobbin;
    double build = 0;          // ring: inner diameter left; coils: coil width, mm
    std::vector<int> layers;   // ring: wire passes of every full layer, in order
    std::int64_t rest = 0;     // ring: passes of the last layer
    int Nt = 0;                // coils and bobbin: turns per layer, at least
};

enum class RunStatus { ok, overfill, refused };

// The wire of one winding: n parallel strands of size entry k.
struct WirePick {
    int k = 0;
    double n = 1;
    bool operator==(const WirePick&) const = default;
};

// One wire choice of a run: the winding's current (the numerator of Sreq = I / j),
// whether a desired diameter fixed the size, and what was taken (wire_choice.hpp).
struct WireRecord {
    int winding = 0;  // 1 the primary, 2..6 the secondaries
    double I = 0;     // A
    bool fixedSize = false;
    WirePick pick;
};

// The run's own quantities, as numbers, for the modules that work on after it (steel
// and heating, rectifier loads): nothing has to be read back from the result texts.
// Units: mm, mm2, m, g/m, ohm (cold), V, W, Hz. Meaningful for a run that ended ok.
struct RunFigures {
    CoreKind core = CoreKind::ring;
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

// The winding wound last: where the build-up (or a ring's hole) ends, mm.
double lastBuild(const RunFigures& f);
std::string_view statusName(RunStatus s);  // "ok", "overfill", "refused"

struct RunResult {
    RunStatus status = RunStatus::ok;
    // In the order they are shown. When the run did not end ok, the last one is the
    // overfill or refusal message, shown after the record and the comment (whose text
    // it is too).
    std::vector<Message> messages;
    std::vector<Hint> hints;  // in the order set; a later one replaces an earlier one
    // The winding instruction of an ok run: the primary, then every secondary wound.
    std::vector<Instruction> instructions;
    double n1 = 1;            // strands of the primary
    std::array<double, kSecondaries> n2{1, 1, 1, 1, 1};  // strands of each secondary
    // Repetitions of each secondary's drop compensation, all passes together: at most
    // 100 a pass, so that every run ends.
    std::array<int, kSecondaries> repetitions{};
    RunFigures figures;
    // Every wire the run chose, pass by pass, with the current it chose for: the run
    // depends on j through nothing else (wire_choice.hpp).
    std::vector<WireRecord> wireChoices;
    // The winding that did not fit after an overfill: 1 the primary, 2..6 the
    // secondaries 2.1..2.5; 0 when the run did not overfill.
    int overfilled = 0;
};

// Runs the whole calculation on the record as the controls left it (the caller has
// taken the controls). Writes the results and the extents (for the record's
// diag_width) back into the record; the comment is the caller's to render.
RunResult Calculate(Record& r, const WireTable& wires);
// The same run for its figures alone, as the design search reads it: the status, the
// figures, the messages, the instructions and the wire choices are Calculate's, but
// the record's result texts are left as they were (the primary's and secondaries'
// turns aside) and no tool-tip is set.
RunResult CalculateFigures(Record& r, const WireTable& wires);

// The core and bobbin sizes of the record that its core kind cannot work with, each as
// the refusal a run would give for it, all of them at once (a run names the first).
// For marking the fields as soon as the sizes or the kind change.
std::vector<Message> ImpossibleSizes(const Record& r);

}  // namespace velmora
