// One calculation run: parse the inputs, refuse what cannot be computed, size the
// core, then three passes of primary, secondaries, totals and power; an overfill or
// a refusal ends it with what was written so far.
#include "calculation.hpp"

#include <exception>
#include <optional>

#include "design_state.hpp"
#include "input_checks.hpp"
#include "numtext.hpp"

namespace velmora {

std::string_view statusName(RunStatus s) {
    switch (s) {
        case RunStatus::ok:
            return "ok";
        case RunStatus::overfill:
            return "overfill";
        case RunStatus::refused:
            return "refused";
    }
    return "refused";
}

namespace calc {
namespace {

constexpr int kDefaultPasses = 3;
constexpr std::array<std::string_view, 12> kWireHints{"D1",   "Lpr1",   "D2_1", "Lpr2_1",
                                                      "D2_2", "Lpr2_2", "D2_3", "Lpr2_3",
                                                      "D2_4", "Lpr2_4", "D2_5", "Lpr2_5"};

void parseInputs(Design& d, Record& r) {
    d.lst = number(r.lst);
    d.hst = number(r.hst);
    d.lok = number(r.lok);
    d.hok = number(r.hok);
    d.lkar = number(r.lkar);
    d.hkar = number(r.hkar);
    d.hkar1 = number(r.hkar1);
    d.megsl = number(r.megsl);
    d.megob = number(r.megob);
    d.Bm = number(r.Bm);
    d.j = number(r.j);
    d.F = number(r.F);
    d.U1nom = number(r.U1nom);
    d.U1max = number(r.U1max);
    for (int i = 0; i < kSecondaries; ++i) d.U2[i] = number(r.U2[i]);
    for (int i = 0; i < kSecondaries; ++i) d.I2[i] = number(r.I2[i]);
    d.d11 = number(r.d11);
    for (int i = 0; i < kSecondaries; ++i) d.d2[i] = number(r.d2[i]);
    d.razmery = r.razmery != 0;
    d.use_d = r.use_d != 0;
    for (int i = 0; i < kSecondaries; ++i) d.centre[i] = r.double2[i] != 0;
    d.diag_width = r.diag_width;
}

// Every run starts from nothing: no result text, extent or wire hint of an earlier
// design may stand beside these inputs, whatever this run comes to.
void reset(Design& d, Record& r, RunResult& out) {
    d.kst = 0.9;
    d.eta = 0.9;
    d.kfree = 0.3;
    r.kfree = d.kfree;
    d.n2 = {1, 1, 1, 1, 1};
    d.W2 = d.S2 = d.R2 = d.dU2 = d.Sw2 = d.Pcu2 = D5{};
    if (!d.texts) return;
    clearResults(r);
    for (std::string_view field : kWireHints) out.hints.push_back({field});
}

void totals(Design& d, Record& r) {
    d.sumPcu2 = 0;
    for (int i = 0; i < kSecondaries; ++i) {
        d.Sw2[i] = d.W2[i] * d.S2[i] * d.n2[i];
        d.Pcu2[i] = 1.2 * (d.I2[i] * d.I2[i]) * d.R2[i];
        if (d.centre[i]) {
            d.Sw2[i] *= 2;
            d.Pcu2[i] *= 2;
        }
    }
    d.Sw = d.Sw2[0] + d.Sw2[1] + d.Sw2[2] + d.Sw2[3] + d.Sw2[4] + d.Sw1;
    put(d, r, r.Kok, d.Sw / d.Sok, 3);
    d.sumPcu2 = d.Pcu2[0] + d.Pcu2[1] + d.Pcu2[2] + d.Pcu2[3] + d.Pcu2[4];
    d.Pcu = d.sumPcu2 + d.Pcu1;
}

void pass(Design& d, Record& r, const WireTable& wires) {
    if (d.U1nom - d.dUv1 <= 0) refuse(Refusal::primaryDrop);
    primaryStep(d, r, wires);
    for (int i = 0; i < kSecondaries; ++i) {
        clearSecondaryHints(d, i);
        if (d.P2[i] != 0) secondaryStep(d, r, wires, i);
    }
    totals(d, r);
    powerStep(d, r);
}

// The window fill as far as the run came: secondaries count without their strands.
void overfillTotals(Design& d, Record& r) {
    for (int i = 0; i < kSecondaries; ++i) {
        d.Sw2[i] = d.W2[i] * d.S2[i];
        if (d.centre[i]) d.Sw2[i] *= 2;
    }
    d.Sw = d.Sw2[0] + d.Sw2[1] + d.Sw2[2] + d.Sw2[3] + d.Sw2[4] + d.Sw1;
    put(d, r, r.Kok, d.Sw / d.Sok, 3);
}

RunFigures figuresOf(const Design& d) {
    RunFigures f;
    f.core = d.core;
    f.lst = d.lst; f.hst = d.hst; f.lok = d.lok; f.hok = d.hok;
    f.hkar = d.hkar; f.hkar1 = d.hkar1; f.lkar = d.lkar;
    f.F = d.F; f.U1nom = d.U1nom; f.U1max = d.U1max;
    f.Sst = d.Sst; f.lm = d.lm; f.Sok = d.Sok; f.room = d.room;
    f.Pzad = d.Pzad; f.Pcu = d.Pcu; f.Pcu1 = d.Pcu1;
    f.W1 = d.W1; f.I1 = d.I1; f.Imu = d.Imu; f.R1 = d.R1; f.E1xx = d.E1xx; f.ew = d.ew;
    f.Lpr1 = d.Lpr1; f.M1 = d.M1; f.n1 = d.n1; f.Diz1 = d.Diz1; f.build1 = d.build1;
    for (int i = 0; i < kSecondaries; ++i) {
        f.used[i] = d.P2[i] != 0;
        f.centre[i] = d.centre[i];
        f.W2[i] = d.W2[i]; f.I2[i] = d.I2[i]; f.R2[i] = d.R2[i];
        f.U2xx[i] = d.W1 != 0 ? d.E1xx * d.W2[i] / d.W1 : 0;
        f.Lpr2[i] = d.Lpr2[i]; f.M2[i] = d.M2[i]; f.n2[i] = d.n2[i]; f.Diz2[i] = d.Diz2[i];
        f.build2[i] = d.build2[i];
    }
    return f;
}

void stopWith(RunResult& out, RunStatus status, Message why) {
    out.status = status;
    out.instructions.clear();
    out.messages.push_back(std::move(why));
}

}  // namespace

RunResult calculatePasses(Record& r, const WireTable& wires, int passes, bool texts) {
    RunResult out;
    Design d;
    d.texts = texts;
    parseInputs(d, r);
    std::optional<Message> why = checkCore(r.core, d.core);
    if (!why) why = checkInputs(d, r, wires);
    if (why) {
        // Nothing of an earlier design may stand beside these inputs.
        reset(d, r, out);
        stopWith(out, RunStatus::refused, std::move(*why));
        return out;
    }

    std::optional<Stop> stop;
    try {
        reset(d, r, out);
        sizeCore(d, r);
        d.Pcu1 = 0;
        d.sumPcu2 = 0;
        d.dUv1 = 0;
        for (int p = 0; p < passes; ++p) pass(d, r, wires);
    } catch (const Stop& s) {
        stop = s;
    } catch (const std::exception&) {
        stop = Stop{RunStatus::refused, refusal(Refusal::internal)};
    }
    if (stop && stop->status == RunStatus::overfill) {
        try {
            overfillTotals(d, r);
        } catch (const Stop& s) {
            stop = s;
        }
    }

    out.messages = std::move(d.messages);
    out.hints.insert(out.hints.end(), d.hints.begin(), d.hints.end());
    out.n1 = d.n1;
    out.n2 = d.n2;
    out.repetitions = d.repetitionsAll;
    out.figures = figuresOf(d);
    out.instructions = std::move(d.instructions);
    out.wireChoices = std::move(d.choices);
    if (!stop) return out;
    if (stop->status == RunStatus::overfill) {
        out.overfilled = stop->winding;
        if (stop->ext >= 0 && stop->winding >= secondary(0)) r.ext2[stop->winding - secondary(0)] = stop->ext;
    }
    stopWith(out, stop->status, std::move(stop->why));
    return out;
}

}  // namespace calc

RunResult Calculate(Record& r, const WireTable& wires) {
    return calc::calculatePasses(r, wires, calc::kDefaultPasses);
}

RunResult CalculateFigures(Record& r, const WireTable& wires) {
    return calc::calculatePasses(r, wires, calc::kDefaultPasses, false);
}

double lastBuild(const RunFigures& f) {
    double build = f.build1;
    for (int i = 0; i < kSecondaries; ++i)
        if (f.used[i]) build = f.build2[i];
    return build;
}

}  // namespace velmora
