// The language of the window: one table of the languages it speaks, the choice kept
// in the state file, and the translations of the program and of Qt's own dialogs
// put in place for the whole application.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace velmora::ui {

enum class Language { ru, en };

struct LanguageInfo {
    Language lang;
    std::string_view code;  // in the state file and in the names of the translations
    const char* name;       // in the language itself, for the menu
    const char* helpFile;   // the help text of the data folder
};

// Russian is the program's own language: its texts are the sources, it needs no
// translation of the program, and it is the language until the user picks another.
inline constexpr std::array<LanguageInfo, 2> kLanguages{{
    {Language::ru, "ru", "Русский", "ReadMe.txt"},
    {Language::en, "en", "English", "ReadMe_en.txt"},
}};
inline constexpr Language kDefaultLanguage = Language::ru;

// The key of the choice in the state file, written after the design's lines and only
// for a language other than the default, so a Russian state file stays a design file.
inline constexpr std::string_view kLanguageKey = "lang";
// The menu that offers the languages reads the same in every language.
inline constexpr const char* kLanguageMenu = "Язык / &Language";

const LanguageInfo& languageInfo(Language lang);
std::optional<Language> languageFromCode(std::string_view code);

// The language the window speaks now.
Language uiLanguage();

// What setUiLanguage found: the program's own translation (none is needed for
// Russian) and Qt's translation of its dialogs and buttons.
struct LanguageLoad {
    bool program = false;
    bool qt = false;
};

// Installs the translations of `lang` in place of the previous ones and delivers the
// language change to every widget at once, so open windows retranslate themselves
// before this returns. Needs the application object.
LanguageLoad setUiLanguage(Language lang);

}  // namespace velmora::ui
