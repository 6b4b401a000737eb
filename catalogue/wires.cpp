#include "wires.hpp"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "numtext.hpp"
#include "textfile.hpp"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr double kMinDiameter = 0.001;  // mm

Message noKindList(CatalogueFault fault = CatalogueFault::none, std::string path = {}) {
    Message m{MessageCode::noKindList};
    m.fault = fault;
    m.path = std::move(path);
    return m;
}

Message sizeFile(MessageCode code, const std::string& kind) {
    Message m{code};
    m.text = kind;
    return m;
}

// A kind names a file of the data folder: no folder parts, no control bytes.
bool isPlainFileName(const std::string& kind) {
    if (kind.empty() || kind == "." || kind == "..") return false;
    return std::none_of(kind.begin(), kind.end(), [](char c) {
        return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32;
    });
}

// The number rule of the record: decimal commas read as points.
double readNumber(std::string text) { return number(text); }

struct Entry {
    std::string d, diz, m;  // the texts as the file has them
};

// Why a size table cannot be used (fault none when it is sound): the fault, its entry
// and the texts it concerns go into m.
void findDefect(const WireTable& t, const std::vector<Entry>& texts, Message& m) {
    auto at = [&](CatalogueFault f, size_t k, std::string value, std::string value2 = {}) {
        m.fault = f;
        m.entry = static_cast<int>(k + 1);
        m.value = std::move(value);
        m.value2 = std::move(value2);
    };
    if (t.D.empty()) {
        m.fault = CatalogueFault::noSizes;
        return;
    }
    for (size_t k = 0; k < t.D.size(); ++k) {
        const Entry& e = texts[k];
        if (!std::isfinite(t.D[k])) return at(CatalogueFault::dNotNumber, k, e.d);
        if (!std::isfinite(t.Diz[k])) return at(CatalogueFault::dizNotNumber, k, e.diz);
        if (!std::isfinite(t.M[k])) return at(CatalogueFault::mNotNumber, k, e.m);
        if (t.D[k] < kMinDiameter) return at(CatalogueFault::dBelowMin, k, e.d);
        if (k > 0 && t.D[k] <= t.D[k - 1])
            return at(CatalogueFault::notAscending, k, e.d, texts[k - 1].d);
        if (t.Diz[k] < t.D[k]) return at(CatalogueFault::dizBelowD, k, e.diz, e.d);
        if (t.M[k] < 0) return at(CatalogueFault::negativeMass, k, e.m);
    }
}

}  // namespace

std::optional<fs::path> FindDataFolder(const fs::path& exeDir) {
    std::vector<fs::path> candidates;
    std::error_code ec;
    fs::path cwd = fs::current_path(ec);
    if (!ec) candidates.push_back(cwd);
    if (!exeDir.empty()) {
        candidates.push_back(exeDir);
        candidates.push_back(exeDir / ".." / "share" / "velmora");
    }
    const fs::path list = pathFromUtf8(kKindListFile);
    for (const fs::path& dir : candidates) {
        if (!fs::is_regular_file(dir / list, ec)) continue;
        fs::path full = fs::absolute(dir, ec);
        return (ec ? dir : full).lexically_normal();
    }
    return std::nullopt;
}

WireKinds LoadWireKinds(const fs::path& folder, SizeFiles sizeFiles) {
    WireKinds kinds;
    TextFile list = ReadTextFile(folder / pathFromUtf8(kKindListFile));
    if (list.status == TextFile::cannotOpen) {
        kinds.message = noKindList();
        return kinds;
    }
    if (list.status == TextFile::tooLarge) {
        kinds.message = noKindList(CatalogueFault::tooLarge, pathToUtf8(folder / pathFromUtf8(kKindListFile)));
        return kinds;
    }
    KeyValueIndex index(list.text);
    for (int n = 1;; ++n) {
        std::string kind = index.value("Conductor" + std::to_string(n));
        if (kind.empty()) break;
        if (sizeFiles == SizeFiles::check) {
            WireSizes sizes = LoadWireSizes(folder, kind);
            if (!sizes.ok) {
                kinds.names.clear();
                kinds.message = sizes.message;
                return kinds;
            }
        }
        if (std::find(kinds.names.begin(), kinds.names.end(), kind) == kinds.names.end())
            kinds.names.push_back(kind);
    }
    if (kinds.names.empty()) {
        kinds.message = noKindList(CatalogueFault::noEntry);
        return kinds;
    }
    std::sort(kinds.names.begin(), kinds.names.end(), [](const std::string& a, const std::string& b) {
        std::string la = lowerCase(a), lb = lowerCase(b);
        return la != lb ? la < lb : a < b;
    });
    kinds.ok = true;
    return kinds;
}

WireSizes LoadWireSizes(const fs::path& folder, const std::string& kind) {
    WireSizes sizes;
    if (!isPlainFileName(kind)) {
        sizes.message = sizeFile(MessageCode::noSizeFile, kind);
        return sizes;
    }
    const fs::path path = folder / pathFromUtf8(kind + ".txt");
    TextFile file = ReadTextFile(path);
    if (file.status != TextFile::ok) {
        sizes.message = sizeFile(MessageCode::noSizeFile, kind);
        if (file.status == TextFile::tooLarge) {
            sizes.message.fault = CatalogueFault::tooLarge;
            sizes.message.path = pathToUtf8(path);
        }
        return sizes;
    }

    KeyValueIndex index(file.text);
    WireTable& t = sizes.table;
    std::vector<Entry> texts;
    for (int n = 1;; ++n) {
        std::string num = std::to_string(n);
        Entry e{index.value("d" + num), index.value("diz" + num), index.value("m" + num)};
        if (e.d.empty()) break;
        t.D.push_back(readNumber(e.d));
        t.Diz.push_back(readNumber(e.diz));
        t.M.push_back(readNumber(e.m));
        texts.push_back(std::move(e));
    }
    for (double d : t.D) t.S.push_back(d * d * 0.7853981633974483);
    if (lowerCase(kind).starts_with("awg"))
        for (double d : t.D) t.awg.push_back(AwgGauge(d));

    Message bad = sizeFile(MessageCode::badSizeFile, kind);
    bad.path = pathToUtf8(path);
    findDefect(t, texts, bad);
    if (bad.fault != CatalogueFault::none) {
        sizes.table = {};
        sizes.message = std::move(bad);
        return sizes;
    }
    sizes.ok = true;
    return sizes;
}

int AwgGauge(double copper_mm) {
    constexpr double kNo36 = 0.127;             // mm (0.0050 in)
    const double steps = std::log(92.0) / 39;  // ln of the ratio of neighbouring gauges
    if (!(copper_mm > 0) || !std::isfinite(copper_mm)) return 0;
    const double n = std::round(36 - std::log(copper_mm / kNo36) / steps);
    if (n < 1 || n > 50) return 0;  // beyond the single-number gauges of magnet wire
    const double nominal = kNo36 * std::exp((36 - n) * steps);
    return std::abs(copper_mm / nominal - 1) <= 0.04 ? static_cast<int>(n) : 0;
}

KindSelection SelectKind(const std::vector<std::string>& names, const std::string& conductor) {
    KindSelection s;
    if (names.empty()) {
        s.conductor = conductor;
        return s;
    }
    const std::string prefix = lowerCase(conductor);
    for (size_t k = 0; k < names.size(); ++k) {
        if (lowerCase(names[k]).starts_with(prefix)) {
            s.index = static_cast<int>(k);
            s.conductor = names[k];
            return s;
        }
    }
    s.index = 0;
    s.conductor = names[0];
    Message m{MessageCode::kindMissing};
    m.text = conductor;
    m.text2 = names[0];
    s.message = std::move(m);
    return s;
}

namespace {

// Lower case of one code point: Latin, Russian and the other Cyrillic letters.
char32_t lower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я
    if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ, Ё among them
    bool evenPairs = (c >= 0x0460 && c <= 0x0481) || (c >= 0x048A && c <= 0x04BF) ||
                     (c >= 0x04D0 && c <= 0x052F);
    if (evenPairs && c % 2 == 0) return c + 1;  // Ґ and the like
    if (c >= 0x04C1 && c <= 0x04CE && c % 2 == 1) return c + 1;
    if (c == 0x04C0) return 0x04CF;
    return c;
}

}  // namespace

std::string lowerCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += char(lower(b));
            ++i;
            continue;
        }
        // Only two-byte letters change; any other byte is kept as it is.
        if (b >= 0xC2 && b <= 0xDF && i + 1 < utf8.size() &&
            (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            char32_t c = char32_t(b & 0x1F) << 6 | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
            c = lower(c);
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
            i += 2;
            continue;
        }
        out += utf8[i++];
    }
    return out;
}

}  // namespace velmora
