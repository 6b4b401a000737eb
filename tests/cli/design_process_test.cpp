// velmora-cli --design as a script sees it: the rows ranked by the goal with the
// Pareto set marked, one chart point per row, the counts of the cores left out, a
// tighter limit that leaves fewer designs, and the exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <string>

#include "cli_run.hpp"
#include "numtext.hpp"

namespace fs = std::filesystem;

namespace {

using namespace velmora::clitest;

// Two rings, a ШЛ core and two E-I sizes, in Windows-1251 key = value.
const char kList[] =
    "name1\t= r1\r\ncore1\t= 0\r\nlst1\t= 64\r\nhst1\t= 40\r\nlok1\t= 32\r\n"
    "name2\t= r2\r\ncore2\t= 0\r\nlst2\t= 80\r\nhst2\t= 50\r\nlok2\t= 40\r\n"
    "name3\t= c3\r\ncore3\t= 2\r\nlst3\t= 25\r\nhst3\t= 32\r\nlok3\t= 25\r\nhok3\t= 40\r\n"
    "name4\t= e4\r\ncore4\t= 3\r\nlst4\t= 32\r\nhst4\t= 48\r\nlok4\t= 16\r\nhok4\t= 48\r\n"
    "name5\t= e5\r\ncore5\t= 3\r\nlst5\t= 16\r\nhst5\t= 16\r\nlok5\t= 8\r\nhok5\t= 24\r\n";

std::vector<double> numbers(const std::string& json, const std::string& key) {
    std::vector<double> out;
    const std::regex re("\"" + key + "\": ([-0-9.e+]+)");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), re); it != std::sregex_iterator(); ++it)
        out.push_back(velmora::textToDouble((*it)[1].str()));
    return out;
}

int count(const std::string& s, const std::string& part) {
    int n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1)) ++n;
    return n;
}

class CliDesign : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("velmora-design-" + std::to_string(rd()));
        fs::create_directories(dir);
        std::ofstream(dir / "cores.txt", std::ios::binary) << kList;
    }
    void TearDown() override { fs::remove_all(dir); }
    Outcome cli(const std::string& args) { return runCli(args, dir, ""); }
};

}  // namespace

TEST_F(CliDesign, RowsByTheGoalTheParetoSetAndOnePointEach) {
    struct Case {
        std::string goal, key;
    };
    for (const Case& c : {Case{"mass", "mass_total_kg"}, Case{"loss", "loss_w"}, Case{"hotspot", "hot_spot_c"}}) {
        const Outcome o = cli("--design --cores cores.txt --json --chart c.svg --goal " + c.goal);
        ASSERT_EQ(o.status, 0) << o.err;
        const std::vector<double> goal = numbers(o.out, c.key);
        const std::vector<double> rejected = numbers(o.out.substr(o.out.find("\"rejected\"")), "[a-z_]+");
        ASSERT_GE(goal.size(), 2u) << o.out;
        EXPECT_TRUE(std::is_sorted(goal.begin(), goal.end())) << c.goal;
        // Every core has a row or a reason.
        double left = 0;
        for (double r : rejected) left += r;
        EXPECT_EQ(goal.size() + left, 5u) << o.out;
        // The best by the goal is on the front; the chart has a point per row.
        EXPECT_NE(o.out.find("\"pareto\": true"), std::string::npos);
        std::ifstream svg(dir / "c.svg");
        std::stringstream text;
        text << svg.rdbuf();
        EXPECT_EQ(count(text.str(), "id=\"row-"), static_cast<int>(goal.size())) << c.goal;
    }
}

TEST_F(CliDesign, ATighterLimitLeavesNoMoreDesignsAndNoneExitsOne) {
    const Outcome loose = cli("--design --cores cores.txt --json");
    const Outcome tight = cli("--design --cores cores.txt --json --limit hot_spot_c=80 --limit regulation_pct=12");
    const Outcome none = cli("--design --cores cores.txt --json --limit hot_spot_c=41");
    ASSERT_EQ(loose.status, 0) << loose.err;
    EXPECT_LE(count(tight.out, "\"name\""), count(loose.out, "\"name\""));
    for (double h : numbers(tight.out, "hot_spot_c")) EXPECT_LE(h, 80);
    for (double r : numbers(tight.out, "regulation_pct")) EXPECT_LE(r, 12);
    EXPECT_EQ(none.status, 1) << none.out;
    EXPECT_EQ(count(none.out, "\"name\""), 0);
    EXPECT_EQ(cli("--design --cores missing.txt").status, 2);
    EXPECT_EQ(cli("--design --goal heat").status, 2);
}
