#include "wires.hpp"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "numtext.hpp"
#include "textfile.hpp"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNoKindList =
    "В папке с программой отсутствует файл перечня применяемых в программе проводов.";
constexpr std::string_view kNoSizeFile = "В папке с программой отсутствует файл ";
constexpr double kMinDiameter = 0.001;  // mm

Message warning(std::string text) { return {std::string(kCaptionWarning), std::move(text)}; }

std::string missingSizeFile(const std::string& kind) {
    return std::string(kNoSizeFile) + kind + ".txt";
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

// Why a size table cannot be used, or "" when it is sound.
std::string defect(const WireTable& t, const std::vector<Entry>& texts) {
    if (t.D.empty()) return "в нём нет ни одного размера (нет строки d1)";
    for (size_t k = 0; k < t.D.size(); ++k) {
        const Entry& e = texts[k];
        std::string at = "в записи " + std::to_string(k + 1) + " ";
        if (!std::isfinite(t.D[k])) return at + "диаметр по меди \"" + e.d + "\" не является числом";
        if (!std::isfinite(t.Diz[k]))
            return at + "диаметр по изоляции \"" + e.diz + "\" не является числом";
        if (!std::isfinite(t.M[k])) return at + "масса \"" + e.m + "\" не является числом";
        if (t.D[k] < kMinDiameter)
            return at + "диаметр по меди \"" + e.d + "\" меньше 0,001 мм";
        if (k > 0 && t.D[k] <= t.D[k - 1])
            return at + "диаметр по меди \"" + e.d + "\" не больше, чем в записи " +
                   std::to_string(k) + " (\"" + texts[k - 1].d +
                   "\"): размеры должны идти по возрастанию";
        if (t.Diz[k] < t.D[k])
            return at + "диаметр по изоляции \"" + e.diz + "\" меньше диаметра по меди \"" +
                   e.d + "\"";
        if (t.M[k] < 0) return at + "масса \"" + e.m + "\" отрицательна";
    }
    return {};
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
        kinds.message = warning(std::string(kNoKindList));
        return kinds;
    }
    if (list.status == TextFile::tooLarge) {
        kinds.message = warning(std::string(kNoKindList) + "\n\n" + list.error);
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
        kinds.message = warning(std::string(kNoKindList) +
                                "\n\nВ перечне нет ни одного провода (нет строки Conductor1).");
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
        sizes.message = warning(missingSizeFile(kind));
        return sizes;
    }
    const fs::path path = folder / pathFromUtf8(kind + ".txt");
    TextFile file = ReadTextFile(path);
    if (file.status != TextFile::ok) {
        std::string text = missingSizeFile(kind);
        if (file.status == TextFile::tooLarge) text += "\n\n" + file.error;
        sizes.message = warning(text);
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

    std::string why = defect(t, texts);
    if (!why.empty()) {
        sizes.table = {};
        sizes.message = warning(missingSizeFile(kind) + " в пригодном виде.\n\nФайл \"" +
                                pathToUtf8(path) + "\" не принят: " + why + ".");
        return sizes;
    }
    sizes.ok = true;
    return sizes;
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
    s.message = warning("Провод \"" + conductor + "\" не найден в перечне проводов. Используется провод \"" +
                        names[0] + "\".");
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
