// The inputs a run cannot work with, found before anything is computed: the first
// failing rule names its field and refuses the run.
#include "input_checks.hpp"

#include <cmath>

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

std::string_view indexed(std::string_view base, int i) {
    // The field's own name, so that the message can keep a view of it.
    const std::string name = std::string(base) + std::to_string(i + 1);
    return findField(name)->name;
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

Why coreSizes(const Design& d) {
    for (auto [name, v] :
         {std::pair<std::string_view, double>{"lst", d.lst}, {"hst", d.hst}, {"lok", d.lok}})
        if (Why w = positive(d, name, v)) return w;
    if (d.shape().ring) {
        if (!(d.lst > d.hst)) return refusal(Refusal::ringDiameters, "lst", d.core);
        return {};
    }
    return positive(d, "hok", d.hok);
}

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

// The user's bobbin must be a real size; a zero hands the sizes back to the core.
Why bobbin(const Design& d) {
    const bool steel = !d.shape().ring;  // a ring has no bobbin length and no window height
    bool derived = !d.razmery;
    if (d.razmery) {
        if (Why w = notNegative(d, "hkar", d.hkar)) return w;
        if (Why w = notNegative(d, "hkar1", d.hkar1)) return w;
        if (steel)
            if (Why w = notNegative(d, "lkar", d.lkar)) return w;
        derived = d.hkar == 0 || d.hkar1 == 0 || (steel && d.lkar == 0);
    }
    if (derived && steel && !(d.hok > 2)) return refusal(Refusal::windowTooLow, "hok", d.core);
    return {};
}

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
    if (Why w = bobbin(d)) return w;
    if (Why w = desiredDiameters(d)) return w;
    return sizeTable(r, wires);
}

}  // namespace velmora::calc
