#include "core_presentation.hpp"

#include <QCoreApplication>

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

const CorePresentation& presentationFor(int core) {
    const CoreShape* s = shapeOf(core);
    return s && !s->ring ? kSteel : kRing;
}

QString presentationText(std::string_view source) {
    return QCoreApplication::translate("CorePresentation", std::string(source).c_str());
}

}  // namespace velmora::ui
