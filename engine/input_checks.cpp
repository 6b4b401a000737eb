// The inputs a run cannot work with, found before anything is computed: the first
// failing rule names its field and refuses the run.
#include "input_checks.hpp"

#include <cmath>

namespace velmora::calc {
namespace {

using Why = std::optional<std::string>;

// «label» of the field as the window shows it for this core, with its winding.
std::string fieldName(const Design& d, std::string_view name) {
    const Field* f = findField(name);
    std::string_view label = f ? f->label : name;
    if (d.core == 0) {
        if (name == "lst") label = "D, мм";
        if (name == "hst") label = "d, мм";
        if (name == "lok") label = "H, мм";
    }
    std::string s = "«" + std::string(label) + "»";
    if (name == "hkar") s += " (ширина)";
    if (name == "hkar1") s += " (высота)";
    if (f)
        if (std::string w = windingName(f->winding); !w.empty()) s += " " + w;
    return s;
}

Why positive(const Design& d, std::string_view name, double v) {
    if (std::isfinite(v) && v > 0) return {};
    return "значение поля " + fieldName(d, name) + " должно быть положительным числом.";
}

Why notNegative(const Design& d, std::string_view name, double v) {
    if (std::isfinite(v) && v >= 0) return {};
    return "значение поля " + fieldName(d, name) + " должно быть неотрицательным числом.";
}

Why finite(const Design& d, std::string_view name, double v) {
    if (std::isfinite(v)) return {};
    return "значение поля " + fieldName(d, name) + " должно быть конечным числом.";
}

std::string indexed(std::string_view base, int i) {
    return std::string(base) + std::to_string(i + 1);
}

Why core(const Design& d) {
    if (d.core < 0 || d.core > 4)
        return "значение поля «Форма сердечника» (" + std::to_string(d.core) +
               ") не соответствует ни одному виду сердечника.";
    return {};
}

Why mains(const Design& d) {
    for (auto [name, v] : {std::pair<std::string_view, double>{"F", d.F},
                           {"Bm", d.Bm},
                           {"j", d.j},
                           {"U1nom", d.U1nom},
                           {"U1max", d.U1max}})
        if (Why w = positive(d, name, v)) return w;
    return {};
}

Why coreSizes(const Design& d) {
    for (auto [name, v] :
         {std::pair<std::string_view, double>{"lst", d.lst}, {"hst", d.hst}, {"lok", d.lok}})
        if (Why w = positive(d, name, v)) return w;
    if (d.core == 0) {
        if (!(d.lst > d.hst))
            return "значение поля «D, мм» (внешний диаметр кольца) должно быть больше значения "
                   "поля «d, мм» (внутренний диаметр).";
        return {};
    }
    return positive(d, "hok", d.hok);
}

Why insulation(const Design& d) {
    if (Why w = notNegative(d, "megsl", d.megsl)) return w;
    return notNegative(d, "megob", d.megob);
}

Why loads(const Design& d) {
    for (int i = 0; i < kSecondaries; ++i)
        if (Why w = notNegative(d, indexed("U2_", i), d.U2[i])) return w;
    for (int i = 0; i < kSecondaries; ++i)
        if (Why w = notNegative(d, indexed("I2_", i), d.I2[i])) return w;
    return {};
}

// The user's bobbin must be a real size; a zero hands the sizes back to the core.
Why bobbin(const Design& d) {
    bool derived = !d.razmery;
    if (d.razmery) {
        if (Why w = notNegative(d, "hkar", d.hkar)) return w;
        if (Why w = notNegative(d, "hkar1", d.hkar1)) return w;
        if (d.core != 0)
            if (Why w = notNegative(d, "lkar", d.lkar)) return w;
        derived = d.hkar == 0 || d.hkar1 == 0 || (d.core != 0 && d.lkar == 0);
    }
    if (derived && d.core != 0 && !(d.hok > 2))
        return "значение поля «Hok, мм» должно быть больше 2: длина каркаса под намотку "
               "получается из высоты окна за вычетом 2 мм.";
    return {};
}

Why desiredDiameters(const Design& d) {
    if (!d.use_d) return {};
    if (Why w = finite(d, "d11", d.d11)) return w;
    for (int i = 0; i < kSecondaries; ++i)
        if (Why w = finite(d, indexed("d2", i), d.d2[i])) return w;
    return {};
}

Why sizeTable(const Record& r, const WireTable& wires) {
    const size_t n = wires.D.size();
    if (n > 0 && wires.Diz.size() >= n && wires.S.size() >= n && wires.M.size() >= n) return {};
    return "не загружена таблица размеров провода «" + r.Conductor + "».";
}

}  // namespace

std::optional<std::string> checkInputs(const Design& d, const Record& r, const WireTable& wires) {
    if (Why w = core(d)) return w;
    if (Why w = mains(d)) return w;
    if (Why w = coreSizes(d)) return w;
    if (Why w = insulation(d)) return w;
    if (Why w = loads(d)) return w;
    if (Why w = bobbin(d)) return w;
    if (Why w = desiredDiameters(d)) return w;
    return sizeTable(r, wires);
}

}  // namespace velmora::calc
