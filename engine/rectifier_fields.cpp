#include "rectifier_fields.hpp"

#include "numtext.hpp"

namespace velmora {
namespace {

double read(std::string text) { return number(text); }

double readOr(const std::string& text, std::string_view name) {
    return text.empty() ? read(std::string(findField(name)->def)) : read(text);
}

}  // namespace

RectifierInputs rectifierInputs(const Record& r, int i) {
    RectifierInputs s;
    s.circuit = r.rect2[i];
    s.Udc = read(r.Udc2[i]);
    s.Idc = read(r.Idc2[i]);
    s.C_uF = read(r.C2[i]);
    s.Vd = readOr(r.Vd2[i], "Vd2_1");
    s.rd = readOr(r.rd2[i], "rd2_1");
    return s;
}

RectifierInputSets rectifierInputSets(const Record& r) {
    RectifierInputSets out;
    for (int i = 0; i < kSecondaries; ++i) out[i] = rectifierInputs(r, i);
    return out;
}

void setRectifierInputs(Record& r, int i, const RectifierInputs& s) {
    r.rect2[i] = s.circuit;
    r.Udc2[i] = shortest(s.Udc);
    r.Idc2[i] = shortest(s.Idc);
    r.C2[i] = shortest(s.C_uF);
    r.Vd2[i] = shortest(s.Vd);
    r.rd2[i] = shortest(s.rd);
}

bool hasRectifier(const Record& r, int i) { return r.rect2[i] != 0; }

int openingCircuit(const Record& r, int i) {
    const int held = r.rect2[i];
    const bool tapped = r.double2[i] != 0;
    if (held >= 1 && held <= 4 && rectifierTapChange(held, tapped) == RectifierTap::kept) return held;
    return static_cast<int>(tapped ? RectifierKind::centreTap : RectifierKind::bridge);
}

bool anyRectifier(const Record& r) {
    for (int i = 0; i < kSecondaries; ++i)
        if (hasRectifier(r, i)) return true;
    return false;
}

RectifierDesigns resolveRectifiers(Record& r, const WireTable& wires) {
    if (!anyRectifier(r)) return {};
    return applyRectifiers(r, wires, rectifierInputSets(r));
}

int secondaryDetachedBy(std::string_view key) {
    const Field* f = findField(key);
    if (!f || f->winding < 2 || f->role != FieldRole::input) return -1;
    if (f->texts != &Record::U2 && f->texts != &Record::I2) return -1;
    return f->index;
}

}  // namespace velmora
