// The core advisor: the current design's electrical inputs evaluated on every core of
// the user's own list (the whole evaluation, steel and heating included); the cores
// that carry the load within the limits, ranked, and the others counted by why they
// do not.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "advisor.hpp"
#include "core_typing.hpp"
#include "wires.hpp"

namespace velmora {

// The record as the advisor runs it on one core: the design with the core typed in,
// and the induction the kind proposes unless the design's own is kept for every core.
Record designOnCore(const Record& design, const ListedCore& c, bool designSteel);

// Runs the design on one core and judges it; the grade is the steel of that core.
CoreAdvice judgeCore(const Record& design, const ListedCore& c, int index, const WireTable& wires,
                     const SteelGrade& grade, const AdviceLimits& limits);

// Every core of the list. Each core kind's default grade (defaultSteelGrade) and
// proposed induction, or with limits.designSteel the design's Bm and the grade
// `gradeName` of the catalogue `grades` ("" the kind's default grade). A grade missing from the
// catalogue stops the advice (noGrade). Ties keep the list's order.
Advice adviseCores(const Record& design, std::span<const ListedCore> cores, const WireTable& wires,
                   const std::vector<SteelGrade>& grades, std::string_view gradeName,
                   const AdviceLimits& limits);

}  // namespace velmora
