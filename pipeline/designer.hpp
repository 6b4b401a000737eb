// The designer: from the loads and the limits to each candidate core's best peak
// induction Bm and current density j (the exact grid search of design_search.hpp on
// the calculation and the figures at work), each core's winner run again through the
// whole evaluation, the feasible designs ranked by the goal, the Pareto set of mass
// against loss marked, and the other cores counted by why they have no design.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "advisor.hpp"
#include "design_search.hpp"
#include "wires.hpp"

namespace velmora {

struct DesignRequest {
    DesignGoal goal = DesignGoal::mass;
    DesignLimits limits;
    // The hot spot within the insulation class of the record (the default), unless
    // limits.hot_c is set lower.
    bool withinClass = true;
    double jMin = 1.5, jMax = 4.5;  // A/mm2
    std::string grade;              // the steel of every core; "" each kind's default
};

// One core's design, as the whole evaluation gives it at its (Bm, j).
struct DesignedCore {
    int index = 0;  // in the list
    double Bm = 0, j = 0;
    DesignFigures figures;
    bool pareto = false;
    Record record;  // the design on this core at (Bm, j), rectifier secondaries solved
};

inline constexpr int kMissKinds = static_cast<int>(DesignMiss::none);

struct DesignOutcome {
    AdviceStatus status = AdviceStatus::ok;
    std::string grade;               // noGrade: the name not in the catalogue
    DesignLimits limits;             // as applied (the class's limit filled in)
    std::vector<DesignedCore> rows;  // the feasible designs, best goal first
    std::array<int, kMissKinds> rejected{};  // cores without a design, by DesignMiss
    int points = 0, runs = 0;        // of every core's grid; calculations run
};

// The designs of every core of the list for the record's loads, mains, wire kind and
// heat conditions. Ties keep the list's order.
DesignOutcome designCores(const Record& design, std::span<const ListedCore> cores, const WireTable& wires,
                          const std::vector<SteelGrade>& grades, const DesignRequest& request);

// The whole evaluation of the record (a core typed in, Bm and j set) as the
// designer's figures; its rectifier secondaries are solved again in `r`.
DesignFigures evaluatedFigures(Record& r, const WireTable& wires, const SteelGrade& grade);

}  // namespace velmora
