// What a text in the pseudo-language says outside its marks: every text of Velmora's
// own is wrapped in "[#" ... "#]", so a letter left outside is a word that bypassed the
// language tables, unless it is data (a wire kind, a steel grade, a file or core name)
// or a core type letter.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

// The text outside the marks (nested marks count as one), with the data named removed.
inline std::string unmarked(std::string_view s, const std::vector<std::string>& data = {}) {
    std::string out;
    int depth = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s.substr(i, 2) == "[#") {
            ++depth;
            ++i;
        } else if (depth > 0 && s.substr(i, 2) == "#]") {
            --depth;
            ++i;
            out += ' ';  // a mark ends a word
        } else if (depth == 0) {
            out += s[i];
        }
    }
    for (const std::string& d : data)
        for (std::size_t at; !d.empty() && (at = out.find(d)) != std::string::npos;) out.replace(at, d.size(), 1, ' ');
    return out;
}

// The first word of Russian or English in `rest` (a Cyrillic letter, or a run of Latin
// letters that is no symbol of a quantity or a unit of the formulas), "" for none. The
// core type letters stand alone or in brackets.
inline std::string wordIn(std::string rest) {
    for (std::string letters : {"ПЛ", "ШЛ", "Ш", "Г", "Т"})
        for (std::size_t at = 0; (at = rest.find(letters, at)) != std::string::npos;) {
            const bool before = at == 0 || std::string_view(" (,\t\n\r\"").find(rest[at - 1]) != std::string_view::npos;
            const std::size_t end = at + letters.size();
            const bool after = end == rest.size() || std::string_view(" ),\t\n\r\"").find(rest[end]) != std::string_view::npos;
            if (before && after) rest.replace(at, letters.size(), 1, ' ');
            else at = end;
        }
    std::string word;
    auto isLatin = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::size_t i = 0; i <= rest.size(); ++i) {
        const unsigned char c = i < rest.size() ? static_cast<unsigned char>(rest[i]) : ' ';
        if (c == 0xD0 || c == 0xD1) return rest.substr(i, 20);  // lead bytes of U+0400..U+047F
        if (isLatin(static_cast<char>(c))) {
            word += static_cast<char>(c);
            continue;
        }
        // Symbols the formulas and tables use in every language, and a number's exponent.
        static const std::vector<std::string> kSymbols{"e", "x", "Ls", "Hs", "Lok", "Hok", "Kok", "D", "d", "H", "W", "AWG"};
        if (!word.empty() && std::find(kSymbols.begin(), kSymbols.end(), word) == kSymbols.end()) return word;
        word.clear();
    }
    return {};
}

}  // namespace velmora::test
