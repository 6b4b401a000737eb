// The steel catalogue: how an entry is read, every refusal with its entry and key,
// the file's encodings and size, and the catalogue that ships: every grade sound,
// sourced, and the model's loss at its own points equal to the file's figures.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "codec.hpp"
#include "scratch_folder.hpp"
#include "steels.hpp"

namespace velmora {
namespace {

using testing::ScratchFolder;

const std::filesystem::path kData = pathFromUtf8(VELMORA_DATA_DIR);

constexpr std::string_view kTwo =
    "grade1\t= M800-50A\r\nfamily1\t= NO\r\nthickness1\t= 0,50\r\ndensity1\t= 7.65\r\n"
    "P15max_1\t= 8,00\r\nP10typ_1\t= 2,60\r\nP15typ_1\t= 5,52\r\nP17typ_1\t= 7,08\r\n"
    "H10_1\t= 198\r\nH15_1\t= 680\r\nH17_1\t= 3789\r\nsource1\t= RULE; STEM\r\n"
    "grade2\t= M150-35S\r\nfamily2\t= GO\r\nthickness2\t= 0,35\r\ndensity2\t= 7,65\r\n"
    "P17max_2\t= 1,50\r\ncurveB_2\t= 1,0; 1,6\r\ncurveH_2\t= 15,9 ;27,1\r\n"
    "B800min_2\t= 1,80\r\nBsat_2\t= 2,03\r\nstacking_2\t= 0,96\r\n";

TEST(SteelCatalogue, ReadsEveryKeyOfAnEntry) {
    SteelCatalogue c = ParseSteels(kTwo, "Стали.txt");
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.grades.size(), 2u);
    const SteelGrade& no = c.grades[0];
    EXPECT_EQ(no.name, "M800-50A");
    EXPECT_EQ(no.family, SteelFamily::nonOriented);
    EXPECT_EQ(no.thickness, 0.5);
    EXPECT_EQ(no.density, 7.65);  // a point reads as well as a comma
    EXPECT_EQ(no.lossMax, (std::array<double, 3>{0, 8.0, 0}));
    EXPECT_EQ(no.lossTyp, (std::array<double, 3>{2.6, 5.52, 7.08}));
    EXPECT_EQ(no.H, (std::array<double, 3>{198, 680, 3789}));
    EXPECT_EQ(no.source, "RULE; STEM");
    const SteelGrade& go = c.grades[1];
    EXPECT_EQ(go.family, SteelFamily::grainOriented);
    EXPECT_EQ(go.lossMax, (std::array<double, 3>{0, 0, 1.5}));
    EXPECT_EQ(go.lossTyp, (std::array<double, 3>{}));
    EXPECT_EQ(go.H, (std::array<double, 3>{}));
    EXPECT_EQ(go.source, "");
    // The newer keys: a further curve, the guaranteed B800, saturation and stacking.
    EXPECT_EQ(go.curveB, (std::vector<double>{1.0, 1.6}));
    EXPECT_EQ(go.curveH, (std::vector<double>{15.9, 27.1}));
    EXPECT_EQ(go.B800, 1.8);
    EXPECT_EQ(go.saturation, 2.03);
    EXPECT_EQ(go.stacking, 0.96);
    EXPECT_TRUE(no.curveB.empty());
    EXPECT_EQ(no.B800, 0);

    // The entries end at the first missing grade: grade4 is never reached.
    std::string gap = std::string(kTwo) + "grade4\t= X\r\n";
    EXPECT_EQ(ParseSteels(gap, "f").grades.size(), 2u);

    EXPECT_EQ(FindSteelGrade(c.grades, "m800-50a"), &c.grades[0]);
    EXPECT_EQ(FindSteelGrade(c.grades, "M150-35"), nullptr);
}

TEST(SteelCatalogue, RefusesAnUnsoundEntryNamingItsKey) {
    struct Case {
        std::string_view what, replace, by;
        SteelRefusal code;
        int entry;
        std::string_view key, value;
    };
    const Case cases[] = {
        {"letters in a figure", "P15max_1\t= 8,00", "P15max_1\t= 8,0x", SteelRefusal::badNumber, 1,
         "P15max_1", "8,0x"},
        {"two separators", "H15_1\t= 680", "H15_1\t= 6,8,0", SteelRefusal::badNumber, 1, "H15_1",
         "6,8,0"},
        {"no finite number", "density2\t= 7,65", "density2\t= 1e400", SteelRefusal::badNumber, 2,
         "density2", "1e400"},
        {"infinity", "density2\t= 7,65", "density2\t= inf", SteelRefusal::badNumber, 2, "density2",
         "inf"},
        {"zero", "thickness1\t= 0,50", "thickness1\t= 0", SteelRefusal::notPositive, 1,
         "thickness1", "0"},
        {"negative", "P17max_2\t= 1,50", "P17max_2\t= -1,50", SteelRefusal::notPositive, 2,
         "P17max_2", "-1,50"},
        {"no density", "density1\t= 7.65\r\n", "", SteelRefusal::missingValue, 1, "density1", ""},
        {"no family", "family2\t= GO\r\n", "", SteelRefusal::missingValue, 2, "family2", ""},
        {"unknown family", "family2\t= GO", "family2\t= ГО", SteelRefusal::badFamily, 2, "family2",
         "ГО"},
        {"loss falling", "P15typ_1\t= 5,52", "P15typ_1\t= 2,50", SteelRefusal::lossNotRising, 1,
         "P15typ_1", "2,50"},
        {"field falling", "H17_1\t= 3789", "H17_1\t= 680", SteelRefusal::fieldNotRising, 1, "H17_1",
         "680"},
        {"typical above the maximum", "P15max_1\t= 8,00", "P15max_1\t= 5,00",
         SteelRefusal::typicalAboveMax, 1, "P15typ_1", "5,52"},
        {"no loss point", "P17max_2\t= 1,50\r\n", "", SteelRefusal::noLoss, 2, "grade2", "M150-35S"},
        {"curve falling", "curveB_2\t= 1,0; 1,6", "curveB_2\t= 1,6; 1,0",
         SteelRefusal::fieldNotRising, 2, "curveB_2", "1,6; 1,0"},
        {"curve unpaired", "curveH_2\t= 15,9 ;27,1", "curveH_2\t= 15,9",
         SteelRefusal::fieldNotRising, 2, "curveH_2", "15,9"},
        {"empty item in a curve", "curveB_2\t= 1,0; 1,6", "curveB_2\t= 1,0;; 1,6",
         SteelRefusal::badNumber, 2, "curveB_2", "1,0;; 1,6"},
        {"stacking above one", "stacking_2\t= 0,96", "stacking_2\t= 1,2", SteelRefusal::badNumber,
         2, "stacking_2", "1,2"},
        {"B800 zero", "B800min_2\t= 1,80", "B800min_2\t= 0", SteelRefusal::notPositive, 2,
         "B800min_2", "0"},
        {"saturation beyond any steel", "Bsat_2\t= 2,03", "Bsat_2\t= 3", SteelRefusal::badNumber, 2,
         "Bsat_2", "3"},
        {"the same grade twice", "grade2\t= M150-35S", "grade2\t= m800-50a",
         SteelRefusal::duplicateName, 2, "grade2", "m800-50a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text(kTwo);
        const size_t at = text.find(c.replace);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, c.replace.size(), c.by);
        SteelCatalogue got = ParseSteels(text, "data/Стали.txt");
        EXPECT_FALSE(got.ok);
        EXPECT_TRUE(got.grades.empty());
        EXPECT_EQ(got.problem.code, c.code);
        EXPECT_EQ(got.problem.entry, c.entry);
        EXPECT_EQ(got.problem.key, c.key);
        EXPECT_EQ(got.problem.value, c.value);
        EXPECT_EQ(got.problem.file, "data/Стали.txt");
    }
    SteelCatalogue empty = ParseSteels("Стали:\r\ngrade2\t= M1\r\n", "f");
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.problem.code, SteelRefusal::noEntry);
    EXPECT_EQ(empty.problem.entry, 0);
}

TEST(SteelCatalogue, FileMissingTooLargeOrInWindows1251) {
    ScratchFolder dir;
    SteelCatalogue none = LoadSteels(dir.path());
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.problem.code, SteelRefusal::noFile);
    EXPECT_EQ(none.problem.file, pathToUtf8(dir / "Стали.txt"));

    dir.write("Стали.txt", *utf8ToCp1251("grade1\t= Э3413\r\nfamily1\t= GO\r\nthickness1\t= "
                                         "0,35\r\ndensity1\t= 7,65\r\nP17max_1\t= 1,50\r\n"));
    SteelCatalogue cp = LoadSteels(dir.path());
    ASSERT_TRUE(cp.ok);
    EXPECT_EQ(cp.grades[0].name, "Э3413");
    EXPECT_NE(FindSteelGrade(cp.grades, "э3413"), nullptr);

    dir.write("Стали.txt", std::string(kMaxTextFile + 1, ' '));
    EXPECT_EQ(LoadSteels(dir.path()).problem.code, SteelRefusal::tooLarge);
}

// The source keys that data/README.md explains, from its table of steel sources.
std::set<std::string> documentedSources() {
    const std::string readme = testing::readBytes(kData / "README.md");
    const size_t from = readme.find("## The steel catalogue");
    EXPECT_NE(from, std::string::npos);
    std::set<std::string> keys;
    const std::regex row(R"(\n\| `([A-Z]+)` \|)");
    for (std::sregex_iterator it(readme.begin() + static_cast<long>(from), readme.end(), row), end;
         it != end; ++it)
        keys.insert((*it)[1]);
    return keys;
}

TEST(ShippedSteels, EveryGradeIsSoundPlausibleAndSourced) {
    SteelCatalogue c = LoadSteels(kData);
    ASSERT_TRUE(c.ok) << static_cast<int>(c.problem.code) << " " << c.problem.key;
    ASSERT_GE(c.grades.size(), 2u);
    const std::set<std::string> documented = documentedSources();
    const std::regex enName(R"(M(\d{3,4})-(\d{2,3})([APS]))");
    for (const SteelGrade& g : c.grades) {
        SCOPED_TRACE(g.name);
        EXPECT_GE(g.thickness, 0.05);
        EXPECT_LE(g.thickness, 1.5);
        EXPECT_GE(g.density, 7.0);
        EXPECT_LE(g.density, 8.0);
        bool any = false;
        for (const auto* set : {&g.lossMax, &g.lossTyp, &g.H}) {
            double before = 0;
            for (double v : *set) {
                EXPECT_GE(v, 0);
                if (v == 0) continue;
                EXPECT_GT(v, before) << "not rising with the induction";
                before = v;
            }
        }
        for (int k = 0; k < 3; ++k) {
            any = any || g.lossMax[k] > 0 || g.lossTyp[k] > 0;
            if (g.lossMax[k] > 0 && g.lossTyp[k] > 0) {
                EXPECT_LE(g.lossTyp[k], g.lossMax[k]);
            }
        }
        EXPECT_TRUE(any);

        // The guaranteed maximum of an EN name: class A at 1.5 T, S and P at 1.7 T. The
        // AISI grades of the suppliers' table: grain-oriented, the thickness in the name,
        // both guaranteed points and B800 ≥ 1.80 T.
        std::smatch m;
        if (std::regex_match(g.name, m, std::regex("M-[4-6] (0\\.[0-9]{2})"))) {
            EXPECT_EQ(g.family, SteelFamily::grainOriented);
            EXPECT_EQ(g.thickness, std::stod(m[1]));
            EXPECT_GT(g.lossMax[1], 0);
            EXPECT_GT(g.lossMax[2], g.lossMax[1]);
            EXPECT_EQ(g.B800, 1.80);
        } else {
            ASSERT_TRUE(std::regex_match(g.name, m, enName));
            const bool go = m[3] != "A";
            EXPECT_EQ(g.family, go ? SteelFamily::grainOriented : SteelFamily::nonOriented);
            EXPECT_EQ(g.lossMax[go ? 2 : 1], std::stod(m[1]) / 100);
            EXPECT_EQ(g.thickness, std::stod(m[2]) / 100);
        }

        // Every source key is explained in data/README.md.
        ASSERT_FALSE(g.source.empty());
        std::stringstream keys(g.source);
        for (std::string key; std::getline(keys, key, ';');) {
            key.erase(0, key.find_first_not_of(' '));
            EXPECT_TRUE(documented.count(key)) << "source " << key << " not in data/README.md";
        }

        // The model reads the grade's own figures back unchanged at 50 Hz.
        const auto& used = lossBasis(g) == LossBasis::typical ? g.lossTyp : g.lossMax;
        for (int k = 0; k < 3; ++k)
            if (used[k] > 0) {
                EXPECT_EQ(specificLoss(g, kGradeB[k], 50), used[k]);
            }
        for (int k = 0; k < 3; ++k)
            if (g.H[k] > 0) {
                EXPECT_EQ(fieldStrength(g, kGradeB[k]).value_or(-1), g.H[k]);
            }
    }
}

TEST(ShippedSteels, HoldEachKindsDefaultGradeOfTheRightFamily) {
    SteelCatalogue c = LoadSteels(kData);
    ASSERT_TRUE(c.ok);
    for (int core = 0; core <= 4; ++core) {
        SCOPED_TRACE(core);
        const SteelGrade* g = FindSteelGrade(c.grades, defaultSteelGrade(core));
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->family, core <= 2 ? SteelFamily::grainOriented : SteelFamily::nonOriented);
    }
    // Lines "key\t= value\r\n" in Windows-1251 and nothing else, as the wire catalogue.
    const std::string raw = testing::readBytes(kData / pathFromUtf8(kSteelFile));
    ASSERT_TRUE(raw.ends_with("\r\n"));
    size_t lines = 0;
    for (size_t pos = 0; pos < raw.size(); ++lines) {
        const size_t end = raw.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos);
        const std::string line = raw.substr(pos, end - pos);
        EXPECT_NE(line.find("\t= "), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        pos = end + 2;
    }
    EXPECT_GT(lines, c.grades.size() * 5);
    EXPECT_LE(raw.size(), 9999u);
}

}  // namespace
// A choice keeps its own copy of the grade: it outlives the catalogue it was made
// from (a window keeps the outcome of its last run across a catalogue reload). The
// asked grade when there is one, else the kind's default, with its entry's index.
TEST(SteelChoice, OutlivesItsCatalogueAndNamesTheEntry) {
    SteelChoice asked, fallback;
    std::string firstName;
    {
        SteelCatalogue c = LoadSteels(kData);
        ASSERT_TRUE(c.ok);
        ASSERT_GE(c.grades.size(), 2u);
        firstName = c.grades[1].name;
        asked = ChooseSteel(c.grades, firstName, 3);
        fallback = ChooseSteel(c.grades, "no such grade", 2);
        EXPECT_EQ(asked.index, 1);
        const SteelGrade* def = FindSteelGrade(c.grades, defaultSteelGrade(2));
        ASSERT_NE(def, nullptr);
        EXPECT_EQ(fallback.index, static_cast<int>(def - c.grades.data()));
    }
    ASSERT_TRUE(asked.grade && fallback.grade);
    EXPECT_EQ(asked.grade->name, firstName);
    EXPECT_FALSE(asked.missing);
    EXPECT_EQ(fallback.grade->name, defaultSteelGrade(2));
    EXPECT_TRUE(fallback.missing);
    EXPECT_EQ(fallback.asked, "no such grade");
    EXPECT_EQ(ChooseSteel({}, "", 0).index, -1);
}

}  // namespace velmora
