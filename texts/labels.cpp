// Field labels and units, core kinds and the language codes. The Russian labels are
// those of the field table; the English ones are keyed by field name here.
#include <array>
#include <map>

#include "wording.hpp"

namespace velmora::texts {
namespace {

// English label of each field by its name; a row of five secondaries shares one.
const std::map<std::string_view, std::string_view>& englishLabels() {
    static const std::map<std::string_view, std::string_view> m{
        {"core", "Core shape"},
        {"lst", "Ls, mm"},
        {"hst", "Hs, mm"},
        {"lok", "Lok, mm"},
        {"hok", "Hok, mm"},
        {"hkar", "Bobbin width and height, mm"},
        {"hkar1", "Bobbin width and height, mm"},
        {"lkar", "Bobbin winding length, mm"},
        {"megsl", "Interlayer insulation, mm"},
        {"megob", "Interwinding insulation, mm"},
        {"razmery", "Set the bobbin sizes"},
        {"Bm", "Peak flux density, at most, T"},
        {"j", "Current density, A/mm2"},
        {"F", "Rated frequency, Hz"},
        {"U1nom", "Rated voltage, V"},
        {"U1max", "Maximum voltage, V"},
        {"U2_", "Rated voltage, V"},
        {"I2_", "Rated current, A"},
        {"double2_", "Centre-tapped winding"},
        {"d11", "Desired wire diameter (copper)"},
        {"d2", "Desired wire diameter (copper)"},
        {"use_d", "Use the desired diameters"},
        {"Conductor", "Wire used"},
        {"Steel", "Steel grade"},
        {"Tamb", "Ambient temperature, °C"},
        {"Insulation", "Insulation thermal class"},
        {"Impregnated", "Winding impregnated"},
        {"Sst", "Steel cross-section"},
        {"Pzad", "Total rated power"},
        {"Pgab", "Core power rating (approx.)"},
        {"KPD", "Efficiency (without core loss)"},
        {"wv", "Turns per volt"},
        {"Kok", "Window fill factor"},
        {"I1", "Current, A"},
        {"W1", "Number of turns"},
        {"D1", "Wire diameter, mm"},
        {"Nsl1", "Approximate number of layers"},
        {"Lpr1", "Approximate wire length, m"},
        {"R1", "Cold resistance, Ohm"},
        {"dU1", "Voltage drop, %"},
        {"W2_", "Number of turns"},
        {"D2_", "Wire diameter, mm"},
        {"Nsl2_", "Approximate number of layers"},
        {"Lpr2_", "Approximate wire length, m"},
        {"R2_", "Cold resistance, Ohm"},
        {"U2xx_", "No-load voltage, V"},
        {"U2h_", "Voltage under load, V"},
        {"rect2_", "Rectifier"},
        {"Udc2_", "DC voltage, V"},
        {"Idc2_", "Load current, A"},
        {"C2_", "Capacitance, µF"},
        {"Vd2_", "Diode forward drop, V"},
        {"rd2_", "Diode slope resistance, Ohm"},
    };
    return m;
}

// The row name of a secondary's field: "U2_3" → "U2_", "d23" → "d2".
std::string_view rowOf(const Field& f) {
    std::string_view n = f.name;
    if (f.winding >= 2 && !n.empty()) n.remove_suffix(1);
    return n;
}

constexpr std::array<std::string_view, 5> kKindRu{"Кольцо  (тор)", "ПЛ  (ленточный)",
                                                  "ШЛ  (ленточный)", "Ш  (пластины)",
                                                  "Г (пластины)"};
constexpr std::array<std::string_view, 5> kKindEn{"Toroid", "C-core, two coils (ПЛ)",
                                                  "Cut shell core (ШЛ)", "E-I laminations (Ш)",
                                                  "U-I laminations, two coils (Г)"};

}  // namespace

Lang langFromCode(std::string_view code) { return code == "en" ? Lang::en : Lang::ru; }
std::string_view langCode(Lang lang) { return lang == Lang::en ? "en" : "ru"; }

std::string_view label(const Field& f, Lang lang) {
    if (lang == Lang::ru) return f.label;
    const auto& m = englishLabels();
    auto it = m.find(rowOf(f));
    return it != m.end() ? it->second : f.label;
}

std::string_view unit(const Field& f, Lang lang) {
    if (lang == Lang::ru || f.unit.empty()) return f.unit;
    if (f.unit == "см2") return "cm2";
    if (f.unit == "Вт") return "W";
    return f.unit;
}

std::string_view coreKind(int core, Lang lang) {
    const std::optional<CoreKind> k = coreKindFrom(core);
    if (!k) return {};
    return (lang == Lang::en ? kKindEn : kKindRu)[kindIndex(*k)];
}

std::string_view coreSizeLabel(std::string_view name, int core, Lang lang) {
    // The dimension names of the shapes whose labels are no field's own.
    struct DimLabel {
        std::string_view dim, ru, en;
    };
    static constexpr std::array<DimLabel, 3> kDimLabels{
        {{"D", "D, мм", "D, mm"}, {"d", "d, мм", "d, mm"}, {"H", "H, мм", "H, mm"}}};
    const Field* f = findField(name);
    if (!f) return {};
    if (const CoreShape* s = shapeOf(core))
        for (std::size_t k = 0; k < kCoreDimFields.size(); ++k)
            if (kCoreDimFields[k] == name)
                for (const DimLabel& d : kDimLabels)
                    if (d.dim == s->dimNames[k]) return lang == Lang::en ? d.en : d.ru;
    return label(*f, lang);
}

}  // namespace velmora::texts
