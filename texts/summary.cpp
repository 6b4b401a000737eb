// velmora-cli's text output.
#include "cli_texts.hpp"
#include "numtext.hpp"
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
    return (ru(lang) ? "Не число: читается как " : "Not a number: read as ") + shortest(reads);
}

std::string summary(const Record& r, const RunResult& run, const std::vector<Message>& messages,
                    const std::vector<Misread>& misread, Lang lang) {
    const bool ru = texts::ru(lang);
    std::string o;
    auto line = [&](const Field& f) {
        const std::string& v = f.textIn(r);
        if (v.empty()) return;
        o.append("  ").append(label(f, lang)).append(": ").append(v);
        if (std::string_view u = unit(f, lang); !u.empty()) o.append(" ").append(u);
        o += "\n";
    };
    o += ru ? "Сердечник: " : "Core: ";
    const std::optional<CoreKind> kind = coreKindFrom(r.core);
    o += kind ? std::string(summaryCoreName(*kind, lang)) : std::to_string(r.core);
    o += (ru ? ", провод " : ", wire ") + r.Conductor + (ru ? "\nРасчет: " : "\nCalculation: ") +
         std::string(statusWord(run.status, lang)) + "\n";
    for (const Misread& m : misread)
        o += (ru ? "Не число: " : "Not a number: ") + std::string(m.field) + " = \"" + m.text +
             (ru ? "\", читается как " : "\", read as ") + shortest(m.reads) + "\n";
    o += "\n";
    o += ru ? "Сердечник и мощность\n" : "Core and power\n";
    for (const Field& f : fields())
        if (f.role == FieldRole::result && f.winding == 0) line(f);
    for (int w = 1; w <= 1 + kSecondaries; ++w) {
        std::string body;
        std::swap(o, body);
        for (const Field& f : fields())
            if (f.role == FieldRole::result && f.winding == w) line(f);
        std::swap(o, body);
        if (body.empty()) continue;
        if (w == 1)
            o += ru ? "\nПервичная обмотка 1.\n" : "\nPrimary winding 1.\n";
        else
            o += (ru ? "\nВторичная обмотка 2." : "\nSecondary winding 2.") + std::to_string(w - 1) + "\n";
        o += body;
    }
    if (!messages.empty()) {
        o += ru ? "\nСообщения\n" : "\nMessages\n";
        for (const Message& m : messages) {
            const Shown s = message(m, lang);
            o += "  " + s.caption + " " + crlfToLf(s.text) + "\n";
        }
    }
    o += (ru ? "\nКомментарий\n" : "\nComment\n") + crlfToLf(r.comment);
    if (!o.empty() && o.back() != '\n') o += "\n";
    return o;
}

}  // namespace velmora::texts
