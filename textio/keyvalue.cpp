// Key lookup in key/value texts. A key counts only where it stands whole: the bytes
// on either side are no ASCII letter, digit or '_', so "d1" is never read from a
// "d10" line and "Conductor1" never from "Conductor10". Among the whole occurrences
// the first one followed by blanks or TABs and '=' gives the value; failing that, the
// first whole occurrence with an '=' anywhere after it (a hand-made "d1 мм = 0,5").
#include <algorithm>

#include "textfile.hpp"

namespace velmora {
namespace {

constexpr size_t npos = std::string_view::npos;

bool isWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isWord(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), isWordByte);
}

bool standsWhole(std::string_view text, size_t pos, size_t len) {
    bool before = pos == 0 || !isWordByte(text[pos - 1]);
    bool after = pos + len >= text.size() || !isWordByte(text[pos + len]);
    return before && after;
}

// The '=' right after position `from`, past blanks and TABs, or npos.
size_t equalsAfterBlanks(std::string_view text, size_t from) {
    while (from < text.size() && (text[from] == ' ' || text[from] == '\t')) ++from;
    return from < text.size() && text[from] == '=' ? from : npos;
}

// The value behind the '=' at `eq`: up to the first byte 0..31, blanks trimmed.
std::string valueAfter(std::string_view text, size_t eq) {
    size_t begin = eq + 1, end = begin;
    while (end < text.size() && static_cast<unsigned char>(text[end]) >= 32) ++end;
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

}  // namespace

std::string GetKeyValue(std::string_view text, std::string_view key) {
    if (key.empty()) return {};
    size_t firstWhole = npos;
    for (size_t pos = text.find(key); pos != npos; pos = text.find(key, pos + 1)) {
        if (!standsWhole(text, pos, key.size())) continue;
        if (firstWhole == npos) firstWhole = pos;
        size_t eq = equalsAfterBlanks(text, pos + key.size());
        if (eq != npos) return valueAfter(text, eq);
    }
    if (firstWhole == npos) return {};
    size_t eq = text.find('=', firstWhole + key.size());
    return eq == npos ? std::string() : valueAfter(text, eq);
}

// A whole occurrence of a key made of word bytes is exactly a maximal run of word
// bytes, so one pass over the runs finds every key's occurrences.
KeyValueIndex::KeyValueIndex(std::string_view text) : text_(text) {
    for (size_t i = 0; i < text.size();) {
        if (!isWordByte(text[i])) {
            if (text[i] == '=') equals_.push_back(i);
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && isWordByte(text[end])) ++end;
        auto [it, fresh] = hits_.try_emplace(text.substr(i, end - i), Hits{i, npos});
        if (it->second.equals == npos) it->second.equals = equalsAfterBlanks(text, end);
        i = end;
    }
}

std::string KeyValueIndex::value(std::string_view key) const {
    if (!isWord(key)) return GetKeyValue(text_, key);
    auto it = hits_.find(key);
    if (it == hits_.end()) return {};
    if (it->second.equals != npos) return valueAfter(text_, it->second.equals);
    auto eq = std::lower_bound(equals_.begin(), equals_.end(), it->second.first + key.size());
    return eq == equals_.end() ? std::string() : valueAfter(text_, *eq);
}

}  // namespace velmora
