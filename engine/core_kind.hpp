// The five core kinds and what sets them apart, in one table: every place that asks
// "two coils?", "tape-wound?", "what limit?" asks it here.
#pragma once

#include <array>
#include <string_view>

namespace velmora {

struct CoreKindInfo {
    bool ring;                // a toroid: the windings go round the ring itself
    bool twoCoils;            // the turns are shared between two coils (ПЛ, Г)
    bool tapeWound;           // wound of tape (ring, ПЛ, ШЛ); else stacked laminations
    double inductionLimit;    // T: a higher Bm draws the induction warning
    std::string_view inductionOnChoice;  // Bm a kind proposes when chosen ("1.5", "1.2")
    double mu;                // relative permeability of the magnetising estimate
    std::string_view letters; // the type letters of the kind ("Т", "ПЛ", ...)
};

// Indexed by the record's `core`: 0 ring, 1 ПЛ, 2 ШЛ, 3 Ш, 4 Г.
inline constexpr std::array<CoreKindInfo, 5> kCoreKinds{{
    {true, false, true, 1.7, "1.5", 13000, "Т"},
    {false, true, true, 1.7, "1.5", 5000, "ПЛ"},
    {false, false, true, 1.7, "1.5", 5000, "ШЛ"},
    {false, false, false, 1.2, "1.2", 5000, "Ш"},
    {false, true, false, 1.2, "1.2", 5000, "Г"},
}};

inline constexpr bool validCoreKind(int core) { return core >= 0 && core < 5; }
// The kind's properties; a value outside 0..4 reads as the ШЛ kind (the run refuses
// such a record before it asks anything of it).
inline constexpr const CoreKindInfo& coreKindInfo(int core) {
    return kCoreKinds[validCoreKind(core) ? static_cast<std::size_t>(core) : 2];
}

}  // namespace velmora
