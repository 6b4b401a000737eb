// The languages Velmora speaks, as data: one row per language with its table of texts.
// The window's menu, velmora-cli's --lang, the page's selector and the state file all
// walk this one list.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "texts.hpp"

namespace velmora::texts {

// One text of a language's table, keyed by an id every language shares.
struct TextRow {
    std::string_view id, text;
};

struct Language {
    std::string_view code;       // in the state file, --lang, the page's address
    std::string_view name;       // in the language itself, for the menu
    std::string_view qtProgram;  // the program's Qt translation (":/i18n/<name>.qm"); "" for none
    std::string_view qtBase;     // Qt's translation of its own dialogs; "" for none
    std::string_view helpFile;   // the help text of the data folder
    char decimal;                // the decimal separator the language's own texts write
    bool forTests;               // not offered to users (the pseudo-language)
    std::span<const TextRow> (*table)();
};

// Every language, the program's own (Russian) first; a Lang is an index into it.
std::span<const Language> languages();
const Language& language(Lang lang);
// The language of a code, nothing for a code no row has.
std::optional<Lang> findLang(std::string_view code);
Lang langAt(std::size_t index);

// The table of each language (texts/lang_<code>.cpp). The pseudo-language's is made
// from the English one at first use: every text wrapped in "[#" ... "#]" with its
// Latin vowels doubled, so a test can tell Velmora's own words from data.
std::span<const TextRow> russianTexts();
std::span<const TextRow> englishTexts();
std::span<const TextRow> pseudoTexts();
std::string pseudoOf(std::string_view english);

}  // namespace velmora::texts
