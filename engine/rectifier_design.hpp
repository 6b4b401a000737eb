// Rectifier loads on the secondaries: from the DC voltage and current a builder
// needs to the secondary's inputs (voltage, rms current, centre tap) that give them.
//
// The winding is the rectifier's source: its EMF is the secondary's no-load voltage
// U2xx_i, its source resistance the warm resistance of the secondary plus the
// primary's referred to it, Rs = 1.2·(R2_i + R1·(W2_i/W1)²). A centre-tapped
// winding's U2_i, I2_i, W2_i and R2_i are one half's (the calculation's own rule), and
// so are E and Rs: for the full wave with centre tap the primary carries one half's
// current at a time, as above. For the dual rail both halves conduct at once, each
// into its rail, and their ampere-turns add in the primary, which so carries
// 2·I·W2_i/W1: its drop, referred to one half, is 2·I·R1·(W2_i/W1)², and
//   Rs = 1.2·(R2_i + 2·R1·(W2_i/W1)²) = 1.2·(R2/2 + 2·R1·(W2/(2·W1))²)
// with R2 = 2·R2_i and W2 = 2·W2_i those of the whole winding. Each round runs the whole
// calculation, solves every rectifier for the EMF that gives its Udc and for its rms
// current, and sets the secondary's inputs to match; the rounds end when no U2_i or
// I2_i moves by 0.1 % or more. Left out of the model: the leakage inductance, the
// other secondaries' share of the primary's drop, the mains' own impedance.
#pragma once

#include <array>

#include "calculation.hpp"
#include "rectifier.hpp"
#include "record.hpp"

namespace velmora {

struct RectifierInputs {
    int circuit = 0;  // 0 none, 1 bridge, 2 full wave with centre tap, 3 half wave, 4 dual rail
    double Udc = 0, Idc = 0, C_uF = 0;   // a dual rail's Udc and Idc are each rail's
    double Vd = kDiodeVd, rd = kDiodeRd;
};
using RectifierInputSets = std::array<RectifierInputs, kSecondaries>;

// The texts the helper writes: U2_i with two decimals (as the calculation writes the
// loaded voltage U2h_i), I2_i with three (as it writes I1).
inline constexpr int kRectifierU2Decimals = 2;
inline constexpr int kRectifierI2Decimals = 3;
inline constexpr int kRectifierMaxRounds = 20;
inline constexpr double kRectifierSettle = 1e-3;  // relative change of U2_i and I2_i

enum class RectifierDesignStatus {
    none,          // no rectifier on this secondary
    settled,       // the inputs give the wanted DC; `reached` is the design's own
    notSettled,    // 20 rounds without settling, or the solver did not settle
    refused,       // inputs outside the solver's range: refusal and input say why
    unreachable,   // no winding EMF within the solver's range gives Udc at Idc
    overloaded,    // the capacitor is too small for Idc: its voltage falls to zero each cycle
    designFailed,  // the calculation did not end ok: see `run`
};

enum class RectifierWarning {
    none,
    dcMagnetisesCore,  // half wave: the winding's DC current premagnetises the core
};

// What the helper did to the secondary's centre tap (double2_i): a full wave with
// centre tap and a dual rail need it and set it; a bridge and a half wave take the
// winding whole and remove it.
enum class RectifierTap { kept, set, removed };
RectifierTap rectifierTapChange(int circuit, bool tapped);

struct RectifierDesign {
    RectifierDesignStatus status = RectifierDesignStatus::none;
    RectifierWarning warning = RectifierWarning::none;
    RectifierTap tap = RectifierTap::kept;
    RectifierRefusal refusal = RectifierRefusal::none;
    RectifierInput input = RectifierInput::none;
    RunStatus run = RunStatus::ok;  // of the calculation that failed, for designFailed
    int rounds = 0;
    double W2 = 0;   // whole turns of the design (one half of a centre tap)
    double E = 0;    // the EMF the wanted Udc needs, V rms
    double Rs = 0;   // the design's source resistance, ohm
    RectifierResult reached;  // the steady state with the design's own EMF and Rs
};

using RectifierDesigns = std::array<RectifierDesign, kSecondaries>;

// The rectifier of secondary i on the winding a calculation gave: E = U2xx_i and the
// source resistance above, with the inputs' diode, capacitor and load.
RectifierCircuit rectifierOnWinding(const RunFigures& f, int i, const RectifierInputs& s);

// Sets U2_i, I2_i and double2_i of every secondary with a rectifier (circuit 1..4);
// the other inputs and every result text stay as they were (the caller calculates).
RectifierDesigns applyRectifiers(Record& r, const WireTable& wires, const RectifierInputSets& inputSets);

}  // namespace velmora
