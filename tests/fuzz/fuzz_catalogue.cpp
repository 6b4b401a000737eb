// The kind list and size file loaders on arbitrary files: whatever they accept is a
// sound table.
#include <cmath>

#include "fuzz_support.hpp"
#include "texts.hpp"
#include "wires.hpp"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    auto parts = fuzz::split(data, size, '\x01', 2);
    const auto& dir = fuzz::scratch();
    fuzz::writeBytes(dir / "Провода.txt", parts[0]);
    fuzz::writeBytes(dir / "K.txt", parts.size() > 1 ? parts[1] : parts[0]);

    WireKinds kinds = LoadWireKinds(dir);
    auto said = [](const Message& m) { return texts::message(m, texts::Lang::ru).text; };
    if (!kinds.ok && said(kinds.message).empty()) fuzz::broken("kind list refused without a message");
    if (kinds.ok && kinds.names.empty()) fuzz::broken("an empty kind list accepted");

    WireSizes sizes = LoadWireSizes(dir, "K");
    if (!sizes.ok) {
        if (said(sizes.message).empty()) fuzz::broken("size file refused without a message");
        return 0;
    }
    const WireTable& t = sizes.table;
    if (t.D.empty()) fuzz::broken("an empty size table accepted");
    for (size_t k = 0; k < t.D.size(); ++k) {
        if (!(std::isfinite(t.D[k]) && t.D[k] >= 0.001)) fuzz::broken("bad copper diameter");
        if (k > 0 && !(t.D[k] > t.D[k - 1])) fuzz::broken("diameters not ascending");
        if (!(std::isfinite(t.Diz[k]) && t.Diz[k] >= t.D[k])) fuzz::broken("bad insulated diameter");
        if (!(std::isfinite(t.M[k]) && t.M[k] >= 0)) fuzz::broken("bad mass");
        if (t.S[k] != t.D[k] * t.D[k] * 0.7853981633974483) fuzz::broken("section not from diameter");
    }
    return 0;
}
