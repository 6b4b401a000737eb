// The window program's terminal words in both languages, and the language the
// environment's locale names before the state file can be read.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "window_words.hpp"

using namespace velmora;
using texts::Lang;

namespace {

bool hasCyrillic(const std::string& s) {
    for (unsigned char c : s)
        if (c == 0xD0 || c == 0xD1) return true;  // lead bytes of U+0400..U+047F
    return false;
}

Lang langOf(const std::map<std::string, std::string>& vars) {
    return texts::langOfEnvironment([&vars](const char* name) -> std::optional<std::string> {
        auto it = vars.find(name);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    });
}

}  // namespace

TEST(WindowWords, UsageAndErrorsInBothLanguages) {
    using E = texts::WindowUsageError;
    EXPECT_EQ(texts::windowUsageError(E::unknownOption, "--bogus", Lang::ru), "неизвестный параметр \"--bogus\"");
    EXPECT_EQ(texts::windowUsageError(E::unknownOption, "--bogus", Lang::en), "unknown option \"--bogus\"");
    EXPECT_EQ(texts::windowUsageError(E::twoDesigns, "", Lang::ru), "можно открыть только один проект");
    EXPECT_EQ(texts::windowUsage(Lang::ru).rfind("Использование: velmora [ПРОЕКТ.sav]\n", 0), 0u);
    EXPECT_NE(texts::windowUsage(Lang::ru).find("--version    версия программы\n"), std::string::npos);
    EXPECT_NE(texts::noDisplay(Lang::ru).find("нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы)"),
              std::string::npos);
    for (const std::string& en : {texts::windowUsage(Lang::en), texts::noDisplay(Lang::en),
                                  texts::windowUsageError(E::twoDesigns, "", Lang::en)}) {
        EXPECT_FALSE(en.empty());
        EXPECT_FALSE(hasCyrillic(en)) << en;
    }
    EXPECT_NE(texts::windowUsage(Lang::en).find("--help"), std::string::npos);
    EXPECT_NE(texts::noDisplay(Lang::en).find("velmora-cli"), std::string::npos);
}

TEST(WindowWords, TheFirstLocaleVariableSetDecidesTheLanguage) {
    EXPECT_EQ(langOf({}), Lang::ru);
    EXPECT_EQ(langOf({{"LANG", "en_US.UTF-8"}}), Lang::en);
    EXPECT_EQ(langOf({{"LANG", "en"}}), Lang::en);
    EXPECT_EQ(langOf({{"LANG", "en@quot"}}), Lang::en);
    EXPECT_EQ(langOf({{"LANG", "ru_RU.UTF-8"}}), Lang::ru);
    EXPECT_EQ(langOf({{"LANG", "C"}}), Lang::ru);
    EXPECT_EQ(langOf({{"LANG", "de_DE.UTF-8"}}), Lang::ru);
    // Names that only begin with "en" are other languages or no language.
    EXPECT_EQ(langOf({{"LANG", "enx"}}), Lang::ru);
    // LANGUAGE before LC_ALL before LC_MESSAGES before LANG; empty ones do not count.
    EXPECT_EQ(langOf({{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}}), Lang::ru);
    EXPECT_EQ(langOf({{"LC_MESSAGES", "en_GB.UTF-8"}, {"LC_ALL", "ru_RU.UTF-8"}}), Lang::ru);
    EXPECT_EQ(langOf({{"LC_ALL", "en_GB.UTF-8"}, {"LANGUAGE", "ru"}}), Lang::ru);
    EXPECT_EQ(langOf({{"LC_ALL", ""}, {"LANG", "en_GB.UTF-8"}}), Lang::en);
    // LANGUAGE lists languages by preference; the first one counts.
    EXPECT_EQ(langOf({{"LANGUAGE", "en_GB:ru"}, {"LANG", "ru_RU.UTF-8"}}), Lang::en);
    EXPECT_EQ(langOf({{"LANGUAGE", ":ru:en"}, {"LANG", "en_US.UTF-8"}}), Lang::ru);
    EXPECT_EQ(langOf({{"LANGUAGE", ":"}, {"LANG", "en_US.UTF-8"}}), Lang::en);
}
