// The working quantities of one calculation run, named as in the formulas they
// serve, and the small tools the steps of the run share. Internal to the engine.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calculation.hpp"
#include "core_shape.hpp"
#include "record.hpp"
#include "wire_choice.hpp"

namespace velmora::calc {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kQuarterPi = 0.7853981633974483;

using D5 = std::array<double, kSecondaries>;

// A run that cannot go on throws Stop; Calculate catches it, so it never leaves the
// engine. `why` is the refusal (for an overfill, its code only).
struct Stop {
    RunStatus status;
    Message why;
    int winding = 0;  // the winding that did not fit, for an overfill
    int ext = -1;     // its diagram extent, where it was computed before the test
};

[[noreturn]] void overfill(int winding, int ext = -1);
[[noreturn]] void refuse(Message why);
// A refusal for one of the rules that name no field or quantity.
[[noreturn]] void refuse(Refusal why, int winding = 0);
Message refusal(Refusal why, std::string_view field = {}, int core = 0);
inline Message refusal(Refusal why, std::string_view field, CoreKind core) {
    return refusal(why, field, coreNumber(core));
}

// Windings are numbered as in the field table: 1 the primary, 2..6 the secondaries.
inline constexpr int kPrimary = 1;
inline constexpr int secondary(int i) { return 2 + i; }
// The integer part of v as a 32-bit integer; a non-finite value or one outside the
// 32-bit range refuses the run, naming `what` of the winding.
int toInt32(double v, Quantity what, int winding);

struct Design;
// Writes v with `decimals` into a result field of r; a non-finite value refuses the
// run, naming the field.
void put(Record& r, std::string& field, double v, int decimals);
// The same for a text only the record shows (the run never reads it back): a run
// without texts checks v and writes nothing.
void put(const Design& d, Record& r, std::string& field, double v, int decimals);
// "%.1f" above 10000, else "%.2f" (the two powers).
void putPower(const Design& d, Record& r, std::string& field, double v);
// v, for a figure the instruction or a hint carries; a non-finite one refuses.
double checked(double v, Quantity what, int winding);

// The wire chosen for one winding.
struct Wire {
    int k = 0;       // entry of the size table
    double D = 0;    // copper diameter
    double S = 0;    // copper section of one strand
    double Diz = 0;  // enamelled diameter
    double M = 0;    // mass of one metre, g
    double n = 1;    // parallel strands
    int awg = 0;     // AWG gauge, 0 for none
};

// The ring's layers for one start diameter and base length: turns[k] and len[k] for
// k = 1..count (slot 0 holds the base length).
struct Layers {
    std::vector<int> turns;
    std::vector<double> len;
    int count = 0;
    std::int64_t capacity = 0;
};

// What placing one winding gives back.
struct Placed {
    double Lpr = 0;    // wire length of all strands, m (one half for a centre tap off a ring)
    double Nsl = 0;    // layers
    double build = 0;  // ring: hole left; coils and bobbin: build-up so far
    double Lturn = 0;  // base turn length for the next winding
    int ext = 0;       // diagram extent
    double Kfill = 0;  // primary only
    int Nt = 0;        // coils and bobbin: turns per layer
    int m = 0;         // ring: the last layer, holding `rest` wire passes
    std::int64_t rest = 0;
    Instruction instruction;  // the primary's, made where it is placed
};

struct Design {
    // Inputs, parsed; the kind once the run has accepted it.
    CoreKind core = CoreKind::ring;
    bool razmery = false, use_d = false;
    std::array<bool, kSecondaries> centre{};  // double2_i
    double lst = 0, hst = 0, lok = 0, hok = 0, lkar = 0, hkar = 0, hkar1 = 0;
    double megsl = 0, megob = 0, Bm = 0, j = 0, F = 0, U1nom = 0, U1max = 0;
    D5 U2{}, I2{}, d2{};
    double d11 = 0;
    int diag_width = 0;

    // Core and magnetic sizing.
    double kst = 0.9, kfree = 0.3, eta = 0.9;
    D5 P2{};
    double Pzad = 0, lm = 0, Sst = 0, Sok = 0, room = 0, Lturn0 = 0, mu = 0;
    double Hm = 0, IWmu = 0, ew = 0, W1 = 0, Imu = 0, Nobm = 1, Kfill = 0;

    // Primary.
    double Ia1 = 0, I1 = 0, n1 = 1, S1 = 0, Sw1 = 0, Lpr1 = 0, Nsl1 = 0, R1 = 0;
    double dUv1 = 0, E1 = 0, E1xx = 0, Pcu1 = 0, build1 = 0, Lturn1 = 0;
    double M1 = 0, Diz1 = 0;  // the primary's wire: g per metre, enamelled diameter

    // Secondaries.
    D5 W2{}, n2{1, 1, 1, 1, 1}, S2{}, Sw2{}, R2{}, dU2{}, Pcu2{}, Lpr2{}, Nsl2{};
    D5 M2{}, Diz2{}, build2{};
    double sumPcu2 = 0, Sw = 0, Pcu = 0;
    std::array<int, kSecondaries> repetitions{};  // of the last drop compensation
    std::array<int, kSecondaries> repetitionsAll{};  // of every pass together

    // The winding last wound, where the next secondary starts.
    double buildLast = 0, LturnLast = 0;

    std::vector<Message> messages;
    std::vector<Hint> hints;
    std::vector<Instruction> instructions;  // of the pass under way
    std::vector<WireRecord> choices;        // every wire chosen, in order
    Layers layers;  // scratch of the ring layout

    // The record's result texts and the tool-tips; a run for its figures alone (the
    // design search) leaves them out, with every check they make and so every verdict.
    bool texts = true;

    const CoreShape& shape() const { return shapeOf(core); }
};

// Core and magnetic sizing, once per run: powers, Pzad, induction warning,
// geometry, bobbin sizes, room, Lturn0, ew, W1, Imu, Nobm.
void sizeCore(Design& d, Record& r);
// End of a pass: eta, KPD, Pgab.
void powerStep(Design& d, Record& r);

// Standard wire for a required section (the desired diameter is used when use_d is
// set; it becomes the standard one). winding: kPrimary or secondary(i).
Wire chooseWire(Design& d, const WireTable& wires, double Sreq, double& desired, int winding);

// The primary of one pass: current, wire, placement, drop, EMF, new ew, hints.
void primaryStep(Design& d, Record& r, const WireTable& wires);
// Secondary i (0-based) of one pass, when its power is not 0: wire, turns with drop
// compensation, placement, results, paragraph, hints.
void secondaryStep(Design& d, Record& r, const WireTable& wires, int i);
// Secondary i not in use (or before its test): both of its tool-tips emptied.
void clearSecondaryHints(Design& d, int i);

// Placement of the primary on the core (the layout follows the kind).
Placed placePrimary(Design& d, const Wire& w);
// Before the drop loop of secondary i: a ring's layer table for its start, which
// the repetitions share.
void prepareSecondary(Design& d, const Wire& w, int i);
// Placement of secondary i with W turns; starts from buildLast / LturnLast.
Placed placeSecondary(Design& d, const Wire& w, double W, int i);
// The instruction of a winding, from its last placement.
Instruction instructionOf(const Design& d, const Placed& p, int winding);
// The ring's layer table from start diameter D0 and base length len0, for layer
// thickness t and pitch p.
void buildRingLayers(Layers& L, double D0, double len0, double t, double p, int winding);

// The run with a given number of passes (three for Calculate).
RunResult calculatePasses(Record& r, const WireTable& wires, int passes, bool texts = true);

}  // namespace velmora::calc
