// Core and magnetic sizing: powers, steel section, window, room for the windings,
// volts per turn, primary turns and magnetising current; the power step that ends
// every pass.
#include <cmath>

#include "design_state.hpp"
#include "numtext.hpp"

namespace velmora::calc {
namespace {

constexpr double kMu0 = 1.256637e-06;  // H/m

CoreDims dims(const Design& d) { return {d.lst, d.hst, d.lok, d.hok}; }

void inductionWarning(Design& d) {
    const CoreShape& k = d.shape();
    if (d.Bm > k.inductionLimit)
        d.messages.push_back({k.tapeWound ? MessageCode::inductionTape : MessageCode::inductionLaminated});
}

void geometry(Design& d) {
    const CoreGeometry& g = d.shape().geometry;
    const CoreDims s = dims(d);
    d.lm = g.lm(s);
    d.Sst = g.Sst(s, d.kst);
    d.Sok = g.Sok(s);
}

// The bobbin sizes follow the core unless the user set all of them.
void bobbin(Design& d, Record& r) {
    const bool hasLength = !d.shape().ring;
    if (d.hkar == 0 || d.hkar1 == 0) d.razmery = false;
    if (hasLength && d.lkar == 0) d.razmery = false;
    if (!d.razmery) r.razmery = 0;
    geometry(d);
    if (d.razmery) return;
    const BobbinSizes b = d.shape().geometry.bobbin(dims(d));
    d.hkar = b.hkar;
    d.hkar1 = b.hkar1;
    if (b.lkar) d.lkar = *b.lkar;
    put(d, r, r.hkar, d.hkar, 1);
    put(d, r, r.hkar1, d.hkar1, 1);
    if (b.lkar)
        put(d, r, r.lkar, d.lkar, 1);
    else
        r.lkar.clear();
}

// Whole turns by their text; on two coils an odd count gains one turn.
void primaryTurns(Design& d, Record& r) {
    d.W1 = d.U1max / d.ew;
    put(r, r.W1, d.W1, 0);  // read back, with or without texts
    d.W1 = textToDouble(r.W1);
    if (d.shape().twoCoils && std::fmod(d.W1, 2.0) != 0) {
        d.W1 += 1;
        put(d, r, r.W1, d.W1, 0);
    }
    if (!(d.W1 >= 1)) refuse(Refusal::turnsBelowOne, kPrimary);
}

}  // namespace

void sizeCore(Design& d, Record& r) {
    d.Pzad = 0;
    for (int i = 0; i < kSecondaries; ++i) {
        d.P2[i] = d.U2[i] * d.I2[i];
        if (d.centre[i]) d.P2[i] *= 2;
        d.Pzad += d.P2[i];
    }
    putPower(d, r, r.Pzad, d.Pzad);

    inductionWarning(d);
    bobbin(d, r);
    put(d, r, r.Sst, d.Sst / 100, 2);

    d.room = d.shape().geometry.room(dims(d), d.hkar);
    d.Lturn0 = 2 * d.hkar + 2 * d.hkar1;
    d.mu = d.shape().mu;

    d.Hm = d.U1nom * d.Bm / d.U1max / d.mu / kMu0;
    d.IWmu = d.Hm * d.lm / 1000;
    d.ew = (2 * d.F * kPi * 1e-06) / std::sqrt(2.0) * d.Bm * d.Sst;

    primaryTurns(d, r);
    d.Imu = d.IWmu / d.W1;

    d.Nobm = 1;
    for (double p : d.P2)
        if (p != 0) d.Nobm += 1;
    d.eta = 0.9;
}

void powerStep(Design& d, Record& r) {
    d.eta = d.Pzad / (d.Pzad + d.Pcu);
    put(d, r, r.KPD, d.eta * 100, 2);
    const double Pgab = d.Sok * d.j * d.Kfill * d.ew * d.eta / (d.eta + 1);
    putPower(d, r, r.Pgab, Pgab);
}

}  // namespace velmora::calc
