// A small hand-made size table for the engine tests (twelve copper diameters with
// the enamel and mass of ordinary winding wire), and the ring they share.
#pragma once

#include <initializer_list>

#include "calculation.hpp"

namespace velmora::test {

inline WireTable wiresOf(std::initializer_list<double> diameters) {
    WireTable w;
    for (double D : diameters) {
        const double S = D * D * 0.7853981633974483;
        w.D.push_back(D);
        w.Diz.push_back(D * 1.1 + 0.01);
        w.S.push_back(S);
        w.M.push_back(S * 8.9);  // g per metre of copper
    }
    return w;
}

inline const WireTable& testWires() {
    static const WireTable w =
        wiresOf({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.2, 1.5});
    return w;
}

// A ring of 100 x 60 x 30 mm (D, d, H): room enough for the default windings.
inline void makeRing(Record& r) {
    r.core = 0;
    r.lst = "100";
    r.hst = "60";
    r.lok = "30";
}

// The last text a run set on a control, or nullptr when it set none.
inline const std::string* lastHint(const RunResult& run, int id) {
    const std::string* text = nullptr;
    for (const Hint& h : run.hints)
        if (h.id == id) text = &h.text;
    return text;
}

}  // namespace velmora::test
