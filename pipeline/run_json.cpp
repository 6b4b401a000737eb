#include "run_json.hpp"

#include <cmath>
#include <map>

#include "numtext.hpp"
#include "steel_texts.hpp"
#include "rectifier_json.hpp"

namespace velmora::json {
namespace {

// Length of the valid UTF-8 sequence at s[i], 0 when the bytes there are not one.
size_t utf8Sequence(std::string_view s, size_t i) {
    auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned c = b(i);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    unsigned cp = n == 1 ? c : c & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    static constexpr unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    for (size_t i = 0; i < s.size();) {
        size_t n = utf8Sequence(s, i);
        if (n == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        char c = s[i];
        if (n > 1) out.append(s.substr(i, n));
        else if (c == '"') out += "\\\"";
        else if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 0xF];
            out += hex[c & 0xF];
        } else {
            out += c;
        }
        i += n;
    }
    return out + "\"";
}

std::string figureNumber(double v, int decimals) {
    if (!std::isfinite(v)) return "null";
    return decimals == kShortest ? shortest(v) : fixed(v, decimals);
}

namespace {

// The steel figures to a precision far below what they can claim (0.1 g, 0.1 mT, 1 mW,
// 0.1 mA, 0.001 %, 0.01 K): the pow, log and exp of one C library and another may
// differ in the last bit, and the numbers must read the same from every build.

std::string steelJson(const SteelOutcome& steel, texts::Lang lang) {
    if (!steel.result || steel.result->status != SteelStatus::ok) return "null";
    const SteelResult& s = *steel.result;
    std::string o = "{\"grade\": " + jsonString(steel.choice.grade->name);
    for (const SteelFigure& f : kSteelFigures) {
        if (!figureShown(f, s)) continue;
        const std::optional<double> v = f.read(s);
        o += ", " + jsonString(f.key) + ": " + (v ? figureNumber(*v, f.json) : std::string("null"));
    }
    o += std::string(", \"feasible\": ") + (s.work.feasible ? "true" : "false");
    o += ", \"reasons\": [";
    for (size_t i = 0; i < s.work.reasons.size(); ++i)
        o += (i ? ", " : "") + jsonString(reasonName(s.work.reasons[i]));
    o += "]";
    o += ", \"warnings\": [";
    for (size_t i = 0; i < s.warnings.size(); ++i)
        o += (i ? ", " : "") + jsonString(texts::steelWarning(s.warnings[i], lang));
    return o + "]}";
}

}  // namespace

std::string runAsJson(const Record& r, const RunResult& run, const std::vector<Message>& messages,
                      const std::vector<texts::Misread>& misread, texts::Lang lang,
                      const SteelOutcome& steel, const RectifierDesigns& rectifiers) {
    std::string o = "{\n  \"status\": " + jsonString(statusName(run.status)) + ",\n  \"fields\": {";
    bool first = true;
    for (const Field& f : fields()) {
        o += first ? "\n    " : ",\n    ";
        first = false;
        o += jsonString(f.name) + ": ";
        o += f.kind == FieldKind::text ? jsonString(f.textIn(r)) : std::to_string(f.intIn(r));
    }
    o += "\n  },\n  \"comment\": " + jsonString(r.comment) + ",\n  \"messages\": [";
    first = true;
    for (const Message& m : messages) {
        const texts::Shown shown = texts::message(m, lang);
        o += first ? "\n    " : ",\n    ";
        first = false;
        o += "{\"caption\": " + jsonString(shown.caption) + ", \"text\": " + jsonString(shown.text) + "}";
    }
    o += first ? "],\n  \"hints\": {" : "\n  ],\n  \"hints\": {";
    std::map<int, const Hint*> shownHints;  // by control id; the last one set is the one shown
    for (const Hint& h : run.hints) shownHints[findField(h.field)->id] = &h;
    first = true;
    for (const auto& [id, h] : shownHints) {
        o += first ? "\n    " : ",\n    ";
        first = false;
        o += jsonString(std::to_string(id)) + ": " + jsonString(texts::hint(*h, lang));
    }
    o += first ? "},\n  \"warnings\": [" : "\n  },\n  \"warnings\": [";
    first = true;
    for (const texts::Misread& m : misread) {
        o += first ? "\n    " : ",\n    ";
        first = false;
        o += "{\"field\": " + jsonString(m.field) + ", \"text\": " + jsonString(m.text) +
             ", \"reads\": " + (std::isfinite(m.reads) ? shortest(m.reads) : "null") + "}";
    }
    for (const std::string& w : rectifierTapWarnings(r, rectifiers, lang)) {
        o += first ? "\n    " : ",\n    ";
        first = false;
        o += w;
    }
    o += first ? "],\n  \"steel\": " : "\n  ],\n  \"steel\": ";
    o += steelJson(steel, lang) + ",\n  \"gauges\": {";
    // The AWG gauge line of each tip shown that has one, by control id, on one line.
    first = true;
    for (const auto& [id, h] : shownHints) {
        const std::string text = texts::gaugeLine(*h, lang);
        if (text.empty()) continue;
        o += first ? "" : ", ";
        first = false;
        o += jsonString(std::to_string(id)) + ": " + jsonString(text);
    }
    o += "},\n  ";
    o += rectifiersJson(r, rectifiers, lang) + ",\n  \"extents\": {";
    o += "\"ext1\": " + std::to_string(r.ext1);
    for (int i = 0; i < kSecondaries; ++i)
        o += ", \"ext2_" + std::to_string(i + 1) + "\": " + std::to_string(r.ext2[i]);
    return o + "}\n}\n";
}

std::string runAsJson(const Record& r, const Evaluation& e, texts::Lang lang) {
    return runAsJson(r, e.run, e.messages, e.misread, lang, e.steel, e.rectifiers);
}

}  // namespace velmora::json
