// Placement: the ring's layer table and its exact fits, the hole left free, the
// coils and the bobbin with their overfill limits, the bounded layer table.
#include <gtest/gtest.h>

#include <cmath>

#include "design_state.hpp"

using namespace velmora;
using calc::Design;
using calc::Wire;

namespace {

constexpr double kPi = 3.14159265358979323846;

Wire wire(double dz, double S = 0.2, double n = 1) {
    Wire w;
    w.D = dz / 1.1;
    w.Diz = dz;
    w.S = S;
    w.n = n;
    return w;
}

Design ring(double room) {
    Design d;
    d.core = CoreKind::ring;
    d.room = room;
    d.Lturn0 = 48;
    d.megsl = 0.1;
    d.megob = 0;
    d.diag_width = 900;
    d.W1 = 100;
    return d;
}

// The turns of each layer of a ring's hole, counted here layer by layer.
std::vector<int> ringLayers(double D, double t, double p) {
    std::vector<int> turns;
    for (; 2 * t <= D; D -= 2 * t) {
        const double x = p / (D - p);
        if (x > 0 && x <= 1) turns.push_back(static_cast<int>(2 * kPi / (2 * std::asin(x))));
    }
    return turns;
}

RunStatus statusOf(const auto& place) {
    try {
        place();
    } catch (const calc::Stop& s) {
        return s.status;
    }
    return RunStatus::ok;
}

}  // namespace

TEST(RingPlacement, ExactFitIsAcceptedAndOneWireMoreIsAnOverfill) {
    const Wire w = wire(0.56);
    const double t = 0.1 + 0.56, p = 1.15 * 0.56;
    const std::vector<int> layers = ringLayers(30, t, p);
    ASSERT_GT(layers.size(), 3u);
    long long capacity = 0;
    for (int n : layers) capacity += n;

    Design d = ring(30);
    d.W1 = static_cast<double>(capacity);
    const calc::Placed full = calc::placePrimary(d, w);
    EXPECT_EQ(full.Nsl, static_cast<double>(layers.size()));
    EXPECT_GE(full.build, 0);
    d.W1 += 1;
    EXPECT_EQ(statusOf([&] { calc::placePrimary(d, w); }), RunStatus::overfill);
}

TEST(RingPlacement, TwoFullLayersGiveWholeLayersLengthAndTheTurnList) {
    const Wire w = wire(0.56, 0.196, 2);
    const double t = 0.66, p = 1.15 * 0.56;
    const std::vector<int> layers = ringLayers(30, t, p);
    Design d = ring(30);
    d.megob = 0.3;
    d.W1 = (layers[0] + layers[1]) / 2.0;  // two strands: twice the passes
    const calc::Placed placed = calc::placePrimary(d, w);
    EXPECT_EQ(placed.Nsl, 2);
    const double len1 = 48 + 8 * t, len2 = len1 + 4 * t;
    EXPECT_DOUBLE_EQ(placed.Lpr, (layers[0] * len1 + layers[1] * len2) / 1000);
    EXPECT_DOUBLE_EQ(placed.build, 30 - 2 * 2 * t - 2 * 0.3);
    EXPECT_DOUBLE_EQ(placed.Lturn, len2 + 4 * 0.3);
    EXPECT_EQ(placed.ext, static_cast<int>((30 - placed.build) / 30 * 900));
    // The instruction: the first layer full, the second holding the rest.
    EXPECT_EQ(placed.instruction.layout, Layout::ring);
    EXPECT_EQ(placed.instruction.layers, std::vector<int>{layers[0]});
    EXPECT_EQ(placed.instruction.rest, layers[1]);
    EXPECT_DOUBLE_EQ(placed.instruction.build, placed.build);

    d.W1 = (layers[0] + 10) / 2.0;  // a part-filled second layer
    const calc::Placed part = calc::placePrimary(d, w);
    EXPECT_DOUBLE_EQ(part.Nsl, 1 + 10.0 / layers[1]);
    EXPECT_EQ(part.instruction.rest, 10);
}

TEST(RingPlacement, PrimaryNeedsAHoleAndRoom) {
    Design d = ring(30);
    d.megob = 20;  // the insulation alone closes the hole
    EXPECT_EQ(statusOf([&] { calc::placePrimary(d, wire(0.56)); }), RunStatus::overfill);
    Design none = ring(0);
    EXPECT_EQ(statusOf([&] { calc::placePrimary(none, wire(0.56)); }), RunStatus::overfill);
}

TEST(RingPlacement, SecondaryMustLeaveThreeTenthsOfTheRoomFree) {
    // One full layer of a 0.5 mm wire narrows the hole by exactly 1 mm.
    Design d = ring(10);
    d.megsl = 0;
    const Wire w = wire(0.5);
    auto place = [&](double D0) {
        d.buildLast = D0;
        d.LturnLast = 60;
        calc::prepareSecondary(d, w, 0);
        const double W = d.layers.turns[1];
        return statusOf([&] { calc::placeSecondary(d, w, W, 0); });
    };
    EXPECT_EQ(place(4), RunStatus::ok);  // leaves 3 mm = 0.3 x 10: still open
    EXPECT_EQ(place(3.999), RunStatus::overfill);
}

TEST(RingPlacement, CentreTapPlacesTwiceTheWires) {
    Design d = ring(30);
    d.buildLast = 30;
    d.LturnLast = 60;
    const Wire w = wire(0.56);
    calc::prepareSecondary(d, w, 0);
    const int first = d.layers.turns[1];
    const double W = first / 2;  // whole turns of each half, within the first layer
    d.centre[0] = true;
    const calc::Placed tapped = calc::placeSecondary(d, w, W, 0);
    d.centre[0] = false;
    const calc::Placed plain = calc::placeSecondary(d, w, W, 0);
    EXPECT_EQ(tapped.Nsl, 2 * W / first);
    EXPECT_EQ(plain.Nsl, W / first);
    EXPECT_DOUBLE_EQ(tapped.Lpr, 2 * plain.Lpr);
}

TEST(RingPlacement, LayerTableHoldsAtMostAThousandLayers) {
    calc::Layers L;
    calc::buildRingLayers(L, 1e7, 0, 0.1, 0.1, calc::kPrimary);
    EXPECT_EQ(L.count, 1000);
    long long sum = 0;
    for (int k = 1; k <= 1000; ++k) sum += L.turns[k];
    EXPECT_EQ(L.capacity, sum);
    EXPECT_EQ(L.turns[1001], 0);

    for (double t : {0.0, -0.5}) {
        calc::buildRingLayers(L, 100, 0, t, 0.1, calc::kPrimary);
        EXPECT_EQ(L.count, 0);
        EXPECT_EQ(L.capacity, 0);
    }
    // A hole that would take 2000 layers of a fine wire: what passes the thousandth
    // layer does not fit.
    calc::Layers fine;
    calc::buildRingLayers(fine, 200, 0, 0.05, 1.15 * 0.05, calc::kPrimary);
    ASSERT_EQ(fine.count, 1000);
    Design d = ring(200);
    d.megsl = 0;
    d.W1 = static_cast<double>(fine.capacity);
    EXPECT_EQ(statusOf([&] { calc::placePrimary(d, wire(0.05)); }), RunStatus::ok);
    d.W1 += 1;
    EXPECT_EQ(statusOf([&] { calc::placePrimary(d, wire(0.05)); }), RunStatus::overfill);
}

TEST(RingPlacement, TurnsOfALayerBeyondThirtyTwoBitsRefuse) {
    calc::Layers L;
    EXPECT_EQ(statusOf([&] { calc::buildRingLayers(L, 1e12, 0, 1, 1e-3, calc::kPrimary); }),
              RunStatus::refused);
}

namespace {

Design coils(int core) {
    Design d;
    d.core = *coreKindFrom(core);
    d.room = 10;
    d.lkar = 38;
    d.hkar = 27;
    d.Lturn0 = 122;
    d.megsl = 0.1;
    d.megob = 0.3;
    d.Nobm = 2;
    d.Sok = 1000;
    d.W1 = 1000;
    d.diag_width = 900;
    return d;
}

}  // namespace

TEST(CoilPlacement, TwoCoilsHoldHalfTheLayersOfABobbin) {
    const Wire w = wire(0.56, 0.196);
    Design bobbin = coils(2), two = coils(1);
    bobbin.room = two.room = 20;
    const calc::Placed b = calc::placePrimary(bobbin, w), c = calc::placePrimary(two, w);
    const int Nt = static_cast<int>(38 / (1.15 * 0.56));
    EXPECT_EQ(b.Nt, Nt);
    EXPECT_DOUBLE_EQ(b.Nsl, 1000.0 / Nt);
    EXPECT_DOUBLE_EQ(c.Nsl, b.Nsl / 2);
    const int Lmax = static_cast<int>((20 - 2 * 0.3) / 0.66);
    EXPECT_DOUBLE_EQ(b.Kfill, double(Nt) * Lmax * 0.196 / 1000);
    EXPECT_DOUBLE_EQ(c.Kfill, 2 * b.Kfill);
    EXPECT_DOUBLE_EQ(b.build, b.Nsl * 0.66 + 0.3);
    EXPECT_DOUBLE_EQ(b.Lturn, 122 + 8 * b.Nsl * 0.66);
    EXPECT_EQ(b.ext, static_cast<int>(b.build / 20 * 900));
    EXPECT_EQ(c.instruction.layout, Layout::twoCoils);
    EXPECT_EQ(b.instruction.layout, Layout::bobbin);
    EXPECT_EQ(b.instruction.Nt, Nt);
    EXPECT_DOUBLE_EQ(b.instruction.build, 2 * b.build + 27);  // the coil over the bobbin
}

TEST(CoilPlacement, PrimaryBuildUpMayReachTheRoomButNotPassIt) {
    const Wire w = wire(0.5, 0.15);
    Design d = coils(2);
    d.megsl = 0;
    d.megob = 0;
    d.lkar = 11;  // 19 turns per layer of 0.575 mm pitch
    d.W1 = 19 * 4;
    d.room = 4 * 0.5;
    EXPECT_EQ(statusOf([&] { calc::placePrimary(d, w); }), RunStatus::ok);
    d.room = 1.999;
    EXPECT_EQ(statusOf([&] { calc::placePrimary(d, w); }), RunStatus::overfill);
    d.room = 0;
    EXPECT_EQ(statusOf([&] { calc::placePrimary(d, w); }), RunStatus::overfill);
}

TEST(CoilPlacement, SecondaryBuildUpMayReachTheRoomButNotPassIt) {
    const Wire w = wire(0.5, 0.15);
    Design d = coils(3);
    d.megsl = 0;
    d.megob = 0;
    d.lkar = 11;
    d.buildLast = 2;
    d.LturnLast = 140;
    d.room = 2.5;  // one layer of 19 turns: 2 + 0.5
    EXPECT_EQ(statusOf([&] { calc::placeSecondary(d, w, 19, 0); }), RunStatus::ok);
    d.room = 2.49;
    EXPECT_EQ(statusOf([&] { calc::placeSecondary(d, w, 19, 0); }), RunStatus::overfill);
}

TEST(CoilPlacement, LessThanOneTurnPerLayerIsAnOverfill) {
    Design d = coils(2);
    d.lkar = 0.5;  // narrower than one pitch of the wire
    EXPECT_EQ(statusOf([&] { calc::placePrimary(d, wire(0.56)); }), RunStatus::overfill);
    EXPECT_EQ(statusOf([&] { calc::placeSecondary(d, wire(0.56), 10, 1); }), RunStatus::overfill);
}
