// The five core shapes and everything that sets one apart, in one table: the type
// letters, one coil or two, tape or laminations, the induction limit, how the core is
// built, its default steel, the names of its four dimensions and its picture, and the
// formulas of its section, magnetic path, window, room, outline, surface and bobbin.
// Every layer asks here; the record and the files keep the kind as the integer 0..4,
// and coreKindFrom is the one place that turns that integer into a kind.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velmora {

// In the order of the record's integer: 0 ring, 1 ПЛ, 2 ШЛ, 3 Ш, 4 Г.
enum class CoreKind {
    ring,  // Т: a toroid, the windings go round the ring itself
    pl,    // ПЛ: tape-wound C-cores, two coils
    shl,   // ШЛ: tape-wound cut shell core
    sh,    // Ш: E-I laminations
    g,     // Г: U-I laminations, two coils
};
inline constexpr std::size_t kCoreKindCount = 5;

// The kind the record's integer names; none for a number that names no kind.
std::optional<CoreKind> coreKindFrom(int core);
// The record's integer of a kind (what the files and the JSON hold).
inline constexpr int coreNumber(CoreKind k) { return static_cast<int>(k); }
// A kind as the index of a table in kind order (the texts' per-kind words).
inline constexpr std::size_t kindIndex(CoreKind k) { return static_cast<std::size_t>(k); }

// How the core is built; it sets the building factor and whether joints add a gap.
enum class Construction { woundRing, cutCore, stackedLaminations };

// The four dimensions as the record holds them (mm): a ring keeps D, d, H in a, b, c
// and has no h.
struct CoreDims {
    double a = 0;  // lst: width of the steel (centre leg) / ring: outer diameter D
    double b = 0;  // hst: height of the stack / ring: inner diameter d
    double c = 0;  // lok: width of the window / ring: height H
    double h = 0;  // hok: height of the window
};

// The bobbin sizes a core derives (mm); a ring has no bobbin length.
struct BobbinSizes {
    double hkar = 0, hkar1 = 0;
    std::optional<double> lkar;
};

// Outer surface of the wound transformer (the faces and their orientation).
struct Surface {
    double vertical = 0, up = 0, down = 0;  // m2
    double height = 0;                      // m, of the vertical faces
    double Lup = 0, Ldown = 0;              // m, 4·area/perimeter of the horizontal faces
    double total() const { return vertical + up + down; }
};

// The wound core as the heating sees it: the bobbin sizes used, the room for the
// windings and the last build-up (a ring: the hole left), mm.
struct WoundCore {
    CoreDims dims;
    double hkar = 0, hkar1 = 0, room = 0, build = 0;
};

// The four dimensions in record order: lst, hst, lok, hok.
enum class CoreDim { lst, hst, lok, hok };
inline constexpr std::array<std::string_view, 4> kCoreDimFields{"lst", "hst", "lok", "hok"};

// The formulas of one outline; the ring, the shell cores (ШЛ, Ш) and the two-coil
// cores (ПЛ, Г) each have their own.
struct CoreGeometry {
    // As the calculation has always sized the core: mean path lm, steel section Sst
    // (stacking factor kst applied), window Sok, room for the windings beside the
    // bobbin of width hkar.
    double (*lm)(const CoreDims&);
    double (*Sst)(const CoreDims&, double kst);
    double (*Sok)(const CoreDims&);
    double (*room)(const CoreDims&, double hkar);
    // The outline itself: its volume (mm3, stacking not applied), the mean magnetic
    // path through its legs and yokes (mm), the outer surface wound.
    double (*volume)(const CoreDims&);
    double (*path)(const CoreDims&);
    Surface (*surface)(const WoundCore&);
    // The bobbin the core's dimensions derive; for each of hkar, hkar1, lkar the
    // dimension whose edit derives it (none: no edit does) and the dimensions
    // (lst, hst, lok, hok) its formula reads.
    BobbinSizes (*bobbin)(const CoreDims&);
    std::array<std::optional<CoreDim>, 3> derivedOn;
    std::array<std::array<bool, 4>, 3> derivedFrom;
};

struct CoreShape {
    CoreKind kind;
    std::string_view letters;       // the type letters ("Т", "ПЛ", ...)
    bool ring;                      // a toroid: the windings go round the ring itself
    bool twoCoils;                  // the turns are shared between two coils (ПЛ, Г)
    bool tapeWound;                 // wound of tape (ring, ПЛ, ШЛ); else stacked laminations
    double inductionLimit;          // T: a higher Bm draws the induction warning
    std::string_view inductionOnChoice;  // Bm the kind proposes when chosen ("1.5", "1.2")
    double mu;                      // relative permeability of the magnetising estimate
    Construction construction;
    int joints;                     // joints in the flux path that add a gap (cut cores)
    std::string_view steelGrade;    // the grade the kind starts with
    // Names of the four dimensions as the labels show them ("" where the kind has
    // none); the label texts are the texts module's.
    std::array<std::string_view, 4> dimNames;
    std::string_view picture;       // the sketch, res/<picture>
    const CoreGeometry& geometry;
};

extern const std::array<CoreShape, kCoreKindCount> kCoreShapes;

inline const CoreShape& shapeOf(CoreKind k) { return kCoreShapes[kindIndex(k)]; }
// The shape of the record's integer, or nullptr for a number that names no kind.
const CoreShape* shapeOf(int core);
// Whether the record's integer names the ring (false for a number that names none).
bool isRing(int core);

// The grade a kind starts with; empty for a number that names no kind.
std::string_view defaultSteelGrade(int core);

}  // namespace velmora
