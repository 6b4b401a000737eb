#include "rectifier_json.hpp"

#include <cmath>

#include "numtext.hpp"
#include "output.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"

namespace velmora::cli {
namespace {

std::string num(double v) { return std::isfinite(v) ? shortest(v) : std::string("null"); }

std::string pair(std::string_view key, const std::string& value) {
    return jsonString(key) + ": " + value;
}

std::string reachedJson(const RectifierResult& x, double Idc) {
    std::string o = "{";  // appended piece by piece: GCC 12 misreads "..." + std::string at -O3
    return o + pair("status", jsonString(rectifierStatusName(x.status))) + ", " +
           pair("cycles", std::to_string(x.cycles)) + ", " + pair("Udc", num(x.Udc)) + ", " +
           pair("ripple", num(x.ripple)) + ", " + pair("Umin", num(x.Umin)) + ", " +
           pair("Umax", num(x.Umax)) + ", " + pair("Irms", num(x.Irms)) + ", " +
           pair("Ipeak", num(x.Ipeak)) + ", " + pair("ratio", num(x.Irms / Idc)) + ", " +
           pair("angle", num(x.angle)) + "}";
}

}  // namespace

std::string_view designStatusName(RectifierDesignStatus s) {
    using S = RectifierDesignStatus;
    switch (s) {
        case S::none: return "none";
        case S::settled: return "settled";
        case S::notSettled: return "notSettled";
        case S::refused: return "refused";
        case S::unreachable: return "unreachable";
        case S::overloaded: return "overloaded";
        case S::designFailed: return "designFailed";
    }
    return "none";
}

std::string_view rectifierStatusName(RectifierStatus s) {
    switch (s) {
        case RectifierStatus::settled: return "settled";
        case RectifierStatus::notSettled: return "notSettled";
        case RectifierStatus::overloaded: return "overloaded";
        case RectifierStatus::refused: return "refused";
    }
    return "refused";
}

std::string rectifiersJson(const Record& r, const RectifierDesigns& designs, texts::Lang lang) {
    std::string o = "\"rectifiers\": [";
    bool first = true;
    for (int i = 0; i < kSecondaries; ++i) {
        if (!hasRectifier(r, i)) continue;
        const RectifierInputs s = rectifierInputs(r, i);
        const RectifierDesign& d = designs[i];
        o += first ? "\n    {" : ",\n    {";
        first = false;
        o += pair("secondary", std::to_string(i + 1)) + ", " + pair("circuit", std::to_string(s.circuit)) +
             ", " + pair("Udc", num(s.Udc)) + ", " + pair("Idc", num(s.Idc)) + ", " +
             pair("C_uF", num(s.C_uF)) + ", " + pair("Vd", num(s.Vd)) + ", " + pair("rd", num(s.rd)) +
             ", " + pair("status", jsonString(designStatusName(d.status))) + ", " +
             pair("text", jsonString(texts::rectifierStatus(d, s, lang))) + ", " +
             pair("warning", jsonString(texts::rectifierWarning(d.warning, lang))) + ", " +
             pair("rounds", std::to_string(d.rounds)) + ", " + pair("E", num(d.E)) + ", " +
             pair("Rs", num(d.Rs)) + ", " + pair("W2", num(d.W2)) + ", " +
             pair("reached", reachedJson(d.reached, s.Idc)) + "}";
    }
    return o + (first ? "]" : "\n  ]");
}

}  // namespace velmora::cli
