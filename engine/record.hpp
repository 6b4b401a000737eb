// The design record: every input and result of one design as the window shows it.
// Inputs and results are texts; the core kind and the check boxes are integers.
// One table (fields()) names every field with its control and default (its label and
// unit are texts, keyed by its name), and
// drives everything that walks the fields: the window exchange, the design file, the JSON.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr int kSecondaries = 5;
using Texts5 = std::array<std::string, kSecondaries>;
using Ints5 = std::array<int, kSecondaries>;

struct Record {
    Record();  // every field at its default (a start with no state file)

    // Inputs, in the order of the design file.
    int core;  // 0 ring, 1 ПЛ, 2 ШЛ, 3 Ш, 4 Г
    std::string lst, hst, lok, hok;
    std::string hkar, hkar1, lkar;
    std::string megsl, megob;
    int razmery;
    std::string Bm, j, F, U1nom, U1max;
    Texts5 U2, I2;  // U2[0] is the field U2_1
    Ints5 double2;
    std::string d11;
    Texts5 d2;  // d2[0] is the field d21
    int use_d;
    std::string Conductor;

    // Inputs appended after the original file's lines.
    std::string Steel;  // the steel grade; empty: the core kind's default
    // Where the transformer works, for the hot spot: the ambient, °C; the thermal class
    // of the whole insulation system (A, E, B, F, H); 1 when the winding is impregnated.
    std::string Tamb, Insulation;
    int Impregnated = 0;

    // The rectifier helper's, per secondary: the circuit (0 none,
    // 1 bridge, 2 full wave with centre tap, 3 half wave), Udc V, Idc A, C µF, and the
    // diode's drop V and slope resistance ohm.
    Ints5 rect2{};
    Texts5 Udc2, Idc2, C2, Vd2, rd2;

    // Results.
    std::string Sst, Pzad, Pgab, KPD, wv, Kok;
    std::string I1, W1, D1, Nsl1, Lpr1, R1, dU1;
    Texts5 W2, D2, Nsl2, Lpr2, R2, U2xx, U2h;

    // Beside the fields.
    std::string comment;
    int ext1 = 0;
    Ints5 ext2{};
    int diag_width = 900;
    int diag_text_h = 12;
    double kfree = 0.3;
};

enum class FieldKind { text, integer };
// `input`: the 39 inputs of the original design file, in its order; `appended`: an
// input added since, written after those lines (older readers never look there).
enum class FieldRole { input, appended, result };
// `none`: the field has no control in the main window (a dialog of its own holds it).
enum class ControlKind { edit, check, radio, combo, label, none };

// One field of the record. `winding` is 0 for core data, 1 for the primary,
// 2..6 for the secondaries 2.1..2.5.
struct Field {
    std::string_view name;     // the design-file key and the control's objectName
    FieldKind kind;
    FieldRole role;
    ControlKind control;
    int id;                    // control id (for the core kind: the first radio button)
    std::string_view def;      // default text, or the default integer as text
    int winding;

    std::string Record::*text = nullptr;
    Texts5 Record::*texts = nullptr;
    int Record::*integer = nullptr;
    Ints5 Record::*integers = nullptr;
    int index = 0;  // element of `texts` / `integers`

    std::string& textIn(Record& r) const { return text ? r.*text : (r.*texts)[index]; }
    const std::string& textIn(const Record& r) const { return text ? r.*text : (r.*texts)[index]; }
    int& intIn(Record& r) const { return integer ? r.*integer : (r.*integers)[index]; }
    int intIn(const Record& r) const { return integer ? r.*integer : (r.*integers)[index]; }
};

// Every field: the 39 inputs in design-file order, the appended inputs, the results.
std::span<const Field> fields();
std::span<const Field> inputFields();     // role input: the original design file's lines
std::span<const Field> appendedFields();  // role appended, in the order they are written
// What a design file holds: the inputs, then the appended inputs.
std::span<const Field> designFields();
const Field* findField(std::string_view name);

// Radio buttons of the core kind, in kind order 0..4.
inline constexpr std::array<int, 5> kCoreRadioIds{1000, 1005, 1007, 1009, 1017};

// Assign a value as the design-file reader does: text verbatim, integers by the
// text-to-integer rule, check boxes other than 0 as 1 (the core kind is kept as read).
void assignFromText(Record& r, const Field& f, std::string_view value);
// The value as the design file writes it ("%i" for integers).
std::string valueAsText(const Record& r, const Field& f);

// An input edit whose text is not wholly a number, and the value it reads as.
struct MisreadField {
    const Field* field;
    double reads;
};
std::vector<MisreadField> misreadInputs(const Record& r);

// Empty every result text (KPD included) and the six extents.
void clearResults(Record& r);

}  // namespace velmora
