// Hot spot of the winding: surface heat balance plus conduction through the build,
// copper resistance at the winding's temperature.
#include "winding_heat.hpp"

#include <cmath>

#include "core_shape.hpp"
#include "numtext.hpp"
#include "steel.hpp"

namespace velmora {
namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

double classLimit(InsulationClass c) { return kClassLimit[static_cast<size_t>(c)]; }

std::optional<HeatConditions> heatConditions(std::string_view Tamb, std::string_view insulation,
                                             int impregnated) {
    HeatConditions c;
    const std::optional<double> t = wholeNumber(Tamb);
    if (!t || !(*t >= -60 && *t <= 100)) return std::nullopt;
    c.ambient = *t;
    c.impregnated = impregnated != 0;
    for (size_t k = 0; k < kClassLetter.size(); ++k) {
        const std::string limit = std::to_string(static_cast<int>(kClassLimit[k]));
        const bool letter = insulation.size() == 1 &&
                            (insulation[0] == kClassLetter[k] || insulation[0] == kClassLetter[k] + 32);
        if (letter || insulation == limit) {
            c.insulation = static_cast<InsulationClass>(k);
            return c;
        }
    }
    return std::nullopt;
}

std::vector<HeatLayer> windingLayers(const RunFigures& f) {
    const bool ring = shapeOf(f.core).ring;
    std::vector<HeatLayer> out;
    // Bobbin kinds: where each winding's build-up ends; the ring: the hole each leaves,
    // a winding taking half its hole's loss of diameter as its thickness.
    double before = ring ? f.room : 0;
    auto add = [&](double edge, double P20) {
        out.push_back({ring ? (before - edge) / 2 : edge - before, P20});
        before = edge;
    };
    add(f.build1, f.Pcu1 / kHeat.warmFactor);
    for (int i = 0; i < kSecondaries; ++i)
        if (f.used[i]) add(f.build2[i], f.I2[i] * f.I2[i] * f.R2[i] * (f.centre[i] ? 2 : 1));
    return out;
}

double conductionArea(const RunFigures& f, double build_mm) {
    const double perimeter = 2 * (f.hkar + f.hkar1) + kPi * build_mm;  // mm
    if (shapeOf(f.core).ring) return perimeter * kPi * (f.lst + f.hst) / 2 * 1e-6;
    const double coils = shapeOf(f.core).twoCoils ? 2 : 1;
    return coils * perimeter * f.lkar * 1e-6;
}

double buildRise(const std::vector<HeatLayer>& layers, double copper, double inner_w, double area,
                 double k) {
    // Through layer j the flux grows from Φ (all made inside it) by its own loss:
    // ΔT_j = (Φ + P_j / 2) · t_j / (k · A).
    double through = inner_w, rise = 0;
    for (const HeatLayer& l : layers) {
        const double P = l.P20_w * copper;
        rise += (through + P / 2) * l.t_mm * 1e-3 / (k * area);
        through += P;
    }
    return rise;
}

HeatResult windingHeat(const RunFigures& f, double core_w, const HeatConditions& c) {
    HeatResult h;
    const std::vector<HeatLayer> layers = windingLayers(f);
    double build = 0, P20 = 0;
    for (const HeatLayer& l : layers) {
        build += l.t_mm;
        P20 += l.P20_w;
    }
    const double area = conductionArea(f, build);
    const double k = c.impregnated ? kHeat.kImpregnated : kHeat.kDry;
    const double inner = shapeOf(f.core).ring ? core_w : 0;
    const Surface s = outerSurface(f);
    // From the cold winding; each round takes the copper at the last round's mean.
    double winding = kHeat.coldC;
    for (int round = 1; round <= kHeat.maxRounds; ++round) {
        h.rounds = round;
        h.copper = 1 + kHeat.alphaCu * (winding - kHeat.coldC);
        h.Pcu_w = P20 * h.copper;
        h.rise_k = surfaceRise(s, h.Pcu_w + core_w, nullptr, c.ambient);
        h.surface_c = c.ambient + h.rise_k;
        h.hot_spot_c = h.surface_c + buildRise(layers, h.copper, inner, area, k);
        const double next = (h.surface_c + h.hot_spot_c) / 2;
        const bool still = std::fabs(next - winding) < kHeat.settledK;
        winding = next;
        h.winding_c = winding;
        if (!std::isfinite(winding) || winding > kHeat.runawayC) break;
        if (still) {
            h.settled = true;
            break;
        }
    }
    return h;
}

}  // namespace velmora
