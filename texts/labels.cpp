// Field labels and units, and core kinds, keyed by the field's name: a row of five
// secondaries shares one label ("U2_" for U2_1..U2_5, "d2" for d21..d25).
#include "say.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

// The row name of a secondary's field: "U2_3" → "U2_", "d23" → "d2".
std::string_view rowOf(const Field& f) {
    std::string_view n = f.name;
    if (f.winding >= 2 && !n.empty()) n.remove_suffix(1);
    return n;
}

std::string id(std::string_view room, const Field& f) { return std::string(room) + std::string(rowOf(f)); }

}  // namespace

std::string_view label(const Field& f, Lang lang) { return sayOr(id("label.", f), lang, f.name); }

std::string_view unit(const Field& f, Lang lang) { return sayOr(id("unit.", f), lang, {}); }

std::string_view coreKind(int core, Lang lang) {
    const std::optional<CoreKind> k = coreKindFrom(core);
    if (!k) return {};
    return sayOr("kind." + std::to_string(kindIndex(*k)), lang, {});
}

std::string_view coreSizeLabel(std::string_view name, int core, Lang lang) {
    const Field* f = findField(name);
    if (!f) return {};
    // The dimension names of the shapes whose labels are no field's own ("D", "d", "H").
    if (const CoreShape* s = shapeOf(core))
        for (std::size_t k = 0; k < kCoreDimFields.size(); ++k)
            if (kCoreDimFields[k] == name)
                if (const std::string_view d = sayOr("dim." + std::string(s->dimNames[k]), lang, {}); !d.empty())
                    return d;
    return label(*f, lang);
}

}  // namespace velmora::texts
