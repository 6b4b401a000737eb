#include "core_typing.hpp"

#include "core_kind.hpp"
#include "numtext.hpp"

namespace velmora {

namespace {
bool laminated(int core) { return validCoreKind(core) && !coreKindInfo(core).tapeWound; }
}  // namespace

std::string_view inductionFor(int core) { return coreKindInfo(core).inductionOnChoice; }

void deriveFromLst(Record& r) {
    const double lst = number(r.lst);
    if (r.core > 0) r.hkar = fixed(lst + 2, 1);
}

void deriveFromHst(Record& r) {
    if (r.core > 0) {
        r.hkar1 = fixed(number(r.hst) + 2, 1);
    } else {
        const double lst = number(r.lst);
        const double hst = number(r.hst);
        r.hkar = fixed((lst - hst) * 0.5 + 2, 1);
    }
}

void deriveFromLok(Record& r) {
    const double lok = number(r.lok);
    if (r.core == 0) r.hkar1 = fixed(lok + 2, 1);
}

void deriveFromHok(Record& r) {
    const double hok = number(r.hok);
    if (r.core > 0) r.lkar = fixed(hok - 2, 1);
}

void typeCore(Record& r, int core, double lst, double hst, double lok, double hok) {
    r.core = core;
    r.lst = shortest(lst);
    r.hst = shortest(hst);
    r.lok = shortest(lok);
    if (core != 0) r.hok = shortest(hok);
    deriveFromLst(r);
    deriveFromHst(r);
    deriveFromLok(r);
    deriveFromHok(r);
    std::string Bm = r.Bm;  // read by the number rule on a copy: the field stays as typed
    if (laminated(core) && number(Bm) > coreKindInfo(core).inductionLimit)
        r.Bm = std::string(inductionFor(core));
}

}  // namespace velmora
