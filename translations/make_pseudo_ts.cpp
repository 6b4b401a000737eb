// Makes the pseudo-language's Qt translation from the English one (argv[1] → argv[2]):
// every translation wrapped and stretched as texts/ makes its table, so a test can
// tell the window's own words from data.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>

#include "languages.hpp"

namespace {

constexpr std::pair<std::string_view, std::string_view> kEntities[] = {
    {"&amp;", "&"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&lt;", "<"}, {"&gt;", ">"}};

std::string replaced(std::string s, std::string_view from, std::string_view to) {
    for (std::size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
        s.replace(at, from.size(), to);
    return s;
}

std::string pseudo(std::string xml) {
    for (const auto& [entity, c] : kEntities) xml = replaced(xml, entity, c);
    xml = velmora::texts::pseudoOf(xml);
    xml = replaced(xml, "&", "&amp;");  // the ampersand first: the others bring one
    for (const auto& [entity, c] : kEntities)
        if (c != "&") xml = replaced(xml, c, entity);
    return xml;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string ts = ss.str();
    const std::string open = "<translation>", close = "</translation>";
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = ts.find(open, from)) != std::string::npos;) {
        const std::size_t text = at + open.size(), end = ts.find(close, text);
        if (end == std::string::npos) break;
        out += ts.substr(from, text - from) + pseudo(ts.substr(text, end - text));
        from = end;
    }
    out += ts.substr(from);
    std::ofstream(argv[2], std::ios::binary) << out;
    return in && !out.empty() ? 0 : 1;
}
