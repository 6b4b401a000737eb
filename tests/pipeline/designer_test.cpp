// The designer over a few cores and three load sets: every design it returns, run
// again through the whole evaluation, gives its row's figures and meets every limit;
// the rows are ranked by the goal and the Pareto flags are those of a walk over every
// pair; every core has a design or a reason; a tighter limit never gives a better
// best design.
#include <gtest/gtest.h>

#include "designer.hpp"
#include "ei_series.hpp"
#include "rectifier_fields.hpp"
#include "steels.hpp"
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

// The default loads; two windings with a centre tap at 40 °C in class A; a bridge
// rectifier beside a plain winding.
std::vector<Record> loadSets() {
    Record plain;
    Record tapped;
    tapped.U2[0] = std::string("12");
    tapped.I2[0] = std::string("2");
    tapped.double2[0] = 1;
    tapped.U2[1] = std::string("6,3");
    tapped.I2[1] = std::string("1");
    tapped.Insulation = std::string("A");
    Record rect;
    RectifierInputs s;
    s.circuit = 1;
    s.Udc = 30;
    s.Idc = 1.5;
    s.C_uF = 4700;
    setRectifierInputs(rect, 0, s);
    return {plain, tapped, rect};
}

std::vector<ListedCore> cores() {
    std::vector<ListedCore> list{{"r", 0, 80, 50, 40, 0, {}}, {"c", 2, 25, 32, 25, 40, {}}};
    for (const ListedCore& c : eiSeries())
        if ((c.lst == 25 && c.hst == 25) || (c.lst == 32 && c.hst == 48) || (c.lst == 16 && c.hst == 16))
            list.push_back(c);
    return list;
}

// Limits from loose to tight, each within the one before.
std::vector<DesignRequest> ladder(DesignGoal goal) {
    DesignRequest loose;
    loose.goal = goal;
    DesignRequest some = loose;
    some.limits.regulation_pct = 15;
    some.limits.fill = 0.9;
    DesignRequest tight = some;
    tight.limits.hot_c = 90;
    tight.limits.noLoad_pct = 20;
    tight.limits.regulation_pct = 10;
    return {loose, some, tight};
}

bool dominates(const DesignFigures& a, const DesignFigures& b) {
    return a.mass_kg <= b.mass_kg && a.loss_w <= b.loss_w && (a.mass_kg < b.mass_kg || a.loss_w < b.loss_w);
}

}  // namespace

TEST(Designer, EveryDesignRunAgainMeetsItsLimitsAndItsRow) {
    const std::vector<ListedCore> list = cores();
    ASSERT_EQ(list.size(), 5u);
    int designs = 0;
    for (const Record& loads : loadSets())
        for (DesignGoal goal : {DesignGoal::mass, DesignGoal::loss, DesignGoal::hotSpot}) {
            const DesignRequest q = ladder(goal)[1];
            const DesignOutcome d = designCores(loads, list, wires(), grades(), q);
            ASSERT_EQ(d.status, AdviceStatus::ok);
            int rejected = 0;
            for (int n : d.rejected) rejected += n;
            EXPECT_EQ(static_cast<int>(d.rows.size()) + rejected, 5);
            EXPECT_LE(d.limits.hot_c, q.limits.hot_c);  // the class's limit filled in
            for (size_t i = 0; i < d.rows.size(); ++i) {
                const DesignedCore& row = d.rows[i];
                Record again = row.record;
                const SteelGrade& g = *FindSteelGrade(grades(), std::string(defaultSteelGrade(list[row.index].core)));
                const DesignFigures f = evaluatedFigures(again, wires(), g);
                EXPECT_TRUE(meetsLimits(f, d.limits)) << list[row.index].name;
                EXPECT_EQ(f.mass_kg, row.figures.mass_kg);
                EXPECT_EQ(f.loss_w, row.figures.loss_w);
                EXPECT_EQ(f.hot_c, row.figures.hot_c);
                if (i) {
                    EXPECT_LE(goalOf(d.rows[i - 1].figures, goal), goalOf(row.figures, goal));
                }
                bool front = true;
                for (const DesignedCore& other : d.rows) front = front && !dominates(other.figures, row.figures);
                EXPECT_EQ(row.pareto, front);
                ++designs;
            }
        }
    EXPECT_GT(designs, 20);
}

TEST(Designer, ATighterLimitNeverGivesABetterBestDesign) {
    const std::vector<ListedCore> list = cores();
    const std::vector<Record> sets = loadSets();
    // The loads without a rectifier: theirs is the search's own grid, exactly.
    for (size_t s = 0; s < 2; ++s)
        for (DesignGoal goal : {DesignGoal::mass, DesignGoal::loss, DesignGoal::hotSpot}) {
            double last = -kNoLimit;
            size_t rows = list.size();
            for (const DesignRequest& q : ladder(goal)) {
                const DesignOutcome d = designCores(sets[s], list, wires(), grades(), q);
                EXPECT_LE(d.rows.size(), rows);
                rows = d.rows.size();
                if (d.rows.empty()) {
                    last = kNoLimit;
                    continue;
                }
                EXPECT_GE(goalOf(d.rows[0].figures, goal), last) << "loads " << s;
                last = goalOf(d.rows[0].figures, goal);
            }
        }
}

TEST(Designer, AGradeMissingFromTheCatalogueStopsIt) {
    DesignRequest q;
    q.grade = "no such grade";
    const DesignOutcome d = designCores(Record{}, cores(), wires(), grades(), q);
    EXPECT_EQ(d.status, AdviceStatus::noGrade);
    EXPECT_EQ(d.grade, "no such grade");
    EXPECT_TRUE(d.rows.empty());
}
