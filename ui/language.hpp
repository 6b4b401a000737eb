// The language of the window: the registry's language (texts/languages.hpp) the window
// speaks now, the choice kept in the state file, and the translations of the program
// and of Qt's own dialogs put in place for the whole application.
#pragma once

#include <string_view>

#include "languages.hpp"

namespace velmora::ui {

// Russian is the program's own language: its texts are the sources, it needs no
// translation of the program, and it is the language until the user picks another.
inline constexpr texts::Lang kDefaultLanguage = texts::Lang::ru;

// The key of the choice in the state file, written after the design's lines and only
// for a language other than the default, so a Russian state file stays a design file.
inline constexpr std::string_view kLanguageKey = "lang";
// The menu that offers the languages reads the same in every language.
inline constexpr const char* kLanguageMenu = "Язык / &Language";

// The language the window speaks now.
texts::Lang uiLanguage();

// What setUiLanguage found: the program's own translation (none is needed for
// Russian) and Qt's translation of its dialogs and buttons.
struct LanguageLoad {
    bool program = false;
    bool qt = false;
};

// Installs the translations of `lang` in place of the previous ones and delivers the
// language change to every widget at once, so open windows retranslate themselves
// before this returns. Needs the application object.
LanguageLoad setUiLanguage(texts::Lang lang);

}  // namespace velmora::ui
