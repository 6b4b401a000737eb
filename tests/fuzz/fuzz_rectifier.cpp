// The rectifier solver, its EMF search and the design helper on arbitrary inputs:
// every value 0, negative, huge, tiny, inf or nan as well as ordinary. Each ends
// within its bound with a refusal or finite figures, and a settled state keeps the
// physics of any cycle (mean within trough and crest, crest below the EMF's).
#include <cmath>
#include <cstring>

#include "fuzz_support.hpp"
#include "numtext.hpp"
#include "rectifier.hpp"
#include "rectifier_design.hpp"

using namespace velmora;

namespace {

// Eight bytes as a double: every bit pattern, non-finite and denormal ones included,
// or, when the first byte says so, one of the values that decide the branches.
struct Reader {
    const std::uint8_t* data;
    size_t size, at = 0;
    std::uint8_t byte() { return at < size ? data[at++] : 0; }
    double value() {
        static const double kSpecial[] = {0.0,   -0.0,  -1.0,  1e-300, 1e300, INFINITY, -INFINITY,
                                          NAN,   50.0,  0.7,   0.02,   24.0,  4700e-6,  2.0,
                                          1e-12, 1e-3,  1e6,   1e9,    1e3,   1e-6};
        const std::uint8_t how = byte();
        if (how < 128) return kSpecial[how % (sizeof kSpecial / sizeof *kSpecial)];
        double v = 0;
        std::uint8_t raw[8] = {};
        for (auto& b : raw) b = byte();
        std::memcpy(&v, raw, sizeof v);
        return v;
    }
};

void checkResult(const RectifierCircuit& c, const RectifierResult& r) {
    if (r.cycles < 0 || r.cycles > kRectifierMaxCycles) fuzz::broken("cycles beyond the bound");
    const double figures[] = {r.Udc, r.ripple, r.Umin, r.Umax, r.Irms, r.IdRms, r.Ipeak, r.angle};
    for (double x : figures)
        if (!std::isfinite(x)) fuzz::broken("non-finite figure");
    if (r.status == RectifierStatus::refused) {
        if (r.refusal == RectifierRefusal::none || r.input == RectifierInput::none)
            fuzz::broken("a refusal without its reason");
        for (double x : figures)
            if (x != 0) fuzz::broken("a refusal with figures");
        return;
    }
    if (r.refusal != RectifierRefusal::none) fuzz::broken("a reason without a refusal");
    if (r.status != RectifierStatus::settled) return;
    const double crest = std::sqrt(2.0) * c.E - diodesInPath(c.kind) * c.Vd;
    const double tol = 1e-9 * std::sqrt(2.0) * c.E;
    if (!(r.Umin <= r.Udc + tol && r.Udc <= r.Umax + tol)) fuzz::broken("mean outside the ripple");
    if (!(r.Umin > 0)) fuzz::broken("settled below zero volts");
    if (!(r.Umax < crest + tol)) fuzz::broken("capacitor above the crest");
    if (!(r.Irms > 0 && r.Ipeak > 0 && r.angle > 0)) fuzz::broken("settled without current");
    if (!(r.IdRms > 0 && r.IdRms <= r.Irms * (1 + 1e-12))) fuzz::broken("a diode above its winding");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    Reader in{data, size};
    const int what = in.byte();
    RectifierCircuit c;
    c.kind = static_cast<RectifierKind>(static_cast<int>(in.byte() % 6));  // 0 and 5 unknown
    c.E = in.value();
    c.F = in.value();
    c.Rs = in.value();
    c.Vd = in.value();
    c.rd = in.value();
    c.C = in.value();
    c.Idc = in.value();
    const double Udc = in.value();

    checkResult(c, solveRectifier(c));

    const EmfSolution s = solveEmf(c, Udc);
    if (s.solves < 0 || s.solves > 60) fuzz::broken("EMF search beyond its bound");
    if (!std::isfinite(s.E)) fuzz::broken("non-finite EMF");
    if (s.status == EmfStatus::refused && s.solves != 0) fuzz::broken("a refusal that solved");
    if (s.status == EmfStatus::found) {
        if (s.at.status != RectifierStatus::settled) fuzz::broken("found on an unsettled state");
        if (!(std::fabs(s.at.Udc - Udc) <= 1e-6 * Udc)) fuzz::broken("found the wrong DC");
    }

    // The helper on the default design, now and then (each run calculates up to 21 times).
    if (what % 8 == 0) {
        Record r;
        RectifierInputSets inputSets{};
        inputSets[what / 8 % kSecondaries] = {static_cast<int>(c.kind), Udc, c.Idc, c.C * 1e6, c.Vd,
                                          c.rd};
        WireTable wires;
        for (double d : {0.1, 0.2, 0.3, 0.5, 0.8, 1.0, 1.5, 2.0}) {
            wires.D.push_back(d);
            wires.Diz.push_back(d * 1.1);
            wires.S.push_back(d * d * 0.7853981633974483);
            wires.M.push_back(wires.S.back() * 8.9);
        }
        const RectifierDesigns d = applyRectifiers(r, wires, inputSets);
        for (int i = 0; i < kSecondaries; ++i) {
            if (d[i].rounds < 0 || d[i].rounds > kRectifierMaxRounds)
                fuzz::broken("helper beyond its rounds");
            if (!std::isfinite(textToDouble(r.U2[i])) || !std::isfinite(textToDouble(r.I2[i])))
                fuzz::broken("helper wrote a non-finite input");
            if (d[i].status != RectifierDesignStatus::settled) continue;
            if (d[i].reached.status != RectifierStatus::settled)
                fuzz::broken("settled on an unsettled state");
            if (!std::isfinite(d[i].reached.Udc) || !std::isfinite(d[i].reached.Irms) ||
                !(d[i].reached.Udc > 0))
                fuzz::broken("a settled design without its DC");
        }
    }
    return 0;
}
