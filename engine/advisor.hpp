// What the core advisor works with and comes to: the cores of the user's list, the
// limits, and each core's verdict and figures. The advice itself runs the whole
// evaluation per core (pipeline/core_advisor.hpp).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculation.hpp"
#include "steel.hpp"

namespace velmora {

// One core of the list. A ring keeps D, d, H in lst, hst, lok (its hok is unused).
struct ListedCore {
    std::string name;  // the user's own
    int core = 0;      // kind 0..4
    double lst = 0, hst = 0, lok = 0, hok = 0;  // mm
    std::string note;  // where it came from, or empty
    bool operator==(const ListedCore&) const = default;
};

enum class Ranking { steelMass, rise, efficiency };  // lightest, coolest, most efficient first

// What makes a core too hot: its hot spot above the insulation class's limit (the
// design's ambient and class), or its surface rise above a chosen limit.
enum class HeatLimit { insulationClass, rise };

struct AdviceLimits {
    Ranking by = Ranking::steelMass;
    HeatLimit heat = HeatLimit::insulationClass;
    double riseLimit = kSteel.riseLimit;  // K: with HeatLimit::rise, a core counts only below it
    // Share of the room the last build-up of a steel core may take (the 90 %);
    // a ring keeps the calculation's own rule for its hole.
    double margin = 0.9;
    // Each core with its kind's default grade and the induction the kind proposes, so
    // that cores of different kinds compare fairly; true: the design's grade and Bm
    // on every core.
    bool designSteel = false;
};

enum class Verdict { fit, overfill, refused, tooHot, margin };

// What one core gives. The figures are those of the run when it ended ok.
struct CoreAdvice {
    int index = 0;  // in the list
    Verdict verdict = Verdict::refused;
    double Kok = 0;              // window fill, as the run shows it
    double rise_k = 0;           // surface rise at the design's ambient
    double hot_spot_c = 0, class_margin_k = 0;  // the winding's hottest point; class limit minus it
    double efficiency_pct = 0;   // with the core loss
    double mass_steel_kg = 0, mass_copper_kg = 0;
    double W1 = 0, D1 = 0;       // primary turns and copper diameter, mm
    double buildShare = 0;       // last build-up over the room (steel cores)
};

struct AdviceCounts {
    int fit = 0, overfill = 0, refused = 0, tooHot = 0, margin = 0;
    bool operator==(const AdviceCounts&) const = default;
};

enum class AdviceStatus { ok, noGrade };

struct Advice {
    AdviceStatus status = AdviceStatus::ok;
    std::string grade;                 // noGrade: the name not in the catalogue
    std::vector<CoreAdvice> ranked;    // the cores that fit, best first
    std::vector<CoreAdvice> others;    // the cores left out, in list order
    AdviceCounts counts;
};

}  // namespace velmora
