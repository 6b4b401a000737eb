// velmora-cli in the pseudo-language: its text, its JSON, its report and its advice say
// every word of Velmora's own inside the marks, for designs of every core kind that
// end ok, overfill or are refused, with centre taps, rectifiers and faulty inputs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "cli_run.hpp"
#include "codec.hpp"
#include "../texts/unmarked.hpp"

namespace fs = std::filesystem;
using velmora::clitest::quote;

namespace {

// The data a design shows besides Velmora's words: wire kinds, steel grades, the names
// and notes of the cores of the list, data file names.
std::vector<std::string> data() {
    std::vector<std::string> d{"AWG heavy", "AWG single", "МЭК 60317 тип 1", "МЭК 60317 тип 2", "ПЭТ-155", "ПЭТВ-2",
                               "Провода.txt", "Стали.txt", "Сердечники.txt"};
    static const std::regex named("(?:grade|name|note)\\d+\\t= ([^\\r\\n]+)");
    for (const char* file : {"Стали.txt", "Сердечники.txt"}) {
        const std::string text = velmora::decodeFileText(velmora::clitest::slurp(fs::path(VELMORA_DATA_DIR) / file));
        for (std::sregex_iterator m(text.begin(), text.end(), named), end; m != end; ++m) d.push_back((*m)[1]);
    }
    return d;
}

// JSON keys are names, not words, and so are its literals and its values of one Latin
// token (codes such as "overfill", an insulation class "B", numbers; a marked text holds
// a "#"); its escapes (\r, \n, \") are no words.
std::string withoutKeys(const std::string& json) {
    static const std::regex escape("\\\\[rntbf\"/\\\\]"), key("\"[A-Za-z_0-9]+\":"),
        code("\"[\\x21\\x24-\\x7e]*\""), literal("\\b(true|false|null)\\b");
    std::string s = std::regex_replace(json, escape, " ");
    for (const std::regex* r : {&key, &code, &literal}) s = std::regex_replace(s, *r, " ");
    return s;
}

}  // namespace

TEST(PseudoTexts, TheCliSaysNothingUnmarked) {
    const std::vector<std::string> designs{
        "",
        "--set core=0 --set lst=100 --set hst=60 --set lok=30",
        "--set core=1 --set double2_1=1 --set U2_2=12 --set I2_2=1",
        "--set core=3 --set I2_1=500",  // overfills
        "--set core=4 --set lst=-5",   // refused
        "--set Bm=1,9 --set use_d=1 --set d11=0,3 --set d21=0,71",
        "--set rect2_1=1 --set Udc2_1=24 --set Idc2_1=2 --set C2_1=4700",
        "--set rect2_1=3 --set Udc2_1=12 --set Idc2_1=1 --set C2_1=2200 --set U2_2=30 --set I2_2=1 "
        "--set rect2_2=4 --set Udc2_2=15 --set Idc2_2=0,5 --set C2_2=1000",
        "--set Steel=Unknown-grade --set Conductor=Nothing --set j=3,5x",
        "--set U1max=200 --set Tamb=x",
    };
    std::vector<std::string> d = data();
    d.insert(d.end(), {"Unknown-grade", "Nothing", "velmora-cli"});  // names typed below, the program's
    const fs::path report = fs::temp_directory_path() / ("velmora-pseudo-" + std::to_string(::getpid()) + ".txt");
    for (const std::string& design : designs) {
        const std::string args = "--lang qps " + design;
        fs::remove(report);
        const velmora::clitest::Outcome advice = velmora::clitest::runCli(args + " --advise --top 5", fs::temp_directory_path());
        std::vector<std::string> said{velmora::clitest::runCli(args).out,
                                      withoutKeys(velmora::clitest::runCli(args + " --json").out), advice.out + advice.err};
        velmora::clitest::runCli(args + " --report " + quote(report.string()));
        if (fs::exists(report)) said.push_back(velmora::decodeFileText(velmora::clitest::slurp(report)));
        for (const std::string& s : said) {
            EXPECT_FALSE(s.empty()) << design;
            EXPECT_EQ(velmora::test::wordIn(velmora::test::unmarked(s, d)), "") << design << "\n" << s;
        }
    }
    fs::remove(report);
    // A usage error is said in the language asked for, and the help lists no test language.
    const velmora::clitest::Outcome bad = velmora::clitest::runCli("--lang qps --top 0", fs::temp_directory_path());
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(velmora::test::wordIn(velmora::test::unmarked(bad.err.substr(bad.err.find(':') + 1), {"--top"})), "")
        << bad.err;
    EXPECT_EQ(velmora::clitest::runCli("--help").out.find("qps"), std::string::npos);
}
