// velmora-cli's text output.
#include "cli_texts.hpp"
#include "core_shape.hpp"
#include "numtext.hpp"
#include "say.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

std::string crlfToLf(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i)
        if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) out += s[i];
    return out;
}

}  // namespace

std::string misreadNotice(double reads, Lang lang) {
    return say("cli.misread", lang, {shortest(reads)});
}

std::string summary(const Record& r, const RunResult& run, const std::vector<Message>& messages,
                    const std::vector<Misread>& misread, Lang lang) {
    std::string o;
    auto line = [&](const Field& f) {
        const std::string& v = f.textIn(r);
        if (v.empty()) return;
        o.append("  ").append(label(f, lang)).append(": ").append(v);
        if (std::string_view u = unit(f, lang); !u.empty()) o.append(" ").append(u);
        o += "\n";
    };
    o += say("cli.core", lang);
    const std::optional<CoreKind> kind = coreKindFrom(r.core);
    o += kind ? std::string(summaryCoreName(*kind, lang)) : std::to_string(r.core);
    o += say("cli.wire", lang, {r.Conductor, statusWord(run.status, lang)});
    for (const Misread& m : misread) o += say("cli.misreadField", lang, {m.field, m.text, shortest(m.reads)});
    o += "\n";
    o += say("cli.corePower", lang);
    for (const Field& f : fields())
        if (f.role == FieldRole::result && f.winding == 0) line(f);
    for (int w = 1; w <= 1 + kSecondaries; ++w) {
        std::string body;
        std::swap(o, body);
        for (const Field& f : fields())
            if (f.role == FieldRole::result && f.winding == w) line(f);
        std::swap(o, body);
        if (body.empty()) continue;
        o += w == 1 ? std::string(say("cli.primary", lang)) : say("cli.secondary", lang, {std::to_string(w - 1)});
        o += body;
    }
    if (!messages.empty()) {
        o += say("cli.messages", lang);
        for (const Message& m : messages) {
            const Shown s = message(m, lang);
            o += "  " + s.caption + " " + crlfToLf(s.text) + "\n";
        }
    }
    o += say("cli.comment", lang);
    o += crlfToLf(r.comment);
    if (!o.empty() && o.back() != '\n') o += "\n";
    return o;
}

}  // namespace velmora::texts
