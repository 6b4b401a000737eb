// The texts stay byte for byte what they were: 300 random designs of every core kind
// (overfills, refusals, centre taps, desired diameters, commas, a missing wire kind,
// inputs that are no numbers) and velmora-cli's JSON, text output and report for
// each, as an earlier build wrote them (scripts/make_text_golden.py). In Russian, what
// was added since those were pinned (the steel and rectifier results) may follow, and
// nothing else; the English ones were pinned whole, those sections included.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.hpp"

namespace fs = std::filesystem;

namespace {

using velmora::clitest::quote;
using velmora::clitest::slurp;

struct Case {
    std::vector<std::string> sets;  // KEY=VALUE
    std::map<std::string, std::string> expected;  // json, text, report
};

std::vector<Case> readGolden(const std::string& bytes) {
    std::vector<Case> cases;
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t nl = bytes.find('\n', i);
        std::istringstream head(bytes.substr(i, nl - i));
        std::string marks, name;
        size_t n = 0;
        head >> marks >> name >> n;
        const std::string payload = bytes.substr(nl + 1, n);
        i = nl + 1 + n + 1;
        if (name == "case") {
            cases.emplace_back();
            std::istringstream lines(payload);
            for (std::string line; std::getline(lines, line);) cases.back().sets.push_back(line);
        } else {
            cases.back().expected[name] = payload;
        }
    }
    return cases;
}

std::string run(const std::string& args) { return velmora::clitest::runCli(args).out; }

// The JSON without what was added since the texts were pinned: the appended input
// fields (the steel grade, the rectifier helper's keys), the "steel" object and the
// "rectifiers" array (one line, or several up to its closing bracket).
std::string withoutAdded(const std::string& json) {
    static const std::vector<std::string> kAdded{"\"Steel\":", "\"Tamb\":", "\"Insulation\":",
                                                 "\"Impregnated\":", "\"steel\":", "\"gauges\":",
                                                 "\"rect2_",  "\"Udc2_",  "\"Idc2_",
                                                 "\"C2_",     "\"Vd2_",   "\"rd2_"};
    std::string out;
    std::istringstream lines(json);
    bool inArray = false;
    for (std::string line; std::getline(lines, line);) {
        if (inArray) {
            inArray = line != "  ],";
            continue;
        }
        if (line.rfind("  \"rectifiers\": [", 0) == 0) {
            inArray = line != "  \"rectifiers\": [],";
            continue;
        }
        const size_t at = line.find_first_not_of(' ');
        bool added = false;
        for (const std::string& key : kAdded)
            added = added || (at != std::string::npos && line.compare(at, key.size(), key) == 0);
        if (!added) out += line + "\n";
    }
    return out;
}

// The output begins with the pinned bytes; what follows is only sections added since,
// each starting with one of their headings.
::testing::AssertionResult pinnedThenAdded(const std::string& out, const std::string& pinned,
                                           std::initializer_list<const char*> headings) {
    if (out.compare(0, pinned.size(), pinned) != 0)
        return ::testing::AssertionFailure() << "differs from the pinned bytes:\n" << out;
    const std::string rest = out.substr(pinned.size());
    if (rest.empty()) return ::testing::AssertionSuccess();
    for (const char* h : headings)
        if (rest.rfind(h, 0) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "unexpected text after the pinned bytes:\n" << rest;
}

}  // namespace

// Thirty designs to a part, so the parts run side by side and none comes near the
// test time limit on a slow machine under the sanitizers (each design is three runs
// of the CLI).
constexpr int kParts = 10;
constexpr size_t kDesigns = 300;

// Under the sanitizers every third design: comparing the bytes is the normal build's
// job, and a hundred random designs of every kind still walk the texts' paths for the
// sanitizers to watch, in a third of the 1,800 runs of an instrumented CLI.
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kStride = 3;
#else
constexpr size_t kStride = 1;
#endif

class RussianTexts : public ::testing::TestWithParam<int> {};

TEST_P(RussianTexts, AreByteForByteThoseOfTheEarlierBuild) {
    const std::vector<Case> cases =
        readGolden(slurp(fs::path(VELMORA_SOURCE_DIR) / "tests/texts/golden_ru.txt"));
    ASSERT_EQ(cases.size(), kDesigns);
    const size_t part = static_cast<size_t>(GetParam());
    const fs::path report = fs::temp_directory_path() /
                            ("velmora-golden-report-" + std::to_string(::getpid()) + "-" +
                             std::to_string(part) + ".txt");
    const size_t perPart = kDesigns / kParts;
    for (size_t i = part * perPart; i < (part + 1) * perPart; i += kStride) {
        const Case& c = cases[i];
        const size_t n = i + 1;
        std::string args;
        for (const std::string& s : c.sets) args += " --set " + quote(s);
        EXPECT_EQ(withoutAdded(run(args + " --json")), c.expected.at("json"))
            << "design " << n << ":" << args;
        EXPECT_TRUE(pinnedThenAdded(run(args), c.expected.at("text"), {"\nСталь и нагрев\n"}))
            << "design " << n << ":" << args;
        fs::remove(report);
        run(args + " --report " + quote(report.string()));
        EXPECT_TRUE(pinnedThenAdded(fs::exists(report) ? slurp(report) : std::string(),
                                    c.expected.at("report"), {"        \xD1\xF2\xE0\xEB\xFC"}))
            << "design " << n << ":" << args;
    }
    fs::remove(report);
}

INSTANTIATE_TEST_SUITE_P(Part, RussianTexts, ::testing::Range(0, kParts));

class EnglishTexts : public ::testing::TestWithParam<int> {};

TEST_P(EnglishTexts, AreByteForByteThoseOfTheEarlierBuild) {
    const std::vector<Case> cases =
        readGolden(slurp(fs::path(VELMORA_SOURCE_DIR) / "tests/texts/golden_en.txt"));
    ASSERT_EQ(cases.size(), kDesigns);
    const size_t part = static_cast<size_t>(GetParam());
    const fs::path report = fs::temp_directory_path() /
                            ("velmora-golden-report-en-" + std::to_string(::getpid()) + "-" +
                             std::to_string(part) + ".txt");
    const size_t perPart = kDesigns / kParts;
    for (size_t i = part * perPart; i < (part + 1) * perPart; i += kStride) {
        const Case& c = cases[i];
        std::string args = " --lang en";
        for (const std::string& s : c.sets) args += " --set " + quote(s);
        EXPECT_EQ(run(args + " --json"), c.expected.at("json")) << "design " << i + 1 << ":" << args;
        EXPECT_EQ(run(args), c.expected.at("text")) << "design " << i + 1 << ":" << args;
        fs::remove(report);
        run(args + " --report " + quote(report.string()));
        EXPECT_EQ(fs::exists(report) ? slurp(report) : std::string(), c.expected.at("report"))
            << "design " << i + 1 << ":" << args;
    }
    fs::remove(report);
}

INSTANTIATE_TEST_SUITE_P(Part, EnglishTexts, ::testing::Range(0, kParts));
