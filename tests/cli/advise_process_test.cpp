// velmora-cli --advise as a script sees it: a JSON row equals the run of that core
// on its own, a load no core carries, the list's problems, --top, and the user's own
// list made from the example on first use.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <string>

#include "numtext.hpp"
#include "cli_run.hpp"

namespace fs = std::filesystem;

namespace {

using namespace velmora::clitest;

// The number after "key": in a JSON text, the first one at or after `from`; quoted or not.
double field(const std::string& json, const std::string& key, size_t from = 0) {
    const std::regex re("\"" + key + "\": \"?([-0-9.e+]+)");
    std::smatch m;
    const std::string tail = json.substr(from);
    if (!std::regex_search(tail, m, re)) return -1;
    return velmora::textToDouble(m[1].str());
}

// Two rings by their designations, the default design's core (its winding's hot spot
// above class B, as the window shows it) and a taller one of the same kind, in
// Windows-1251.
const char kList[] =
    "name1\t= \xCE\xCB" "40/64-32\r\ncore1\t= 0\r\nlst1\t= 64\r\nhst1\t= 40\r\nlok1\t= 32\r\n"
    "name2\t= \xCE\xCB" "50/80-40\r\ncore2\t= 0\r\nlst2\t= 80\r\nhst2\t= 50\r\nlok2\t= 40\r\n"
    "name3\t= default\r\ncore3\t= 2\r\nlst3\t= 25\r\nhst3\t= 32\r\nlok3\t= 25\r\nhok3\t= 40\r\n"
    "name4\t= tall\r\ncore4\t= 2\r\nlst4\t= 25\r\nhst4\t= 50\r\nlok4\t= 25\r\nhok4\t= 50\r\n";

class CliAdvise : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("velmora-advise-" + std::to_string(rd()));
        fs::create_directories(dir);
        std::ofstream(dir / "cores.txt", std::ios::binary) << kList;
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome cli(const std::string& args, const std::string& env = "") { return runCli(args, dir, env); }
};

bool has(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

}  // namespace

TEST_F(CliAdvise, AJsonRowEqualsTheRunOfThatCoreOnItsOwn) {
    const Outcome a = cli("--advise --cores cores.txt --json");
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_TRUE(has(a.out, "\"counts\": {\"fit\": 2, \"overfill\": 1, \"refused\": 0, \"too_hot\": 1, \"margin\": 0}"))
        << a.out;
    const size_t row = a.out.find("\"name\": \"ОЛ50/80-40\"");
    ASSERT_NE(row, std::string::npos) << a.out;
    EXPECT_LT(row, a.out.find("\"name\": \"tall\""));  // the lighter one first
    EXPECT_FALSE(has(a.out, "\"name\": \"default\""));   // too hot for class B
    EXPECT_EQ(field(a.out, "core", row), 0);
    EXPECT_EQ(field(a.out, "lst", row), 80);
    EXPECT_EQ(field(a.out, "hst", row), 50);
    EXPECT_EQ(field(a.out, "lok", row), 40);

    const Outcome run = cli("--json --set core=0 --set lst=80 --set hst=50 --set lok=40");
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* key : {"Kok", "W1", "D1"}) {
        EXPECT_GT(field(run.out, key), 0) << key;
        EXPECT_EQ(field(a.out, key, row), field(run.out, key)) << key;
    }
    // The steel figures are numbers too.
    for (const char* key : {"rise_k", "efficiency_pct", "mass_steel_kg", "mass_copper_kg"})
        EXPECT_GT(field(a.out, key, row), 0) << key;
}

TEST_F(CliAdvise, ALoadNoCoreCarriesIsSaidAndCounted) {
    const Outcome json = cli("--advise --cores cores.txt --json --set I2_1=30");
    EXPECT_EQ(json.status, 1);
    EXPECT_TRUE(has(json.out, "\"rows\": [],")) << json.out;
    EXPECT_TRUE(has(json.out, "\"fit\": 0, \"overfill\": 4"));
    const Outcome text = cli("--advise --cores cores.txt --set I2_1=30");
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(has(text.out, "Ни один сердечник списка не подходит")) << text.out;
    EXPECT_TRUE(has(text.out, "окно переполнено: 4"));
    const Outcome en = cli("--advise --cores cores.txt --set I2_1=30 --lang en");
    EXPECT_TRUE(has(en.out, "No core of the list will do")) << en.out;
}

TEST_F(CliAdvise, TopAndTheTable) {
    const Outcome one = cli("--advise --cores cores.txt --json --top 1");
    ASSERT_EQ(one.status, 0);
    EXPECT_TRUE(has(one.out, "ОЛ50/80-40"));
    EXPECT_FALSE(has(one.out, "\"tall\""));
    const Outcome table = cli("--advise --cores cores.txt");
    ASSERT_EQ(table.status, 0);
    EXPECT_TRUE(has(table.out, "Название")) << table.out;
    ASSERT_TRUE(has(table.out, "tall"));
    EXPECT_LT(table.out.find("ОЛ50/80-40"), table.out.find("tall"));
    EXPECT_FALSE(has(table.out, "ОЛ40/64-32"));  // it overfills
    EXPECT_EQ(cli("--advise --top 0").status, 2);
    EXPECT_TRUE(has(cli("--advise --top x").err, "--top"));
}

TEST_F(CliAdvise, AListThatCannotBeReadStopsWithItsReason) {
    std::ofstream(dir / "bad.txt", std::ios::binary) << "name1=a\r\ncore1=0\r\nlst1=1,2,3\r\n";
    const Outcome bad = cli("--advise --cores bad.txt");
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(has(bad.err, "lst1")) << bad.err;
    EXPECT_TRUE(has(bad.err, "1,2,3"));
    EXPECT_EQ(cli("--advise --cores missing.txt").status, 2);
}

TEST_F(CliAdvise, TheUsersOwnListIsMadeFromTheExampleOnFirstUse) {
    const std::string env = "XDG_CONFIG_HOME=" + quote((dir / "cfg").string());
    const fs::path own = dir / "cfg" / "Velmora" / "Сердечники.txt";
    ASSERT_FALSE(fs::exists(own));
    const Outcome first = cli("--advise --json", env);
    ASSERT_NE(first.status, 2) << first.err;
    EXPECT_TRUE(fs::exists(own));
    // The user's list is read from then on: a list with one core gives one count.
    std::ofstream(own, std::ios::binary | std::ios::trunc) << "name1\t= only\r\ncore1\t= 0\r\nlst1\t= 80\r\nhst1\t= 50\r\nlok1\t= 40\r\n";
    const Outcome again = cli("--advise --json", env);
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(has(again.out, "\"name\": \"only\""));
    EXPECT_TRUE(has(again.out, "\"fit\": 1, \"overfill\": 0"));
}

TEST_F(CliAdvise, APortableCopyIsReadWithoutAFileMadeOrRemovedBesideIt) {
    // The data folder is the working folder, as in a portable copy. A file made and
    // removed there moves the folder's modification time; the error output's file
    // exists beforehand, so that writing it does not.
    for (const auto& e : fs::directory_iterator(VELMORA_DATA_DIR)) fs::copy(e.path(), dir / e.path().filename());
    std::ofstream(dir / "stderr").flush();
    const auto before = fs::last_write_time(dir);
    const Outcome a = runCli("--advise --json --data .", dir, "XDG_CONFIG_HOME=" + quote((dir / "cfg").string()));
    EXPECT_NE(a.status, 2) << a.err;
    EXPECT_TRUE(has(a.out, "\"counts\"")) << a.out;
    EXPECT_EQ(fs::last_write_time(dir), before);
    EXPECT_FALSE(fs::exists(dir / "cfg"));
}
