// Designs the benchmarks run: the default one and the hardest of each layout.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "record.hpp"

namespace velmora::bench {

using Settings = std::vector<std::pair<std::string, std::string>>;

// Each core kind with five secondaries, centre taps and desired diameters.
Settings fiveSecondaries(int core);
// A ring of thin wire that needs hundreds of layers.
Settings thinWireRing();

Record makeRecord(const Settings& s);

}  // namespace velmora::bench
