#include "core_list.hpp"

#include <cmath>

#include "core_shape.hpp"
#include "entry_reader.hpp"
#include "numtext.hpp"
#include "textfile.hpp"

namespace velmora {

namespace {

using Entry = EntryReader<CoreListProblem>;

// A size of the core: required, positive.
double size(const Entry& e, std::string_view stem) {
    return e.positive(e.key(stem), CoreListRefusal::missingSize);
}

// The kind: one digit that names a kind of the shape table.
CoreKind kind(const Entry& e) {
    const std::string k = e.key("core"), t = e.text(k);
    const bool digit = t.size() == 1 && t[0] >= '0' && t[0] <= '9';
    const std::optional<CoreKind> kind = digit ? coreKindFrom(t[0] - '0') : std::nullopt;
    if (!kind) e.refuse(CoreListRefusal::badKind, k, t);
    return *kind;
}

// Sizes as the list writes them: the shortest text, with a decimal comma.
std::string sizeText(double v) {
    std::string s = shortest(v);
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

}  // namespace

std::string listText(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
        else if (c == '=') c = '-';  // "name2 = x" inside a note would read as a key
    const size_t begin = s.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return s.substr(begin, s.find_last_not_of(' ') - begin + 1);
}

CoreList ParseCoreList(std::string_view text, std::string_view file) {
    CoreList out;
    const KeyValueIndex index(text);
    try {
        for (int n = 1;; ++n) {
            const Entry e(index, n, file);
            ListedCore c;
            c.name = e.text(e.key("name"));
            if (c.name.empty()) break;
            const CoreKind k = kind(e);
            c.core = coreNumber(k);
            c.lst = size(e, "lst");
            c.hst = size(e, "hst");
            c.lok = size(e, "lok");
            if (!shapeOf(k).ring) c.hok = size(e, "hok");
            c.note = e.text(e.key("note"));
            out.cores.push_back(std::move(c));
        }
    } catch (const Entry::Refused& r) {
        out.cores.clear();
        out.problem = r.problem;
        return out;
    }
    out.ok = true;
    return out;
}

CoreList LoadCoreList(const std::filesystem::path& path) {
    const TextFile f = ReadTextFile(path);
    if (f.status != TextFile::ok) {
        CoreList out;
        out.problem.code = f.status == TextFile::tooLarge ? CoreListRefusal::tooLarge : CoreListRefusal::noFile;
        out.problem.file = pathToUtf8(path);
        return out;
    }
    return ParseCoreList(f.text, pathToUtf8(path));
}

std::string FormatCoreList(const std::vector<ListedCore>& cores) {
    std::string o;
    auto line = [&](std::string_view stem, size_t n, std::string_view value) {
        o.append(stem).append(std::to_string(n)).append("\t= ").append(value).append("\r\n");
    };
    for (size_t i = 0; i < cores.size(); ++i) {
        const ListedCore& c = cores[i];
        const size_t n = i + 1;
        line("name", n, listText(c.name));
        line("core", n, std::to_string(c.core));
        line("lst", n, sizeText(c.lst));
        line("hst", n, sizeText(c.hst));
        line("lok", n, sizeText(c.lok));
        if (const CoreShape* s = shapeOf(c.core); !s || !s->ring) line("hok", n, sizeText(c.hok));
        // Written even when empty, like the closing empty name: a key the file has no
        // line of is looked for in the other values too (the hand-made "d1 мм = 0,5"
        // rule), where a name such as "name3" would open an entry of its own.
        line("note", n, listText(c.note));
    }
    line("name", cores.size() + 1, "");
    return o;
}

}  // namespace velmora
