// A small hand-made size table for the engine tests (twelve copper diameters with
// the enamel and mass of ordinary winding wire), and the ring they share.
#pragma once

#include <initializer_list>

#include "calculation.hpp"
#include "texts.hpp"

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

// A run as the user sees it in Russian: messages and hints rendered, hints by
// control id, the comment written into the record.
struct ShownHint {
    int id;
    std::string text;
};
struct Shown {
    RunStatus status = RunStatus::ok;
    std::vector<texts::Shown> messages;
    std::vector<ShownHint> hints;
    double n1 = 1;
    std::array<double, kSecondaries> n2{};
    std::array<int, kSecondaries> repetitions{};
    int overfilled = 0;
    RunResult raw;
};

inline Shown shown(Record& r, const RunResult& run) {
    Shown s;
    s.status = run.status;
    for (const Message& m : run.messages) s.messages.push_back(texts::message(m, texts::Lang::ru));
    for (const Hint& h : run.hints)
        s.hints.push_back({findField(h.field)->id, texts::hint(h, texts::Lang::ru)});
    s.n1 = run.n1;
    s.n2 = run.n2;
    s.repetitions = run.repetitions;
    s.overfilled = run.overfilled;
    s.raw = run;
    r.comment = texts::comment(run, texts::Lang::ru);
    return s;
}

inline Shown calculate(Record& r, const WireTable& wires) { return shown(r, Calculate(r, wires)); }

// The last text a run set on a control, or nullptr when it set none.
inline const std::string* lastHint(const Shown& run, int id) {
    const std::string* text = nullptr;
    for (const ShownHint& h : run.hints)
        if (h.id == id) text = &h.text;
    return text;
}

}  // namespace velmora::test
