#include "core_presentation.hpp"

#include <QCoreApplication>

#include "numtext.hpp"

namespace velmora::ui {
namespace {

// The texts are in Russian, the sources of their translations; the prefixes are
// formulas in the dimension letters and read the same in every language.
constexpr CorePresentation kRing{
    QT_TRANSLATE_NOOP("CorePresentation", "D, мм"),
    QT_TRANSLATE_NOOP("CorePresentation", "d, мм"),
    QT_TRANSLATE_NOOP("CorePresentation", "H, мм"),
    "", "(D-d)/2+", "H+",
    QT_TRANSLATE_NOOP("CorePresentation", "Внешний диаметр кольца"),
    QT_TRANSLATE_NOOP("CorePresentation", "Внутренний диаметр кольца"),
    QT_TRANSLATE_NOOP("CorePresentation", "Высота кольца"),
    false, false};

constexpr CorePresentation kSteel{
    QT_TRANSLATE_NOOP("CorePresentation", "Ls, мм"),
    QT_TRANSLATE_NOOP("CorePresentation", "Hs, мм"),
    QT_TRANSLATE_NOOP("CorePresentation", "Lok, мм"),
    QT_TRANSLATE_NOOP("CorePresentation", "Hok, мм"),
    "Ls+", "Hs+",
    QT_TRANSLATE_NOOP("CorePresentation", "Ширина стали"),
    QT_TRANSLATE_NOOP("CorePresentation", "Высота стали"),
    QT_TRANSLATE_NOOP("CorePresentation", "Ширина окна"),
    true, true};

}  // namespace

const CorePresentation& presentationFor(int core) { return core > 0 ? kSteel : kRing; }

QString presentationText(std::string_view source) {
    return QCoreApplication::translate("CorePresentation", std::string(source).c_str());
}

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
