// The inputs a run cannot work with, found before anything is computed: the first
// failing rule names its field and refuses the run.
#include "input_checks.hpp"

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "numtext.hpp"

namespace velmora::calc {
namespace {

using Why = std::optional<Message>;

Why positive(const Design& d, std::string_view name, double v) {
    if (std::isfinite(v) && v > 0) return {};
    return refusal(Refusal::notPositive, name, d.core);
}

Why notNegative(const Design& d, std::string_view name, double v) {
    if (std::isfinite(v) && v >= 0) return {};
    return refusal(Refusal::notNegative, name, d.core);
}

Why finite(const Design& d, std::string_view name, double v) {
    if (std::isfinite(v)) return {};
    return refusal(Refusal::notFinite, name, d.core);
}

// The field's own name, so that the message can keep a view of it; looked up once,
// as every run checks every secondary.
std::string_view indexed(std::string_view base, int i) {
    static const auto names = [] {
        std::array<std::array<std::string_view, kSecondaries>, 3> n{};
        const std::array<std::string_view, 3> bases{"U2_", "I2_", "d2"};
        for (size_t b = 0; b < bases.size(); ++b)
            for (int k = 0; k < kSecondaries; ++k)
                n[b][static_cast<size_t>(k)] = findField(std::string(bases[b]) + std::to_string(k + 1))->name;
        return n;
    }();
    const size_t b = base == "U2_" ? 0 : base == "I2_" ? 1 : 2;
    return names[b][static_cast<size_t>(i)];
}

Why mains(const Design& d) {
    for (auto [name, v] : {std::pair<std::string_view, double>{"F", d.F},
                           {"Bm", d.Bm},
                           {"j", d.j},
                           {"U1nom", d.U1nom},
                           {"U1max", d.U1max}})
        if (Why w = positive(d, name, v)) return w;
    return {};
}

using Problems = std::vector<Message>;

void add(Problems& out, Why w) {
    if (w) out.push_back(std::move(*w));
}

// Every core size the kind cannot work with, in the order a run checks them.
Problems coreSizeProblems(const Design& d) {
    Problems out;
    for (auto [name, v] :
         {std::pair<std::string_view, double>{"lst", d.lst}, {"hst", d.hst}, {"lok", d.lok}})
        add(out, positive(d, name, v));
    if (d.shape().ring) {
        if (out.empty() && !(d.lst > d.hst)) out.push_back(refusal(Refusal::ringDiameters, "lst", d.core));
        return out;
    }
    add(out, positive(d, "hok", d.hok));
    return out;
}

Why first(const Problems& p) {
    if (p.empty()) return {};
    return p.front();
}

Why coreSizes(const Design& d) { return first(coreSizeProblems(d)); }

Why insulation(const Design& d) {
    if (Why w = notNegative(d, "megsl", d.megsl)) return w;
    return notNegative(d, "megob", d.megob);
}

Why loads(const Design& d) {
    for (int i = 0; i < kSecondaries; ++i)
        if (Why w = notNegative(d, indexed("U2_", i), d.U2[i])) return w;
    for (int i = 0; i < kSecondaries; ++i)
        if (Why w = notNegative(d, indexed("I2_", i), d.I2[i])) return w;
    return {};
}

// A winding takes at most 2^31 - 1 strands of the thickest wire of the table; a load
// beyond that is refused at the field that asks for it, before its current reaches
// the primary, which carries every load and would otherwise be blamed.
constexpr double kMaxStrands = 2147483647.0;

Why carried(const Design& d, const WireTable& wires) {
    if (wires.D.empty() || wires.S.size() < wires.D.size()) return {};  // the size table's own check
    const double Scarried = wires.S[static_cast<std::size_t>(wires.last())] * kMaxStrands;  // mm2
    for (int i = 0; i < kSecondaries; ++i) {
        if (d.U2[i] == 0 || d.I2[i] == 0) continue;  // an unused winding carries nothing
        if (!(d.I2[i] / d.j < Scarried)) return refusal(Refusal::beyondWires, indexed("I2_", i), d.core);
        // Its share of the primary's current, at the nominal mains voltage: its voltage is
        // too large. (A mains of less than a volt is the primary's own fault, said by it.)
        if (d.U1nom >= 1 && !(d.U2[i] * d.I2[i] / d.U1nom / d.j < Scarried))
            return refusal(Refusal::beyondWires, indexed("U2_", i), d.core);
    }
    return {};
}

// The user's bobbin must be a real size; a zero hands the sizes back to the core.
Problems bobbinProblems(const Design& d) {
    Problems out;
    const bool steel = !d.shape().ring;  // a ring has no bobbin length and no window height
    bool derived = !d.razmery;
    if (d.razmery) {
        add(out, notNegative(d, "hkar", d.hkar));
        add(out, notNegative(d, "hkar1", d.hkar1));
        if (steel) add(out, notNegative(d, "lkar", d.lkar));
        derived = d.hkar == 0 || d.hkar1 == 0 || (steel && d.lkar == 0);
    }
    if (derived && steel && !(d.hok > 2)) out.push_back(refusal(Refusal::windowTooLow, "hok", d.core));
    return out;
}

Why bobbin(const Design& d) { return first(bobbinProblems(d)); }

Why desiredDiameters(const Design& d) {
    if (!d.use_d) return {};
    if (Why w = finite(d, "d11", d.d11)) return w;
    for (int i = 0; i < kSecondaries; ++i)
        if (Why w = finite(d, indexed("d2", i), d.d2[i])) return w;
    return {};
}

Why sizeTable(const Record& r, const WireTable& wires) {
    const size_t n = wires.D.size();
    if (n > 0 && wires.Diz.size() >= n && wires.S.size() >= n && wires.M.size() >= n) return {};
    Message m = refusal(Refusal::noSizeTable);
    m.text = r.Conductor;
    return m;
}

}  // namespace

std::optional<Message> checkCore(int core, CoreKind& kind) {
    const std::optional<CoreKind> k = coreKindFrom(core);
    if (!k) return refusal(Refusal::coreKind, "core", core);
    kind = *k;
    return {};
}

std::optional<Message> checkInputs(const Design& d, const Record& r, const WireTable& wires) {
    if (Why w = mains(d)) return w;
    if (Why w = coreSizes(d)) return w;
    if (Why w = insulation(d)) return w;
    if (Why w = loads(d)) return w;
    if (Why w = carried(d, wires)) return w;
    if (Why w = bobbin(d)) return w;
    if (Why w = desiredDiameters(d)) return w;
    return sizeTable(r, wires);
}

}  // namespace velmora::calc

namespace velmora {

std::vector<Message> ImpossibleSizes(const Record& record) {
    Record r = record;  // the comma rule writes into the fields
    calc::Design d;
    if (std::optional<Message> m = calc::checkCore(r.core, d.core)) return {*m};
    d.lst = number(r.lst);
    d.hst = number(r.hst);
    d.lok = number(r.lok);
    d.hok = number(r.hok);
    d.hkar = number(r.hkar);
    d.hkar1 = number(r.hkar1);
    d.lkar = number(r.lkar);
    d.razmery = r.razmery != 0;
    std::vector<Message> out = calc::coreSizeProblems(d);
    // A window too low matters only when the core sizes are otherwise sound.
    for (Message& m : calc::bobbinProblems(d))
        if (m.why != Refusal::windowTooLow || out.empty()) out.push_back(std::move(m));
    return out;
}

}  // namespace velmora
