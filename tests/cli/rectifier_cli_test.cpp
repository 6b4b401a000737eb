// velmora-cli with the rectifier helper: the keys set with --set are solved before the
// calculation, the JSON lists each rectifier with numbers, the report gets a section,
// and the file keeps the keys after the 39 design lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "rectifier.hpp"
#include "cli_run.hpp"

namespace fs = std::filesystem;
using namespace velmora;

namespace {

using clitest::quote;
using clitest::slurp;

std::string run(const std::string& args) { return clitest::runCli(args).out; }

// The number after "key": at or after `from` (a field's text in quotes reads too).
double numberAt(const std::string& json, const std::string& key, size_t from = 0) {
    const size_t k = json.find("\"" + key + "\": ", from);
    if (k == std::string::npos) return NAN;
    size_t v = k + key.size() + 4;
    if (json[v] == '"') ++v;
    return std::strtod(json.c_str() + v, nullptr);
}

const std::string kBridge =
    "--set rect2_1=1 --set Udc2_1=30 --set Idc2_1=2 --set C2_1=4700 --json";

}  // namespace

TEST(CliRectifier, BridgeThirtyVoltsTwoAmpsIsReproducedByTheDesignsOwnWinding) {
    const std::string json = run(kBridge);
    const size_t at = json.find("\"rectifiers\": [");
    ASSERT_NE(at, std::string::npos) << json;
    EXPECT_NE(json.find("\"status\": \"settled\"", at), std::string::npos);
    EXPECT_EQ(numberAt(json, "circuit", at), 1);
    EXPECT_EQ(numberAt(json, "C_uF", at), 4700);
    EXPECT_EQ(json.find("\"double2_1\": 0"), json.find("\"double2_1\": "));

    // The design's own figures put back into the solver, independently of the helper.
    const double W1 = numberAt(json, "W1"), W2 = numberAt(json, "W2_1");
    const double R1 = numberAt(json, "R1"), R2 = numberAt(json, "R2_1");
    RectifierCircuit c;
    c.kind = RectifierKind::bridge;
    c.E = numberAt(json, "U2xx_1");
    c.F = 50;
    c.Rs = 1.2 * (R2 + R1 * (W2 / W1) * (W2 / W1));
    c.C = 4700e-6;
    c.Idc = 2;
    const RectifierResult x = solveRectifier(c);
    ASSERT_EQ(x.status, RectifierStatus::settled);
    EXPECT_NEAR(x.Udc, 30, 0.005 * 30);
    EXPECT_NEAR(numberAt(json, "Udc", json.find("\"reached\"", at)), x.Udc, 0.01);
    // The winding is sized for its rms current, well above the DC load current.
    const double I2 = numberAt(json, "I2_1");
    EXPECT_NEAR(I2, x.Irms, 0.01 * x.Irms);
    EXPECT_GT(I2, 1.5 * 2);
    EXPECT_NEAR(numberAt(json, "ratio", at), I2 / 2, 0.01);
}

TEST(CliRectifier, ACentreTapSetsTheTapAndAHalfWaveWarns) {
    const std::string json = run(
        "--set rect2_2=2 --set Udc2_2=15 --set Idc2_2=1 --set C2_2=2200 --set rect2_3=3 "
        "--set Udc2_3=9 --set Idc2_3=0.2 --set C2_3=1000 --set U2_3=5 --set I2_3=1 --json");
    EXPECT_NE(json.find("\"double2_2\": 1"), std::string::npos);
    // rect2_3 came before the hand-set U2_3: the hand edit detached it.
    EXPECT_NE(json.find("\"rect2_3\": 0"), std::string::npos);
    EXPECT_EQ(json.find("\"secondary\": 3"), std::string::npos);
    const std::string warned = run("--set rect2_3=3 --set Udc2_3=9 --set Idc2_3=0.2 --set C2_3=1000 "
                                   "--lang en --json");
    EXPECT_NE(warned.find("premagnetises the core"), std::string::npos);
}

TEST(CliRectifier, AnImpossibleRequestIsReportedNotHidden) {
    // 1 µF cannot hold up 2 A over a cycle.
    const std::string json = run("--set rect2_1=1 --set Udc2_1=30 --set Idc2_1=2 --set C2_1=1 --json");
    EXPECT_NE(json.find("\"status\": \"overloaded\""), std::string::npos) << json;
    const std::string refused = run("--set rect2_1=1 --set Udc2_1=-3 --set Idc2_1=2 --set C2_1=10 --json");
    EXPECT_NE(refused.find("\"status\": \"refused\""), std::string::npos);
    EXPECT_NE(refused.find("Постоянное напряжение"), std::string::npos);
}

TEST(CliRectifier, KeysFollowTheDesignLinesAndTheReportGetsASection) {
    const fs::path dir = fs::temp_directory_path() / "velmora-cli-rectifier";
    fs::create_directories(dir);
    const fs::path sav = dir / "r.sav", report = dir / "r.txt", old = dir / "old.sav";
    run(kBridge + " --save " + quote(sav.string()) + " --report " + quote(report.string()) +
        " --lang en");
    const std::string bytes = slurp(sav);
    // Line 40 on: the six keys of the secondary with the rectifier, and no others.
    std::istringstream lines(bytes);
    std::string line;
    for (int n = 0; n < 39; ++n) std::getline(lines, line);
    std::ofstream(old, std::ios::binary) << bytes.substr(0, bytes.find("rect2_1"));
    std::string order;
    while (std::getline(lines, line)) order += line.substr(0, line.find('\t')) + " ";
    EXPECT_EQ(order, "rect2_1 Udc2_1 Idc2_1 C2_1 Vd2_1 rd2_1 ");
    EXPECT_NE(bytes.find("rect2_1\t= 1\r\nUdc2_1\t= 30\r\nIdc2_1\t= 2\r\nC2_1\t= 4700\r\n"),
              std::string::npos);
    // Read back, the file gives the same rectifier and the same design.
    EXPECT_EQ(run(quote(sav.string()) + " --json"), run(kBridge));
    const std::string text = slurp(report);
    EXPECT_NE(text.find("Rectifier on secondary winding 2.1\r\nCircuit: Bridge\r\n"), std::string::npos);
    EXPECT_NE(text.find("DC voltage reached 30."), std::string::npos);
    // A file of the 39 lines alone has no rectifier: the inputs it holds stand.
    const std::string before = run(quote(old.string()) + " --json");
    EXPECT_NE(before.find("\"rectifiers\": [],"), std::string::npos);
    EXPECT_NE(before.find("\"rect2_1\": 0,"), std::string::npos);
    EXPECT_EQ(numberAt(before, "U2_1"), numberAt(run(kBridge), "U2_1"));
    fs::remove_all(dir);
}

// A centre-tapped secondary 25 V / 2 A given each circuit: the circuits that
// use the tap keep or set it, a bridge and a half wave remove it, and with no one to
// ask the program says so in the JSON's top-level warnings and in its text output.
TEST(CliRectifier, TheCentreTapIsKeptSetOrRemovedWithAWarning) {
    struct Case {
        int circuit, tapped, after;
        bool warned;
    };
    const Case cases[] = {{1, 1, 0, true},  {2, 1, 1, false}, {3, 1, 0, true},  {4, 1, 1, false},
                          {1, 0, 0, false}, {2, 0, 1, false}, {3, 0, 0, false}, {4, 0, 1, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "circuit " << k.circuit << " tapped " << k.tapped);
        const std::string args = "--set U2_1=25 --set I2_1=2 --set double2_1=" +
                                 std::to_string(k.tapped) + " --set rect2_1=" + std::to_string(k.circuit) +
                                 " --set Udc2_1=12 --set Idc2_1=0.3 --set C2_1=4700";
        const std::string json = run(args + " --lang en --json");
        EXPECT_NE(json.find("\"double2_1\": " + std::to_string(k.after)), std::string::npos);
        EXPECT_NE(json.find("\"status\": \"settled\""), std::string::npos) << json;
        const size_t warnings = json.find("\"warnings\": [");
        ASSERT_NE(warnings, std::string::npos);
        const size_t entry = json.find("{\"field\": \"double2_1\"", warnings);
        EXPECT_EQ(entry != std::string::npos && entry < json.find("\"steel\":", warnings), k.warned) << json;
        const std::string text = run(args + " --lang en");
        EXPECT_EQ(text.find("no longer has a centre tap") != std::string::npos, k.warned) << text;
    }
}
