#include "steels.hpp"

#include <cmath>
#include <optional>
#include <unordered_set>

#include "entry_reader.hpp"
#include "numtext.hpp"
#include "output_power.hpp"
#include "textfile.hpp"
#include "wires.hpp"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 3> kPoint{"10", "15", "17"};  // of kGradeB

using Entry = EntryReader<SteelProblem>;

// Points of one kind rising with the induction, as far as they are given.
std::array<double, 3> points(const Entry& e, std::string_view prefix, std::string_view suffix,
                             SteelRefusal notRising) {
    std::array<double, 3> v{};
    double before = 0;
    for (int k = 0; k < 3; ++k) {
        std::string stem(prefix);
        stem += kPoint[k];
        stem += suffix;
        const std::string name = e.key(stem, true);
        v[k] = e.positive(name, std::nullopt);
        if (v[k] == 0) continue;
        if (v[k] <= before) e.refuse(notRising, name, e.text(name));
        before = v[k];
    }
    return v;
}

// A list of positive numbers "a; b; c" rising strictly; empty when the key is absent.
std::vector<double> rising(const Entry& e, const std::string& key) {
    std::vector<double> v;
    const std::string t = e.text(key);
    size_t from = 0;
    while (!t.empty() && from <= t.size()) {
        size_t to = t.find(';', from);
        if (to == std::string::npos) to = t.size();
        std::string_view item(t.data() + from, to - from);
        while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
        while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
        const std::optional<double> x = wholeNumber(item);
        if (!x || !std::isfinite(*x)) e.refuse(SteelRefusal::badNumber, key, t);
        if (!(*x > 0)) e.refuse(SteelRefusal::notPositive, key, t);
        if (!v.empty() && *x <= v.back()) e.refuse(SteelRefusal::fieldNotRising, key, t);
        v.push_back(*x);
        from = to + 1;
    }
    return v;
}

// A positive figure no larger than `most`; 0 when the key is absent.
double bounded(const Entry& e, const std::string& key, double most) {
    const double v = e.positive(key, std::nullopt);
    if (v > most) e.refuse(SteelRefusal::badNumber, key, e.text(key));
    return v;
}

SteelGrade readEntry(const Entry& e, const std::string& name) {
    SteelGrade g;
    g.name = name;
    const std::string familyKey = e.key("family");
    const std::string family = e.text(familyKey);
    if (family.empty()) e.refuse(SteelRefusal::missingValue, familyKey, family);
    if (family == "GO")
        g.family = SteelFamily::grainOriented;
    else if (family == "NO")
        g.family = SteelFamily::nonOriented;
    else
        e.refuse(SteelRefusal::badFamily, familyKey, family);
    g.thickness = e.positive(e.key("thickness"), SteelRefusal::missingValue);
    g.density = e.positive(e.key("density"), SteelRefusal::missingValue);
    g.lossMax = points(e, "P", "max", SteelRefusal::lossNotRising);
    g.lossTyp = points(e, "P", "typ", SteelRefusal::lossNotRising);
    g.H = points(e, "H", "", SteelRefusal::fieldNotRising);
    bool any = false;
    for (int k = 0; k < 3; ++k) {
        any = any || g.lossMax[k] > 0 || g.lossTyp[k] > 0;
        if (g.lossMax[k] > 0 && g.lossTyp[k] > g.lossMax[k]) {
            std::string stem("P");
            stem += kPoint[k];
            stem += "typ";
            const std::string k2 = e.key(stem, true);
            e.refuse(SteelRefusal::typicalAboveMax, k2, e.text(k2));
        }
    }
    if (!any) e.refuse(SteelRefusal::noLoss, e.key("grade"), name);
    // The further curve: as many fields as inductions, both rising.
    const std::string curveBKey = e.key("curveB", true), curveHKey = e.key("curveH", true);
    g.curveB = rising(e, curveBKey);
    g.curveH = rising(e, curveHKey);
    if (g.curveB.size() != g.curveH.size())
        e.refuse(SteelRefusal::fieldNotRising, curveHKey, e.text(curveHKey));
    g.B800 = bounded(e, e.key("B800min", true), 2.5);
    g.saturation = bounded(e, e.key("Bsat", true), 2.5);
    g.stacking = bounded(e, e.key("stacking", true), 1.0);
    g.source = e.text(e.key("source"));
    return g;
}

}  // namespace

SteelCatalogue ParseSteels(std::string_view text, std::string_view file) {
    SteelCatalogue c;
    KeyValueIndex index(text);
    std::unordered_set<std::string> lowerNames;
    try {
        for (int n = 1;; ++n) {
            const Entry e(index, n, file);
            const std::string nameKey = e.key("grade");
            const std::string name = e.text(nameKey);
            if (name.empty()) break;
            if (!lowerNames.insert(lowerCase(name)).second)
                e.refuse(SteelRefusal::duplicateName, nameKey, name);
            c.grades.push_back(readEntry(e, name));
        }
    } catch (const Entry::Refused& r) {
        c.grades.clear();
        c.problem = r.problem;
        return c;
    }
    if (c.grades.empty()) {
        c.problem = {SteelRefusal::noEntry, 0, "grade1", {}, std::string(file)};
        return c;
    }
    c.ok = true;
    return c;
}

SteelCatalogue LoadSteels(const fs::path& folder) {
    const fs::path path = folder / pathFromUtf8(kSteelFile);
    const std::string name = pathToUtf8(path);
    TextFile f = ReadTextFile(path);
    if (f.status != TextFile::ok) {
        SteelCatalogue c;
        c.problem.code =
            f.status == TextFile::tooLarge ? SteelRefusal::tooLarge : SteelRefusal::noFile;
        c.problem.file = name;
        return c;
    }
    return ParseSteels(f.text, name);
}

SteelChoice ChooseSteel(const std::vector<SteelGrade>& grades, std::string_view asked, int core) {
    SteelChoice c;
    c.asked = std::string(asked);
    const SteelGrade* g = asked.empty() ? nullptr : FindSteelGrade(grades, asked);
    c.missing = !asked.empty() && !g;
    if (!g) g = FindSteelGrade(grades, defaultSteelGrade(core));
    if (g) {
        c.grade = *g;
        c.index = static_cast<int>(g - grades.data());
    }
    return c;
}

SteelOutcome RunSteel(const SteelCatalogue& catalogue, const Record& r, const RunResult& run) {
    SteelOutcome o;
    if (!catalogue.ok) return o;
    o.choice = ChooseSteel(catalogue.grades, r.Steel, r.core);
    const std::optional<HeatConditions> c = heatConditions(r.Tamb, r.Insulation, r.Impregnated);
    o.conditionsDefaulted = !c;
    if (c) o.conditions = *c;
    if (o.choice.grade && run.status == RunStatus::ok)
    {
        const OutputPower p = outputPower(r, run.figures);
        o.result = steelModel(run.figures, *o.choice.grade, o.conditions,
                              {p.delivered(), p.useful(), p.rectified});
    }
    return o;
}

const SteelGrade* FindSteelGrade(const std::vector<SteelGrade>& grades, std::string_view name) {
    const std::string lower = lowerCase(name);
    for (const SteelGrade& g : grades)
        if (lowerCase(g.name) == lower) return &g;
    return nullptr;
}

}  // namespace velmora
