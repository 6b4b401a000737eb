#include "page_words.hpp"

#include <array>

#include "wording.hpp"

namespace velmora::texts {

std::span<const PageWord> pageWords() {
    static constexpr std::array<PageWord, 49> kWords{{
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
         "По умолчанию 0,7 В и 0,02 Ом — допущение (типичный кремниевый диод); возьмите значения "
         "из справочного листка диода.",
         "Defaults 0.7 V and 0.02 Ω are an assumption (a typical silicon diode); take the values "
         "from the diode's data sheet."},
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
    }};
    return kWords;
}

std::string_view coreSizeLabel(std::string_view name, int core, Lang lang) {
    if (core == 0)
        if (std::string_view ring = ringLabel(name, lang); !ring.empty()) return ring;
    const Field* f = findField(name);
    return f ? label(*f, lang) : std::string_view{};
}

}  // namespace velmora::texts
