// Placement of the windings on the core: the ring's layer table, two coils and the
// bobbin; build-up, wire length, layers, diagram extent and the winding instruction.
#include <cmath>

#include "design_state.hpp"
#include "numtext.hpp"

namespace velmora::calc {
namespace {

constexpr int kMaxLayers = 1000;  // rows of the ring's layer table

struct RingFit {
    int m = 1;
    std::int64_t rest = 0;
    double L = 0;  // mm
    double Nsl = 0;
};

// Fills the layers in order with N wire passes; more than they hold is an overfill.
RingFit fillRing(const Layers& L, std::int64_t N, int winding) {
    if (L.capacity == 0 || N > L.capacity) overfill(winding);
    RingFit f;
    f.rest = N;
    while (f.rest > L.turns[f.m]) f.rest -= L.turns[f.m++];
    for (int k = 1; k < f.m; ++k) f.L += L.turns[k] * L.len[k];
    f.L += static_cast<double>(f.rest) * L.len[f.m];
    f.Nsl = (f.m - 1) + static_cast<double>(f.rest) / L.turns[f.m];
    return f;
}

std::int64_t wirePasses(double n, double W, int winding) {
    return toInt32(n * W, Quantity::wirePasses, winding);
}

Placed ringPrimary(Design& d, const Wire& w) {
    const double t = d.megsl + w.Diz;
    const double p = 1.15 * w.Diz;
    buildRingLayers(d.layers, d.room, d.Lturn0 + 4 * t, t, p, kPrimary);
    const std::int64_t N = wirePasses(w.n, d.W1, kPrimary);
    const RingFit f = fillRing(d.layers, N, kPrimary);

    Placed out;
    out.Lpr = f.L / 1000;
    out.Nsl = f.Nsl;
    out.build = d.room - 2 * out.Nsl * t - 2 * d.megob;
    if (out.build < 0) overfill(kPrimary);  // no hole left
    out.Lturn = d.layers.len[f.m] + 4 * d.megob;
    out.ext = toInt32((d.room - out.build) / d.room * d.diag_width, Quantity::diagramSize, kPrimary);
    out.Kfill = 0.91 * d.W1 * w.n * w.S / (kQuarterPi * (d.room * d.room - out.build * out.build));
    out.m = f.m;
    out.rest = f.rest;
    out.instruction = instructionOf(d, out, kPrimary);
    return out;
}

struct CoilLayout {
    double t, h;
    int Nt;
};

// Turns per layer below one: nothing of this winding can be wound.
CoilLayout coilLayout(const Design& d, const Wire& w, int winding) {
    const double p = 1.15 * w.Diz;
    const int Nt = toInt32(d.lkar / p, Quantity::turnsPerLayer, winding);
    if (Nt < 1) overfill(winding);
    return {d.megsl + w.Diz, d.shape().twoCoils ? 0.5 : 1.0, Nt};
}

Placed coilPrimary(Design& d, const Wire& w) {
    const CoilLayout c = coilLayout(d, w, kPrimary);
    if (d.room <= 0) overfill(kPrimary);
    const int Lmax = toInt32((d.room - d.Nobm * d.megob) / c.t, Quantity::maxLayers, kPrimary);
    std::int64_t capacity = static_cast<std::int64_t>(c.Nt) * Lmax;
    if (d.shape().twoCoils) capacity *= 2;

    Placed out;
    out.Kfill = static_cast<double>(capacity) * w.S / d.Sok;
    out.Nsl = w.n * d.W1 / c.Nt * c.h;
    const double mean = d.Lturn0 + 4 * out.Nsl * c.t;
    out.build = out.Nsl * c.t + d.megob;
    if (out.build > d.room) overfill(kPrimary);
    out.Lpr = mean * d.W1 * w.n / 1000;
    out.Lturn = d.Lturn0 + 8 * out.Nsl * c.t;
    out.ext = toInt32(out.build / d.room * d.diag_width, Quantity::diagramSize, kPrimary);
    out.Nt = c.Nt;
    out.instruction = instructionOf(d, out, kPrimary);
    return out;
}

Placed ringSecondary(Design& d, const Wire& w, double W, int i) {
    const double t = d.megsl + w.Diz;
    std::int64_t N = wirePasses(w.n, W, secondary(i));
    if (d.centre[i]) N *= 2;
    const RingFit f = fillRing(d.layers, N, secondary(i));

    Placed out;
    out.Lpr = f.L / 1000;
    out.Nsl = f.Nsl;
    out.build = d.buildLast - 2 * out.Nsl * t - 2 * d.megob;
    out.Lturn = d.layers.len[f.m] + 4 * d.megob;
    // The extent comes first, so that a winding that closes the hole is still drawn.
    out.ext =
        toInt32((d.room - out.build) / d.room * d.diag_width, Quantity::diagramSize, secondary(i));
    if (out.build < d.kfree * d.room)  // the hole must stay open for the shuttle
        overfill(secondary(i), out.ext);
    out.m = f.m;
    out.rest = f.rest;
    return out;
}

Placed coilSecondary(Design& d, const Wire& w, double W, int i) {
    const CoilLayout c = coilLayout(d, w, secondary(i));
    Placed out;
    out.Nsl = w.n * W / c.Nt * c.h;
    if (d.centre[i]) out.Nsl *= 2;
    const double mean = d.LturnLast + 4 * out.Nsl * c.t;
    out.build = d.buildLast + out.Nsl * c.t + d.megob;
    if (out.build > d.room) overfill(secondary(i));
    out.Lpr = W * mean / 1000 * w.n;  // one half of a centre tap
    out.Lturn = mean + 4 * out.Nsl * c.t;
    out.ext = toInt32(out.build / d.room * d.diag_width, Quantity::diagramSize, secondary(i));
    out.Nt = c.Nt;
    return out;
}

}  // namespace

void buildRingLayers(Layers& L, double D0, double len0, double t, double p, int winding) {
    if (L.turns.size() < kMaxLayers + 2) {
        L.turns.assign(kMaxLayers + 2, 0);
        L.len.assign(kMaxLayers + 2, 0.0);
    }
    L.len[0] = len0;
    L.count = 0;
    L.capacity = 0;
    double D = D0;
    if (t > 0) {
        for (int k = 1; k <= kMaxLayers && 2 * t <= D; ++k) {
            const double x = p / (D - p);
            // The hole only narrows: once a layer takes no turn, no later one does.
            if (!(x > 0 && x <= 1)) break;
            L.turns[k] = toInt32(2 * kPi / (2 * std::asin(x)), Quantity::turnsPerLayer, winding);
            L.capacity += L.turns[k];
            L.len[k] = L.len[k - 1] + 4 * t;
            L.count = k;
            D -= 2 * t;
        }
    }
    L.turns[L.count + 1] = 0;
    L.len[L.count + 1] = 0;
}

void prepareSecondary(Design& d, const Wire& w, int i) {
    if (!d.shape().ring) return;
    buildRingLayers(d.layers, d.buildLast, d.LturnLast, d.megsl + w.Diz, 1.15 * w.Diz,
                    secondary(i));
}

Placed placePrimary(Design& d, const Wire& w) {
    if (d.shape().ring) {
        if (d.room <= 0) overfill(kPrimary);
        return ringPrimary(d, w);
    }
    return coilPrimary(d, w);
}

Placed placeSecondary(Design& d, const Wire& w, double W, int i) {
    return d.shape().ring ? ringSecondary(d, w, W, i) : coilSecondary(d, w, W, i);
}

Instruction instructionOf(const Design& d, const Placed& p, int winding) {
    Instruction in;
    in.winding = winding;
    if (d.shape().ring) {
        in.layout = Layout::ring;
        in.build = checked(p.build, Quantity::innerDiameter, winding);
        in.layers.assign(d.layers.turns.begin() + 1, d.layers.turns.begin() + p.m);
        in.rest = p.rest;
    } else {
        in.layout = d.shape().twoCoils ? Layout::twoCoils : Layout::bobbin;
        in.build = checked(2 * p.build + d.hkar, Quantity::coilWidth, winding);
        in.Nt = p.Nt;
    }
    return in;
}

}  // namespace velmora::calc
