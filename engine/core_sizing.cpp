// Core and magnetic sizing: powers, steel section, window, room for the windings,
// volts per turn, primary turns and magnetising current; the power step that ends
// every pass.
#include <cmath>

#include "core_kind.hpp"
#include "design_state.hpp"
#include "numtext.hpp"

namespace velmora::calc {
namespace {

constexpr double kMu0 = 1.256637e-06;  // H/m
constexpr double kBobbin = 2.0;        // allowance of a derived bobbin size, mm

bool twoCoils(int core) { return coreKindInfo(core).twoCoils; }

void inductionWarning(Design& d) {
    const CoreKindInfo& k = coreKindInfo(d.core);
    if (d.Bm > k.inductionLimit)
        d.messages.push_back({k.tapeWound ? MessageCode::inductionTape : MessageCode::inductionLaminated});
}

void geometry(Design& d) {
    if (d.core == 0) {
        const double D = d.lst, dd = d.hst, H = d.lok;
        d.lm = kPi * (D + dd) / 2;
        d.Sst = (D - dd) / 2 * H * d.kst;
        d.Sok = kPi * (dd * dd) / 4;
    } else {
        d.lm = 2 * d.hok + 2 * d.lok + 2 * d.lst;
        d.Sst = d.lst * d.hst * d.kst;
        d.Sok = d.hok * d.lok;
    }
}

// The bobbin sizes follow the core unless the user set all of them.
void bobbin(Design& d, Record& r) {
    if (d.hkar == 0 || d.hkar1 == 0) d.razmery = false;
    if (d.core != 0 && d.lkar == 0) d.razmery = false;
    if (!d.razmery) r.razmery = 0;
    geometry(d);
    if (d.razmery) return;
    if (d.core == 0) {
        d.hkar = (d.lst - d.hst) / 2 + kBobbin;
        d.hkar1 = d.lok + kBobbin;
        put(r, r.hkar, d.hkar, 1);
        put(r, r.hkar1, d.hkar1, 1);
        r.lkar.clear();
    } else {
        d.hkar = d.lst + kBobbin;
        d.hkar1 = d.hst + kBobbin;
        d.lkar = d.hok - kBobbin;
        put(r, r.hkar, d.hkar, 1);
        put(r, r.hkar1, d.hkar1, 1);
        put(r, r.lkar, d.lkar, 1);
    }
}

// Whole turns by their text; on two coils an odd count gains one turn.
void primaryTurns(Design& d, Record& r) {
    d.W1 = d.U1max / d.ew;
    put(r, r.W1, d.W1, 0);
    d.W1 = textToDouble(r.W1);
    if (twoCoils(d.core) && std::fmod(d.W1, 2.0) != 0) {
        d.W1 += 1;
        put(r, r.W1, d.W1, 0);
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
    putPower(r, r.Pzad, d.Pzad);

    inductionWarning(d);
    bobbin(d, r);
    put(r, r.Sst, d.Sst / 100, 2);

    if (d.core == 0)
        d.room = (d.lst + d.hst) / 2 - d.hkar;
    else if (twoCoils(d.core))
        d.room = (d.lok - d.hkar + d.lst) / 2;
    else
        d.room = d.lok - (d.hkar - d.lst) / 2;
    d.Lturn0 = 2 * d.hkar + 2 * d.hkar1;
    d.mu = coreKindInfo(d.core).mu;

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
    put(r, r.KPD, d.eta * 100, 2);
    const double Pgab = d.Sok * d.j * d.Kfill * d.ew * d.eta / (d.eta + 1);
    putPower(r, r.Pgab, Pgab);
}

}  // namespace velmora::calc
