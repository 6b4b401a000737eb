// The output figures as data: one row per figure, walked by every place that shows
// or writes them (velmora-cli's text and JSON, the window's steel group and advisor
// table, the page, the report). A new figure is one row here plus its words in the
// texts module (figure_words.cpp), keyed by its id.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "advisor.hpp"
#include "steel.hpp"

namespace velmora {

// Every figure's id: its label and tool-tip are looked up by it.
enum class FigureId {
    massSteel, B0, loss, I0, efficiency, supplyEfficiency, rise, hotSpot, classMargin, massCopper,
    massTotal,  // steel and heating
    adviceKok, adviceRise, adviceHotSpot, adviceClassMargin, adviceEfficiency, adviceSteel, adviceCopper, adviceW1, adviceD1,  // advisor
};

// Decimals in JSON of a figure written as the shortest text that reads back as it.
inline constexpr int kShortest = -1;

// One figure read from `From` (the steel result, one core's advice).
template <class From>
struct FigureRow {
    FigureId id;
    std::string_view key;       // in JSON
    std::string_view quantity;  // the engineering name
    std::string_view unit;
    int shown;                  // decimals shown
    int json;                   // decimals in JSON, or kShortest
    std::optional<double> (*read)(const From&);  // none: not available for this design
    bool mayBeUnavailable;      // then shown as "—" and null in JSON
    bool inGroup;               // a value of the window's group (else a heading line of the texts)
    std::string_view control;   // the window's widget name, empty when it has none
    bool hasTip;
    bool onlyWhenAvailable;     // left out (not even "—" or null) where it has no value
};

using SteelFigure = FigureRow<SteelResult>;
using AdviceFigure = FigureRow<CoreAdvice>;

// Steel and heating, in the order of the JSON object; the window's group and the
// texts' lines show the rows in the group in this order, after the heading rows.
inline constexpr SteelFigure kSteelFigures[] = {
    {FigureId::massSteel, "mass_steel_kg", "m_st", "kg", 3, 4,
     [](const SteelResult& s) -> std::optional<double> { return s.work.mass_steel_kg; }, false, true, "steel_mass", true, false},
    {FigureId::B0, "B0_t", "B0", "T", 2, 4,
     [](const SteelResult& s) -> std::optional<double> { return s.work.B0_t; }, false, false, "", false, false},
    {FigureId::loss, "loss_w", "P_st", "W", 2, 3,
     [](const SteelResult& s) -> std::optional<double> { return s.work.loss_w; }, true, true, "steel_loss", true, false},
    {FigureId::I0, "I0_a", "I0", "A", 3, 4,
     [](const SteelResult& s) -> std::optional<double> { return s.work.I0_a; }, true, true, "steel_I0", true, false},
    {FigureId::efficiency, "efficiency_pct", "eta", "%", 2, 3,
     [](const SteelResult& s) -> std::optional<double> { return s.work.efficiency_pct; }, true, true,
     "steel_efficiency", true, false},
    {FigureId::supplyEfficiency, "supply_efficiency_pct", "eta_s", "%", 2, 3,
     [](const SteelResult& s) -> std::optional<double> { return s.work.supply_efficiency_pct; }, true, true,
     "steel_supply_efficiency", true, true},
    {FigureId::rise, "rise_k", "dT", "K", 1, 2,
     [](const SteelResult& s) -> std::optional<double> { return s.work.rise_k; }, true, true, "steel_rise", true, false},
    {FigureId::hotSpot, "hot_spot_c", "T_hs", "°C", 1, 2,
     [](const SteelResult& s) -> std::optional<double> { return s.work.hot_spot_c; }, true, true, "steel_hot_spot",
     true, false},
    {FigureId::classMargin, "class_margin_k", "dT_cl", "K", 1, 2,
     [](const SteelResult& s) -> std::optional<double> { return s.work.class_margin_k; }, true, true,
     "steel_class_margin", true, false},
    {FigureId::massCopper, "mass_copper_kg", "m_cu", "kg", 3, 4,
     [](const SteelResult& s) -> std::optional<double> { return s.mass_copper_kg; }, false, true, "copper_mass",
     true, false},
    {FigureId::massTotal, "mass_total_kg", "m", "kg", 3, 4,
     [](const SteelResult& s) -> std::optional<double> { return s.work.mass_steel_kg + s.mass_copper_kg; }, false, true, "total_mass",
     true, false},
};

// Whether a figure has a place for this result: all but those shown only with a value.
template <class From>
bool figureShown(const FigureRow<From>& f, const From& s) {
    return !f.onlyWhenAvailable || f.read(s).has_value();
}

// One core's figures in the advisor's table and JSON, in their column order.
inline constexpr AdviceFigure kAdviceFigures[] = {
    {FigureId::adviceKok, "Kok", "Kok", "", 3, kShortest,
     [](const CoreAdvice& a) -> std::optional<double> { return a.Kok; }, false, true, "", false, false},
    {FigureId::adviceRise, "rise_k", "dT", "K", 1, kShortest,
     [](const CoreAdvice& a) -> std::optional<double> { return a.rise_k; }, false, true, "", false, false},
    {FigureId::adviceHotSpot, "hot_spot_c", "T_hs", "°C", 1, kShortest,
     [](const CoreAdvice& a) -> std::optional<double> { return a.hot_spot_c; }, false, true, "", false, false},
    {FigureId::adviceClassMargin, "class_margin_k", "dT_cl", "K", 1, kShortest,
     [](const CoreAdvice& a) -> std::optional<double> { return a.class_margin_k; }, false, true, "", false, false},
    {FigureId::adviceEfficiency, "efficiency_pct", "eta", "%", 1, kShortest,
     [](const CoreAdvice& a) -> std::optional<double> { return a.efficiency_pct; }, false, true, "", false, false},
    {FigureId::adviceSteel, "mass_steel_kg", "m_st", "kg", 3, kShortest,
     [](const CoreAdvice& a) -> std::optional<double> { return a.mass_steel_kg; }, false, true, "", false, false},
    {FigureId::adviceCopper, "mass_copper_kg", "m_cu", "kg", 3, kShortest,
     [](const CoreAdvice& a) -> std::optional<double> { return a.mass_copper_kg; }, false, true, "", false, false},
    {FigureId::adviceW1, "W1", "W1", "", 0, kShortest,
     [](const CoreAdvice& a) -> std::optional<double> { return a.W1; }, false, true, "", false, false},
    {FigureId::adviceD1, "D1", "D1", "mm", 3, kShortest,
     [](const CoreAdvice& a) -> std::optional<double> { return a.D1; }, false, true, "", false, false},
};

// The window's totals, by field name (the page lays its totals out from this list).
inline constexpr std::string_view kTotalFields[] = {"Sst", "Pzad", "Pgab", "KPD", "wv", "Kok", "use_d"};

}  // namespace velmora
