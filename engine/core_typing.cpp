#include "core_typing.hpp"

#include "numtext.hpp"

namespace velmora {

namespace {

const CoreShape& shapeOrRing(int core) {
    const CoreShape* s = shapeOf(core);
    return s ? *s : shapeOf(CoreKind::ring);
}

std::string& field(Record& r, CoreDim d) {
    switch (d) {
        case CoreDim::lst: return r.lst;
        case CoreDim::hst: return r.hst;
        case CoreDim::lok: return r.lok;
        case CoreDim::hok: break;
    }
    return r.hok;
}

}  // namespace

std::string_view inductionFor(int core) { return shapeOrRing(core).inductionOnChoice; }

void deriveFrom(Record& r, CoreDim edited) {
    const CoreShape& s = shapeOrRing(r.core);
    number(field(r, edited));
    bool any = false;
    for (std::size_t k = 0; k < 3; ++k) {
        if (s.geometry.derivedOn[k] != edited) continue;
        any = true;
        for (std::size_t d = 0; d < 4; ++d)
            if (s.geometry.derivedFrom[k][d]) number(field(r, static_cast<CoreDim>(d)));
    }
    if (!any) return;
    // The fields read stand converted; the others are read on copies, unchanged.
    auto value = [&](CoreDim d) {
        std::string text = field(r, d);
        return number(text);
    };
    const BobbinSizes b =
        s.geometry.bobbin({value(CoreDim::lst), value(CoreDim::hst), value(CoreDim::lok), value(CoreDim::hok)});
    if (s.geometry.derivedOn[0] == edited) r.hkar = fixed(b.hkar, 1);
    if (s.geometry.derivedOn[1] == edited) r.hkar1 = fixed(b.hkar1, 1);
    if (s.geometry.derivedOn[2] == edited && b.lkar) r.lkar = fixed(*b.lkar, 1);
}

void deriveFromLst(Record& r) { deriveFrom(r, CoreDim::lst); }
void deriveFromHst(Record& r) { deriveFrom(r, CoreDim::hst); }
void deriveFromLok(Record& r) { deriveFrom(r, CoreDim::lok); }
void deriveFromHok(Record& r) { deriveFrom(r, CoreDim::hok); }

void chooseCore(Record& r, int core) {
    r.core = core;
    const CoreGeometry& g = shapeOrRing(core).geometry;
    for (CoreDim d : {CoreDim::lst, CoreDim::hst, CoreDim::lok, CoreDim::hok})
        if (g.derivedOn[0] == d || g.derivedOn[1] == d || g.derivedOn[2] == d) deriveFrom(r, d);
    r.Bm = std::string(inductionFor(core));
}

void typeCore(Record& r, int core, double lst, double hst, double lok, double hok) {
    const CoreShape* s = shapeOf(core);
    r.core = core;
    r.lst = shortest(lst);
    r.hst = shortest(hst);
    r.lok = shortest(lok);
    if (!s || !s->ring) r.hok = shortest(hok);
    for (CoreDim d : {CoreDim::lst, CoreDim::hst, CoreDim::lok, CoreDim::hok}) deriveFrom(r, d);
    std::string Bm = r.Bm;  // read by the number rule on a copy: the field stays as typed
    if (s && !s->tapeWound && number(Bm) > s->inductionLimit) r.Bm = std::string(s->inductionOnChoice);
}

Record designOnCore(const Record& design, const ListedCore& c) {
    Record r = design;
    typeCore(r, c.core, c.lst, c.hst, c.lok, c.hok);
    return r;
}

}  // namespace velmora
