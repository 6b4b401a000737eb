// The waste-free E-I series: every row against the series' rule, and the designations.
#include <gtest/gtest.h>

#include <set>

#include "core_list.hpp"
#include "ei_series.hpp"
#include "numtext.hpp"

using namespace velmora;

TEST(EiSeries, EveryRowFollowsTheRule) {
    const std::vector<ListedCore> cores = eiSeries();
    ASSERT_EQ(cores.size(), kEiTongues.size() * kEiStacks.size());
    std::set<std::string> names;
    for (std::size_t t = 0; t < kEiTongues.size(); ++t)
        for (std::size_t s = 0; s < kEiStacks.size(); ++s) {
            const ListedCore& c = cores[t * kEiStacks.size() + s];
            const double a = kEiTongues[t];
            SCOPED_TRACE(c.name);
            EXPECT_EQ(c.core, 3);
            EXPECT_EQ(c.lst, a);                  // the tongue
            EXPECT_EQ(c.hst, kEiStacks[s] * a);   // the stack
            EXPECT_EQ(c.lok, a / 2);              // the window: a/2 wide ...
            EXPECT_EQ(c.hok, 1.5 * a);            // ... 1.5 a high
            // The outer legs and yokes a/2: the lamination 3a wide, E and I 2.5a high.
            const EiShape e = eiShape(a);
            EXPECT_EQ(e.width, c.lst + 2 * c.lok + 2 * (a / 2));
            EXPECT_EQ(e.height, c.hok + 2 * (a / 2));
            // Waste-free: the two windows of one E are the I (a/2 by 1.5a each, 3a end to end).
            EXPECT_EQ(2 * c.hok, e.width);
            EXPECT_EQ(c.note, "EI-" + shortest(3 * a));
            EXPECT_TRUE(names.insert(c.name).second);
        }
    EXPECT_EQ(cores.front().name, "Ш16х16");
    EXPECT_EQ(cores[1].name, "Ш16х24");
    EXPECT_EQ(cores.back().note, "EI-192");
}

TEST(EiSeries, TheListFileCarriesItBack) {
    // The series written as a list of cores reads back the same, so that a user can
    // keep any of it in his own list.
    std::vector<ListedCore> cores = eiSeries();
    const CoreList back = ParseCoreList(FormatCoreList(cores), "series");
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.cores, cores);
}
