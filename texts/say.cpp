#include "say.hpp"

#include <unordered_map>
#include <vector>

#include "languages.hpp"

namespace velmora::texts {
namespace {

using Index = std::unordered_map<std::string_view, std::string_view>;

const Index& indexOf(Lang lang) {
    static const std::vector<Index> all = [] {
        std::vector<Index> v;
        for (const Language& l : languages()) {
            Index& ix = v.emplace_back();
            for (const TextRow& r : l.table()) ix.emplace(r.id, r.text);
        }
        return v;
    }();
    return all[lang.index < all.size() ? lang.index : 0];
}

}  // namespace

std::string_view sayOr(std::string_view id, Lang lang, std::string_view otherwise) {
    const Index& ix = indexOf(lang);
    const auto it = ix.find(id);
    return it != ix.end() ? it->second : otherwise;
}

std::string_view say(std::string_view id, Lang lang) { return sayOr(id, lang, id); }

std::string fill(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string s;
    s.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size()) {
            s += args.begin()[n];
            ++i;
        } else {
            s += text[i];
        }
    }
    return s;
}

std::string say(std::string_view id, Lang lang, std::initializer_list<std::string_view> args) {
    return fill(say(id, lang), args);
}

}  // namespace velmora::texts
