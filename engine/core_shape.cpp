// The table of the core shapes and the formulas of their three outlines.
#include "core_shape.hpp"

#include <cmath>

namespace velmora {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBobbin = 2.0;  // a bobbin wall or the ring's insulation of 1 mm, both sides
constexpr double kMm = 1e-3;     // mm to m

// ---- the ring: D, d, H in a, b, c ----------------------------------------------------

double ringLm(const CoreDims& s) { return kPi * (s.a + s.b) / 2; }
double ringSst(const CoreDims& s, double kst) { return (s.a - s.b) / 2 * s.c * kst; }
double ringSok(const CoreDims& s) { return kPi * (s.b * s.b) / 4; }
double ringRoom(const CoreDims& s, double hkar) { return (s.a + s.b) / 2 - hkar; }
// π/4·(D² − d²)·H
double ringVolume(const CoreDims& s) { return kPi / 4 * (s.a * s.a - s.b * s.b) * s.c; }

// The insulated ring (hkar × hkar1 around the mean diameter) lying flat, the windings
// as thick on every side as they take from the hole; the hole's wall sees mostly
// itself and is left out.
Surface ringSurface(const WoundCore& w) {
    const double Dm = (w.dims.a + w.dims.b) / 2;
    const double tw = (w.room - w.build) / 2;
    const double Do = (Dm + w.hkar + 2 * tw) * kMm, Di = w.build * kMm;
    const double Ht = (w.hkar1 + 2 * tw) * kMm;
    Surface s;
    s.vertical = kPi * Do * Ht;
    s.height = Ht;
    s.up = s.down = kPi / 4 * (Do * Do - Di * Di);
    s.Lup = s.Ldown = Do - Di;  // 4·area / perimeter of the annulus
    return s;
}

BobbinSizes ringBobbin(const CoreDims& s) { return {(s.a - s.b) / 2 + kBobbin, s.c + kBobbin, {}}; }

// ---- the steel cores: a = lst, b = hst, c = lok, h = hok ----------------------------

double steelLm(const CoreDims& s) { return 2 * s.h + 2 * s.c + 2 * s.a; }
double steelSst(const CoreDims& s, double kst) { return s.a * s.b * kst; }
double steelSok(const CoreDims& s) { return s.h * s.c; }
BobbinSizes steelBobbin(const CoreDims& s) { return {s.a + kBobbin, s.b + kBobbin, s.h - kBobbin}; }

// The box around the core standing on a yoke and its coils (hkar + 2·build by
// hkar1 + 2·build around a leg, as high as the window); W × H its face.
Surface boxSurface(const WoundCore& w, double W, double H) {
    const double dc = w.hkar1 + 2 * w.build;
    const double D = std::fmax(w.dims.b, dc);
    W *= kMm;
    H *= kMm;
    const double Dm = D * kMm;
    Surface s;
    s.vertical = 2 * (W + Dm) * H;
    s.height = H;
    s.up = s.down = W * Dm;
    s.Lup = s.Ldown = 2 * W * Dm / (W + Dm);
    return s;
}

// Shell (ШЛ, Ш): centre leg a, two windows c, outer legs and yokes a/2.
double shellRoom(const CoreDims& s, double hkar) { return s.c - (hkar - s.a) / 2; }
// ((2a + 2c)·(h + a) − 2·c·h)·b
double shellVolume(const CoreDims& s) {
    const double a = s.a, b = s.b, c = s.c, h = s.h;
    return ((2 * a + 2 * c) * (h + a) - 2 * c * h) * b;
}
// Round one window on the centre lines of the centre leg, an outer leg and the yokes:
// 2·(c + a/2 + a/4) + 2·(h + a/4 + a/4) = 2(c + h) + 2.5a.
double shellPath(const CoreDims& s) { return 2 * (s.c + s.h) + 2.5 * s.a; }
Surface shellSurface(const WoundCore& w) {
    return boxSurface(w, 2 * w.dims.a + 2 * w.dims.c, w.dims.h + w.dims.a);
}

// Two coils (ПЛ, Г): two legs and two yokes of width a round one window c × h.
double twoCoilRoom(const CoreDims& s, double hkar) { return (s.c - hkar + s.a) / 2; }
// ((2a + c)·(h + 2a) − c·h)·b
double twoCoilVolume(const CoreDims& s) {
    const double a = s.a, b = s.b, c = s.c, h = s.h;
    return ((2 * a + c) * (h + 2 * a) - c * h) * b;
}
// Round the window on the centre lines: 2·(c + a/2 + a/2) + 2·(h + a/2 + a/2).
double twoCoilPath(const CoreDims& s) { return 2 * (s.c + s.h) + 4 * s.a; }
// The coils stand out beside the legs where they are wider than the steel.
Surface twoCoilSurface(const WoundCore& w) {
    const double a = w.dims.a, c = w.dims.c, h = w.dims.h;
    const double wc = w.hkar + 2 * w.build;
    return boxSurface(w, 2 * a + c + 2 * std::fmax(0.0, (wc - a) / 2), h + 2 * a);
}

// hkar from lst, hkar1 from hst, lkar from hok.
constexpr std::array<std::array<bool, 4>, 3> kSteelReads{
    {{true, false, false, false}, {false, true, false, false}, {false, false, false, true}}};

constexpr CoreGeometry kRingGeometry{ringLm,     ringSst,  ringSok,     ringRoom,
                                     ringVolume, ringLm,   ringSurface, ringBobbin,
                                     {CoreDim::hst, CoreDim::lok, std::nullopt},
                                     {{{true, true, false, false}, {false, false, true, false}, {}}}};
constexpr CoreGeometry kShellGeometry{steelLm,     steelSst,  steelSok,     shellRoom,
                                      shellVolume, shellPath, shellSurface, steelBobbin,
                                      {CoreDim::lst, CoreDim::hst, CoreDim::hok},
                                      kSteelReads};
constexpr CoreGeometry kTwoCoilGeometry{steelLm,       steelSst,    steelSok,       twoCoilRoom,
                                        twoCoilVolume, twoCoilPath, twoCoilSurface, steelBobbin,
                                        {CoreDim::lst, CoreDim::hst, CoreDim::hok},
                                        kSteelReads};

constexpr std::array<std::string_view, 4> kRingDims{"D", "d", "H", ""};
constexpr std::array<std::string_view, 4> kSteelDims{"Ls", "Hs", "Lok", "Hok"};

// Default grades: grain-oriented for the tape-wound kinds, non-oriented for the
// laminations (data/README.md, "Steel and heating").
constexpr std::string_view kGrainOriented = "M-6 0.35";
constexpr std::string_view kNonOriented = "M800-50A";

}  // namespace

// Induction limits and mu as the calculation has always used them.
const std::array<CoreShape, kCoreKindCount> kCoreShapes{{
    {CoreKind::ring, "Т", true, false, true, 1.7, "1.5", 13000, Construction::woundRing, 0,
     kGrainOriented, kRingDims, "core-ring.svg", kRingGeometry},
    {CoreKind::pl, "ПЛ", false, true, true, 1.7, "1.5", 5000, Construction::cutCore, 2,
     kGrainOriented, kSteelDims, "core-pl.svg", kTwoCoilGeometry},
    {CoreKind::shl, "ШЛ", false, false, true, 1.7, "1.5", 5000, Construction::cutCore, 2,
     kGrainOriented, kSteelDims, "core-shl.svg", kShellGeometry},
    {CoreKind::sh, "Ш", false, false, false, 1.2, "1.2", 5000, Construction::stackedLaminations, 0,
     kNonOriented, kSteelDims, "core-sh.svg", kShellGeometry},
    {CoreKind::g, "Г", false, true, false, 1.2, "1.2", 5000, Construction::stackedLaminations, 0,
     kNonOriented, kSteelDims, "core-g.svg", kTwoCoilGeometry},
}};

std::optional<CoreKind> coreKindFrom(int core) {
    if (core < 0 || core >= static_cast<int>(kCoreKindCount)) return std::nullopt;
    return static_cast<CoreKind>(core);
}

const CoreShape* shapeOf(int core) {
    const std::optional<CoreKind> k = coreKindFrom(core);
    return k ? &shapeOf(*k) : nullptr;
}

bool isRing(int core) {
    const CoreShape* s = shapeOf(core);
    return s && s->ring;
}

std::string_view defaultSteelGrade(int core) {
    const CoreShape* s = shapeOf(core);
    return s ? s->steelGrade : std::string_view{};
}

}  // namespace velmora
