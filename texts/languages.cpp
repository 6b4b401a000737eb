#include "languages.hpp"

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace velmora::texts {

std::span<const Language> languages() {
    static constexpr std::array<Language, 3> kLanguages{{
        {"ru", "Русский", "", "qtbase_ru", "ReadMe.txt", ',', false, russianTexts},
        {"en", "English", "velmora_en", "qtbase_en", "ReadMe_en.txt", '.', false, englishTexts},
        {"qps", "[#Pseeuudoo#]", "velmora_qps", "", "ReadMe_en.txt", '.', true, pseudoTexts},
    }};
    return kLanguages;
}

Lang langAt(std::size_t index) { return Lang{static_cast<std::uint8_t>(index)}; }

const Language& language(Lang lang) {
    const auto all = languages();
    return lang.index < all.size() ? all[lang.index] : all.front();
}

std::optional<Lang> findLang(std::string_view code) {
    const auto all = languages();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].code == code) return langAt(i);
    return std::nullopt;
}

Lang langFromCode(std::string_view code) { return findLang(code).value_or(Lang::ru); }
std::string_view langCode(Lang lang) { return language(lang).code; }

std::string pseudoOf(std::string_view english) {
    if (english.empty()) return {};
    std::string s = "[#";
    for (std::size_t i = 0; i < english.size(); ++i) {
        const char c = english[i];
        s += c;
        // A placeholder ("%1") stays whole; a vowel is said twice.
        if (c == '%' && i + 1 < english.size()) s += english[++i];
        else if (std::string_view("aeiouAEIOU").find(c) != std::string_view::npos) s += c;
    }
    return s += "#]";
}

std::span<const TextRow> pseudoTexts() {
    struct Made {
        std::deque<std::string> texts;  // stable addresses for the rows' views
        std::vector<TextRow> rows;
    };
    static const Made made = [] {
        Made m;
        for (const TextRow& r : englishTexts()) m.rows.push_back({r.id, m.texts.emplace_back(pseudoOf(r.text))});
        return m;
    }();
    return made.rows;
}

}  // namespace velmora::texts
