// The designer's figures as data: one row per column of its table, walked by every
// place that shows or writes them (velmora-cli's text and JSON, the window's dialog).
// Keys as the advisor's where the figure is the same.
#pragma once

#include <string_view>

#include "designer.hpp"
#include "designer_words.hpp"
#include "numtext.hpp"

namespace velmora {

struct DesignColumn {
    texts::DesignerText label;
    std::string_view key;  // in JSON
    int shown;             // decimals shown
    double (*read)(const DesignedCore&);
};

inline constexpr DesignColumn kDesignColumns[] = {
    {texts::DesignerText::colBm, "Bm", 2, [](const DesignedCore& d) { return d.Bm; }},
    {texts::DesignerText::colJ, "j", 2, [](const DesignedCore& d) { return d.j; }},
    {texts::DesignerText::colMass, "mass_total_kg", 3, [](const DesignedCore& d) { return d.figures.mass_kg; }},
    {texts::DesignerText::colSteel, "mass_steel_kg", 3, [](const DesignedCore& d) { return d.figures.steel_kg; }},
    {texts::DesignerText::colCopper, "mass_copper_kg", 3,
     [](const DesignedCore& d) { return d.figures.copper_kg; }},
    {texts::DesignerText::colLoss, "loss_w", 2, [](const DesignedCore& d) { return d.figures.loss_w; }},
    {texts::DesignerText::colCoreLoss, "core_loss_w", 2, [](const DesignedCore& d) { return d.figures.core_w; }},
    {texts::DesignerText::colCopperLoss, "copper_loss_w", 2,
     [](const DesignedCore& d) { return d.figures.copper_w; }},
    {texts::DesignerText::colEfficiency, "efficiency_pct", 1,
     [](const DesignedCore& d) { return d.figures.efficiency_pct; }},
    {texts::DesignerText::colHotSpot, "hot_spot_c", 1, [](const DesignedCore& d) { return d.figures.hot_c; }},
    {texts::DesignerText::colRegulation, "regulation_pct", 1,
     [](const DesignedCore& d) { return d.figures.regulation_pct; }},
    {texts::DesignerText::colNoLoad, "no_load_pct", 1, [](const DesignedCore& d) { return d.figures.noLoad_pct; }},
    {texts::DesignerText::colFill, "fill", 3, [](const DesignedCore& d) { return d.figures.fill; }},
};

}  // namespace velmora
