#include "rectifier_json.hpp"

#include <cmath>

#include "numtext.hpp"
#include "run_json.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"

namespace velmora::json {
namespace {

std::string num(double v) { return std::isfinite(v) ? shortest(v) : std::string("null"); }
// What the helper computed, rounded far below its accuracy (0.1 mV, 0.1 mA, 0.01 mΩ,
// 0.001°): every build's C library then gives the same text, the page's included.
std::string computed(double v, int decimals) { return std::isfinite(v) ? fixed(v, decimals) : std::string("null"); }

std::string pair(std::string_view key, const std::string& value) {
    return jsonString(key) + ": " + value;
}

std::string_view tapName(RectifierTap t) {
    switch (t) {
        case RectifierTap::kept: return "kept";
        case RectifierTap::set: return "set";
        case RectifierTap::removed: return "removed";
    }
    return "kept";
}

std::string reachedJson(const RectifierResult& x, double Idc) {
    std::string o = "{";  // appended piece by piece: GCC 12 misreads "..." + std::string at -O3
    return o + pair("status", jsonString(rectifierStatusName(x.status))) + ", " +
           pair("cycles", std::to_string(x.cycles)) + ", " + pair("Udc", computed(x.Udc, 4)) + ", " +
           pair("ripple", computed(x.ripple, 4)) + ", " + pair("Umin", computed(x.Umin, 4)) + ", " +
           pair("Umax", computed(x.Umax, 4)) + ", " + pair("Irms", computed(x.Irms, 4)) + ", " +
           pair("Ipeak", computed(x.Ipeak, 4)) + ", " + pair("IdRms", computed(x.IdRms, 4)) + ", " +
           pair("ratio", computed(x.Irms / Idc, 4)) + ", " +
           pair("angle", computed(x.angle, 3)) + "}";
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

std::vector<std::string> rectifierTapWarnings(const Record& r, const RectifierDesigns& designs,
                                              texts::Lang lang) {
    std::vector<std::string> out;
    for (int i = 0; i < kSecondaries; ++i) {
        if (designs[i].tap != RectifierTap::removed) continue;
        std::string o = "{";
        out.push_back(o + pair("field", jsonString("double2_" + std::to_string(i + 1))) + ", " +
                      pair("text", jsonString("1")) + ", " + pair("reads", "0") + ", " +
                      pair("note", jsonString(texts::rectifierTapNote(designs[i].tap, i, r.rect2[i], lang))) +
                      "}");
    }
    return out;
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
             pair("tap", jsonString(tapName(d.tap))) + ", " +
             pair("tapNote", jsonString(texts::rectifierTapNote(d.tap, i, s.circuit, lang))) + ", " +
             pair("rounds", std::to_string(d.rounds)) + ", " + pair("E", computed(d.E, 4)) + ", " +
             pair("Rs", computed(d.Rs, 5)) + ", " + pair("W2", num(d.W2)) + ", " +
             pair("reached", reachedJson(d.reached, s.Idc)) + "}";
    }
    return o + (first ? "]" : "\n  ]");
}

}  // namespace velmora::json
