// velmora-cli as a script sees it: exit codes, the JSON, files written.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_run.hpp"
#include "record.hpp"

namespace fs = std::filesystem;

namespace {

using namespace velmora::clitest;

class CliProcess : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("velmora-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome cli(const std::string& args, bool withData = true) {
        return runCli(args, dir, {}, withData);
    }
};

bool has(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

}  // namespace

TEST_F(CliProcess, DefaultDesignComputes) {
    Outcome r = cli("--json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\"status\": \"ok\"")) << r.out;
    EXPECT_TRUE(has(r.out, "\"Conductor\": \"ПЭТ-155\""));
    EXPECT_TRUE(has(r.out, "\"Sst\": \"7.20\""));  // 25 x 32 x 0.9 mm2
    EXPECT_FALSE(has(r.out, "\"W1\": \"\""));
    EXPECT_TRUE(has(r.out, "Первичная обмотка"));
    Outcome text = cli("");
    EXPECT_EQ(text.status, 0);
    EXPECT_TRUE(has(text.out, "Площадь сечения по стали: 7.20 см2")) << text.out;
}

TEST_F(CliProcess, ExitCodesTellWhatHappened) {
    EXPECT_EQ(cli("--help").status, 0);
    EXPECT_TRUE(has(cli("--version").out, "3.8"));
    Outcome usage = cli("--set nope=1 --json");
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.out, "");  // no JSON on a usage error
    Outcome refused = cli("--set core=7 --json");
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(has(refused.out, "\"status\": \"refused\""));
    EXPECT_TRUE(has(refused.out, "Расчет невозможен: "));
    Outcome overfill = cli("--set I2_1=500 --json");
    EXPECT_EQ(overfill.status, 1);
    EXPECT_TRUE(has(overfill.out, "\"status\": \"overfill\""));
    EXPECT_EQ(cli("missing.sav").status, 2);
    EXPECT_EQ(cli("--data /nonexistent --json").status, 2);
}

TEST_F(CliProcess, SavesADesignThatLoadsBack) {
    Outcome saved = cli("--set U2_2=6 --set I2_2=0,5 --set double2_2=1 --save d.sav");
    ASSERT_EQ(saved.status, 0) << saved.err;
    std::string bytes = slurp(dir / "d.sav");
    EXPECT_EQ(bytes.rfind("core\t= 2\r\n", 0), 0u);
    EXPECT_TRUE(has(bytes, "I2_2\t= 0.5\r\n"));  // the run has read it with the number rule
    EXPECT_TRUE(has(bytes, "Conductor\t= \xCF\xDD\xD2-155\r\n"));  // Windows-1251
    Outcome again = cli("--json d.sav");
    ASSERT_EQ(again.status, 0);
    EXPECT_TRUE(has(again.out, "\"double2_2\": 1"));
    EXPECT_TRUE(has(again.out, "\"I2_2\": \"0.5\""));  // read with the number rule by the run
}

TEST_F(CliProcess, ReportIsWrittenOnlyWhenItCanBeMade) {
    Outcome ok = cli("--report r.txt");
    ASSERT_EQ(ok.status, 0) << ok.err;
    std::string report = slurp(dir / "r.txt");
    EXPECT_EQ(report.rfind("\xD1\xE5\xF0\xE4\xE5\xF7\xED\xE8\xEA: ", 0), 0u);  // "Сердечник: "
    Outcome over = cli("--set I2_1=500 --report over.txt");
    EXPECT_EQ(over.status, 1);
    EXPECT_FALSE(fs::exists(dir / "over.txt"));
    EXPECT_FALSE(over.err.empty());
    Outcome bad = cli("--save " + quote((dir / "no" / "such" / "d.sav").string()));
    EXPECT_EQ(bad.status, 2);
    EXPECT_FALSE(bad.err.empty());
}

// The refusals of storage speak the language --lang names.
TEST_F(CliProcess, FileRefusalsSpeakTheChosenLanguage) {
    std::ofstream(dir / "core.sav") << "core\t= 9\r\n";
    const Outcome ru = cli("core.sav");
    EXPECT_EQ(ru.status, 2);
    EXPECT_EQ(ru.err, "velmora-cli: Файл \"core.sav\" не загружен: форма сердечника (core = 9) должна "
                      "быть числом от 0 до 4.\n");
    const Outcome en = cli("--lang en core.sav");
    EXPECT_EQ(en.status, 2);
    EXPECT_EQ(en.err, "velmora-cli: The file \"core.sav\" was not loaded: the core shape (core = 9) must "
                      "be a number from 0 to 4.\n");
    const std::string missing = quote((dir / "no" / "d.sav").string());
    const Outcome saved = cli("--lang en --save " + missing);
    EXPECT_EQ(saved.status, 2);
    EXPECT_TRUE(has(saved.err, "Could not write the file \"" + (dir / "no" / "d.sav").string() +
                                   "\": the folder \"" + (dir / "no").string() + "\" does not exist."))
        << saved.err;
}

TEST_F(CliProcess, TheBuildFolderFindsItsOwnCatalogue) {
    // From a foreign folder, with no --data: the catalogue beside the program.
    Outcome r = cli("--json", false);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\"status\": \"ok\""));
}

TEST_F(CliProcess, ACalculationReadsOnlyTheKindListAndItsOwnSizeFile) {
    // Only the chosen kind's size file is there, and one kind's file is broken: the
    // calculation of the chosen kind does not care.
    const fs::path data = dir / "data";
    fs::create_directories(data);
    for (const char* name : {"Провода.txt", "ПЭТ-155.txt"})
        fs::copy_file(fs::path(VELMORA_DATA_DIR) / name, data / name);
    {
        std::ofstream(data / "Провода.txt", std::ios::app) << "\r\nConductor7\t= Broken\r\n";
    }
    std::ofstream(data / "Broken.txt") << "garbage";
    Outcome r = cli("--data " + quote(data.string()) + " --json", false);
    EXPECT_EQ(r.status, 0) << r.err;
    Outcome broken = cli("--data " + quote(data.string()) + " --set Conductor=Broken", false);
    EXPECT_EQ(broken.status, 2);
    EXPECT_TRUE(has(broken.err, "Broken")) << broken.err;
}

TEST_F(CliProcess, InputsThatAreNotNumbersAreListedWithTheValueTheyReadAs) {
    Outcome r = cli("--json --set lst=5O --set U2_1=abc --set hok=40 --set I2_1=");
    EXPECT_TRUE(has(r.out, "{\"field\": \"lst\", \"text\": \"5O\", \"reads\": 5}")) << r.out;
    EXPECT_TRUE(has(r.out, "{\"field\": \"U2_1\", \"text\": \"abc\", \"reads\": 0}"));
    EXPECT_FALSE(has(r.out, "\"field\": \"hok\""));
    EXPECT_FALSE(has(r.out, "\"field\": \"I2_1\""));  // empty is not marked
    Outcome text = cli("--set U1max=\"253 В\"");
    EXPECT_EQ(text.status, 0);
    EXPECT_TRUE(has(text.out, "Не число: U1max = \"253 В\", читается как 253\n")) << text.out;
    Outcome clean = cli("--json");
    EXPECT_TRUE(has(clean.out, "\"warnings\": [],")) << clean.out;
}

TEST_F(CliProcess, SteelAndHeatingComeAsNumbersForTheChosenGrade) {
    Outcome r = cli("--json");
    ASSERT_EQ(r.status, 0) << r.err;
    // The default ШЛ core takes the grain-oriented default grade.
    EXPECT_TRUE(has(r.out, "\"steel\": {\"grade\": \"M-6 0.35\", \"mass_steel_kg\": ")) << r.out;
    EXPECT_FALSE(has(r.out, "\"I0_a\": null")) << "the default grain-oriented grade has a curve";
    EXPECT_TRUE(has(r.out, "\"feasible\": true, \"reasons\": []")) << r.out;
    // The figures at work: an impregnated default design works; with the highest mains
    // voltage below the nominal one it cannot, and says why.
    Outcome wet = cli("--json --set Impregnated=1");
    EXPECT_TRUE(has(wet.out, "\"feasible\": true, \"reasons\": []")) << wet.out;
    Outcome low = cli("--json --set Impregnated=1 --set U1max=12");
    // The run scales Bm to U1max: 12 V of 220 gives B0 = 27.5 T, above the grade's data.
    EXPECT_TRUE(has(low.out, "\"feasible\": false, \"reasons\": [\"supplyBelowNominal\", "
                             "\"inductionAboveData\", \"inductionAboveSaturation\"]"))
        << low.out;
    EXPECT_TRUE(has(low.out, "\"hot_spot_c\": null")) << low.out;
    Outcome no = cli("--json --set core=3 --set Bm=1.2 --set I2_1=2 --set Steel=m800-50a");
    ASSERT_EQ(no.status, 0) << no.err;
    EXPECT_TRUE(has(no.out, "\"steel\": {\"grade\": \"M800-50A\"")) << no.out;
    EXPECT_FALSE(has(no.out, "\"I0_a\": null")) << "the non-oriented grade has a curve";
    EXPECT_TRUE(has(no.out, "\"warnings\": []}"));

    // A grade the catalogue lacks: the kind's default, and a word why.
    Outcome missing = cli("--json --set Steel=Nope");
    EXPECT_EQ(missing.status, 0);
    EXPECT_TRUE(has(missing.out, "\"grade\": \"M-6 0.35\""));
    EXPECT_TRUE(has(missing.err, "«Nope»")) << missing.err;

    // A run that did not end ok has no steel results.
    Outcome over = cli("--json --set I2_1=300");
    EXPECT_EQ(over.status, 1);
    EXPECT_TRUE(has(over.out, "\"steel\": null,")) << over.out;
}

TEST_F(CliProcess, TheSteelGradeIsOneKeyAfterTheOriginalLinesAndTheReportGetsItsSection) {
    const fs::path design = dir / "d.sav", report = dir / "r.txt";
    Outcome saved = cli("--set Steel=M800-50A --save " + quote(design.string()) + " --report " +
                        quote(report.string()) + " --lang en");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const std::string bytes = slurp(design);
    size_t lines = 0, at = 0;
    for (; lines < 39; ++lines) at = bytes.find("\r\n", at) + 2;
    EXPECT_EQ(bytes.substr(0, 6), "core\t=");
    EXPECT_EQ(bytes.substr(at), "Steel\t= M800-50A\r\n");  // line 40, the only one added
    // A heat condition away from its default is one more key, alone.
    const fs::path warm = dir / "w.sav";
    ASSERT_EQ(cli("--set Tamb=25 --save " + quote(warm.string())).status, 0);
    EXPECT_EQ(slurp(warm).substr(at), "Tamb\t= 25\r\n");
    Outcome again = cli("--json " + quote(design.string()));
    EXPECT_TRUE(has(again.out, "\"Steel\": \"M800-50A\"")) << again.out;

    // A design of the earlier program has no such key: the kind's default.
    const fs::path old = dir / "old.sav";
    std::ofstream(old, std::ios::binary) << bytes.substr(0, at);
    Outcome earlier = cli("--json " + quote(old.string()));
    EXPECT_EQ(earlier.status, 0) << earlier.err;
    EXPECT_TRUE(has(earlier.out, "\"Steel\": \"\"")) << earlier.out;
    EXPECT_TRUE(has(earlier.out, "\"grade\": \"M-6 0.35\""));

    const std::string text = slurp(report);
    const size_t steel = text.find("        Steel and heating\r\nSteel grade: M800-50A (non-oriented)\r\n");
    ASSERT_NE(steel, std::string::npos) << text;
    EXPECT_GT(steel, text.find("    Secondary winding 2.1"));  // after the windings
    EXPECT_NE(text.find("Core loss, W: ", steel), std::string::npos);
}

// An AWG wire names its gauge beside the diameter's tip: 0.455 mm is the 16th entry of
// "AWG single" (AWG 40 first), AWG 25; 1.450 mm the 26th, AWG 15. Other kinds: none.
TEST_F(CliProcess, AwgWiresNameTheirGauge) {
    Outcome awg = cli("--set 'Conductor=AWG single' --json");
    ASSERT_EQ(awg.status, 0) << awg.err;
    EXPECT_TRUE(has(awg.out, "\"D1\": \"0.455\",")) << awg.out;
    EXPECT_TRUE(has(awg.out, "\"D2_1\": \"1.450\","));
    EXPECT_TRUE(has(awg.out,
                    "\"gauges\": {\"1015\": \"Калибр AWG 25\", \"1032\": \"Калибр AWG 15\"},"));
    Outcome en = cli("--lang en --set 'Conductor=AWG heavy' --json");
    EXPECT_TRUE(has(en.out, "\"1015\": \"Gauge AWG 25\"")) << en.out;
    EXPECT_TRUE(has(cli("--json").out, "\"gauges\": {},"));
}

TEST_F(CliProcess, TheDesignKeysAreListedAndTheTextsSpeakTheChosenLanguage) {
    struct Case {
        const char* lang;
        const char* status;   // the default design's status line
        const char* core;     // its core line's start
        const char* ringDim;  // what a ring keeps in lst
    };
    for (const Case& c : {Case{"ru", "Расчет: выполнен\n", "Сердечник: ШЛ, ", "у кольца: D, мм"},
                          Case{"en", "Calculation: done\n", "Core: cut shell core (ШЛ), ", "on a ring: D, mm"}}) {
        const std::string lang = std::string(" --lang ") + c.lang;
        const Outcome keys = cli("--keys" + lang);
        ASSERT_EQ(keys.status, 0) << keys.err;
        for (const velmora::Field& f : velmora::designFields())
            EXPECT_TRUE(has(keys.out, "\n  " + std::string(f.name) + " ")) << c.lang << " " << f.name;
        EXPECT_TRUE(has(keys.out, c.ringDim)) << keys.out;
        EXPECT_TRUE(has(cli("--help" + lang).out, "--keys")) << c.lang;
        const Outcome wrong = cli("--set Lst=1" + lang);
        EXPECT_EQ(wrong.status, 2);
        EXPECT_TRUE(has(wrong.err, "velmora-cli --keys")) << wrong.err;
        const Outcome text = cli(lang);
        EXPECT_TRUE(has(text.out, c.status)) << text.out;
        EXPECT_EQ(text.out.rfind(c.core, 0), 0u) << text.out;
    }
}
