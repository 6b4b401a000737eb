#include "wire_choice.hpp"

namespace velmora {
namespace {

// A value whose integer part is below it gets integer part + 1 (the 32-bit range as
// the run's own conversion allows it).
std::optional<double> raised(double v) {
    if (!(v > -2147483649.0 && v < 2147483648.0)) return std::nullopt;
    const double ip = static_cast<int>(v);
    return ip < v ? ip + 1 : ip;
}

}  // namespace

std::optional<WirePick> pickWire(const WireTable& wires, double Sreq) {
    const int last = wires.last();
    WirePick p;
    if (!(Sreq <= wires.S[last])) {
        const auto n = raised(Sreq / wires.S[last]);
        if (!n) return std::nullopt;
        p.n = *n;
    }
    const double per = Sreq / p.n;
    while (p.k < last && !(wires.S[p.k] > per)) ++p.k;
    return p;
}

std::optional<double> strandsOf(const WireTable& wires, double Sreq, int k) {
    const auto n = raised(Sreq / wires.S[k]);
    if (!n) return std::nullopt;
    return *n < 1 ? 1.0 : *n;  // a section too small to count still takes one strand
}

bool sameWireChoices(const WireTable& wires, std::span<const WireRecord> choices, double j) {
    for (const WireRecord& c : choices) {
        const double Sreq = c.I / j;
        if (c.fixedSize) {
            const auto n = strandsOf(wires, Sreq, c.pick.k);
            if (!n || *n != c.pick.n) return false;
        } else {
            const auto p = pickWire(wires, Sreq);
            if (!p || *p != c.pick) return false;
        }
    }
    return true;
}

}  // namespace velmora
