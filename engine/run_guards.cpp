// The stops of a run and the guarded conversions every step uses: no result text
// ever shows "inf" or "nan", and no double becomes an integer out of range.
#include <cmath>

#include "design_state.hpp"
#include "numtext.hpp"

namespace velmora::calc {

void overfill(int winding, int ext) { throw Stop{RunStatus::overfill, {}, winding, ext}; }

void refuse(std::string_view why) {
    throw Stop{RunStatus::refused, std::string(kRefusalPrefix) + std::string(why)};
}

std::string windingName(int winding) {
    if (winding == kPrimary) return "первичной обмотки";
    if (winding >= secondary(0) && winding <= secondary(kSecondaries - 1))
        return "вторичной обмотки 2." + std::to_string(winding - 1);
    return {};
}

namespace {

std::string ofWinding(std::string_view what, int winding) {
    std::string s(what);
    if (std::string w = windingName(winding); !w.empty()) s += " " + w;
    return s;
}

const Field* fieldAt(const Record& r, const std::string* p) {
    for (const Field& f : fields())
        if (f.kind == FieldKind::text && &f.textIn(r) == p) return &f;
    return nullptr;
}

}  // namespace

int toInt32(double v, std::string_view what, int winding) {
    if (!(v > -2147483649.0 && v < 2147483648.0))
        refuse(ofWinding(what, winding) + " получается бесконечным или слишком большим.");
    return static_cast<int>(v);
}

void put(Record& r, std::string& field, double v, int decimals) {
    if (!std::isfinite(v)) {
        const Field* f = fieldAt(r, &field);
        std::string name = f ? "значение «" + std::string(f->label) + "»" : "результат";
        refuse(ofWinding(name, f ? f->winding : 0) + " получается бесконечным или неопределенным.");
    }
    field = fixed(v, decimals);
}

void putPower(Record& r, std::string& field, double v) { put(r, field, v, v >= 10000 ? 1 : 2); }

std::string textOf(double v, int decimals, std::string_view what, int winding) {
    if (!std::isfinite(v))
        refuse(ofWinding(what, winding) + " получается бесконечным или неопределенным.");
    return fixed(v, decimals);
}

}  // namespace velmora::calc
