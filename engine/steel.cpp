// Steel and heating: the core loss from the grade's points, the no-load current from
// its magnetisation points and the joints, the masses, the efficiency with the core
// loss, and the surface temperature from a heat balance of convection and radiation.
#include "steel.hpp"

#include <cmath>

#include "core_shape.hpp"
#include "magnetising.hpp"
#include "steel_parts.hpp"

namespace velmora {
namespace {

constexpr double kPi = 3.14159265358979323846;
const double kSqrt2 = std::sqrt(2.0);

int familyIndex(SteelFamily f) { return f == SteelFamily::grainOriented ? 0 : 1; }

bool positive(double v) { return std::isfinite(v) && v > 0; }

// v at B on the straight line through two points in log-log; exact at both points.
double logLog(double B, double B1, double v1, double B2, double v2) {
    return v1 * std::exp(std::log(v2 / v1) * std::log(B / B1) / std::log(B2 / B1));
}

CoreDims dimsOf(const RunFigures& f) { return {f.lst, f.hst, f.lok, f.hok}; }

// The figures the steel reads (see sameSteel), and those the windings add.
bool steelUsable(const RunFigures& f) {
    return positive(f.W1) && positive(f.F) && positive(f.U1nom) && positive(f.Sst) && positive(f.lm) &&
           positive(f.lst) && positive(f.hst) && positive(f.lok) && (shapeOf(f.core).ring || positive(f.hok));
}
bool windingsUsable(const RunFigures& f, const DeliveredPower& out) {
    return std::isfinite(f.Pzad) && std::isfinite(f.Pcu) && f.Pcu >= 0 && std::isfinite(out.delivered) &&
           std::isfinite(out.useful);
}

}  // namespace

GradePoints pointsOf(const std::array<double, 3>& values) {
    GradePoints p;
    for (int k = 0; k < 3; ++k)
        if (values[k] > 0) {
            p.B[p.n] = kGradeB[k];
            p.v[p.n] = values[k];
            ++p.n;
        }
    return p;
}

GradePoints lossPoints(const SteelGrade& g) {
    return pointsOf(lossBasis(g) == LossBasis::typical ? g.lossTyp : g.lossMax);
}

LossBasis lossBasis(const SteelGrade& g) {
    return pointsOf(g.lossTyp).n > 0 ? LossBasis::typical : LossBasis::guaranteedMax;
}

double specificLoss(const SteelGrade& g, double B, double F) {
    const GradePoints p = lossPoints(g);
    if (p.n == 0 || !(B > 0)) return 0;
    const int fam = familyIndex(g.family);
    const double beta = kSteel.beta[fam];
    double at50;
    int k = 0;
    while (k < p.n && p.B[k] != B) ++k;
    if (k < p.n)
        at50 = p.v[k];  // the grade's own figure, as it stands
    else if (B <= p.B[0])
        at50 = p.v[0] * std::pow(B / p.B[0], beta);
    else if (B >= p.B[p.n - 1])
        at50 = p.v[p.n - 1] * std::pow(B / p.B[p.n - 1], beta);
    else {
        k = 0;
        while (B > p.B[k + 1]) ++k;
        at50 = logLog(B, p.B[k], p.v[k], p.B[k + 1], p.v[k + 1]);
    }
    return at50 * std::pow(F / kSteel.frequencyOfData, kSteel.alpha[fam]);
}

std::optional<double> fieldStrength(const SteelGrade& g, double B) {
    const GradePoints p = pointsOf(g.H);
    if (p.n == 0 || !(B >= 0) || B > p.B[p.n - 1]) return std::nullopt;
    if (B < p.B[0]) {
        // Below the 1.0 T point the permeability is taken as there (an assumption);
        // a curve that starts higher says nothing of the low inductions.
        if (p.B[0] != kGradeB[0]) return std::nullopt;
        return p.v[0] * B / p.B[0];
    }
    int k = 0;
    while (k < p.n && p.B[k] != B) ++k;
    if (k < p.n) return p.v[k];
    k = 0;
    while (B > p.B[k + 1]) ++k;
    return logLog(B, p.B[k], p.v[k], p.B[k + 1], p.v[k + 1]);
}

Surface outerSurface(const RunFigures& f) {
    return shapeOf(f.core).geometry.surface({dimsOf(f), f.hkar, f.hkar1, f.room, lastBuild(f)});
}

SurfaceCooling surfaceCooling(const Surface& s) {
    // Convection of the three kinds of face and radiation of the whole surface.
    return {kSteel.hVertical * s.vertical / std::pow(s.height, 0.25) +
                kSteel.hUp * s.up / std::pow(s.Lup, 0.25) + kSteel.hDown * s.down / std::pow(s.Ldown, 0.25),
            kSteel.emissivity * kSteel.sigma * s.total()};
}

double surfaceRise(const Surface& s, double P, int* steps, double ambient) {
    return surfaceRise(surfaceCooling(s), P, steps, ambient);
}

double surfaceRise(const SurfaceCooling& k, double P, int* steps, double ambient) {
    if (steps) *steps = 0;
    if (!(P > 0)) return 0;
    if (!std::isfinite(P)) return P;
    // Q(x) = C·x^1.25 + R·((Ta + x)^4 − Ta^4). Q is convex and rising, so Newton from
    // the lower of the convection-only and the radiation-only roots (both lie above
    // the answer) falls monotonically onto it.
    const double C = k.C, R = k.R;
    const double Ta = ambient + kSteel.kelvin;
    if (!(C > 0) || !std::isfinite(C) || !(R > 0)) return 0;
    const double Ta4 = Ta * Ta * Ta * Ta;
    double x = std::fmin(std::pow(P / C, 0.8), std::sqrt(std::sqrt(Ta4 + P / R)) - Ta);
    x = std::fmax(x, 0.0);  // rounding of a tiny P
    for (int k = 1; k <= kSteel.maxSteps; ++k) {
        const double q = std::sqrt(std::sqrt(x));
        const double T = Ta + x, T2 = T * T;
        const double f = C * x * q + R * (T2 * T2 - Ta4) - P;
        const double df = 1.25 * C * q + 4 * R * T2 * T;
        const double step = f / df;
        x -= step;
        if (steps) *steps = k;
        if (!(x > 0)) return 0;
        if (std::fabs(step) <= 1e-9 * (1 + x)) break;
    }
    return x;
}

bool sameSteel(const RunFigures& a, const RunFigures& b) {
    return a.core == b.core && a.lst == b.lst && a.hst == b.hst && a.lok == b.lok && a.hok == b.hok &&
           a.F == b.F && a.U1nom == b.U1nom && a.U1max == b.U1max && a.W1 == b.W1 && a.Sst == b.Sst &&
           a.lm == b.lm;
}

SteelResult steelPart(const RunFigures& f, const SteelGrade& g, const HeatConditions& c, bool noLoad) {
    SteelResult r;
    r.construction = shapeOf(f.core).construction;
    if (!steelUsable(f)) {
        r.status = SteelStatus::badFigures;
        return r;
    }
    if (!positive(g.density)) {
        r.status = SteelStatus::noDensity;
        return r;
    }
    if (pointsOf(g.lossTyp).n == 0 && pointsOf(g.lossMax).n == 0) {
        r.status = SteelStatus::noLossData;
        return r;
    }
    const int built = static_cast<int>(r.construction);

    r.volume_mm3 = shapeOf(f.core).geometry.volume(dimsOf(f));
    r.mass_steel_kg = r.volume_mm3 * kSteel.stacking * g.density * 1e-6;
    r.B0_t = kSqrt2 * f.U1nom / (2 * kPi * f.F * f.W1 * f.Sst * 1e-6);
    r.basis = lossBasis(g);
    r.p_w_kg = specificLoss(g, r.B0_t, f.F);
    r.loss_w = r.p_w_kg * r.mass_steel_kg * kSteel.buildingFactor[built];
    r.I_loss_a = r.loss_w / f.U1nom;

    r.H_a_m = fieldStrength(g, r.B0_t);
    if (r.H_a_m) {
        double IW = *r.H_a_m * f.lm * 1e-3;  // peak ampere-turns
        if (r.construction == Construction::cutCore)
            IW += r.B0_t * kSteel.cutJoints * kSteel.jointGap / kSteel.mu0;
        r.I_mag_a = IW / (kSqrt2 * f.W1);
        r.I0_a = std::hypot(r.I_loss_a, *r.I_mag_a);
    }
    r.work = workingSteel(f, g, c, r.construction, r.volume_mm3, noLoad);
    return r;
}

SteelResult withWindings(SteelResult r, const RunFigures& f, const SteelGrade& g, const HeatConditions& c,
                         const DeliveredPower& out) {
    if (!windingsUsable(f, out)) {
        SteelResult bad;
        bad.construction = r.construction;
        bad.status = SteelStatus::badFigures;
        return bad;
    }
    if (r.status != SteelStatus::ok) return r;
    const int fam = familyIndex(g.family);
    r.mass_cu1_kg = f.Lpr1 * f.M1 * 1e-3;
    r.mass_copper_kg = r.mass_cu1_kg;
    for (int i = 0; i < kSecondaries; ++i) {
        if (!f.used[i]) continue;
        r.mass_cu2_kg[i] = f.Lpr2[i] * f.M2[i] * 1e-3;
        r.mass_copper_kg += r.mass_cu2_kg[i];
    }
    r.mass_total_kg = r.mass_steel_kg + r.mass_copper_kg;

    r.input_w = out.delivered + f.Pcu + r.loss_w;
    r.efficiency_pct = out.delivered / r.input_w * 100;
    if (out.supply) r.supply_efficiency_pct = out.useful / r.input_w * 100;
    const Surface s = outerSurface(f);
    r.surface_m2 = s.total();
    r.rise_k = surfaceRise(s, f.Pcu + r.loss_w, &r.steps);

    if (r.rise_k > kSteel.riseLimit)
        r.warnings.push_back({SteelWarningCode::riseAboveLimit, r.rise_k, kSteel.riseLimit});
    if (r.B0_t > kSteel.knee[fam])
        r.warnings.push_back({SteelWarningCode::inductionAboveKnee, r.B0_t, kSteel.knee[fam]});
    WorkingFigures& w = r.work;
    workingHeat(w, f, c);
    if (w.Pcu_w && w.loss_w) {
        w.input_w = out.delivered + *w.Pcu_w + *w.loss_w;
        w.efficiency_pct = out.delivered / *w.input_w * 100;
        if (out.supply) w.supply_efficiency_pct = out.useful / *w.input_w * 100;
    }
    // Above its class the insulation ages fast; the design works, for a shorter life.
    if (w.class_margin_k && *w.class_margin_k < 0)
        r.warnings.push_back({SteelWarningCode::hotSpotAboveClass, *w.hot_spot_c, w.class_limit_c});
    return r;
}

SteelResult steelModel(const RunFigures& f, const SteelGrade& g, const HeatConditions& c,
                       const DeliveredPower& out) {
    return withWindings(steelPart(f, g, c), f, g, c, out);
}

}  // namespace velmora
