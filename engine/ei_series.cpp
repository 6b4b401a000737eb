#include "ei_series.hpp"

#include "numtext.hpp"

namespace velmora {

EiShape eiShape(double a) { return {a, a / 2, 1.5 * a, 3 * a, 2.5 * a}; }

std::vector<ListedCore> eiSeries() {
    std::vector<ListedCore> out;
    for (double a : kEiTongues) {
        const EiShape s = eiShape(a);
        for (double k : kEiStacks) {
            const double b = k * a;
            ListedCore c;
            c.name = "Ш" + shortest(a) + "х" + shortest(b);
            c.core = 3;
            c.lst = s.a;
            c.hst = b;
            c.lok = s.c;
            c.hok = s.h;
            c.note = "EI-" + shortest(s.width);
            out.push_back(std::move(c));
        }
    }
    return out;
}

}  // namespace velmora
