// The stops of a run and the guarded conversions every step uses: no result text
// ever shows "inf" or "nan", and no double becomes an integer out of range.
#include <cmath>

#include "design_state.hpp"
#include "numtext.hpp"

namespace velmora::calc {

void overfill(int winding, int ext) {
    throw Stop{RunStatus::overfill, Message{MessageCode::overfill}, winding, ext};
}

void refuse(Message why) { throw Stop{RunStatus::refused, std::move(why)}; }

Message refusal(Refusal why, std::string_view field, int core) {
    Message m;
    m.code = MessageCode::refused;
    m.why = why;
    m.field = field;
    m.core = core;
    if (const Field* f = field.empty() ? nullptr : findField(field)) m.winding = f->winding;
    return m;
}

void refuse(Refusal why, int winding) {
    Message m = refusal(why);
    m.winding = winding;
    refuse(std::move(m));
}

namespace {

[[noreturn]] void refuseQuantity(Refusal why, Quantity what, int winding) {
    Message m = refusal(why);
    m.what = what;
    m.winding = winding;
    refuse(std::move(m));
}

const Field* fieldAt(const Record& r, const std::string* p) {
    for (const Field& f : fields())
        if (f.kind == FieldKind::text && &f.textIn(r) == p) return &f;
    return nullptr;
}

}  // namespace

int toInt32(double v, Quantity what, int winding) {
    if (!(v > -2147483649.0 && v < 2147483648.0)) refuseQuantity(Refusal::tooLarge, what, winding);
    return static_cast<int>(v);
}

void put(Record& r, std::string& field, double v, int decimals) {
    if (!std::isfinite(v)) {
        const Field* f = fieldAt(r, &field);
        if (!f) refuseQuantity(Refusal::undefined, Quantity::none, 0);
        refuse(refusal(Refusal::undefined, f->name));
    }
    field = fixed(v, decimals);
}

void put(const Design& d, Record& r, std::string& field, double v, int decimals) {
    if (d.texts) return put(r, field, v, decimals);
    if (!std::isfinite(v)) put(r, field, v, decimals);  // refuses
}

void putPower(const Design& d, Record& r, std::string& field, double v) {
    put(d, r, field, v, v >= 10000 ? 1 : 2);
}

double checked(double v, Quantity what, int winding) {
    if (!std::isfinite(v)) refuseQuantity(Refusal::undefined, what, winding);
    return v;
}

}  // namespace velmora::calc
