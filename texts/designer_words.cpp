#include "designer_words.hpp"

#include <array>

namespace velmora::texts {
namespace {

struct Wording {
    DesignerText id;
    std::string_view ru, en;
};

using enum DesignerText;

constexpr Wording kWords[] = {
    {goalMass, "наименьшая масса", "least mass"},
    {goalLoss, "наименьшие потери", "least loss"},
    {goalHotSpot, "наименьшая температура", "coolest hot spot"},
    {missRefused, "расчет невозможен", "cannot be calculated"},
    {missOverfill, "окно переполнено", "window overfilled"},
    {missInfeasible, "не работает", "cannot work"},
    {missHotSpot, "горячая точка выше предела", "hot spot above the limit"},
    {missRise, "перегрев выше предела", "rise above the limit"},
    {missRegulation, "падение напряжения выше предела", "regulation above the limit"},
    {missNoLoad, "ток холостого хода выше предела", "no-load current above the limit"},
    {missFill, "заполнение окна выше предела", "window fill above the limit"},
    {colCore, "Сердечник", "Core"},
    {colKind, "Вид", "Kind"},
    {colBm, "Bm, Тл", "Bm, T"},
    {colJ, "j, А/мм2", "j, A/mm2"},
    {colMass, "Масса, кг", "Mass, kg"},
    {colSteel, "Сталь, кг", "Steel, kg"},
    {colCopper, "Медь, кг", "Copper, kg"},
    {colLoss, "Потери, Вт", "Loss, W"},
    {colCoreLoss, "В стали, Вт", "Core, W"},
    {colCopperLoss, "В меди, Вт", "Copper, W"},
    {colEfficiency, "КПД, %", "Eff., %"},
    {colHotSpot, "Гор. точка, °C", "Hot spot, °C"},
    {colRegulation, "Падение, %", "Regulation, %"},
    {colNoLoad, "Ток х.х., %", "No-load, %"},
    {colFill, "Заполнение", "Fill"},
    {colPareto, "Парето", "Pareto"},
    {chartTitle, "Масса и потери лучших проектов", "Mass and loss of the best designs"},
    {chartMass, "Полная масса, кг", "Total mass, kg"},
    {chartLoss, "Полные потери, Вт", "Total loss, W"},
    {chartHot, "Горячая точка, °C", "Hot spot, °C"},
    {chartFront, "Фронт Парето", "Pareto front"},
    {chartChosen, "Выбранный проект", "Chosen design"},
    {dialogTitle, "Спроектировать", "Design"},
    {menuItem, "Спрое&ктировать...", "&Design..."},
    {goal, "Цель:", "Goal:"},
    {hotLimit, "Горячая точка не выше, °C:", "Hot spot at most, °C:"},
    {riseLimit, "Перегрев не выше, К:", "Rise at most, K:"},
    {regulationLimit, "Падение напряжения не выше, %:", "Regulation at most, %:"},
    {noLoadLimit, "Ток холостого хода не выше, % от тока нагрузки:", "No-load current at most, % of full load:"},
    {fillLimit, "Заполнение окна не выше:", "Window fill at most:"},
    {withinClass, "Горячая точка в пределах класса изоляции", "Hot spot within the insulation class"},
    {jRange, "Плотность тока от и до, А/мм2:", "Current density from and to, A/mm2:"},
    {seriesToo, "И безотходные Ш-пластины", "And the waste-free E-I laminations"},
    {run, "Подобрать", "Search"},
    {apply, "Применить", "Apply"},
    {found, "Проектов: ", "Designs: "},
    {noneFound, "Ни один сердечник не дает проекта в этих пределах.",
     "No core gives a design within these limits."},
    {rejected, "Без проекта: ", "Without a design: "},
    {method,
     "Для каждого сердечника перебирается сетка: Bm с шагом 0,01 Тл до меньшего из предела вида и колена "
     "стали, j с шагом 0,05 А/мм2. Точка пропускается, только если доказано, что она не лучше: тот же "
     "выбор проводов дает тот же расчет, а масса стали, потери в стали и нагрев от них одних - нижние "
     "границы для всей строки Bm. По заполнению окна, падению напряжения и току холостого хода не "
     "отсекается ничего. Лучшая точка каждого сердечника рассчитывается заново целиком.",
     "For each core the grid is walked: Bm in 0.01 T steps up to the lower of the kind's limit and the "
     "steel's knee, j in 0.05 A/mm2 steps. A point is skipped only where it is proven not to be better: "
     "the same wire choices give the same calculation, and the steel mass, the core loss and the heating "
     "by it alone are floors for the whole row of one Bm. Nothing is cut by the window fill, the "
     "regulation or the no-load current. Each core's best point is calculated again in full."},
    {usage,
     "               velmora-cli --design [--cores FILE] [--goal mass|loss|hotspot] [--limit KEY=VALUE]...\n"
     "                           [--chart FILE.svg] [--json] [--set ...] [DESIGN]\n"
     "  --design             подобрать сердечник, Bm и j по нагрузкам и пределам\n"
     "  --goal               цель: масса (mass), потери (loss), горячая точка (hotspot)\n"
     "  --limit KEY=VALUE    предел: hot_spot_c, rise_k, regulation_pct, no_load_pct, fill,\n"
     "                       j_min, j_max; горячая точка по умолчанию - предел класса изоляции\n"
     "  --chart FILE.svg     записать диаграмму масса-потери\n"
     "С --design: 0 - найден хотя бы один проект, 1 - ни одного, 2 - ошибка.\n",
     "       velmora-cli --design [--cores FILE] [--goal mass|loss|hotspot] [--limit KEY=VALUE]...\n"
     "                   [--chart FILE.svg] [--json] [--set ...] [DESIGN]\n"
     "  --design             choose the core, Bm and j from the loads and the limits\n"
     "  --goal               the goal: mass, loss or hotspot\n"
     "  --limit KEY=VALUE    a limit: hot_spot_c, rise_k, regulation_pct, no_load_pct, fill,\n"
     "                       j_min, j_max; the hot spot's default is the insulation class's limit\n"
     "  --chart FILE.svg     write the mass-against-loss chart\n"
     "With --design: 0 at least one design found, 1 none, 2 a problem.\n"},
    {badGoal, "--goal ждет mass, loss или hotspot, а не", "--goal takes mass, loss or hotspot, not"},
    {badLimit, "--limit ждет KEY=VALUE с ключом предела и числом, а не",
     "--limit takes KEY=VALUE with a limit's key and a number, not"},
    {undoText, "Спроектировать", "Design"},
    {chartNotWritten, "не удалось записать диаграмму", "cannot write the chart"},
    {noGrade, "в каталоге сталей нет марки", "the steel catalogue has no grade"},
};
static_assert(std::size(kWords) == static_cast<size_t>(count_));

constexpr bool inOrder() {
    for (size_t i = 0; i < std::size(kWords); ++i)
        if (static_cast<size_t>(kWords[i].id) != i) return false;
    return true;
}
static_assert(inOrder(), "one row per id, in the order of the ids");

}  // namespace

std::string_view designerText(DesignerText id, Lang lang) {
    const Wording& w = kWords[static_cast<size_t>(id)];
    return lang == Lang::ru ? w.ru : w.en;
}

std::string_view goalName(DesignGoal g, Lang lang) {
    return designerText(static_cast<DesignerText>(static_cast<int>(goalMass) + static_cast<int>(g)), lang);
}

std::string_view missName(DesignMiss m, Lang lang) {
    return designerText(static_cast<DesignerText>(static_cast<int>(missRefused) + static_cast<int>(m)), lang);
}

}  // namespace velmora::texts
