// The page's own words and its core size labels.
#include "page_words.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace velmora;
using namespace velmora::texts;

TEST(PageWords, EveryKeyOnceAndWordedInBothLanguages) {
    std::set<std::string_view> keys;
    for (std::string_view key : pageKeys()) {
        EXPECT_TRUE(keys.insert(key).second) << key;
        EXPECT_FALSE(pageWord(key, Lang::ru).empty()) << key;
        EXPECT_FALSE(pageWord(key, Lang::en).empty()) << key;
        // English words are in English: no Cyrillic letter (its UTF-8 lead bytes D0/D1).
        EXPECT_EQ(std::string(pageWord(key, Lang::en)).find_first_of("\xD0\xD1"), std::string::npos) << key;
    }
    EXPECT_EQ(pageWord("nosuch", Lang::en), "");
    for (std::string_view key : {"calculate", "load", "save", "saveReport", "help", "about", "ok", "loading",
                                 "calculated", "stale", "addSecondary", "reset", "copyLink", "updateReady",
                                 "reload", "fillShares", "appDescription", "insulationOption", "tambTip",
                                 "insulationTip", "impregnatedTip"})
        EXPECT_TRUE(keys.count(key)) << key;
}

TEST(PageWords, CoreSizeLabelsFollowTheKind) {
    EXPECT_EQ(coreSizeLabel("lst", 0, Lang::ru), "D, мм");
    EXPECT_EQ(coreSizeLabel("hst", 0, Lang::en), "d, mm");
    for (int core = 1; core < 5; ++core)
        EXPECT_EQ(coreSizeLabel("lst", core, Lang::ru), label(*findField("lst"), Lang::ru));
    EXPECT_EQ(coreSizeLabel("hok", 2, Lang::en), label(*findField("hok"), Lang::en));
    EXPECT_EQ(coreSizeLabel("nosuch", 2, Lang::ru), "");
}
