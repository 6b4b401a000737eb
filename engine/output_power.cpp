#include "output_power.hpp"

#include <string>

#include "numtext.hpp"
#include "rectifier.hpp"
#include "rectifier_fields.hpp"

namespace velmora {

OutputPower outputPower(const Record& r, const RunFigures& f) {
    OutputPower p;
    for (int i = 0; i < kSecondaries; ++i) {
        if (!f.used[i]) continue;
        if (hasRectifier(r, i)) {
            const RectifierInputs s = rectifierInputs(r, i);
            const RectifierCircuit c = rectifierOnWinding(f, i, s);
            const RectifierResult x = solveRectifier(c);
            if (x.status == RectifierStatus::settled) {
                const RectifierPower w = rectifierPower(c, x);
                p.rectified = true;
                p.dc += w.dc;
                p.diodes += w.diodes;
                p.diodesOf[i] = w.diodes;
                continue;
            }
        }
        std::string U2 = r.U2[i];  // the calculation's own reading of its texts
        p.resistive += (f.centre[i] ? 2 : 1) * number(U2) * f.I2[i];
    }
    return p;
}

}  // namespace velmora
