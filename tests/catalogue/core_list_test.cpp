// The user's list of cores: what an entry holds, where the list ends, the refusals
// naming entry and key, a written list reading back the same, and the shipped example
// (every ring's sizes are those its designation names).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "codec.hpp"
#include "core_list.hpp"
#include "record.hpp"
#include "scratch_folder.hpp"

using namespace velmora;

namespace {

const std::string kTwo =
    "name1\t= ОЛ50/80-40\r\ncore1\t= 0\r\nlst1\t= 80\r\nhst1\t= 50\r\nlok1\t= 40\r\nnote1\t= из блока питания\r\n"
    "name2\t= Ш20х25\r\ncore2\t= 3\r\nlst2\t= 20,5\r\nhst2\t= 25.0\r\nlok2\t= 12\r\nhok2\t= 30\r\n"
    // No name3: the list ends here, whatever follows.
    "core3\t= 1\r\nname4\t= lost\r\ncore4\t= 9\r\n";

}  // namespace

TEST(CoreList, ReadsEachEntryAndEndsAtTheFirstMissingName) {
    const CoreList l = ParseCoreList(kTwo, "list");
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(l.cores.size(), 2u);
    EXPECT_EQ(l.cores[0], (ListedCore{"ОЛ50/80-40", 0, 80, 50, 40, 0, "из блока питания"}));
    EXPECT_EQ(l.cores[1], (ListedCore{"Ш20х25", 3, 20.5, 25, 12, 30, ""}));  // comma or point
    EXPECT_TRUE(ParseCoreList("", "empty").ok);
    EXPECT_TRUE(ParseCoreList("", "empty").cores.empty());
}

TEST(CoreList, RefusesAnEntryThatIsNotSoundNamingItsKey) {
    struct Case {
        const char* text;
        CoreListRefusal code;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"name1=a\ncore1=5\nlst1=1\nhst1=1\nlok1=1\nhok1=1\n", CoreListRefusal::badKind, "core1", "5"},
        {"name1=a\nlst1=1\nhst1=1\nlok1=1\nhok1=1\n", CoreListRefusal::badKind, "core1", ""},
        {"name1=a\ncore1=12\nlst1=1\n", CoreListRefusal::badKind, "core1", "12"},
        {"name1=a\ncore1=2\nlst1=1\nhst1=1\nlok1=1\n", CoreListRefusal::missingSize, "hok1", ""},
        {"name1=a\ncore1=0\nlst1=1,2,3\nhst1=1\nlok1=1\n", CoreListRefusal::badNumber, "lst1", "1,2,3"},
        {"name1=a\ncore1=0\nlst1=12 мм\nhst1=1\nlok1=1\n", CoreListRefusal::badNumber, "lst1", "12 мм"},
        {"name1=a\ncore1=0\nlst1=inf\nhst1=1\nlok1=1\n", CoreListRefusal::badNumber, "lst1", "inf"},
        {"name1=a\ncore1=0\nlst1=9\nhst1=0\nlok1=1\n", CoreListRefusal::notPositive, "hst1", "0"},
        {"name1=a\ncore1=0\nlst1=9\nhst1=1\nlok1=-3\n", CoreListRefusal::notPositive, "lok1", "-3"},
    };
    for (const Case& c : cases) {
        const CoreList l = ParseCoreList(c.text, "f.txt");
        EXPECT_FALSE(l.ok) << c.text;
        EXPECT_TRUE(l.cores.empty());
        EXPECT_EQ(l.problem, (CoreListProblem{c.code, 1, c.key, c.value, "f.txt"})) << c.text;
    }
    // The second entry's fault names entry 2 and refuses the whole list.
    const CoreList l = ParseCoreList("name1=a\ncore1=0\nlst1=9\nhst1=1\nlok1=1\nname2=b\ncore2=x\n", "f");
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.problem.entry, 2);
}

TEST(CoreList, AWrittenListReadsBackTheSame) {
    const std::vector<ListedCore> cores{
        {"ОЛ50/80-40", 0, 80, 50, 40, 0, "из блока питания"},
        {"Ш20х25", 3, 20.5, 25, 12.25, 30, ""},
        {"odd sizes", 2, 0.1, 1e3, 33.333333333333336, 7, "note"},
    };
    const std::string text = FormatCoreList(cores);
    EXPECT_NE(text.find("lst2\t= 20,5\r\n"), std::string::npos);  // a decimal comma
    EXPECT_EQ(text.find("hok1"), std::string::npos);            // a ring has none
    EXPECT_NE(text.find("note2\t= \r\n"), std::string::npos);   // an empty note has its line
    EXPECT_NE(text.find("name4\t= \r\n"), std::string::npos);   // and the list its end
    const CoreList back = ParseCoreList(text, "f");
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.cores, cores);
    EXPECT_TRUE(fitsCp1251(text));
}

TEST(CoreList, NamesAndNotesAreKeptToOneLine) {
    EXPECT_EQ(listText("  a\tb\r\nc=d  "), "a b  c-d");
    EXPECT_EQ(listText(" \n "), "");
    const std::vector<ListedCore> cores{{"two\nlines", 1, 1, 2, 3, 4, "x\r\nname2 = y"}};
    const CoreList back = ParseCoreList(FormatCoreList(cores), "f");
    ASSERT_TRUE(back.ok);
    ASSERT_EQ(back.cores.size(), 1u);  // the note did not start a second entry
    EXPECT_EQ(back.cores[0].name, "two lines");
    EXPECT_EQ(back.cores[0].note, "x  name2 - y");

    // Key names inside values, with an '=' further on in the file: they open no entry
    // and fill no note (found by the fuzz target).
    const std::vector<ListedCore> keys{{"name2", 0, 1, 1, 1, 0, ""}, {"note1 core3 hok2", 2, 1, 2, 3, 4, ""}};
    EXPECT_EQ(ParseCoreList(FormatCoreList(keys), "f").cores, keys);
}

TEST(CoreList, LoadsAFileAndSaysWhyNot) {
    velmora::testing::ScratchFolder dir;
    const auto path = dir.write("Сердечники.txt", *utf8ToCp1251(kTwo));
    const CoreList l = LoadCoreList(path);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.cores[1].name, "Ш20х25");  // read as Windows-1251

    const CoreList none = LoadCoreList(dir / "missing.txt");
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.problem.code, CoreListRefusal::noFile);
    EXPECT_EQ(none.problem.file, pathToUtf8(dir / "missing.txt"));

    const auto big = dir.write("big.txt", std::string(kMaxTextFile + 1, 'x'));
    EXPECT_EQ(LoadCoreList(big).problem.code, CoreListRefusal::tooLarge);
}

TEST(CoreList, TheShippedExampleCarriesItsDesignationsSizes) {
    const CoreList l = LoadCoreList(std::filesystem::path(VELMORA_DATA_DIR) / pathFromUtf8(kCoreListFile));
    ASSERT_TRUE(l.ok);
    ASSERT_GE(l.cores.size(), 5u);
    int rings = 0;
    for (const ListedCore& c : l.cores) {
        EXPECT_FALSE(c.note.empty()) << c.name;
        if (c.core != 0) continue;
        // "ОЛd/D-H": inner and outer diameter and height, mm.
        double d = 0, D = 0, H = 0;
        ASSERT_EQ(std::sscanf(c.name.c_str(), "ОЛ%lf/%lf-%lf", &d, &D, &H), 3) << c.name;
        EXPECT_EQ(c.hst, d) << c.name;
        EXPECT_EQ(c.lst, D) << c.name;
        EXPECT_EQ(c.lok, H) << c.name;
        ++rings;
    }
    EXPECT_GE(rings, 4);
    // The default design's core is in it, as the window starts with it.
    Record def;
    const auto same = [&](const ListedCore& c) {
        return c.core == def.core && c.lst == std::stod(def.lst) && c.hst == std::stod(def.hst) &&
               c.lok == std::stod(def.lok) && c.hok == std::stod(def.hok);
    };
    EXPECT_EQ(std::count_if(l.cores.begin(), l.cores.end(), same), 1);
}
