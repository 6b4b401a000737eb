#include "core_presentation.hpp"

#include "numtext.hpp"

namespace velmora::ui {
namespace {

constexpr CorePresentation kRing{
    "D, мм", "d, мм", "H, мм", "", "(D-d)/2+", "H+",
    "Внешний диаметр кольца", "Внутренний диаметр кольца", "Высота кольца",
    false, false};

constexpr CorePresentation kSteel{
    "Ls, мм", "Hs, мм", "Lok, мм", "Hok, мм", "Ls+", "Hs+",
    "Ширина стали", "Высота стали", "Ширина окна",
    true, true};

}  // namespace

const CorePresentation& presentationFor(int core) { return core > 0 ? kSteel : kRing; }

std::string_view inductionFor(int core) { return core == 3 || core == 4 ? "1.2" : "1.5"; }

void deriveFromLst(Record& r) {
    const double lst = number(r.lst);
    if (r.core > 0) r.hkar = fixed(lst + 2, 1);
}

void deriveFromHst(Record& r) {
    if (r.core > 0) {
        r.hkar1 = fixed(number(r.hst) + 2, 1);
    } else {
        const double lst = number(r.lst);
        const double hst = number(r.hst);
        r.hkar = fixed((lst - hst) * 0.5 + 2, 1);
    }
}

void deriveFromLok(Record& r) {
    const double lok = number(r.lok);
    if (r.core == 0) r.hkar1 = fixed(lok + 2, 1);
}

void deriveFromHok(Record& r) {
    const double hok = number(r.hok);
    if (r.core > 0) r.lkar = fixed(hok - 2, 1);
}

}  // namespace velmora::ui
