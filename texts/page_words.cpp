#include "page_words.hpp"

#include <array>

#include "wording.hpp"

namespace velmora::texts {

std::span<const PageWord> pageWords() {
    static constexpr std::array<PageWord, 53> kWords{{
        {"language", "Язык", "Language"},
        {"core", "Сердечник", "Core"},
        {"totals", "Итоги", "Totals"},
        {"calculate", "Рассчитать", "Calculate"},
        {"load", "Загрузить", "Open"},
        {"save", "Сохранить", "Save"},
        {"saveReport", "Сохранить в файле", "Save report"},
        {"help", "Справка", "Help"},
        {"about", "О программе", "About"},
        {"fill", "Диаграмма заполнения окна обмотками", "How the windings fill the core window"},
        {"comment", "Комментарий", "Comment"},
        {"primary", "Первичная обмотка", "Primary winding"},
        {"secondary", "Вторичная обмотка ", "Secondary winding "},
        {"bobbinWidth", "Ширина каркаса, мм", "Bobbin width, mm"},
        {"bobbinHeight", "Высота каркаса, мм", "Bobbin height, mm"},
        {"ringDHint", "Внешний диаметр кольца", "Outer diameter of the ring"},
        {"ringdHint", "Внутренний диаметр кольца", "Inner diameter of the ring"},
        {"ringHHint", "Высота кольца", "Height of the ring"},
        {"steelLsHint", "Ширина стали", "Width of the steel"},
        {"steelHsHint", "Высота стали", "Height of the steel"},
        {"steelLokHint", "Ширина окна", "Width of the window"},
        {"hole", "Полностью дырку от бублика нельзя занимать!",
         "The hole of the ring cannot be filled completely!"},
        {"noFit", "не помещается", "does not fit"},
        {"aboutText",
         "Velmora 3.8 — расчёт сетевых трансформаторов питания.\n"
         "Страница считает тем же расчётным ядром, что и программа.",
         "Velmora 3.8 — mains power transformer design.\n"
         "The page calculates with the same engine as the program."},
        {"ok", "OK", "OK"},
        // The rectifier helper, as the window's dialog says it.
        {"rectifier", "Выпрямитель...", "Rectifier..."},
        {"rectifierNone", "Нет выпрямителя", "No rectifier"},
        {"rectifierUdc", "Постоянное напряжение, В", "DC voltage, V"},
        {"rectifierIdc", "Ток нагрузки, А", "Load current, A"},
        {"rectifierC", "Ёмкость конденсатора, мкФ", "Capacitance, µF"},
        {"rectifierVd", "Прямое падение на диоде, В", "Diode forward drop, V"},
        {"rectifierRd", "Дифференциальное сопротивление диода, Ом", "Diode slope resistance, Ω"},
        {"rectifierDiodeTip",
         "По умолчанию 0,88 В и 0,0037 Ом: прямая через две точки прямой ветви диода GI750–GI758 "
         "(6 А) из листка производителя — 0,90 В при 6 А и 1,25 В при 100 А, 25 °C. Для своего "
         "диода или моста возьмите значения из его справочного листка.",
         "Defaults 0.88 V and 0.0037 Ω: a straight line through two points of the forward curve of "
         "the GI750–GI758 diode (6 A) from its maker's data sheet — 0.90 V at 6 A and 1.25 V at "
         "100 A, 25 °C. For your own diode or bridge take the values from its data sheet."},
        {"apply", "Применить", "Apply"},
        {"close", "Закрыть", "Close"},
        // The page as a kept application: loading, live results, sharing, updates.
        {"loading", "Загружается расчётное ядро…", "Loading the calculation engine…"},
        {"calculated", "Рассчитано", "Calculated"},
        {"stale", "Данные изменены — результаты ещё не пересчитаны.",
         "The inputs have changed; the results are not recalculated yet."},
        {"notCalculated", "Не рассчитано", "Not calculated"},
        {"addSecondary", "+ вторичная обмотка", "+ secondary winding"},
        {"reset", "Исходный расчёт", "Default design"},
        {"copyLink", "Копировать ссылку", "Copy link"},
        {"linkCopied", "Ссылка на этот расчёт скопирована.", "A link to this design has been copied."},
        {"linkShown", "Ссылка на этот расчёт:", "A link to this design:"},
        {"updateReady", "Доступна новая версия.", "A new version is available."},
        {"reload", "Обновить", "Reload"},
        {"fillShares", "Доли окна", "Shares of the window"},
        {"fillFree", "свободно", "free"},
        {"appDescription", "Расчёт сетевых трансформаторов питания",
         "Mains power transformer design"},
        // The heating's inputs in the steel group.
        {"insulationOption", "{class} ({limit} °C)", "{class} ({limit} °C)"},
        {"tambTip",
         "Температура воздуха вокруг трансформатора там, где он будет работать (в корпусе — "
         "внутри корпуса). По умолчанию 40 °C.",
         "The temperature of the air around the transformer where it will work (inside its case, "
         "if it has one). Default 40 °C."},
        {"insulationTip",
         "Класс нагревостойкости всей системы изоляции — провода, межслойной и межобмоточной "
         "изоляции, каркаса, пропитки, — а не одной эмали провода: предельная температура "
         "наиболее нагретой точки A 105, E 120, B 130, F 155, H 180 °C. По умолчанию B.",
         "The thermal class of the whole insulation system — wire, interlayer and interwinding "
         "insulation, bobbin, varnish — not of the wire's enamel alone: the limit of the hot spot "
         "A 105, E 120, B 130, F 155, H 180 °C. Default B."},
        {"impregnatedTip",
         "Пропитанная лаком намотка лучше проводит тепло поперек слоев: 0,5 Вт/(м·К) по "
         "измерениям пропитанного провода, у непропитанной взято 0,25 Вт/(м·К) — допущение "
         "(см. справку).",
         "A varnish-impregnated winding conducts heat across its layers better: 0.5 W/(m·K) as "
         "measured on impregnated wire; 0.25 W/(m·K) is taken for a dry one, an assumption (see "
         "the help)."},
    }};
    return kWords;
}

}  // namespace velmora::texts
