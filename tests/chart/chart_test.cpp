// The trade-off chart: the Pareto set against a walk over every pair, ticks at nice
// numbers, and the SVG itself (ids, the chosen ring, escaped words, no style sheet,
// balanced elements).
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>
#include <set>

#include "axis.hpp"
#include "pareto.hpp"
#include "trade_off_svg.hpp"

using namespace velmora::chart;

namespace {

// O(n²): on the set when no other point has neither more of both and less of one.
std::vector<bool> bruteSet(const std::vector<MassLoss>& p) {
    std::vector<bool> on(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (std::isnan(p[i].mass_kg) || std::isnan(p[i].loss_w)) continue;
        bool dominated = false;
        for (std::size_t k = 0; k < p.size() && !dominated; ++k)
            dominated = k != i && p[k].mass_kg <= p[i].mass_kg && p[k].loss_w <= p[i].loss_w &&
                        (p[k].mass_kg < p[i].mass_kg || p[k].loss_w < p[i].loss_w);
        on[i] = !dominated;
    }
    return on;
}

const ChartWords kWords{"Mass <&> loss", "Total mass, kg", "Total loss, W", "Hot spot, °C",
                        "Pareto front", "Chosen"};

std::vector<ChartPoint> somePoints() {
    std::vector<ChartPoint> pts;
    for (int r = 0; r < 12; ++r)
        pts.push_back({r + 3, 0.4 + 0.1 * r, 30.0 - 2.0 * r + (r % 3), 60.0 + 5 * r, false});
    std::vector<MassLoss> ml;
    for (const ChartPoint& p : pts) ml.push_back({p.mass_kg, p.loss_w});
    const std::vector<bool> on = paretoSet(ml);
    for (std::size_t k = 0; k < pts.size(); ++k) pts[k].pareto = on[k];
    return pts;
}

}  // namespace

TEST(Pareto, MatchesAWalkOverEveryPair) {
    struct Case {
        int n, range;
        unsigned seed;
        bool nans;
    };
    // Small ranges force equal masses, equal losses and equal points.
    for (const Case& c : {Case{0, 5, 1, false}, Case{1, 5, 2, false}, Case{30, 3, 3, false},
                          Case{200, 10, 4, true}, Case{500, 1000, 5, false}, Case{60, 2, 6, true}}) {
        std::mt19937 rng(c.seed);
        std::uniform_int_distribution<int> v(0, c.range);
        std::vector<MassLoss> p;
        for (int i = 0; i < c.n; ++i) {
            p.push_back({v(rng) * 0.5, v(rng) * 0.25});
            if (c.nans && i % 17 == 3) p.back().loss_w = NAN;
        }
        EXPECT_EQ(paretoSet(p), bruteSet(p)) << "seed " << c.seed;
    }
}

TEST(Pareto, EqualPointsAreAllOnTheSet) {
    const std::vector<MassLoss> p{{1, 5}, {1, 5}, {2, 5}, {1, 6}, {0.5, 9}};
    EXPECT_EQ(paretoSet(p), (std::vector<bool>{true, true, false, false, true}));
}

TEST(Axis, TicksAtNiceNumbersCoverTheRange) {
    struct Case {
        double lo, hi;
        int target;
        double step, first, last;
        int decimals;
    };
    for (const Case& c : {Case{0.3, 4.7, 5, 1, 0, 5, 0}, Case{12, 97, 5, 20, 0, 100, 0},
                          Case{0.0123, 0.0456, 5, 0.01, 0.01, 0.05, 2}, Case{-3, 7, 5, 2, -4, 8, 0},
                          Case{5, 5, 5, 0.2, 4.4, 5.6, 1}, Case{0, 0, 4, 0.5, -1, 1, 1},
                          Case{61.2, 118.9, 5, 20, 60, 120, 0}, Case{NAN, 3, 5, 0.2, 0, 1, 1}}) {
        SCOPED_TRACE(testing::Message() << c.lo << ".." << c.hi);
        const Ticks t = niceTicks(c.lo, c.hi, c.target);
        EXPECT_DOUBLE_EQ(t.step, c.step);
        EXPECT_NEAR(t.lo, c.first, 1e-12);
        EXPECT_NEAR(t.hi, c.last, 1e-12);
        EXPECT_EQ(t.decimals, c.decimals);
        EXPECT_NEAR(t.values.size(), (t.hi - t.lo) / t.step + 1, 1e-9);
    }
    EXPECT_EQ(tickText(-0.0, 1), "0.0");
    EXPECT_EQ(tickText(-0.04, 1), "0.0");
    EXPECT_EQ(tickText(2.5, 1), "2.5");
    EXPECT_EQ(tickText(-1.5, 1), "-1.5");
}

TEST(TradeOffSvg, EveryPointCarriesItsRowAndTheChosenIsRinged) {
    std::vector<ChartPoint> pts = somePoints();
    pts.push_back({99, NAN, 1, 1, false});  // left out
    const std::string svg = tradeOffSvg(pts, 7, kWords);

    const std::regex circle("<circle id=\"row-([0-9]+)\" cx=\"([-0-9.]+)\" cy=\"([-0-9.]+)\" r=\"([0-9.]+)\"");
    std::set<int> rows;
    int ringed = 0;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), circle); it != std::sregex_iterator(); ++it) {
        const int row = std::stoi((*it)[1]);
        EXPECT_TRUE(rows.insert(row).second) << "row " << row << " twice";
        if ((*it)[4] == "6.5") {
            ++ringed;
            EXPECT_EQ(row, 7);
        }
    }
    EXPECT_EQ(rows, (std::set<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(ringed, 1);
    EXPECT_NE(svg.find("<polyline id=\"front\""), std::string::npos);
}

TEST(TradeOffSvg, StaysWithinSvgTiny) {
    const std::string svg = tradeOffSvg(somePoints(), kNoRow, kWords, {800, 500});
    EXPECT_NE(svg.find("baseProfile=\"tiny\""), std::string::npos);
    EXPECT_NE(svg.find("version=\"1.2\""), std::string::npos);
    for (const char* banned : {"<style", "style=", "class=", "filter", "<script", "opacity=\"0"})
        EXPECT_EQ(svg.find(banned), std::string::npos) << banned;
    // The words escaped, as text and title.
    EXPECT_NE(svg.find("Mass &lt;&amp;&gt; loss"), std::string::npos);
    EXPECT_EQ(svg.find("<&>"), std::string::npos);
    // Elements balanced: every open tag closed in order.
    std::vector<std::string> open;
    const std::regex tag("<(/?)([a-z]+)[^>]*?(/?)>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), tag); it != std::sregex_iterator(); ++it) {
        if ((*it)[3] == "/") continue;
        if ((*it)[1] == "/") {
            ASSERT_FALSE(open.empty());
            EXPECT_EQ(open.back(), (*it)[2]);
            open.pop_back();
        } else {
            open.push_back((*it)[2]);
        }
    }
    EXPECT_TRUE(open.empty());
}

TEST(TradeOffSvg, NoPointGivesTheEmptyAxes) {
    const std::string svg = tradeOffSvg({}, kNoRow, kWords);
    EXPECT_EQ(svg.find("row-"), std::string::npos);
    EXPECT_NE(svg.find("Total mass, kg"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST(TradeOffSvg, IdsAndColours) {
    struct Case {
        const char* id;
        int row;
    };
    for (const Case& c : {Case{"row-0", 0}, Case{"row-12", 12}, Case{"row-", kNoRow}, Case{"row-1x", kNoRow},
                          Case{"front", kNoRow}, Case{"row--3", kNoRow}, Case{"row-99999999999", kNoRow}})
        EXPECT_EQ(rowOfId(c.id), c.row) << c.id;
    EXPECT_EQ(pointId(12), "row-12");
    EXPECT_EQ(heatColour(0), "#2c7bb6");
    EXPECT_EQ(heatColour(0.5), "#ffffbf");
    EXPECT_EQ(heatColour(1), "#d7191c");
    EXPECT_EQ(heatColour(7), "#d7191c");
    EXPECT_EQ(heatColour(NAN), "#2c7bb6");
}
