#include "options.hpp"

#include <gtest/gtest.h>

using velmora::cli::parseArguments;

TEST(CliOptions, ReadsEveryOptionInOrder) {
    auto p = parseArguments({"--data", "/d", "--set", "Bm=1,2", "--set", "U2_2=a=b", "--json",
                             "--diagram-width", "640", "--report", "r.txt", "--save", "s",
                             "design.sav"});
    ASSERT_TRUE(p.options) << p.what;
    const auto& o = *p.options;
    EXPECT_EQ(*o.data, "/d");
    ASSERT_EQ(o.sets.size(), 2u);
    EXPECT_EQ(o.sets[0], (std::pair<std::string, std::string>{"Bm", "1,2"}));
    EXPECT_EQ(o.sets[1].second, "a=b");  // split at the first '='
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.diagramWidth, 640);
    EXPECT_EQ(*o.report, "r.txt");
    EXPECT_EQ(*o.save, "s");
    EXPECT_EQ(*o.design, "design.sav");
}

TEST(CliOptions, DefaultsWithoutArguments) {
    auto p = parseArguments({});
    ASSERT_TRUE(p.options);
    EXPECT_EQ(p.options->diagramWidth, 900);
    EXPECT_FALSE(p.options->json);
    EXPECT_FALSE(p.options->design);
}

TEST(CliOptions, UsageErrors) {
    for (auto args : std::vector<std::vector<std::string>>{
             {"--set", "W1=5"},            // a result, not a design-file key
             {"--set", "bm=1"},            // keys are case-sensitive
             {"--set", "Bm"},              // no '='
             {"--diagram-width", "0"},
             {"--diagram-width", "100001"},
             {"--diagram-width", "12px"},
             {"--diagram-width"},
             {"--bogus"},
             {"a.sav", "b.sav"}}) {
        auto p = parseArguments(args);
        EXPECT_FALSE(p.options) << args[0];
        EXPECT_TRUE(p.error != velmora::texts::UsageError::none);
        EXPECT_FALSE(velmora::texts::usageError(p.error, p.what, velmora::texts::Lang::en).empty());
    }
    EXPECT_TRUE(parseArguments({"--diagram-width", "100000"}).options);
    EXPECT_TRUE(parseArguments({"--set", "core=9"}).options);  // kept: the run refuses it
}

TEST(CliOptions, TheDesignersGoalAndLimits) {
    using velmora::texts::UsageError;
    struct Case {
        std::vector<std::string> args;
        UsageError error;
    };
    for (const Case& c : {Case{{"--design", "--goal", "heat"}, UsageError::badGoal},
                          Case{{"--limit", "fill"}, UsageError::badLimit},
                          Case{{"--limit", "fil=0.9"}, UsageError::badLimit},
                          Case{{"--limit", "fill=0,9"}, UsageError::badLimit},
                          Case{{"--limit", "fill=-1"}, UsageError::badLimit},
                          Case{{"--limit", "rise_k=inf"}, UsageError::badLimit},
                          Case{{"--limit", "rise_k="}, UsageError::badLimit},
                          Case{{"--chart"}, UsageError::needsValue}}) {
        const auto p = parseArguments(c.args);
        EXPECT_FALSE(p.options) << c.args.back();
        EXPECT_EQ(p.error, c.error) << c.args.back();
        EXPECT_NE(velmora::texts::usageError(p.error, p.what, velmora::texts::Lang::ru).find(p.what),
                  std::string::npos);
    }
    const auto p = parseArguments({"--design", "--goal", "hotspot", "--limit", "fill=0.85", "--limit",
                                   "hot_spot_c=120", "--chart", "c.svg"});
    ASSERT_TRUE(p.options) << p.what;
    EXPECT_TRUE(p.options->designer);
    EXPECT_EQ(p.options->goal, "hotspot");
    EXPECT_EQ(*p.options->chart, "c.svg");
    ASSERT_EQ(p.options->limits.size(), 2u);
    EXPECT_EQ(p.options->limits[0], (std::pair<std::string, double>{"fill", 0.85}));
    EXPECT_EQ(p.options->limits[1], (std::pair<std::string, double>{"hot_spot_c", 120}));
}
