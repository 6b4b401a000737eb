// A capacitor-input rectifier fed by a winding: its periodic steady state, and the
// winding EMF that gives a wanted DC voltage. Pure functions of their inputs; they
// return numbers and codes only.
//
// The model: a sine EMF E (rms) at frequency F behind a series resistance Rs; the
// diodes of the current path each a constant forward drop Vd plus a slope resistance
// rd (two in the path of a bridge, one in each half of a centre-tapped full-wave
// circuit, of a dual rail and in a half-wave one); a reservoir capacitor C; a
// constant-current load Idc. A dual rail is two full-wave centre-tap circuits of
// opposite polarity on one winding; with equal loads they mirror each other, and
// one rail (+Udc over the tap) is solved. Between the switching instants the circuit is linear, so each piece of the
// cycle is solved in closed form; the instants where a diode starts and stops
// conducting are found to the rounding of the arithmetic.
#pragma once

namespace velmora {

enum class RectifierKind {
    bridge = 1,     // two diodes in the path, both half-cycles
    centreTap = 2,  // full wave from a centre-tapped winding: each half every other half-cycle
    halfWave = 3,   // one diode, one pulse a cycle
    dualRail = 4,   // a bridge across a centre-tapped winding, the tap at 0 V: +Udc and −Udc;
                    // each half feeds one rail every half-cycle, through one diode
};

// The diode's defaults: a straight line through two points of the forward curve of
// the 6 A silicon rectifier GI750–GI758 (P600 case), maximum instantaneous forward
// voltage 0.90 V at 6.0 A and 1.25 V at 100 A, 25 °C (maker's data sheet; see
// data/README.md): rd = 0.35 V / 94 A, Vd = 0.90 V − 6 A·rd, rounded.
inline constexpr double kDiodeVd = 0.88;    // V
inline constexpr double kDiodeRd = 0.0037;  // ohm

struct RectifierCircuit {
    RectifierKind kind = RectifierKind::bridge;
    double E = 0;     // EMF of the winding (one half of a centre tap), V rms
    double F = 50;    // Hz
    double Rs = 0;    // source resistance in the path (one half of a centre tap), ohm
    double Vd = kDiodeVd;  // forward drop of one diode, V
    double rd = kDiodeRd;  // slope resistance of one diode, ohm
    double C = 0;     // reservoir capacitor, F
    double Idc = 0;   // load current, A
};

// Which input a refusal names.
enum class RectifierInput { none, kind, E, F, Rs, Vd, rd, C, Idc, path, Udc };

enum class RectifierRefusal {
    none,
    unknownKind,  // kind outside the four circuits
    notFinite,    // inf or nan
    notPositive,  // zero or negative where a positive value is needed (E, F, C, Idc, Udc)
    negative,     // negative where zero is allowed (Rs, Vd, rd)
    tooLarge,     // above the range of rectifierLimits()
    tooSmall,     // positive but below it (E, F, C, Idc, Udc, the path resistance Rs + n·rd)
};

enum class RectifierStatus {
    settled,     // the steady state, every figure valid
    notSettled,  // the cycle bound ran out; the figures are those of the last cycle
    overloaded,  // the capacitor voltage does not stay above zero with this load
    refused,     // an input outside the solver's range: see refusal and input
};

// The range the solver takes; outside it the input is refused.
// Chosen wide of any mains transformer, so that the arithmetic keeps its precision
// everywhere inside (no underflow of a current, no overflow of a time constant).
struct RectifierLimits {
    double Emin = 1e-6, Emax = 1e6;      // V; Udc likewise, up to the crest of Emax
    double Fmin = 1e-3, Fmax = 1e6;      // Hz
    double Rmax = 1e9;                   // Rs and rd, ohm
    double Vdmax = 1e3;                  // V
    double Cmin = 1e-12, Cmax = 1e3;     // F
    double Idcmin = 1e-12, Idcmax = 1e6; // A
    double Rpathmin = 1e-6;  // Rs + n·rd, ohm: an ideal path has no finite current
};
RectifierLimits rectifierLimits();

// The first input outside the solver's range, in the order of RectifierInput.
struct RectifierCheck {
    RectifierRefusal refusal = RectifierRefusal::none;
    RectifierInput input = RectifierInput::none;
};
RectifierCheck checkRectifier(const RectifierCircuit& c);
// The same for an EMF search: every input but E, and the wanted DC voltage.
RectifierCheck checkEmfRequest(const RectifierCircuit& c, double Udc);

// Cycles that one steady-state solve may take (each a whole cycle integrated).
inline constexpr int kRectifierMaxCycles = 100;

struct RectifierResult {
    RectifierStatus status = RectifierStatus::refused;
    RectifierRefusal refusal = RectifierRefusal::none;
    RectifierInput input = RectifierInput::none;
    int cycles = 0;       // cycles integrated before settling (or the bound)
    double Udc = 0;       // mean capacitor voltage, V
    double ripple = 0;    // peak to peak, V
    double Umin = 0, Umax = 0;  // the capacitor voltage's trough and crest, V
    double Irms = 0;      // winding rms current (one half of a centre tap), A
    double IdRms = 0;     // rms current of one diode (one pulse a mains cycle), A
    double Ipeak = 0;     // peak diode current, A
    double angle = 0;     // conduction angle of one pulse, degrees of the mains cycle
};

// The periodic steady state. Every loop is bounded; every figure is finite.
RectifierResult solveRectifier(const RectifierCircuit& c);

enum class EmfStatus {
    found,       // E gives the wanted Udc
    notSettled,  // a steady state or the search did not settle within its bounds
    beyondRange, // no EMF within the limits gives the wanted Udc
    overloaded,  // at every EMF that could give Udc the load empties the capacitor within a
                 // cycle (the capacitor is too small for the current)
    refused,     // an input outside the solver's range (circuit or Udc)
};

struct EmfSolution {
    EmfStatus status = EmfStatus::refused;
    RectifierRefusal refusal = RectifierRefusal::none;
    RectifierInput input = RectifierInput::none;
    int solves = 0;         // steady states solved
    double E = 0;           // V rms
    RectifierResult at;     // the steady state at E
};

// Inverse of the solver: the EMF for a wanted DC voltage, with c.E ignored. The DC
// voltage rises with E, so the search brackets it and narrows the bracket until the
// DC voltage is within 1e-6 of the wanted one.
EmfSolution solveEmf(const RectifierCircuit& c, double Udc);

// Diodes in the current path.
int diodesInPath(RectifierKind k);
// Diodes of the whole circuit (both rails of a dual rail), each carrying one pulse a
// mains cycle.
int diodesInCircuit(RectifierKind k);
// Rails the winding feeds, each at Udc and Idc: 2 for a dual rail, else 1.
int railsOf(RectifierKind k);
// Whether the circuit takes the winding's centre tap.
bool needsCentreTap(RectifierKind k);

// Where the winding's power goes, W: the DC output (every rail) and the diodes, each
// diode Vd·Iavg + rd·Irms² over its one pulse a cycle.
struct RectifierPower {
    double dc = 0, diodes = 0;
};
RectifierPower rectifierPower(const RectifierCircuit& c, const RectifierResult& r);

}  // namespace velmora
