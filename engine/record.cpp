#include "record.hpp"

#include <vector>

#include "numtext.hpp"

namespace velmora {
namespace {

constexpr std::array<int, 5> kU2{1023, 1024, 1027, 1041, 1049};
constexpr std::array<int, 5> kI2{1025, 1026, 1028, 1042, 1050};
constexpr std::array<int, 5> kDouble2{1068, 1069, 1070, 1071, 1072};
constexpr std::array<int, 5> kD2in{1087, 1088, 1089, 1090, 1091};
constexpr std::array<int, 5> kW2{1029, 1030, 1031, 1043, 1051};
constexpr std::array<int, 5> kD2{1032, 1033, 1034, 1044, 1052};
constexpr std::array<int, 5> kNsl2{1075, 1076, 1077, 1078, 1079};
constexpr std::array<int, 5> kLpr2{1058, 1059, 1060, 1061, 1062};
constexpr std::array<int, 5> kR2{1035, 1036, 1037, 1045, 1053};
constexpr std::array<int, 5> kU2xx{1038, 1039, 1040, 1046, 1054};
constexpr std::array<int, 5> kU2h{1080, 1081, 1082, 1083, 1084};

constexpr std::array<std::string_view, 5> kNames_U2{"U2_1", "U2_2", "U2_3", "U2_4", "U2_5"};
constexpr std::array<std::string_view, 5> kNames_I2{"I2_1", "I2_2", "I2_3", "I2_4", "I2_5"};
constexpr std::array<std::string_view, 5> kNames_double2{"double2_1", "double2_2", "double2_3",
                                                         "double2_4", "double2_5"};
constexpr std::array<std::string_view, 5> kNames_d2{"d21", "d22", "d23", "d24", "d25"};
constexpr std::array<std::string_view, 5> kNames_W2{"W2_1", "W2_2", "W2_3", "W2_4", "W2_5"};
constexpr std::array<std::string_view, 5> kNames_D2{"D2_1", "D2_2", "D2_3", "D2_4", "D2_5"};
constexpr std::array<std::string_view, 5> kNames_Nsl2{"Nsl2_1", "Nsl2_2", "Nsl2_3", "Nsl2_4",
                                                      "Nsl2_5"};
constexpr std::array<std::string_view, 5> kNames_Lpr2{"Lpr2_1", "Lpr2_2", "Lpr2_3", "Lpr2_4",
                                                      "Lpr2_5"};
constexpr std::array<std::string_view, 5> kNames_R2{"R2_1", "R2_2", "R2_3", "R2_4", "R2_5"};
constexpr std::array<std::string_view, 5> kNames_U2xx{"U2xx_1", "U2xx_2", "U2xx_3", "U2xx_4",
                                                      "U2xx_5"};
constexpr std::array<std::string_view, 5> kNames_U2h{"U2h_1", "U2h_2", "U2h_3", "U2h_4",
                                                     "U2h_5"};
constexpr std::array<std::string_view, 5> kNames_rect2{"rect2_1", "rect2_2", "rect2_3", "rect2_4",
                                                       "rect2_5"};
constexpr std::array<std::string_view, 5> kNames_Udc2{"Udc2_1", "Udc2_2", "Udc2_3", "Udc2_4",
                                                      "Udc2_5"};
constexpr std::array<std::string_view, 5> kNames_Idc2{"Idc2_1", "Idc2_2", "Idc2_3", "Idc2_4",
                                                      "Idc2_5"};
constexpr std::array<std::string_view, 5> kNames_C2{"C2_1", "C2_2", "C2_3", "C2_4", "C2_5"};
constexpr std::array<std::string_view, 5> kNames_Vd2{"Vd2_1", "Vd2_2", "Vd2_3", "Vd2_4", "Vd2_5"};
constexpr std::array<std::string_view, 5> kNames_rd2{"rd2_1", "rd2_2", "rd2_3", "rd2_4", "rd2_5"};

using K = FieldKind;
using R = FieldRole;
using C = ControlKind;

Field text(std::string_view name, R role, C control, int id, std::string_view def, int winding,
           std::string Record::*m) {
    Field f{name, K::text, role, control, id, def, winding};
    f.text = m;
    return f;
}

Field integer(std::string_view name, C control, int id, std::string_view def, int Record::*m) {
    Field f{name, K::integer, R::input, control, id, def, 0};
    f.integer = m;
    return f;
}

// Five fields of one row, one per secondary; the first may carry a default.
void row(std::vector<Field>& out, const std::array<std::string_view, 5>& names, K kind, R role,
         C control, const std::array<int, 5>& ids, std::string_view firstDefault, Texts5 Record::*texts,
         Ints5 Record::*integers = nullptr) {
    for (int i = 0; i < kSecondaries; ++i) {
        std::string_view def = i == 0 ? firstDefault : (kind == K::integer ? "0" : "");
        Field f{names[i], kind, role, control, ids[i], def, 2 + i};
        f.texts = texts;
        f.integers = integers;
        f.index = i;
        out.push_back(f);
    }
}

std::vector<Field> makeFields() {
    std::vector<Field> v;
    const R in = R::input, out = R::result;
    const C edit = C::edit, label = C::label;

    v.push_back(integer("core", C::radio, kCoreRadioIds[0], "2", &Record::core));
    v.push_back(text("lst", in, edit, 1001, "25", 0, &Record::lst));
    v.push_back(text("hst", in, edit, 1003, "32", 0, &Record::hst));
    v.push_back(text("lok", in, edit, 1002, "25", 0, &Record::lok));
    v.push_back(text("hok", in, edit, 1004, "40", 0, &Record::hok));
    v.push_back(text("hkar", in, edit, 1067, "27", 0, &Record::hkar));
    v.push_back(text("hkar1", in, edit, 1066, "34", 0, &Record::hkar1));
    v.push_back(text("lkar", in, edit, 1065, "38", 0,
                     &Record::lkar));
    v.push_back(text("megsl", in, edit, 1085, "0,1", 0,
                     &Record::megsl));
    v.push_back(text("megob", in, edit, 1086, "0,3", 0,
                     &Record::megob));
    v.push_back(integer("razmery", C::check, 1073, "0", &Record::razmery));
    v.push_back(text("Bm", in, edit, 1006, "1,5", 0,
                     &Record::Bm));
    v.push_back(text("j", in, edit, 1010, "3,5", 0, &Record::j));
    v.push_back(text("F", in, edit, 1100, "50", 0, &Record::F));
    v.push_back(text("U1nom", in, edit, 1047, "220", 1,
                     &Record::U1nom));
    v.push_back(text("U1max", in, edit, 1048, "253", 1,
                     &Record::U1max));
    row(v, kNames_U2, K::text, in, edit, kU2, "20", &Record::U2);
    row(v, kNames_I2, K::text, in, edit, kI2, "5", &Record::I2);
    row(v, kNames_double2, K::integer, in, C::check, kDouble2, "0", nullptr, &Record::double2);
    v.push_back(text("d11", in, edit, 1092, "", 1, &Record::d11));
    row(v, kNames_d2, K::text, in, edit, kD2in, "", &Record::d2);
    v.push_back(integer("use_d", C::check, 1093, "0",
                        &Record::use_d));
    v.push_back(text("Conductor", in, C::combo, 1094, "ПЭТ-155", 0,
                     &Record::Conductor));

    v.push_back(text("Steel", R::appended, C::combo, 1200, "", 0, &Record::Steel));
    v.push_back(text("Tamb", R::appended, C::none, 0, "40",
                     0, &Record::Tamb));
    v.push_back(text("Insulation", R::appended, C::none, 0, "B", 0, &Record::Insulation));
    Field impregnated = integer("Impregnated", C::none, 0, "0",
                                &Record::Impregnated);
    impregnated.role = R::appended;
    v.push_back(impregnated);

    v.push_back(text("Sst", out, label, 1098, "", 0, &Record::Sst));
    v.push_back(text("Pzad", out, label, 1064, "", 0,
                     &Record::Pzad));
    v.push_back(text("Pgab", out, label, 1012, "", 0,
                     &Record::Pgab));
    v.push_back(text("KPD", out, label, 1013, "0,9", 0,
                     &Record::KPD));
    v.push_back(text("wv", out, label, 1011, "", 0, &Record::wv));
    v.push_back(text("Kok", out, label, 1056, "", 0,
                     &Record::Kok));
    v.push_back(text("I1", out, label, 1016, "", 1, &Record::I1));
    v.push_back(text("W1", out, label, 1014, "", 1, &Record::W1));
    v.push_back(text("D1", out, label, 1015, "", 1, &Record::D1));
    v.push_back(text("Nsl1", out, label, 1074, "", 1, &Record::Nsl1));
    v.push_back(text("Lpr1", out, label, 1063, "", 1,
                     &Record::Lpr1));
    v.push_back(text("R1", out, label, 1018, "", 1, &Record::R1));
    v.push_back(text("dU1", out, label, 1019, "", 1, &Record::dU1));
    row(v, kNames_W2, K::text, out, label, kW2, "", &Record::W2);
    row(v, kNames_D2, K::text, out, label, kD2, "", &Record::D2);
    row(v, kNames_Nsl2, K::text, out, label, kNsl2, "", &Record::Nsl2);
    row(v, kNames_Lpr2, K::text, out, label, kLpr2, "",
        &Record::Lpr2);
    row(v, kNames_R2, K::text, out, label, kR2, "", &Record::R2);
    row(v, kNames_U2xx, K::text, out, label, kU2xx, "",
        &Record::U2xx);
    row(v, kNames_U2h, K::text, out, label, kU2h, "",
        &Record::U2h);
    return v;
}

// The rectifier helper's keys, written for each secondary in turn (rect2_i, Udc2_i,
// Idc2_i, C2_i, Vd2_i, rd2_i); the dialog of a secondary holds them. The diode's
// defaults are fitted to a maker's forward curve (kDiodeVd, kDiodeRd; data/README.md).
void rectifierRows(std::vector<Field>& out) {
    struct Key {
        const std::array<std::string_view, 5>* names;
        std::string_view def;
        Texts5 Record::*texts;
    };
    const std::array<Key, 5> keys{{{&kNames_Udc2, "", &Record::Udc2},
                                   {&kNames_Idc2, "", &Record::Idc2},
                                   {&kNames_C2, "", &Record::C2},
                                   {&kNames_Vd2, "0.88", &Record::Vd2},
                                   {&kNames_rd2, "0.0037",
                                    &Record::rd2}}};
    for (int i = 0; i < kSecondaries; ++i) {
        Field f{kNames_rect2[i], K::integer, R::appended, C::none, 0, "0", 2 + i};
        f.integers = &Record::rect2;
        f.index = i;
        out.push_back(f);
        for (const Key& k : keys) {
            Field t{(*k.names)[i], K::text, R::appended, C::none, 0, k.def, 2 + i};
            t.texts = k.texts;
            t.index = i;
            out.push_back(t);
        }
    }
}

std::vector<Field> withAppended(std::vector<Field> v) {
    // The appended inputs stand between the inputs and the results.
    std::vector<Field> appended;
    rectifierRows(appended);
    auto firstResult = v.begin();
    while (firstResult != v.end() && firstResult->role != R::result) ++firstResult;
    v.insert(firstResult, appended.begin(), appended.end());
    return v;
}

const std::vector<Field>& table() {
    static const std::vector<Field> t = withAppended(makeFields());
    return t;
}

}  // namespace

std::span<const Field> fields() { return table(); }

namespace {

// The fields are laid out by role: inputs, appended inputs, results.
size_t countOf(FieldRole role) {
    size_t n = 0;
    for (const Field& f : table()) n += f.role == role;
    return n;
}

}  // namespace

std::span<const Field> inputFields() { return fields().first(countOf(FieldRole::input)); }
std::span<const Field> appendedFields() {
    return fields().subspan(countOf(FieldRole::input), countOf(FieldRole::appended));
}
std::span<const Field> designFields() {
    return fields().first(countOf(FieldRole::input) + countOf(FieldRole::appended));
}

const Field* findField(std::string_view name) {
    for (const Field& f : fields())
        if (f.name == name) return &f;
    return nullptr;
}

void assignFromText(Record& r, const Field& f, std::string_view value) {
    if (f.kind == FieldKind::text) {
        f.textIn(r) = std::string(value);
        return;
    }
    int v = textToInt(value);
    if (f.control == ControlKind::check && v != 0) v = 1;
    f.intIn(r) = v;
}

std::string valueAsText(const Record& r, const Field& f) {
    return f.kind == FieldKind::text ? f.textIn(r) : std::to_string(f.intIn(r));
}

Record::Record() {
    for (const Field& f : fields()) assignFromText(*this, f, f.def);
}

std::vector<MisreadField> misreadInputs(const Record& r) {
    std::vector<MisreadField> out;
    for (const Field& f : inputFields())
        if (f.control == ControlKind::edit)
            if (auto v = misread(f.textIn(r))) out.push_back({&f, *v});
    return out;
}

void clearResults(Record& r) {
    for (const Field& f : fields())
        if (f.role == FieldRole::result) f.textIn(r).clear();
    r.ext1 = 0;
    r.ext2 = {};
}

}  // namespace velmora
