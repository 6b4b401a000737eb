// The words of the output figures (engine/figures.hpp), keyed by each figure's id: its
// label, its value as shown and, for the steel figures, its tool-tip.
#pragma once

#include <string>

#include "figures.hpp"
#include "numtext.hpp"
#include "steels.hpp"
#include "texts.hpp"

namespace velmora::texts {

std::string figureLabel(FigureId id, Lang lang);  // "Масса стали, кг"; the advisor's column heading
// The tool-tip of a steel figure with a tip ("" for the others).
std::string figureTip(FigureId id, const SteelResult& s, const SteelGrade& g, Lang lang);

// The figure as shown, to its decimals; "—" when not available for this design.
template <class From>
std::string figureValue(const FigureRow<From>& f, const From& from) {
    const std::optional<double> v = f.read(from);
    return v ? fixed(*v, f.shown) : std::string("—");
}

}  // namespace velmora::texts
