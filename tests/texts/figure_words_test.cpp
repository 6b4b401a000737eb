// The output figure tables: keys and widget names unique, every figure worded in every
// language, and what velmora-cli's JSON, the window and the texts take from each row.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "figure_texts.hpp"

using namespace velmora;
using texts::Lang;

namespace {

constexpr Lang kLangs[] = {Lang::ru, Lang::en};

bool cyrillic(const std::string& s) {
    for (unsigned char c : s)
        if (c == 0xD0 || c == 0xD1) return true;
    return false;
}

template <class From>
void checkTable(std::span<const FigureRow<From>> rows) {
    std::set<std::string_view> keys, controls;
    std::set<FigureId> ids;
    for (const FigureRow<From>& f : rows) {
        EXPECT_TRUE(keys.insert(f.key).second) << "key " << f.key;
        EXPECT_TRUE(ids.insert(f.id).second) << "id of " << f.key;
        if (!f.control.empty()) {
            EXPECT_TRUE(controls.insert(f.control).second) << "control " << f.control;
        }
        EXPECT_FALSE(f.quantity.empty()) << f.key;
        EXPECT_GE(f.shown, 0) << f.key;
        EXPECT_TRUE(f.json == kShortest || f.json >= f.shown) << f.key;  // JSON never coarser than shown
        EXPECT_NE(f.read, nullptr) << f.key;
        for (Lang lang : kLangs) EXPECT_FALSE(texts::figureLabel(f.id, lang).empty()) << f.key;
        EXPECT_FALSE(cyrillic(texts::figureLabel(f.id, Lang::en))) << f.key;
    }
}

}  // namespace

TEST(FigureTable, KeysAreUniqueAndEveryFigureIsWordedInEveryLanguage) {
    checkTable<SteelResult>(kSteelFigures);
    checkTable<CoreAdvice>(kAdviceFigures);
}

TEST(FigureTable, EveryFigureOfTheGroupHasAWidgetAndATipInEveryLanguage) {
    SteelResult s;
    s.I0_a = 0.1;
    SteelGrade g;
    g.name = "M800-50A";
    for (const SteelFigure& f : kSteelFigures) {
        EXPECT_EQ(f.inGroup, !f.control.empty()) << f.key;
        for (Lang lang : kLangs) EXPECT_EQ(f.hasTip, !texts::figureTip(f.id, s, g, lang).empty()) << f.key;
    }
}

TEST(FigureTable, ValuesAreShownToTheRowsDecimalsOrAsUnavailable) {
    SteelResult s;
    s.work.mass_steel_kg = 1.23456;
    s.work.B0_t = 1.3037;
    s.work.rise_k = 35.186;
    const struct {
        FigureId id;
        std::string shown;
    } cases[] = {{FigureId::massSteel, "1.235"}, {FigureId::B0, "1.30"}, {FigureId::rise, "35.2"}, {FigureId::I0, "—"}};
    for (const auto& c : cases)
        for (const SteelFigure& f : kSteelFigures)
            if (f.id == c.id) {
                EXPECT_EQ(texts::figureValue(f, s), c.shown) << f.key;
            }
    for (const SteelFigure& f : kSteelFigures)  // only the figures that may be unavailable come out so
        if (!f.read(s)) {
            EXPECT_TRUE(f.mayBeUnavailable) << f.key;
        }
    CoreAdvice a;
    a.W1 = 1234.4;
    a.D1 = 0.3551;
    for (const AdviceFigure& f : kAdviceFigures) {
        if (f.id == FigureId::adviceW1) {
            EXPECT_EQ(texts::figureValue(f, a), "1234");
        }
        if (f.id == FigureId::adviceD1) {
            EXPECT_EQ(texts::figureValue(f, a), "0.355");
        }
    }
}
