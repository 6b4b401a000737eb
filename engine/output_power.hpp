// Where the power the windings deliver goes: a resistive secondary's U2·I2 (both
// halves of a centre tap), a rectifier secondary's DC output and its diodes' loss,
// the rectifier solved on the winding the run gave. The steel model adds the copper
// and the core to these for the input and the efficiencies.
#pragma once

#include <array>

#include "calculation.hpp"
#include "record.hpp"

namespace velmora {

struct OutputPower {
    bool rectified = false;  // some used secondary has a rectifier
    double resistive = 0;    // U2·I2 of the secondaries without one, W
    double dc = 0;           // DC output of the rectifiers (every rail), W
    double diodes = 0;       // the rectifiers' diode loss, W
    std::array<double, kSecondaries> diodesOf{};  // by secondary, W
    // What the windings deliver (the transformer's output), and what reaches the
    // loads (the supply's).
    double delivered() const { return resistive + dc + diodes; }
    double useful() const { return resistive + dc; }
};

// From the record's rectifier inputs and the run's figures; a rectifier that does not
// settle counts as its winding's U2·I2 (its diodes unknown).
OutputPower outputPower(const Record& r, const RunFigures& f);

}  // namespace velmora
