// The whole run on records built from arbitrary bytes: it ends with one of its three
// statuses within its bounded repetitions and writes no "inf", "nan" or comma into a
// result it writes.
#include <algorithm>

#include "calculation.hpp"
#include "fuzz_support.hpp"
#include "texts.hpp"
#include "numtext.hpp"

using namespace velmora;

namespace {

// A size table from the tail of the input: ascending diameters with a plausible enamel.
WireTable tableFrom(const std::string& seed) {
    WireTable t;
    double d = 0.0;
    for (unsigned char c : seed) {
        d += 0.001 + c / 100.0;
        t.D.push_back(d);
        t.Diz.push_back(d + (c % 17) / 100.0);
        t.S.push_back(d * d * 0.7853981633974483);
        t.M.push_back(8.89 * t.S.back());
        if (t.D.size() == 120) break;
    }
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    auto parts = fuzz::split(data, size, '|', 41);
    Record r;
    int k = 0;
    for (const Field& f : inputFields()) {
        if (k >= static_cast<int>(parts.size()) - 1) break;
        if (f.kind == FieldKind::text) f.textIn(r) = parts[k];
        else f.intIn(r) = textToInt(parts[k]);
        ++k;
    }
    if (!parts.empty() && parts.size() > 40) r.diag_width = std::clamp(textToInt(parts[39]), 1, 100000);
    WireTable wires = tableFrom(parts.size() > 1 ? parts.back() : std::string("\x10\x20\x30"));

    const Record before = r;
    RunResult run = Calculate(r, wires);
    r.comment = texts::comment(run, texts::Lang::ru);
    auto said = [&](texts::Lang lang) { return texts::message(run.messages.back(), lang).text; };
    if (run.status != RunStatus::ok &&
        (run.messages.empty() || said(texts::Lang::ru).empty() || said(texts::Lang::en).empty()))
        fuzz::broken("a stopped run without its message");
    if (run.status == RunStatus::refused && r.comment != said(texts::Lang::ru))
        fuzz::broken("refusal not in the comment");
    for (int rep : run.repetitions)
        if (rep < 0 || rep > 3 * 100) fuzz::broken("drop compensation beyond its hundred a pass");
    for (const Field& f : fields()) {
        if (f.role != FieldRole::result) continue;
        const std::string& v = f.textIn(r);
        if (v == f.textIn(before)) continue;  // not written by this run (KPD keeps "0,9")
        if (v.find("inf") != std::string::npos || v.find("nan") != std::string::npos)
            fuzz::broken("non-finite result text");
        if (v.find(',') != std::string::npos) fuzz::broken("comma in a result");
    }
    return 0;
}
