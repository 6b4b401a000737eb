// The designer's trade-off chart: total mass against total loss, one point per
// feasible design coloured by its hot spot (a colour scale with its legend), the
// Pareto front as a line, the chosen design ringed, axes with ticks at nice numbers.
// SVG Tiny 1.2 with presentation attributes only (no style sheets, no filters), as
// Qt Svg draws it; every point carries the id "row-N" of its row, so that a click on
// it names the design. The words come from the caller (the texts module words them in
// the chosen language); numbers are written with '.' under every locale.
#pragma once

#include <span>
#include <string>

namespace velmora::chart {

struct ChartPoint {
    int row = 0;          // the design's row in the caller's table
    double mass_kg = 0;   // x
    double loss_w = 0;    // y
    double hot_c = 0;     // colour
    bool pareto = false;  // on the front (paretoSet)
};

struct ChartWords {
    std::string title;
    std::string mass;    // the x axis, with its unit ("Total mass, kg")
    std::string loss;    // the y axis, with its unit
    std::string hot;     // the colour scale's heading, with its unit
    std::string front;   // the legend of the front's line
    std::string chosen;  // the legend of the chosen design's ring
};

struct ChartSize {
    int width = 640, height = 420;  // px
};

inline constexpr int kNoRow = -1;

// The chart as an SVG document (UTF-8). Points with a non-finite figure are left out;
// no point at all gives the empty axes.
std::string tradeOffSvg(std::span<const ChartPoint> points, int chosenRow, const ChartWords& words,
                        ChartSize size = {});

// The id a point carries, and the row an id names (kNoRow for any other id).
std::string pointId(int row);
int rowOfId(std::string_view id);

// The colour of a hot spot at share t (0..1) of the scale: "#rrggbb", cool blue to hot red.
std::string heatColour(double t);

}  // namespace velmora::chart
