// The list-of-cores reader on arbitrary files: a refusal names its code, entry and
// file; an accepted list holds sound cores, writes and reads back the same, and the
// advisor judges each of its cores once.
#include <cmath>

#include "core_advisor.hpp"
#include "core_list.hpp"
#include "fuzz_support.hpp"
#include "textfile.hpp"

using namespace velmora;

namespace {

// One grade under every kind's default name: the advice never stops for a grade.
const std::vector<SteelGrade>& grades() {
    static const std::vector<SteelGrade> g = [] {
        std::vector<SteelGrade> v;
        for (int k = 0; k < 5; ++k) {
            SteelGrade s;
            s.name = std::string(defaultSteelGrade(k));
            s.density = 7.65;
            s.thickness = 0.35;
            s.lossMax = {0, 0, 1.5};
            v.push_back(s);
        }
        return v;
    }();
    return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const auto& dir = fuzz::scratch();
    const auto path = dir / pathFromUtf8(kCoreListFile);
    fuzz::writeBytes(path, std::string_view(reinterpret_cast<const char*>(data), size));
    const CoreList l = LoadCoreList(path);
    if (!l.ok) {
        if (l.problem.code == CoreListRefusal::none) fuzz::broken("refused without a code");
        if (l.problem.file.empty()) fuzz::broken("refusal names no file");
        if (l.problem.entry < 1 && l.problem.code != CoreListRefusal::tooLarge &&
            l.problem.code != CoreListRefusal::noFile)
            fuzz::broken("an entry's refusal names no entry");
        if (!l.cores.empty()) fuzz::broken("a refused list kept cores");
        return 0;
    }
    std::vector<ListedCore> clean = l.cores;
    for (ListedCore& c : clean) {
        if (c.name.empty()) fuzz::broken("a core without a name");
        if (c.core < 0 || c.core > 4) fuzz::broken("no kind");
        for (double v : {c.lst, c.hst, c.lok})
            if (!(std::isfinite(v) && v > 0)) fuzz::broken("a size not positive");
        if (c.core != 0 && !(std::isfinite(c.hok) && c.hok > 0)) fuzz::broken("no window height");
        c.name = listText(c.name);
        c.note = listText(c.note);
        if (c.name.empty()) return 0;  // only '=' and blanks: it cannot be written back
    }
    const CoreList back = ParseCoreList(FormatCoreList(clean), "again");
    if (!back.ok || back.cores != clean) fuzz::broken("a written list reads back otherwise");

    // The first cores through the advisor: each counted once, the ranking ordered.
    const std::span<const ListedCore> few(clean.data(), std::min<size_t>(clean.size(), 8));
    const Advice a = adviseCores(Record{}, few, fuzz::plainWires(), grades(), "", AdviceLimits{});
    if (a.status != AdviceStatus::ok) fuzz::broken("a grade missing");
    const AdviceCounts& k = a.counts;
    if (k.fit + k.overfill + k.refused + k.tooHot + k.margin != static_cast<int>(few.size()))
        fuzz::broken("a core not counted once");
    if (static_cast<int>(a.ranked.size()) != k.fit) fuzz::broken("ranked and fit differ");
    for (size_t i = 1; i < a.ranked.size(); ++i)
        if (a.ranked[i].mass_steel_kg < a.ranked[i - 1].mass_steel_kg) fuzz::broken("not ranked");
    return 0;
}
