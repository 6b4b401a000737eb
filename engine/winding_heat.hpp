// The hottest point of the winding at the builder's ambient: the surface rise of the
// heat balance plus the rise through the winding build by one-dimensional conduction,
// with the copper resistance taken at the winding's own temperature, iterated until it
// settles. Numbers and codes only.
#pragma once

#include <array>
#include <vector>

#include <optional>
#include <string_view>

#include "calculation.hpp"

namespace velmora {

// Thermal classes of the whole insulation system and their limits, °C (the hottest
// point of the winding): A 105, E 120, B 130, F 155, H 180.
enum class InsulationClass { A, E, B, F, H };
inline constexpr std::array<double, 5> kClassLimit{105, 120, 130, 155, 180};
inline constexpr std::array<char, 5> kClassLetter{'A', 'E', 'B', 'F', 'H'};
double classLimit(InsulationClass c);

// Where the transformer lives and how it is built.
struct HeatConditions {
    double ambient = 40;  // °C
    InsulationClass insulation = InsulationClass::B;
    bool impregnated = false;
};

// The record's Tamb, Insulation and Impregnated; none when Tamb is no number from −60 to
// 100 °C or Insulation is neither a class letter (A, E, B, F, H) nor its limit in °C.
std::optional<HeatConditions> heatConditions(std::string_view Tamb, std::string_view insulation,
                                             int impregnated);

// The constants of the heat model (data/README.md, "Hot spot", gives each source).
struct HeatConstants {
    // Across the layers of round enamelled wire, W/(m K). Impregnated: 0.5, the lower end
    // of 0.5–1 W/(m K) measured perpendicular to varnish-filled packed copper wire
    // (ORNL, "Anisotropic thermal response of packed copper wire"). Not impregnated:
    // 0.25, an assumption (half of it; no measurement of air-filled windings was found).
    double kImpregnated = 0.5, kDry = 0.25;
    double alphaCu = 0.00393;  // 1/K at 20 °C, international annealed copper standard
    double coldC = 20;         // °C of the run's cold resistances
    double warmFactor = 1.2;   // the run's own factor on its copper losses
    int maxRounds = 20;
    double settledK = 0.01;    // rounds end when the winding moves by less
    double runawayC = 1000;    // a winding this hot has not settled, whatever the rounds
};
inline constexpr HeatConstants kHeat{};

// One winding in the build, from the inside out: its thickness and its copper loss at
// the cold resistance.
struct HeatLayer {
    double t_mm = 0;
    double P20_w = 0;
};
std::vector<HeatLayer> windingLayers(const RunFigures& f);

// Area the heat crosses through the build, m2: bobbin kinds the coils' mean perimeter
// (2(hkar + hkar1) + π·build) times the bobbin length; the ring its insulated section's
// mean perimeter times the circumference π·(D + d)/2.
double conductionArea(const RunFigures& f, double build_mm);

// Rise from the outer face to the hottest point, K: heat made uniformly in each layer
// (times `copper`), `inner_w` entering at the inner face (the ring's core loss; none
// through a bobbin), the outer face held at the surface temperature.
double buildRise(const std::vector<HeatLayer>& layers, double copper, double inner_w, double area,
                 double k);

struct HeatResult {
    bool settled = false;
    int rounds = 0;
    double copper = 1;     // resistance at the winding's temperature over the cold one
    double Pcu_w = 0;      // copper loss at that temperature
    double rise_k = 0;     // outer surface over the ambient
    double surface_c = 0;  // outer surface temperature
    double hot_spot_c = 0;
    double winding_c = 0;  // mean winding temperature: halfway between surface and hot spot
};
HeatResult windingHeat(const RunFigures& f, double core_w, const HeatConditions& c);

}  // namespace velmora
