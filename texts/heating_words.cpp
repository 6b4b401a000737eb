#include "heating_words.hpp"

#include <array>

namespace velmora::texts {
namespace {

struct Row {
    HeatingText id;
    std::string_view ru, en;
};

constexpr std::array kRows{
    Row{HeatingText::ambientTip,
        "Температура воздуха, в котором будет работать трансформатор, °C. По ней считаются "
        "перегрев и горячая точка обмотки.",
        "The temperature of the air the transformer will work in, °C. The rise and the "
        "winding's hot spot are reckoned from it."},
    Row{HeatingText::insulationTip,
        "Класс нагревостойкости всей системы изоляции обмотки (A 105, E 120, B 130, F 155, "
        "H 180 °C): горячая точка сравнивается с его пределом. Эмаль провода одна его не задаёт.",
        "The thermal class of the winding's whole insulation system (A 105, E 120, B 130, "
        "F 155, H 180 °C): the hot spot is checked against its limit. The wire's enamel alone "
        "does not set it."},
    Row{HeatingText::impregnatedTip,
        "Пропитанная лаком обмотка лучше проводит тепло поперёк слоёв: горячая точка ниже.",
        "A varnish-impregnated winding conducts heat better across its layers: the hot spot "
        "is lower."},
    Row{HeatingText::nominalAboveMax,
        "Номинальное напряжение выше максимального напряжения сети: трансформатор не будет "
        "работать.",
        "The nominal voltage is above the highest mains voltage: the transformer cannot work."},
    Row{HeatingText::cannotWorkHeading, "Этот трансформатор не будет работать:",
        "This transformer cannot work:"},
};

}  // namespace

std::string_view heatingText(HeatingText id, Lang lang) {
    for (const Row& r : kRows)
        if (r.id == id) return lang == Lang::en ? r.en : r.ru;
    return {};
}

}  // namespace velmora::texts
