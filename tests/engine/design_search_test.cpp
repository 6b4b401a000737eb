// The exact grid search: on three load sets and five cores, with the calculation and
// the steel model as the evaluator, the search's best point is the best of a walk
// over every point of the same grid; the floors of a row from a j on and a foreseen
// overfill of the primary hold wherever they are given; a tighter limit never gives a
// better goal; the wire choices of a run stand exactly where they say; and the window
// fill is not monotone in j, which is why the search does not prune on it.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

#include "design_evaluator.hpp"
#include "design_search.hpp"
#include "ei_series.hpp"
#include "numtext.hpp"
#include "rectifier_fields.hpp"
#include "steels.hpp"
#include "wire_choice.hpp"
#include "wires.hpp"

using namespace velmora;

namespace {

const WireTable& wires() {
    static const WireTable w = LoadWireSizes(VELMORA_DATA_DIR, "ПЭТ-155").table;
    return w;
}

const std::vector<SteelGrade>& grades() {
    static const std::vector<SteelGrade> g = LoadSteels(VELMORA_DATA_DIR).grades;
    return g;
}

const SteelGrade& gradeFor(int core) {
    return *FindSteelGrade(grades(), std::string(defaultSteelGrade(core)));
}

void secondary(Record& r, int i, const char* U, const char* I, bool centre = false) {
    r.U2[i] = std::string(U);  // moved in: GCC 12 at -O3 sees a false overlap in = const char*
    r.I2[i] = std::string(I);
    r.double2[i] = centre ? 1 : 0;
}

// Three load sets: one winding; three with a centre tap; a bridge rectifier beside a
// plain winding (its inputs solved once per core).
std::vector<Record> loadSets() {
    std::vector<Record> sets;
    Record one;
    for (int i = 0; i < kSecondaries; ++i) secondary(one, i, "0", "0");
    secondary(one, 0, "24", "2");
    sets.push_back(one);

    Record three = one;
    secondary(three, 0, "12", "1,5", true);
    secondary(three, 1, "6,3", "3");
    secondary(three, 2, "30", "0,5");
    sets.push_back(three);

    Record rect = one;
    secondary(rect, 1, "9", "1");
    RectifierInputs s;
    s.circuit = 1;
    s.Udc = 30;
    s.Idc = 1.5;
    s.C_uF = 4700;
    setRectifierInputs(rect, 0, s);
    sets.push_back(rect);
    return sets;
}

ListedCore eiCore(double a, double stack) {
    for (const ListedCore& c : eiSeries())
        if (c.lst == a && c.hst == stack * a) return c;
    ADD_FAILURE() << "no E-I size " << a;
    return {};
}

std::vector<ListedCore> cores() {
    return {eiCore(20, 1.5), eiCore(25, 1.0), eiCore(32, 2.0),
            {"ОЛ50/80-40", 0, 80, 50, 40, 0, {}},
            {"ШЛ25х32", 2, 25, 32, 25, 40, {}}};
}

// The designer's grid of the core's default grade, j over 2 ... 4 A/mm2.
DesignGrid gridOf(int core) { return gridFor(core, gradeFor(core), 0.6, 2, 4); }

RunEvaluator evaluatorFor(const Record& r, const ListedCore& c) {
    return RunEvaluator(r, c, wires(), gradeFor(c.core), 1.0, 3.0);
}

// Every point of the grid, evaluated on its own, in walking order.
struct Walked {
    double Bm, j;
    DesignFigures f;
};
std::vector<Walked> walkAll(const Record& r, const ListedCore& c) {
    RunEvaluator ev = evaluatorFor(r, c);
    const DesignGrid g = gridOf(c.core);
    std::vector<Walked> out;
    for (int i = bmIndexFrom(g.BmMin); i <= bmIndexTo(g.BmMax); ++i)
        for (int m = jIndexFrom(g.jMin); m <= jIndexTo(g.jMax); ++m)
            out.push_back({bmAt(i), jAt(m), ev.evaluate(bmAt(i), jAt(m))});
    return out;
}

// The best of the walk: least goal, the first of equals.
const Walked* bruteBest(const std::vector<Walked>& all, const DesignLimits& l, DesignGoal goal) {
    const Walked* best = nullptr;
    for (const Walked& w : all)
        if (meetsLimits(w.f, l) && (!best || goalOf(w.f, goal) < goalOf(best->f, goal))) best = &w;
    return best;
}

// Limits from loose to tight, each within the one before.
std::vector<DesignLimits> limitLadder() {
    DesignLimits none;
    DesignLimits some;
    some.hot_c = classLimit(InsulationClass::B);
    some.rise_k = 60;
    some.fill = 0.9;
    DesignLimits most = some;
    most.hot_c = classLimit(InsulationClass::A);
    most.rise_k = 40;
    most.regulation_pct = 15;
    most.noLoad_pct = 30;
    most.fill = 0.8;
    // A hot spot near the ambient: the copper's floor ends rows early.
    DesignLimits hot = most;
    hot.hot_c = 75;
    return {none, some, most, hot};
}

constexpr DesignGoal kGoals[] = {DesignGoal::mass, DesignGoal::loss, DesignGoal::hotSpot};

struct Walks {
    std::map<std::pair<int, int>, std::vector<Walked>> byCase;  // (load set, core)
};
const Walks& walks() {
    static const Walks w = [] {
        Walks out;
        const auto sets = loadSets();
        const auto list = cores();
        for (int s = 0; s < static_cast<int>(sets.size()); ++s)
            for (int c = 0; c < static_cast<int>(list.size()); ++c)
                out.byCase[{s, c}] = walkAll(sets[s], list[c]);
        return out;
    }();
    return w;
}

// The search of every case: (load set, core, rung of the limit ladder, goal).
using SearchKey = std::tuple<int, int, int, int>;
const std::map<SearchKey, DesignSearch>& searches() {
    static const std::map<SearchKey, DesignSearch> all = [] {
        std::map<SearchKey, DesignSearch> out;
        const auto sets = loadSets();
        const auto list = cores();
        const auto ladder = limitLadder();
        for (int s = 0; s < static_cast<int>(sets.size()); ++s)
            for (int c = 0; c < static_cast<int>(list.size()); ++c)
                for (int l = 0; l < static_cast<int>(ladder.size()); ++l)
                    for (DesignGoal goal : kGoals) {
                        RunEvaluator ev = evaluatorFor(sets[s], list[c]);
                        out[{s, c, l, static_cast<int>(goal)}] =
                            searchDesign(gridOf(list[c].core), ladder[l], goal, ev);
                    }
        return out;
    }();
    return all;
}

}  // namespace

TEST(DesignSearch, FindsTheBestPointOfTheWholeGrid) {
    const auto sets = loadSets();
    const auto list = cores();
    int found = 0, runs = 0, points = 0;
    for (int s = 0; s < static_cast<int>(sets.size()); ++s)
        for (int c = 0; c < static_cast<int>(list.size()); ++c) {
            const std::vector<Walked>& all = walks().byCase.at({s, c});
            const auto ladder = limitLadder();
            for (int rung = 0; rung < static_cast<int>(ladder.size()); ++rung)
                for (DesignGoal goal : kGoals) {
                    const DesignLimits& l = ladder[rung];
                    SCOPED_TRACE(testing::Message() << "loads " << s << " core " << list[c].name
                                                    << " goal " << static_cast<int>(goal)
                                                    << " rung " << rung);
                    const DesignSearch& d = searches().at({s, c, rung, static_cast<int>(goal)});
                    const Walked* b = bruteBest(all, l, goal);
                    ASSERT_EQ(d.found, b != nullptr);
                    EXPECT_EQ(d.points, static_cast<int>(all.size()));
                    EXPECT_EQ(d.runs + d.reused + d.pruned, d.points);
                    runs += d.runs;
                    points += d.points;
                    if (!b) continue;
                    ++found;
                    EXPECT_EQ(d.Bm, b->Bm);
                    EXPECT_EQ(d.j, b->j);
                    EXPECT_EQ(goalOf(d.best, goal), goalOf(b->f, goal));
                }
        }
    // Most cases have a design, and the search ran on a fraction of the points.
    EXPECT_GT(found, 50);
    EXPECT_LT(runs, points / 2);
    std::printf("search: %d runs for %d grid points\n", runs, points);
}

TEST(DesignSearch, TheFloorsFromAJHoldForEveryRunAtItOrAbove) {
    // Along each row, before each point: the floors of the rest of the row lie below
    // the figures of the point (and of every point after it, the floors rising with j).
    // Each load set has a point where the copper's floors take more than half the
    // copper's loss and mass: a floor so loose that a bug would go unseen is no test.
    const auto sets = loadSets();
    const auto list = cores();
    int checked = 0;
    for (int s = 0; s < static_cast<int>(sets.size()); ++s) {
        double tightest = 0, tightestMass = 0;  // of the copper's floors over its loss, its mass
        for (const ListedCore& c : list) {
            RunEvaluator ev = evaluatorFor(sets[s], c);
            const DesignGrid g = gridOf(c.core);
            for (int i = bmIndexFrom(g.BmMin); i <= bmIndexTo(g.BmMax); ++i) {
                double lastLoss = -kNoLimit;
                for (int m = jIndexFrom(g.jMin); m <= jIndexTo(g.jMax); ++m) {
                    const bool first = m == jIndexFrom(g.jMin);
                    const DesignFloors from = first ? DesignFloors{} : ev.floorsFrom(jAt(m));
                    const double massBelow = first ? 0 : ev.massFloorBelow(jAt(m));
                    const DesignFigures f = ev.evaluate(bmAt(i), jAt(m));
                    if (first) continue;
                    EXPECT_GE(from.loss_w, lastLoss);  // the floors rise with j
                    lastLoss = from.loss_w;
                    if (!f.ran || !f.feasible) continue;
                    ++checked;
                    SCOPED_TRACE(testing::Message() << "loads " << s << " core " << c.name << " Bm "
                                                    << bmAt(i) << " j " << jAt(m));
                    EXPECT_LE(from.loss_w, f.loss_w);
                    EXPECT_LE(from.hot_c, f.hot_c);
                    EXPECT_LE(from.rise_k, f.rise_k);
                    EXPECT_LE(massBelow, f.mass_kg);  // holds at j and below
                    tightest = std::fmax(tightest, (from.loss_w - f.core_w) / f.copper_w);
                    tightestMass = std::fmax(tightestMass, (massBelow - f.steel_kg) / f.copper_kg);
                }
            }
        }
        EXPECT_GT(tightest, 0.5) << "loads " << s;
        EXPECT_GT(tightestMass, 0.5) << "loads " << s;
        std::printf("loads %d: the copper's floors take up to %.3f of its loss, %.3f of its mass\n", s,
                    tightest, tightestMass);
    }
    EXPECT_GT(checked, 5000);
}

TEST(DesignSearch, APrimaryThatDidNotFitDoesNotFitAtALowerJ) {
    // Along each row, j falling: wherever the evaluator says a run overfills as surely
    // as the last, a run of its own overfills.
    int claimed = 0;
    const auto sets = loadSets();
    for (const Record& loads : sets)
        for (const ListedCore& c : cores()) {
            RunEvaluator ev = evaluatorFor(loads, c);
            const DesignGrid g = gridOf(c.core);
            for (int i = bmIndexFrom(g.BmMin); i <= bmIndexTo(g.BmMax); ++i)
                for (int m = jIndexTo(g.jMax), first = m; m >= jIndexFrom(g.jMin); --m) {
                    const bool sure = m != first && ev.overfillsAt(jAt(m));
                    const DesignFigures f = ev.evaluate(bmAt(i), jAt(m));
                    if (!sure) continue;
                    ++claimed;
                    EXPECT_TRUE(f.overfilled) << c.name << " Bm " << bmAt(i) << " j " << jAt(m);
                }
        }
    EXPECT_GT(claimed, 100);
    std::printf("overfills foreseen: %d\n", claimed);
}

TEST(DesignSearch, ATighterLimitNeverGivesABetterGoal) {
    const int sets = static_cast<int>(loadSets().size()), list = static_cast<int>(cores().size());
    const int rungs = static_cast<int>(limitLadder().size());
    for (int s = 0; s < sets; ++s)
        for (int c = 0; c < list; ++c)
            for (DesignGoal goal : kGoals) {
                double last = -kNoLimit;
                bool any = true;
                for (int rung = 0; rung < rungs; ++rung) {
                    const DesignSearch& d = searches().at({s, c, rung, static_cast<int>(goal)});
                    if (!any) {
                        EXPECT_FALSE(d.found);
                    }
                    any = d.found;
                    if (!d.found) continue;
                    EXPECT_GE(goalOf(d.best, goal), last) << "loads " << s << " core " << c;
                    last = goalOf(d.best, goal);
                }
            }
}

TEST(DesignSearch, ARunsWireChoicesStandExactlyWhereTheySay) {
    // Wherever the search took a point's figures from another run, a run of its own
    // gives the very same figures.
    const auto sets = loadSets();
    const auto list = cores();
    int reused = 0;
    for (int s = 0; s < static_cast<int>(sets.size()); ++s)
        for (int c = 0; c < static_cast<int>(list.size()); ++c) {
            const std::vector<Walked>& all = walks().byCase.at({s, c});
            RunEvaluator ev = evaluatorFor(sets[s], list[c]);
            const Walked* from = nullptr;
            for (const Walked& w : all) {
                if (from && from->Bm == w.Bm && ev.sameAt(w.j)) {
                    ++reused;
                    EXPECT_EQ(w.f.mass_kg, from->f.mass_kg);
                    EXPECT_EQ(w.f.loss_w, from->f.loss_w);
                    EXPECT_EQ(w.f.fill, from->f.fill);
                    EXPECT_EQ(w.f.ran, from->f.ran);
                    continue;
                }
                ev.evaluate(w.Bm, w.j);
                from = &w;
            }
        }
    EXPECT_GT(reused, 1000);
}

TEST(DesignSearch, TheFillIsNotMonotoneInJ) {
    // A lower j at the same Bm that takes less of the window than a higher one: the
    // strands of the standard sizes come in steps and a thicker primary takes turns off
    // the secondaries, so a fill limit broken at j does not rule out the lower j.
    int found = 0;
    for (const auto& [key, all] : walks().byCase)
        for (std::size_t a = 0; a < all.size(); ++a)
            for (std::size_t b = a + 1; b < all.size() && all[b].Bm == all[a].Bm; ++b)
                if (all[a].f.ran && all[b].f.ran && all[a].f.fill < all[b].f.fill) ++found;
    EXPECT_GT(found, 0);
    std::printf("a lower j that fills less: %d pairs\n", found);
}

TEST(DesignSearch, GridIndicesTakeTheEndsOnTheGrid) {
    struct Case {
        double v;
        int from, to;
    };
    for (const Case& c : {Case{0.5, 50, 50}, Case{1.2, 120, 120}, Case{1.205, 121, 120},
                          Case{0.999999999, 100, 100}})
    {
        EXPECT_EQ(bmIndexFrom(c.v), c.from) << c.v;
        EXPECT_EQ(bmIndexTo(c.v), c.to) << c.v;
    }
    EXPECT_EQ(jIndexFrom(1.5), 30);
    EXPECT_EQ(jIndexTo(4.52), 90);
    EXPECT_EQ(shortest(jAt(47)), "2.35");
    EXPECT_EQ(shortest(bmAt(117)), "1.17");
}
