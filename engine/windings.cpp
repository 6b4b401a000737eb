// Electrical sizing of the windings: the standard wire and its strands, the primary
// current, drop and EMF, the secondary turns with their own drop compensated.
#include <cmath>

#include "design_state.hpp"
#include "numtext.hpp"
#include "wire_choice.hpp"

namespace velmora::calc {
namespace {

constexpr int kMaxRepetitions = 100;  // of the drop compensation of a secondary
constexpr double kRho = 0.0175;       // ohm mm2 / m, cold copper
constexpr double kDropFactor = 1.2;


void diameterNotice(Design& d, double desired, double chosen, int winding) {
    Message m{MessageCode::diameterReplaced};
    m.winding = winding;
    m.a = desired;
    m.b = checked(chosen, Quantity::wireDiameter, winding);
    d.messages.push_back(m);
}

// The diameter's texts of a winding: "D" or "DxN" and the copper diameter alone.
void putDiameter(const Design& d, std::string& text, std::string& D, const Wire& w, int winding) {
    checked(w.D, Quantity::wireDiameter, winding);
    if (!d.texts) return;
    D = fixed(w.D, 3);
    text = w.n > 1 ? D + "x" + fixed(w.n, 0) : D;
}

void setHints(Design& d, std::string_view fieldD, std::string_view fieldL, const Wire& w,
              double Lpr, int winding) {
    Hint wire{fieldD, Hint::wire};
    wire.Diz = checked(w.Diz, Quantity::wireDiameter, winding);
    wire.S = checked(w.S, Quantity::wireSection, winding);
    wire.Sw = checked(w.S * w.n, Quantity::windingSection, winding);
    wire.awg = w.awg;
    if (d.texts) d.hints.push_back(wire);
    Hint mass{fieldL, Hint::mass};
    mass.kg = checked(w.M * Lpr / 1000, Quantity::wireMass, winding);
    if (d.texts) d.hints.push_back(mass);
}

double resistance(double length, const Wire& w) { return kRho * length / (w.S * w.n * w.n); }

// Whole turns by their text; on two coils an odd count gains one turn.
double wholeTurns(Design& d, Record& r, std::string& field, double W) {
    put(r, field, W, 0);  // read back, with or without texts
    W = textToDouble(field);
    if (d.shape().twoCoils && std::fmod(W, 2.0) != 0) W += 1;
    return W;
}

constexpr std::array<std::string_view, kSecondaries> kHintD2{"D2_1", "D2_2", "D2_3", "D2_4", "D2_5"};
constexpr std::array<std::string_view, kSecondaries> kHintLpr2{"Lpr2_1", "Lpr2_2", "Lpr2_3", "Lpr2_4",
                                                               "Lpr2_5"};
constexpr std::string_view kHintD1 = "D1", kHintLpr1 = "Lpr1";

}  // namespace

Wire chooseWire(Design& d, const WireTable& wires, double Sreq, double& desired, int winding) {
    const int last = wires.last();
    Wire w;
    WireRecord c;
    c.winding = winding;
    c.I = winding == kPrimary ? d.I1 : d.I2[winding - secondary(0)];
    c.fixedSize = d.use_d;
    if (d.use_d) {
        int k = 0;
        if (desired > wires.D[last]) desired = wires.D[last];
        while (k < last && wires.D[k] < desired) ++k;
        if (wires.D[k] != desired)
            diameterNotice(d, desired, wires.D[k], winding);
        desired = wires.D[k];
        const auto n = strandsOf(wires, Sreq, k);
        if (!n) toInt32(Sreq / wires.S[k], Quantity::strands, winding);  // refuses
        c.pick = {k, *n};
    } else {
        const auto p = pickWire(wires, Sreq);
        if (!p) toInt32(Sreq / wires.S[last], Quantity::strands, winding);  // refuses
        c.pick = *p;
    }
    d.choices.push_back(c);
    const int k = c.pick.k;
    w.n = c.pick.n;
    w.k = k;
    w.D = wires.D[k];
    w.S = wires.S[k];
    w.Diz = wires.Diz[k];
    w.M = wires.M[k];
    if (static_cast<size_t>(k) < wires.awg.size()) w.awg = wires.awg[static_cast<size_t>(k)];
    return w;
}

void primaryStep(Design& d, Record& r, const WireTable& wires) {
    d.Ia1 = (d.Pzad + d.sumPcu2) / (d.U1nom - d.dUv1);
    d.I1 = std::sqrt(d.Ia1 * d.Ia1 + d.Imu * d.Imu);
    const double Sreq = d.I1 / d.j;
    d.n1 = 1;

    const Wire w = chooseWire(d, wires, Sreq, d.d11, kPrimary);
    d.n1 = w.n;
    d.S1 = w.S;
    d.M1 = w.M;
    d.Diz1 = w.Diz;
    putDiameter(d, r.D1, r.d11, w, kPrimary);
    d.Sw1 = d.S1 * d.W1 * d.n1;

    Placed p = placePrimary(d, w);
    d.Lpr1 = p.Lpr;
    d.Nsl1 = p.Nsl;
    d.build1 = p.build;
    d.Lturn1 = p.Lturn;
    d.Kfill = p.Kfill;
    r.ext1 = p.ext;
    put(d, r, r.Nsl1, d.Nsl1, 2);
    put(d, r, r.Lpr1, d.Lpr1, 1);
    d.instructions.assign(1, p.instruction);

    d.R1 = resistance(d.Lpr1, w);
    d.dUv1 = kDropFactor * d.R1 * d.I1;
    d.E1 = d.U1nom - d.dUv1;
    if (d.E1 <= 0) refuse(Refusal::primaryDrop);
    d.ew = d.E1 / d.W1;
    const double dU1 = d.dUv1 * 100 / d.U1nom;
    d.E1xx = d.U1nom - d.R1 * d.Imu;
    const double wv = 1 / d.ew;
    d.Pcu1 = kDropFactor * (d.I1 * d.I1) * d.R1;
    put(d, r, r.wv, wv, 3);
    put(d, r, r.dU1, dU1, 2);
    put(d, r, r.I1, d.I1, 3);
    put(d, r, r.R1, d.R1, 2);
    setHints(d, kHintD1, kHintLpr1, w, d.Lpr1, kPrimary);

    d.buildLast = d.build1;
    d.LturnLast = d.Lturn1;

    static constexpr std::array<double, 7> kTier{1, 1, 0.99, 0.96, 0.93, 0.9, 0.87};
    const int windings = static_cast<int>(d.Nobm);
    if (windings >= 2 && windings <= 6) d.Kfill *= kTier[windings];
}

void secondaryStep(Design& d, Record& r, const WireTable& wires, int i) {
    const int winding = secondary(i);
    const double Sreq = d.I2[i] / d.j;
    const Wire w = chooseWire(d, wires, Sreq, d.d2[i], winding);
    d.n2[i] = w.n;
    d.S2[i] = w.S;
    d.M2[i] = w.M;
    d.Diz2[i] = w.Diz;
    putDiameter(d, r.D2[i], r.d2[i], w, winding);

    const bool ring = d.shape().ring;
    prepareSecondary(d, w, i);

    Placed p;
    for (int rep = 1;; ++rep) {
        ++d.repetitionsAll[i];  // begun, whether or not it ends the run
        d.W2[i] = (d.U2[i] + d.dU2[i]) / d.ew;
        d.W2[i] = wholeTurns(d, r, r.W2[i], d.W2[i]);
        if (!(d.W2[i] >= 1)) refuse(Refusal::turnsBelowOne, winding);

        p = placeSecondary(d, w, d.W2[i], i);
        r.ext2[i] = p.ext;
        if (ring) {
            d.Lpr2[i] = p.Lpr;  // both halves of a centre tap
            d.R2[i] = resistance(d.Lpr2[i], w);
            if (d.centre[i]) d.R2[i] /= 2;
        } else {
            d.R2[i] = resistance(p.Lpr, w);  // one half
            d.Lpr2[i] = d.centre[i] ? p.Lpr * 2 : p.Lpr;
        }
        d.Nsl2[i] = p.Nsl;

        const double drop = kDropFactor * d.R2[i] * d.I2[i];
        const bool settled = !(std::fabs(drop - d.dU2[i]) > 0.01);
        d.dU2[i] = drop;
        d.repetitions[i] = rep;
        if (settled || rep == kMaxRepetitions) break;
    }

    put(d, r, r.W2[i], d.W2[i], 0);
    put(d, r, r.R2[i], d.R2[i], 3);
    put(d, r, r.U2xx[i], d.E1xx * d.W2[i] / d.W1, 2);
    put(d, r, r.U2h[i], d.W2[i] * d.ew - kDropFactor * d.R2[i] * d.I2[i], 2);
    put(d, r, r.Nsl2[i], d.Nsl2[i], 2);
    put(d, r, r.Lpr2[i], d.Lpr2[i], 1);
    d.instructions.push_back(instructionOf(d, p, winding));
    setHints(d, kHintD2[i], kHintLpr2[i], w, d.Lpr2[i], winding);

    d.build2[i] = p.build;
    d.buildLast = p.build;
    d.LturnLast = p.Lturn;
}

void clearSecondaryHints(Design& d, int i) {
    if (!d.texts) return;
    d.hints.push_back({kHintD2[i]});
    d.hints.push_back({kHintLpr2[i]});
}

}  // namespace velmora::calc
