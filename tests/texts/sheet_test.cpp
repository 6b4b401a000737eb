// The design sheet's content for every core kind: the dimensions by the names of the
// kind, no field the kind does not use, no row twice, the title without the design
// file's extension, and the reasons a design cannot work, as the report ends with them.
#include "sheet.hpp"

#include <gtest/gtest.h>

#include <set>

#include "core_typing.hpp"
#include "test_grades.hpp"
#include "test_wires.hpp"

using namespace velmora;
using texts::Lang;

namespace {

struct Sheet {
    Record r;
    RunResult run;
    SteelOutcome steel;
    texts::SheetContent content;
};

Sheet sheetOf(int core, const std::string& U1max = "253", Lang lang = Lang::ru) {
    Sheet s;
    if (isRing(core)) typeCore(s.r, core, 100, 60, 40, 0);
    else typeCore(s.r, core, 25, 40, 32, 64);
    s.r.U1max = U1max;
    s.run = Calculate(s.r, test::testWires());
    s.steel.choice.grade = testgrades::m800();
    s.steel.result = steelModel(s.run.figures, *s.steel.choice.grade);
    s.content = texts::sheetContent({s.r, s.run, &s.steel, "мой проект.SAV"}, lang);
    return s;
}

// Every first cell of the tables, and the tables' headings.
std::vector<std::string> labels(const texts::SheetContent& c) {
    std::vector<std::string> out;
    for (const texts::SheetTable& t : c.tables) {
        out.push_back("# " + t.heading);
        for (const auto& row : t.rows) out.push_back(row.front());
    }
    return out;
}

bool has(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

}  // namespace

TEST(DesignSheet, EachKindShowsItsOwnDimensionsOnceAndNothingItDoesNotUse) {
    const std::vector<std::string> steelDims{"Ls, мм", "Hs, мм", "Lok, мм", "Hok, мм", "Длина каркаса под намотку, мм"};
    const std::vector<std::string> ringDims{"D, мм", "d, мм", "H, мм"};
    for (int core = 0; core < 5; ++core) {
        const Sheet s = sheetOf(core);
        ASSERT_EQ(s.run.status, RunStatus::ok) << core;
        const std::vector<std::string> l = labels(s.content);
        const bool ring = isRing(core);
        for (const std::string& d : ring ? ringDims : steelDims) EXPECT_TRUE(has(l, d)) << core << " " << d;
        for (const std::string& d : ring ? steelDims : ringDims) EXPECT_FALSE(has(l, d)) << core << " " << d;
        // No row twice within a table, the bobbin's two sizes in one row.
        for (const texts::SheetTable& t : s.content.tables) {
            std::set<std::string> seen;
            for (const auto& row : t.rows) {
                if (row.size() > 1) {
                    EXPECT_TRUE(seen.insert(row.front()).second) << core << " " << row.front();
                }
            }
        }
        EXPECT_TRUE(has(l, "Ширина и высота каркаса, мм")) << core;
        // No row without its value.
        for (const auto& row : s.content.tables.front().rows) EXPECT_FALSE(row.back().empty()) << row.front();
        EXPECT_EQ(s.content.title, "мой проект");
        EXPECT_FALSE(s.content.instruction.empty());
        EXPECT_FALSE(has(l, "# Проект не будет работать")) << core;
    }
    const Sheet ring = sheetOf(0);
    EXPECT_EQ(ring.content.tables.front().rows[1], (std::vector<std::string>{"D, мм", "100"}));
}

TEST(DesignSheet, ADesignThatCannotWorkSaysWhyOnTheSheetAndAtTheReportsEnd) {
    struct Case {
        Lang lang;
        const char* heading;
        const char* reason;  // the start of the reason's sentence
    };
    for (const Case& c : {Case{Lang::ru, "Проект не будет работать", "Не будет работать: максимальное напряжение"},
                          Case{Lang::en, "The design cannot work", "Cannot work: the highest mains voltage"}}) {
        const Sheet s = sheetOf(2, "12", c.lang);
        ASSERT_EQ(s.run.status, RunStatus::ok);
        ASSERT_FALSE(s.steel.result->work.feasible);
        // Both reasons: the supply below the nominal voltage, and so few turns that the
        // no-load induction lies beyond the grade's data.
        const texts::SheetTable& last = s.content.tables.back();
        EXPECT_EQ(last.heading, c.heading);
        ASSERT_EQ(last.rows.size(), 2u);
        EXPECT_EQ(last.rows[0][0].rfind(c.reason, 0), 0u) << last.rows[0][0];

        texts::ReportExtras extras;
        extras.cannotWork = texts::cannotWorkReport(*s.steel.result, c.lang);
        const texts::ReportText report = texts::report(s.r, s.run, c.lang, extras);
        ASSERT_TRUE(report.ok);
        const std::string tail =
            std::string("\r\n") + c.heading + "\r\n" + last.rows[0][0] + "\r\n" + last.rows[1][0] + "\r\n";
        ASSERT_GE(report.text.size(), tail.size());
        EXPECT_EQ(report.text.substr(report.text.size() - tail.size()), tail);
        // The original blocks before it are those of the report without the line.
        EXPECT_EQ(report.text.substr(0, report.text.size() - tail.size()), texts::report(s.r, s.run, c.lang).text);
    }
    EXPECT_TRUE(texts::cannotWorkReport(*sheetOf(2).steel.result, Lang::ru).empty());
}
