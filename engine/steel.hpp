// Steel and heating after a run: core loss, no-load current, efficiency with the core
// loss, temperature rise of the winding surface and the masses, from the run's own
// quantities and one steel grade of the catalogue. Numbers and codes only; the texts
// module says what they mean.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation.hpp"
#include "winding_heat.hpp"

namespace velmora {

enum class SteelFamily { grainOriented, nonOriented };

// The inductions of a grade's catalogue points, T (peak, 50 Hz, sinusoidal).
inline constexpr std::array<double, 3> kGradeB{1.0, 1.5, 1.7};

// One grade of the steel catalogue. A value of 0 means "not given".
struct SteelGrade {
    std::string name;
    SteelFamily family = SteelFamily::nonOriented;
    double thickness = 0;  // mm
    double density = 0;    // g/cm3
    // Specific total loss at kGradeB, 50 Hz, W/kg: the standard's guaranteed maximum
    // and a typical value, each where known.
    std::array<double, 3> lossMax{}, lossTyp{};
    std::array<double, 3> H{};  // field strength at kGradeB, A/m
    // Further points of the magnetisation curve (peak H, A/m, against peak B, T), rising.
    std::vector<double> curveB, curveH;
    double B800 = 0;        // guaranteed minimum induction at 800 A/m, T
    double saturation = 0;  // saturation induction the supplier states, T
    double stacking = 0;    // stacking factor the supplier states for this grade
    std::string source;     // source keys of data/README.md
};

// The constants of the model, each with its source or marked as an assumption
// (data/README.md, "Steel and heating", says more of each).
struct SteelConstants {
    // Share of the core's outline volume that is steel; the same 0.9 the core sizing
    // applies to the section (the figure for the steel volume).
    double stacking = 0.9;
    // Core loss of the built core over the sheet's specific loss times the mass.
    // 1.15: "a typical value ... for a well designed transformer made of
    // grain-oriented electrical steel" (S. Zurek, Encyclopedia Magnetica, "Building
    // factor"). No figure by construction was found: the same value stands for each
    // construction, an assumption.
    std::array<double, 3> buildingFactor{1.15, 1.15, 1.15};  // by Construction
    // Gap of one joint of a cut core, m. Assumption: no maker's figure was found; 10 µm
    // is the worked example of the steel reference (models.md (d)).
    double jointGap = 10e-6;
    int cutJoints = 2;  // a pair of C-cores has two joints in the flux path
    // Loss against frequency, P ∝ F^alpha, by family (grain-oriented, non-oriented).
    // GO 1.68: McLyman's fit for 0.35 mm GO steel (an unverified lead of models.md (a));
    // NO 1.3: the M800-50A typical table of a named maker, 50 → 100 Hz at 1.5 T
    // (models.md (a): 1.30).
    std::array<double, 2> alpha{1.68, 1.3};
    // Loss against induction, P ∝ B^beta, where a grade has one point, or outside its
    // points. GO 1.86: McLyman's fit (unverified lead); NO 1.9: the M800-50A 50 Hz
    // table, 1.0–1.7 T (models.md (a): 1.91, 1.85 on 1.0–1.5 T).
    std::array<double, 2> beta{1.86, 1.9};
    // Induction above which the steel is near saturation: high no-load current, noise,
    // inrush (the figures: 1.75 T GO, 1.5 T NO).
    std::array<double, 2> knee{1.75, 1.5};
    double frequencyOfData = 50;   // Hz, of every catalogue point
    double mu0 = 4e-7 * 3.14159265358979323846;  // H/m (models.md symbols)
    double ambient = 25;           // °C, the figure
    double riseLimit = 60;         // K, the warning threshold
    double kelvin = 273.15;        // K at 0 °C
    // Emissivity of the outer surface, taken as varnished: "Lacquer, heat-resistant,
    // 100 °C, total spectrum 0.92" (FLIR emissivity table, after Bramson).
    double emissivity = 0.92;
    double sigma = 5.670373e-8;    // W/(m2 K4), CODATA (NIST) Stefan–Boltzmann constant
    // Natural convection in air, laminar: h = C·(ΔT/L)^(1/4), W/(m2 K), ΔT in K, L in m
    // (Engineers Edge, "Convection heat transfer coefficients": simplified relations
    // for air at atmospheric pressure). Vertical surface L = its height; horizontal
    // surfaces L = 4·area/perimeter.
    double hVertical = 1.42, hUp = 1.32, hDown = 0.59;
    int maxSteps = 60;  // of the heat-balance solution

    // The figures at work (SteelResult::work):
    // Stacking factor by construction where the grade states none. Tape (ring, cut):
    // 0.96, the lower of the two a GO supplier states (96 % M-4 0.27 mm, 96.5 % M-5
    // 0.30 mm; evergreenmetal.co). Laminations: 0.95, the iron fill factor of the named
    // maker's M800-50A (stem_test_database).
    std::array<double, 3> stackingBy{0.96, 0.96, 0.95};
    // Equivalent gap of the interleaved joints of stacked laminations, m, all joints of
    // the path together. Assumption: no figure was found; half the cut core's two
    // joints, the flux passing the joints through the neighbouring sheets. Taken as
    // valid up to the non-oriented knee (1.5 T), where the bridging sheets saturate.
    double interleavedGap = 10e-6;
    double interleavedValidTo = 1.5;
    // Loss between 1.5 and 1.7 T of a GO grade known only at 1.7 T: P ∝ B^2.77, the
    // lowest local exponent ln(P1.7/P1.5)/ln(1.7/1.5) of the five suppliers' guaranteed
    // rows (M-4 to M-6: 2.77 to 3.06); the lowest gives the highest loss below 1.7 T.
    double goKneeExponent = 2.77;
    double goKneeFrom = 1.5;
};
inline constexpr SteelConstants kSteel{};

enum class SteelStatus {
    ok,
    noLossData,     // the grade has no loss point
    noDensity,      // the grade has no density
    badFigures,     // the run's figures cannot carry the model (zero turns, section ...)
};

enum class SteelWarningCode {
    riseAboveLimit,   // value: the rise, K; limit: kSteel.riseLimit
    inductionAboveKnee,  // value: B0, T; limit: the family's knee
    hotSpotAboveClass,   // value: the hot spot, °C; limit: the insulation class's, °C
};
struct SteelWarning {
    SteelWarningCode code;
    double value;
    double limit;
};

enum class LossBasis { typical, guaranteedMax };

// Why a figure at work is not given.
enum class FigureGap {
    none,
    noCurve,          // the grade has no magnetisation point
    aboveCurve,       // B0 above the grade's highest magnetisation point
    aboveLossData,    // B0 above the grade's highest loss point
    noLoss,           // the heating needs the core loss, which is not given
    notSettled,       // the heating did not settle
};

// Why a design cannot work.
enum class SteelReason {
    inductionAboveData,        // B0 above the grade's highest magnetisation (or loss) point
    inductionAboveSaturation,  // B0 above the saturation the source gives
    supplyBelowNominal,        // U1max < U1nom
    heatingNotSettled,         // the winding heats itself without bound
};

// The reason's code as the JSON output names it ("supplyBelowNominal").
std::string_view reasonName(SteelReason r);

// The figures a builder checks against: the net steel section with the construction's
// stacking factor, the rms magnetising current of the shape's own path and joints,
// and the heating at the builder's ambient with the copper at its own temperature.
struct WorkingFigures {
    double stacking = 0;
    double B0_t = 0;           // peak induction at U1nom, no load, net section
    double mass_steel_kg = 0;
    double lm_mm = 0;          // the shape's own magnetic path
    double gap_mm = 0;         // all joints of the path together
    double dataTop_t = 0;      // the highest induction the grade's curve (else loss) reaches
    double saturation_t = 0;   // the source's saturation induction; 0 not given
    FigureGap lossGap = FigureGap::none, magnetisingGap = FigureGap::none,
              heatingGap = FigureGap::none;
    std::optional<double> p_w_kg, loss_w, I_loss_a;
    std::optional<double> H_peak_a_m, I_mag_a, I0_a;
    double ambient_c = 40;
    double class_limit_c = 130;
    std::optional<double> rise_k, hot_spot_c, class_margin_k, winding_c;
    // From real power, as SteelResult's, with the copper and core at work.
    std::optional<double> efficiency_pct, supply_efficiency_pct, input_w;
    int rounds = 0;            // of the heating
    // Copper at the winding's temperature: the factor on the cold resistance, the loss,
    // the resistances and the voltages under load.
    std::optional<double> copper_factor, Pcu_w, R1_ohm;
    std::array<std::optional<double>, kSecondaries> R2_ohm{}, U2_load_v{};
    bool feasible = true;
    std::vector<SteelReason> reasons;
};

struct SteelResult {
    SteelStatus status = SteelStatus::ok;
    Construction construction = Construction::woundRing;
    double volume_mm3 = 0;       // outline volume of the core
    double mass_steel_kg = 0;
    double B0_t = 0;             // peak induction at U1nom, no load
    LossBasis basis = LossBasis::typical;  // which of the grade's points were used
    double p_w_kg = 0;           // specific loss of the sheet at B0 and F
    double loss_w = 0;           // core loss, building factor included
    double I_loss_a = 0;         // in-phase part of the no-load current
    std::optional<double> H_a_m;    // field at B0; none where the grade has no curve there
    std::optional<double> I_mag_a;  // magnetising part, rms
    std::optional<double> I0_a;     // no-load current
    // The transformer's: what its windings deliver over that plus copper and core.
    double efficiency_pct = 0;
    // The supply's, where a secondary has a rectifier: what reaches the loads (DC
    // outputs and resistive ones) over the same input; none otherwise.
    std::optional<double> supply_efficiency_pct;
    double input_w = 0;          // delivered + copper + core
    double surface_m2 = 0;       // outer surface of the wound transformer
    double rise_k = 0;           // surface temperature above the ambient
    int steps = 0;               // of the heat-balance solution
    double mass_cu1_kg = 0;
    std::array<double, kSecondaries> mass_cu2_kg{};
    double mass_copper_kg = 0;
    double mass_total_kg = 0;
    std::vector<SteelWarning> warnings;
    WorkingFigures work;
};

// Specific loss of the sheet at peak induction B and frequency F, W/kg: log-log
// between the grade's points, the family's exponent beyond them or with one point,
// F by the family's exponent. Typical points where the grade has any, else its
// guaranteed maxima. 0 when the grade has no point.
double specificLoss(const SteelGrade& g, double B, double F);
LossBasis lossBasis(const SteelGrade& g);

// The points of one set of a grade with a value, in rising induction.
struct GradePoints {
    std::array<double, 3> B{}, v{};
    int n = 0;
};
GradePoints pointsOf(const std::array<double, 3>& values);
// The loss points the model reads: the typical ones where the grade has any, else its
// guaranteed maxima.
GradePoints lossPoints(const SteelGrade& g);

// Field strength at B, A/m: log-log between the grade's points; below the lowest of
// them in proportion to B only when that is the 1.0 T point; none above the highest
// point or without points.
std::optional<double> fieldStrength(const SteelGrade& g, double B);

// Outer surface of the wound transformer after the run (the shape's own faces).
Surface outerSurface(const RunFigures& f);

// Surface temperature rise, K, that carries P watts away by convection and radiation
// from s at the ambient temperature, °C; steps: iterations used.
double surfaceRise(const Surface& s, double P, int* steps = nullptr,
                   double ambient = kSteel.ambient);
// The same from the surface's own coefficients (convection C, W/K^1.25, radiation R,
// W/K^4), for many losses off one surface.
struct SurfaceCooling {
    double C = 0, R = 0;
};
SurfaceCooling surfaceCooling(const Surface& s);
double surfaceRise(const SurfaceCooling& k, double P, int* steps = nullptr,
                   double ambient = kSteel.ambient);

// Specific loss at work, W/kg at B and F: log-log between the grade's points; below the
// lowest the family's exponent (a GO grade known at 1.7 T only: goKneeExponent down to
// 1.5 T, then the family's); none above the highest point or without points.
std::optional<double> workingLoss(const SteelGrade& g, double B, double F);

// The power the windings deliver (W) and the part of it that reaches the loads; a
// supply is a design with some rectifier, whose diodes take the difference.
struct DeliveredPower {
    double delivered = 0, useful = 0;
    bool supply = false;
};
// Without a rectifier every secondary delivers its U2·I2: Pzad.
inline DeliveredPower resistiveOutput(const RunFigures& f) { return {f.Pzad, f.Pzad, false}; }

SteelResult steelModel(const RunFigures& f, const SteelGrade& g, const HeatConditions& c,
                       const DeliveredPower& out);
inline SteelResult steelModel(const RunFigures& f, const SteelGrade& g, const HeatConditions& c = {}) {
    return steelModel(f, g, c, resistiveOutput(f));
}
inline SteelResult steelModel(const RunFigures& f, const SteelGrade& g, const DeliveredPower& out) {
    return steelModel(f, g, HeatConditions{}, out);
}
// The figures at work of a run the model can carry (steelModel fills SteelResult::work).
WorkingFigures workingFigures(const RunFigures& f, const SteelGrade& g, const HeatConditions& c,
                              Construction construction, double volume_mm3);

}  // namespace velmora
