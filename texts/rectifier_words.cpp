// The rectifier helper in words, Russian and English.
#include <array>
#include <cmath>

#include "numtext.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

constexpr std::array<std::string_view, 5> kCircuitRu{
    "Нет выпрямителя", "Мостовая", "Двухполупериодная со средней точкой", "Однополупериодная",
    "Двуполярная: мост на обмотке со средней точкой"};
constexpr std::array<std::string_view, 5> kCircuitEn{
    "No rectifier", "Bridge", "Full wave, centre tap", "Half wave",
    "Dual rail: bridge on a centre-tapped winding"};

std::string winding(int secondary) { return std::string("2.") + std::to_string(secondary + 1); }

std::string_view inputName(RectifierInput in, Lang lang) {
    const bool r = ru(lang);
    switch (in) {
        case RectifierInput::kind: return r ? "Схема" : "Circuit";
        case RectifierInput::E: return r ? "ЭДС обмотки" : "Winding EMF";
        case RectifierInput::F: return r ? "Частота" : "Frequency";
        case RectifierInput::Rs: return r ? "Сопротивление источника" : "Source resistance";
        case RectifierInput::Vd: return r ? "Прямое падение на диоде" : "Diode forward drop";
        case RectifierInput::rd:
            return r ? "Дифференциальное сопротивление диода" : "Diode slope resistance";
        case RectifierInput::C: return r ? "Ёмкость конденсатора" : "Capacitance";
        case RectifierInput::Idc: return r ? "Ток нагрузки" : "Load current";
        case RectifierInput::path:
            return r ? "Сопротивление цепи тока (источник и диоды)"
                     : "Resistance of the current path (source and diodes)";
        case RectifierInput::Udc: return r ? "Постоянное напряжение" : "DC voltage";
        case RectifierInput::none: break;
    }
    return {};
}

std::string_view why(RectifierRefusal refusal, Lang lang) {
    const bool r = ru(lang);
    switch (refusal) {
        case RectifierRefusal::unknownKind: return r ? "не соответствует ни одной схеме" : "names no circuit";
        case RectifierRefusal::notFinite: return r ? "должно быть конечным числом" : "must be a finite number";
        case RectifierRefusal::notPositive: return r ? "должно быть положительным" : "must be positive";
        case RectifierRefusal::negative: return r ? "не может быть отрицательным" : "cannot be negative";
        case RectifierRefusal::tooLarge: return r ? "слишком велико" : "is too large";
        case RectifierRefusal::tooSmall: return r ? "слишком мало" : "is too small";
        case RectifierRefusal::none: break;
    }
    return {};
}

std::string refusedText(RectifierRefusal refusal, RectifierInput input, Lang lang) {
    std::string s = ru(lang) ? "Значение «" : "The value of \"";
    s += inputName(input, lang);
    s += ru(lang) ? "» " : "\" ";
    s += why(refusal, lang);
    return s + ".";
}

std::string unreachableText(Lang lang) {
    return ru(lang) ? "Такое напряжение при этом токе недостижимо в пределах модели."
                    : "No winding EMF within the model's range gives this voltage at this current.";
}

std::string overloadedText(Lang lang) {
    return ru(lang) ? "Конденсатор слишком мал для такого тока: напряжение на нём падает до нуля в "
                      "каждом периоде."
                    : "The capacitor is too small for this current: its voltage falls to zero every "
                      "cycle.";
}

std::string notSettledText(int rounds, Lang lang) {
    const std::string n = std::to_string(rounds);
    // Literals appended to strings: GCC 12 misreads "..." + std::string at -O3.
    return ru(lang) ? std::string("Расчёт не сошёлся за ") + n + " циклов; показаны последние значения."
                    : std::string("The calculation did not settle within ") + n +
                          " rounds; the last values are shown.";
}

std::string doneText(double Udc, double Idc, Lang lang) {
    const std::string u = fixed(Udc, 2), i = fixed(Idc, 2);
    return ru(lang) ? std::string("Готово: обмотка даёт ") + u + " В при " + i + " А."
                    : std::string("Done: the winding gives ") + u + " V at " + i + " A.";
}

std::string line(std::string_view label, double v, int decimals, std::string_view unit) {
    std::string s(label);
    s += " ";
    s += std::isfinite(v) ? fixed(v, decimals) : std::string("-");
    if (!unit.empty()) {
        s += " ";
        s += unit;
    }
    return s + "\r\n";
}

std::string section(const Record& r, const RunResult& run, int i, Lang lang) {
    const bool ru = texts::ru(lang);
    const RectifierInputs s = rectifierInputs(r, i);
    const RectifierCircuit c = rectifierOnWinding(run.figures, i, s);
    const RectifierResult x = solveRectifier(c);
    const auto kind = static_cast<RectifierKind>(s.circuit);
    const bool tap = needsCentreTap(kind);
    const bool dual = kind == RectifierKind::dualRail;
    std::string t = ru ? "Выпрямитель на вторичной обмотке 2." : "Rectifier on secondary winding 2.";
    t += std::to_string(i + 1) + "\r\n";
    t += (ru ? "Схема: " : "Circuit: ") + std::string(rectifierCircuit(s.circuit, lang)) + "\r\n";
    t += line(dual ? (ru ? "Постоянное напряжение каждого плеча (±), заданное"
                         : "DC voltage of each rail (±) wanted")
                   : (ru ? "Постоянное напряжение, заданное" : "DC voltage wanted"),
              s.Udc, 2, ru ? "В" : "V");
    t += line(dual ? (ru ? "Ток нагрузки каждого плеча" : "Load current of each rail")
                   : (ru ? "Ток нагрузки" : "Load current"),
              s.Idc, 3, ru ? "А" : "A");
    t += line(ru ? "Ёмкость конденсатора" : "Capacitance", s.C_uF, 0, ru ? "мкФ" : "µF");
    t += line(ru ? "Прямое падение на диоде" : "Diode forward drop", s.Vd, 2, ru ? "В" : "V");
    t += line(ru ? "Дифференциальное сопротивление диода" : "Diode slope resistance", s.rd, 3,
              ru ? "Ом" : "Ohm");
    t += line(ru ? "ЭДС обмотки (холостой ход)" : "Winding EMF (no load)", c.E, 2, ru ? "В" : "V");
    t += line(ru ? "Сопротивление источника" : "Source resistance", c.Rs, 3, ru ? "Ом" : "Ohm");
    if (x.status == RectifierStatus::settled || x.status == RectifierStatus::notSettled) {
        t += line(ru ? "Получено постоянное напряжение" : "DC voltage reached", x.Udc, 2, ru ? "В" : "V");
        t += line(ru ? "Пульсации (размах)" : "Ripple (peak to peak)", x.ripple, 2, ru ? "В" : "V");
        t += line(tap ? (ru ? "Действующий ток половины обмотки" : "Rms current of each half")
                      : (ru ? "Действующий ток обмотки" : "Winding rms current"),
                  x.Irms, 3, ru ? "А" : "A");
        t += line(ru ? "Пиковый ток диода" : "Peak diode current", x.Ipeak, 2, ru ? "А" : "A");
        t += line(ru ? "Отношение действующего тока к постоянному" : "Rms to DC current ratio",
                  x.Irms / s.Idc, 2, {});
        t += line(ru ? "Угол проводимости диода, °" : "Diode conduction angle, °", x.angle, 1, {});
        const RectifierPower w = rectifierPower(c, x);
        t += line(ru ? "Мощность на выходе (постоянный ток)" : "DC output power", w.dc, 2,
                  ru ? "Вт" : "W");
        t += line(ru ? "Потери в диодах" : "Diode loss", w.diodes, 2, ru ? "Вт" : "W");
    }
    if (x.status == RectifierStatus::notSettled) t += notSettledText(x.cycles, lang) + "\r\n";
    if (x.status == RectifierStatus::overloaded) t += overloadedText(lang) + "\r\n";
    if (x.status == RectifierStatus::refused) t += refusedText(x.refusal, x.input, lang) + "\r\n";
    if (s.circuit == static_cast<int>(RectifierKind::halfWave))
        t += rectifierWarning(RectifierWarning::dcMagnetisesCore, lang) + "\r\n";
    return t + "\r\n";
}

}  // namespace

std::string_view rectifierCircuit(int circuit, Lang lang) {
    const std::size_t k = circuit >= 1 && circuit <= 4 ? static_cast<std::size_t>(circuit) : 0;
    return ru(lang) ? kCircuitRu[k] : kCircuitEn[k];
}

std::string rectifierTapNote(RectifierTap tap, int secondary, int circuit, Lang lang) {
    const std::string name(rectifierCircuit(circuit, lang));
    const std::string w = winding(secondary);
    switch (tap) {
        case RectifierTap::kept: return {};
        case RectifierTap::set:
            return ru(lang) ? std::string("Обмотке ") + w + " поставлена средняя точка: её требует схема «" + name +
                                  "». Напряжение и ток обмотки — одной секции."
                            : std::string("Secondary ") + w + " now has a centre tap: the circuit \"" + name +
                                  "\" needs it. The winding's voltage and current are one section's.";
        case RectifierTap::removed:
            return ru(lang) ? std::string("У обмотки ") + w + " снята средняя точка: схема «" + name +
                                  "» берёт обмотку целиком."
                            : std::string("Secondary ") + w + " no longer has a centre tap: the circuit \"" + name +
                                  "\" takes the whole winding.";
    }
    return {};
}

std::string rectifierTapCaption(Lang lang) {
    return ru(lang) ? "Средняя точка" : "Centre tap";
}

std::string rectifierTapQuestion(int secondary, int circuit, Lang lang) {
    const std::string name(rectifierCircuit(circuit, lang));
    const std::string w = winding(secondary);
    return ru(lang) ? std::string("Обмотка ") + w + " со средней точкой, а схема «" + name +
                          "» берёт обмотку целиком. Снять среднюю точку?"
                    : std::string("Secondary ") + w + " has a centre tap, and the circuit \"" + name +
                          "\" takes the whole winding. Remove the centre tap?";
}

std::string rectifierStatus(const RectifierDesign& d, const RectifierInputs& s, Lang lang) {
    using S = RectifierDesignStatus;
    switch (d.status) {
        case S::none: return {};
        case S::settled: return doneText(d.reached.Udc, s.Idc, lang);
        case S::notSettled: return notSettledText(d.rounds, lang);
        case S::refused: return refusedText(d.refusal, d.input, lang);
        case S::unreachable: return unreachableText(lang);
        case S::overloaded: return overloadedText(lang);
        case S::designFailed:
            if (d.run == RunStatus::overfill)
                return ru(lang) ? "Обмотка под такую нагрузку не помещается в окно сердечника."
                                : "A winding for this load does not fit into the core window.";
            return ru(lang) ? "Трансформатор с такими данными рассчитать нельзя (см. сообщение расчёта)."
                            : "The transformer cannot be calculated with these inputs (see the "
                              "calculation's message).";
    }
    return {};
}

std::string rectifierWarning(RectifierWarning w, Lang lang) {
    if (w != RectifierWarning::dcMagnetisesCore) return {};
    return ru(lang) ? "Однополупериодная схема: постоянная составляющая тока подмагничивает сердечник "
                      "(не учитывается)."
                    : "Half wave: the DC part of the winding current premagnetises the core (not "
                      "accounted for).";
}

std::string rectifierMark(const RectifierInputs& s, Lang lang) {
    // "═" (U+2550) stands for direct current: the DC sign U+2393 is missing from the
    // fonts Debian installs (DejaVu, Liberation), which all have this one.
    return std::string("═ ") + fixed(s.Udc, 1) + (ru(lang) ? " В " : " V ") + fixed(s.Idc, 2) +
           (ru(lang) ? " А" : " A");
}

std::string rectifierMarkTip(const RectifierDesign& d, const RectifierInputs& s, Lang lang) {
    std::string tip(rectifierCircuit(s.circuit, lang));
    for (const std::string& t : {rectifierStatus(d, s, lang), rectifierWarning(d.warning, lang)})
        if (!t.empty()) tip.append("\n").append(t);
    return tip;
}

std::string rectifierReport(const Record& r, const RunResult& run, Lang lang) {
    if (run.status != RunStatus::ok) return {};
    std::string t;
    for (int i = 0; i < kSecondaries; ++i)
        if (hasRectifier(r, i) && run.figures.used[i]) t += section(r, run, i, lang);
    return t;
}

}  // namespace velmora::texts
