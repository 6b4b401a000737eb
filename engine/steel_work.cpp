// The figures at work (SteelResult::work): what the builder checks the design against,
// and whether it can work at all. Nothing beyond the grade's data is extrapolated.
#include <cmath>

#include "core_shape.hpp"
#include "magnetising.hpp"
#include "steel.hpp"
#include "steel_parts.hpp"

namespace velmora {
namespace {

constexpr double kPi = 3.14159265358979323846;

bool grainOriented(const SteelGrade& g) { return g.family == SteelFamily::grainOriented; }

}  // namespace

std::string_view reasonName(SteelReason r) {
    switch (r) {
        case SteelReason::inductionAboveData: return "inductionAboveData";
        case SteelReason::inductionAboveSaturation: return "inductionAboveSaturation";
        case SteelReason::supplyBelowNominal: return "supplyBelowNominal";
        case SteelReason::heatingNotSettled: return "heatingNotSettled";
    }
    return "";
}

std::optional<double> workingLoss(const SteelGrade& g, double B, double F) {
    const GradePoints p = lossPoints(g);
    if (p.n == 0 || !(B > 0) || B > p.B[p.n - 1]) return std::nullopt;
    const double beta = kSteel.beta[grainOriented(g) ? 0 : 1];
    double at50;
    if (B <= p.B[0]) {
        double Bk = p.B[0], Pk = p.v[0];
        // A GO grade known at 1.7 T only: its steep knee first, down to 1.5 T.
        if (grainOriented(g) && Bk > kSteel.goKneeFrom) {
            const double to = std::fmax(B, kSteel.goKneeFrom);
            Pk *= std::pow(to / Bk, kSteel.goKneeExponent);
            Bk = to;
        }
        at50 = Pk * std::pow(B / Bk, beta);
    } else {
        int k = 0;
        while (B > p.B[k + 1]) ++k;
        const double B1 = p.B[k], B2 = p.B[k + 1], P1 = p.v[k], P2 = p.v[k + 1];
        at50 = B == B2 ? P2 : P1 * std::exp(std::log(P2 / P1) * std::log(B / B1) / std::log(B2 / B1));
    }
    const double alpha = kSteel.alpha[grainOriented(g) ? 0 : 1];
    return at50 * std::pow(F / kSteel.frequencyOfData, alpha);
}

WorkingFigures workingSteel(const RunFigures& f, const SteelGrade& g, const HeatConditions& c,
                            Construction construction, double volume_mm3, bool noLoad) {
    WorkingFigures w;
    const int built = static_cast<int>(construction);
    w.stacking = g.stacking > 0 ? g.stacking : kSteel.stackingBy[built];
    // The run's section carries the core sizing's 0.9; the net section the construction's.
    const double Snet = f.Sst / kSteel.stacking * w.stacking;  // mm2
    w.B0_t = std::sqrt(2.0) * f.U1nom / (2 * kPi * f.F * f.W1 * Snet * 1e-6);
    w.mass_steel_kg = volume_mm3 * w.stacking * g.density * 1e-6;
    w.lm_mm = shapeOf(f.core).geometry.path({f.lst, f.hst, f.lok, f.hok});
    double gap = 0;  // m
    if (construction == Construction::cutCore) gap = kSteel.cutJoints * kSteel.jointGap;
    if (construction == Construction::stackedLaminations) gap = kSteel.interleavedGap;
    w.gap_mm = gap * 1e3;
    w.ambient_c = c.ambient;
    w.class_limit_c = classLimit(c.insulation);

    if (f.U1max < f.U1nom) w.reasons.push_back(SteelReason::supplyBelowNominal);

    w.p_w_kg = workingLoss(g, w.B0_t, f.F);
    if (w.p_w_kg) {
        w.loss_w = *w.p_w_kg * w.mass_steel_kg * kSteel.buildingFactor[built];
        w.I_loss_a = *w.loss_w / f.U1nom;
    } else {
        w.lossGap = FigureGap::aboveLossData;
    }

    const MagnetisationCurve curve = curveOf(g);
    const GradePoints lp = lossPoints(g);
    w.dataTop_t = curve.empty() ? (lp.n > 0 ? lp.B[lp.n - 1] : 0) : curve.top();
    w.saturation_t = g.saturation;
    if (curve.empty()) {
        w.magnetisingGap = FigureGap::noCurve;
        if (lp.n > 0 && w.B0_t > w.dataTop_t) w.reasons.push_back(SteelReason::inductionAboveData);
    } else if (w.B0_t > curve.top()) {
        w.magnetisingGap = FigureGap::aboveCurve;
        w.reasons.push_back(SteelReason::inductionAboveData);
    } else if (noLoad) {
        w.H_peak_a_m = curveField(curve, w.B0_t);
        w.I_mag_a = magnetisingRms(curve, w.B0_t, w.lm_mm * 1e-3, gap, f.W1);
        if (w.I_loss_a) w.I0_a = std::hypot(*w.I_loss_a, *w.I_mag_a);
    }
    if (g.saturation > 0 && w.B0_t > g.saturation)
        w.reasons.push_back(SteelReason::inductionAboveSaturation);
    w.feasible = w.reasons.empty();
    return w;
}

void workingHeat(WorkingFigures& w, const RunFigures& f, const HeatConditions& c) {
    if (!w.loss_w) {
        w.heatingGap = FigureGap::noLoss;
    } else {
        const HeatResult h = windingHeat(f, *w.loss_w, c);
        w.rounds = h.rounds;
        if (!h.settled) {
            w.heatingGap = FigureGap::notSettled;
            w.reasons.push_back(SteelReason::heatingNotSettled);
        } else {
            w.rise_k = h.rise_k;
            w.hot_spot_c = h.hot_spot_c;
            w.class_margin_k = w.class_limit_c - h.hot_spot_c;
            w.winding_c = h.winding_c;
            w.copper_factor = h.copper;
            w.Pcu_w = h.Pcu_w;
            w.R1_ohm = f.R1 * h.copper;
            // The primary's drop at working temperature sets the volts per turn.
            const double ew = (f.U1nom - h.copper * f.R1 * f.I1) / f.W1;
            for (int i = 0; i < kSecondaries; ++i) {
                if (!f.used[i]) continue;
                w.R2_ohm[i] = f.R2[i] * h.copper;
                w.U2_load_v[i] = f.W2[i] * ew - h.copper * f.R2[i] * f.I2[i];
            }
        }
    }
    w.feasible = w.reasons.empty();
}

WorkingFigures workingFigures(const RunFigures& f, const SteelGrade& g, const HeatConditions& c,
                              Construction construction, double volume_mm3) {
    WorkingFigures w = workingSteel(f, g, c, construction, volume_mm3);
    workingHeat(w, f, c);
    return w;
}

}  // namespace velmora
