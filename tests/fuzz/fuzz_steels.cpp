// The steel catalogue reader on arbitrary files: a refusal names its code and file;
// whatever it accepts is a sound catalogue, and the model carries every accepted grade
// through a real design to finite results.
#include <cmath>
#include <set>

#include "calculation.hpp"
#include "fuzz_support.hpp"
#include "steels.hpp"
#include "textfile.hpp"
#include "wires.hpp"

using namespace velmora;

namespace {

// The default design's figures, computed once with a plain table of wires.
const RunFigures& figures() {
    static const RunFigures f = [] {
        Record r;
        RunResult run = Calculate(r, fuzz::plainWires());
        if (run.status != RunStatus::ok) fuzz::broken("the default design did not compute");
        return run.figures;
    }();
    return f;
}

bool rising(const std::array<double, 3>& v) {
    double before = 0;
    for (double x : v) {
        if (!std::isfinite(x) || x < 0) return false;
        if (x == 0) continue;
        if (x <= before) return false;
        before = x;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const auto& dir = fuzz::scratch();
    fuzz::writeBytes(dir / pathFromUtf8(kSteelFile),
                     std::string_view(reinterpret_cast<const char*>(data), size));
    SteelCatalogue c = LoadSteels(dir);
    if (!c.ok) {
        if (c.problem.code == SteelRefusal::none) fuzz::broken("refused without a code");
        if (c.problem.file.empty()) fuzz::broken("refusal names no file");
        if (!c.grades.empty()) fuzz::broken("a refused catalogue kept grades");
        return 0;
    }
    if (c.grades.empty()) fuzz::broken("an empty catalogue accepted");
    std::set<std::string> names;
    for (const SteelGrade& g : c.grades) {
        if (g.name.empty()) fuzz::broken("a grade without a name");
        if (!names.insert(lowerCase(g.name)).second) fuzz::broken("a name twice");
        if (!(std::isfinite(g.thickness) && g.thickness > 0)) fuzz::broken("bad thickness");
        if (!(std::isfinite(g.density) && g.density > 0)) fuzz::broken("bad density");
        if (!rising(g.lossMax) || !rising(g.lossTyp) || !rising(g.H))
            fuzz::broken("points not positive and rising");
        bool any = false;
        for (int k = 0; k < 3; ++k) {
            any = any || g.lossMax[k] > 0 || g.lossTyp[k] > 0;
            if (g.lossMax[k] > 0 && g.lossTyp[k] > g.lossMax[k]) fuzz::broken("typical above max");
        }
        if (!any) fuzz::broken("a grade without a loss point");
        if (FindSteelGrade(c.grades, g.name) == nullptr) fuzz::broken("a grade not found by name");

        const SteelResult s = steelModel(figures(), g);
        if (s.status != SteelStatus::ok) fuzz::broken("an accepted grade refused by the model");
        for (double v : {s.mass_steel_kg, s.B0_t, s.loss_w, s.I_loss_a, s.efficiency_pct,
                         s.rise_k, s.mass_total_kg})
            if (std::isnan(v) || v < 0) fuzz::broken("a result undefined or negative");
        // Absurd figures (1e300 W/kg) may overflow; a finite loss keeps everything finite.
        if (std::isfinite(s.loss_w) && !(std::isfinite(s.rise_k) && std::isfinite(s.I_loss_a)))
            fuzz::broken("a finite loss with an infinite result");
        if (s.I0_a && !(*s.I0_a >= s.I_loss_a)) fuzz::broken("no-load current below its loss part");
        if (s.I0_a.has_value() != s.I_mag_a.has_value()) fuzz::broken("I0 without its parts");
        if (std::isfinite(s.rise_k) && s.steps >= kSteel.maxSteps)
            fuzz::broken("the heat balance did not settle");
    }
    return 0;
}
