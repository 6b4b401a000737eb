#include "core_list.hpp"

#include <cmath>

#include "numtext.hpp"
#include "textfile.hpp"

namespace velmora {

namespace {

struct Refused {
    CoreListProblem problem;
};

class EntryReader {
public:
    EntryReader(const KeyValueIndex& index, int n, std::string_view file)
        : index_(index), n_(n), file_(file) {}

    std::string key(std::string_view stem) const { return std::string(stem) + std::to_string(n_); }
    std::string text(std::string_view stem) const { return index_.value(key(stem)); }

    [[noreturn]] void refuse(CoreListRefusal code, std::string_view stem) const {
        throw Refused{{code, n_, key(stem), text(stem), std::string(file_)}};
    }

    // A positive finite size, the whole text, '.' or ',' as the decimal separator.
    double size(std::string_view stem) const {
        const std::string s = text(stem);
        if (s.empty()) refuse(CoreListRefusal::missingSize, stem);
        const std::optional<double> whole = wholeNumber(s);
        const double v = whole.value_or(0);
        if (!whole || !std::isfinite(v)) refuse(CoreListRefusal::badNumber, stem);
        if (!(v > 0)) refuse(CoreListRefusal::notPositive, stem);
        return v;
    }

    int kind() const {
        const std::string t = text("core");
        if (t.size() != 1 || t[0] < '0' || t[0] > '4') refuse(CoreListRefusal::badKind, "core");
        return t[0] - '0';
    }

private:
    const KeyValueIndex& index_;
    int n_;
    std::string_view file_;
};

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
            const EntryReader e(index, n, file);
            ListedCore c;
            c.name = e.text("name");
            if (c.name.empty()) break;
            c.core = e.kind();
            c.lst = e.size("lst");
            c.hst = e.size("hst");
            c.lok = e.size("lok");
            if (c.core != 0) c.hok = e.size("hok");
            c.note = e.text("note");
            out.cores.push_back(std::move(c));
        }
    } catch (const Refused& r) {
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
        if (c.core != 0) line("hok", n, sizeText(c.hok));
        // Written even when empty, like the closing empty name: a key the file has no
        // line of is looked for in the other values too (the hand-made "d1 мм = 0,5"
        // rule), where a name such as "name3" would open an entry of its own.
        line("note", n, listText(c.note));
    }
    line("name", cores.size() + 1, "");
    return o;
}

}  // namespace velmora
