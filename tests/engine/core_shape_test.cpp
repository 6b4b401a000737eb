// The table of the core shapes: one known design of each kind, run through the
// calculation and the steel model, against its descriptor and against the section,
// path, window, room, outline and bobbin formulas written out here; the shape's own
// magnetic path; the one conversion from the record's integer; the bobbin derivations
// of typing a core.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "calculation.hpp"
#include "core_shape.hpp"
#include "core_typing.hpp"
#include "numtext.hpp"
#include "steel.hpp"
#include "test_wires.hpp"

using namespace velmora;

namespace {

constexpr double kPi = 3.14159265358979323846;

// M800-50A typical figures (the steel reference), enough for the model to run.
SteelGrade grade() {
    SteelGrade g;
    g.name = "NO test";
    g.density = 7.65;
    g.lossTyp = {2.60, 5.52, 7.08};
    g.H = {198, 680, 3789};
    return g;
}

struct KindCase {
    int core;
    CoreKind kind;
    std::string_view letters;
    bool ring, twoCoils, tapeWound;
    double limit;
    std::string_view proposed;  // Bm on choosing the kind
    Construction construction;
    int joints;
    std::string_view grade, picture, firstDim;
    double lst, hst, lok, hok;
    const char* Bm;
    // Worked by hand, kst 0.9, the bobbin derived (wall 1 mm).
    double Sst, lm, Sok, hkar, hkar1, lkar, room, volume, path;
    Layout layout;
};

// a = lst, b = hst, c = lok, h = hok; a ring: D, d, H.
const KindCase kCases[] = {
    // Ring D 100, d 60, H 30: Sst (100 − 60)/2 · 30 · 0.9 = 540; lm π·160/2 = 80π;
    // Sok π·60²/4 = 900π; hkar (100 − 60)/2 + 2 = 22, hkar1 30 + 2 = 32, no lkar;
    // room 160/2 − 22 = 58; volume π/4 · (100² − 60²) · 30 = 48000π; path 80π.
    {0, CoreKind::ring, "Т", true, false, true, 1.7, "1.5", Construction::woundRing, 0, "M-6 0.35",
     "core-ring.svg", "D", 100, 60, 30, 0, "1.5", 540, 80 * kPi, 900 * kPi, 22, 32, 0, 58, 48000 * kPi,
     80 * kPi, Layout::ring},
    // ПЛ a 20, b 40, c 20, h 50: Sst 20 · 40 · 0.9 = 720; lm 2·50 + 2·20 + 2·20 = 180;
    // Sok 1000; hkar 22, hkar1 42, lkar 48; room (20 − 22 + 20)/2 = 9;
    // volume ((40 + 20)·(50 + 40) − 20·50)·40 = 176000; path 2·(20 + 50) + 4·20 = 220.
    {1, CoreKind::pl, "ПЛ", false, true, true, 1.7, "1.5", Construction::cutCore, 2, "M-6 0.35",
     "core-pl.svg", "Ls", 20, 40, 20, 50, "1.5", 720, 180, 1000, 22, 42, 48, 9, 176000, 220,
     Layout::twoCoils},
    // ШЛ a 25, b 32, c 25, h 40: Sst 720; lm 80 + 50 + 50 = 180; Sok 1000; hkar 27,
    // hkar1 34, lkar 38; room 25 − (27 − 25)/2 = 24; volume ((50 + 50)·(40 + 25) −
    // 2·25·40)·32 = 144000; path 2·(25 + 40) + 2.5·25 = 192.5.
    {2, CoreKind::shl, "ШЛ", false, false, true, 1.7, "1.5", Construction::cutCore, 2, "M-6 0.35",
     "core-shl.svg", "Ls", 25, 32, 25, 40, "1.5", 720, 180, 1000, 27, 34, 38, 24, 144000, 192.5,
     Layout::bobbin},
    // Ш a 25, b 32, c 30, h 50: Sst 720; lm 100 + 60 + 50 = 210; Sok 1500; hkar 27,
    // hkar1 34, lkar 48; room 30 − 1 = 29; volume ((50 + 60)·(50 + 25) − 2·30·50)·32 =
    // 168000; path 2·(30 + 50) + 62.5 = 222.5.
    {3, CoreKind::sh, "Ш", false, false, false, 1.2, "1.2", Construction::stackedLaminations, 0,
     "M800-50A", "core-sh.svg", "Ls", 25, 32, 30, 50, "1.2", 720, 210, 1500, 27, 34, 48, 29, 168000,
     222.5, Layout::bobbin},
    // Г as the ПЛ above: the same sizing, laminated.
    {4, CoreKind::g, "Г", false, true, false, 1.2, "1.2", Construction::stackedLaminations, 0,
     "M800-50A", "core-g.svg", "Ls", 20, 40, 20, 50, "1.2", 720, 180, 1000, 22, 42, 48, 9, 176000, 220,
     Layout::twoCoils},
};

Record designOf(const KindCase& c) {
    Record r;
    r.core = c.core;
    r.lst = shortest(c.lst);
    r.hst = shortest(c.hst);
    r.lok = shortest(c.lok);
    r.hok = shortest(c.hok);
    r.Bm = c.Bm;
    r.razmery = 0;
    r.U2[0] = "15";
    r.I2[0] = "1";
    return r;
}

void expectClose(double got, double want) { EXPECT_NEAR(got, want, 1e-9 * std::fabs(want)) << want; }

}  // namespace

TEST(CoreShapes, EachKindsDescriptorIsWhatItsDesignComputes) {
    ASSERT_EQ(std::size(kCases), kCoreShapes.size());
    for (const KindCase& c : kCases) {
        SCOPED_TRACE(c.letters);
        const CoreShape& s = shapeOf(c.kind);
        EXPECT_EQ(s.kind, c.kind);
        EXPECT_EQ(s.letters, c.letters);
        EXPECT_EQ(s.ring, c.ring);
        EXPECT_EQ(s.twoCoils, c.twoCoils);
        EXPECT_EQ(s.tapeWound, c.tapeWound);
        EXPECT_EQ(s.inductionLimit, c.limit);
        EXPECT_EQ(s.inductionOnChoice, c.proposed);
        EXPECT_EQ(s.construction, c.construction);
        EXPECT_EQ(s.joints, c.joints);
        EXPECT_EQ(s.steelGrade, c.grade);
        EXPECT_EQ(defaultSteelGrade(c.core), c.grade);
        EXPECT_EQ(s.picture, c.picture);
        EXPECT_EQ(s.dimNames[0], c.firstDim);
        EXPECT_EQ(s.dimNames[3].empty(), c.ring);  // a ring has no window height

        // The run: sizing by the hand formulas, and exactly by the descriptor's.
        Record r = designOf(c);
        const RunResult run = Calculate(r, test::testWires());
        ASSERT_EQ(run.status, RunStatus::ok);
        const RunFigures& f = run.figures;
        EXPECT_EQ(f.core, c.kind);
        expectClose(f.Sst, c.Sst);
        expectClose(f.lm, c.lm);
        expectClose(f.Sok, c.Sok);
        expectClose(f.room, c.room);
        EXPECT_EQ(r.Sst, fixed(c.Sst / 100, 2));
        const CoreDims dims{c.lst, c.hst, c.lok, c.hok};
        EXPECT_EQ(f.Sst, s.geometry.Sst(dims, 0.9));
        EXPECT_EQ(f.lm, s.geometry.lm(dims));
        EXPECT_EQ(f.Sok, s.geometry.Sok(dims));
        EXPECT_EQ(f.room, s.geometry.room(dims, c.hkar));

        // The bobbin it derived.
        EXPECT_EQ(f.hkar, c.hkar);
        EXPECT_EQ(f.hkar1, c.hkar1);
        EXPECT_EQ(r.hkar, fixed(c.hkar, 1));
        EXPECT_EQ(r.hkar1, fixed(c.hkar1, 1));
        EXPECT_EQ(r.lkar, c.ring ? "" : fixed(c.lkar, 1));
        const BobbinSizes b = s.geometry.bobbin(dims);
        EXPECT_EQ(b.hkar, c.hkar);
        EXPECT_EQ(b.hkar1, c.hkar1);
        EXPECT_EQ(b.lkar.has_value(), !c.ring);
        EXPECT_EQ(b.lkar.value_or(0), c.lkar);

        // Placement: the layout of the kind, even turns on two coils.
        ASSERT_FALSE(run.instructions.empty());
        for (const Instruction& in : run.instructions) EXPECT_EQ(in.layout, c.layout);
        if (c.twoCoils) {
            EXPECT_EQ(std::fmod(f.W1, 2.0), 0.0);
            for (int i = 0; i < kSecondaries; ++i) {
                if (f.used[i]) {
                    EXPECT_EQ(std::fmod(f.W2[i], 2.0), 0.0);
                }
            }
        }

        // Steel: the outline's volume and the construction.
        const SteelResult steel = steelModel(f, grade());
        ASSERT_EQ(steel.status, SteelStatus::ok);
        expectClose(steel.volume_mm3, c.volume);
        expectClose(s.geometry.volume(dims), c.volume);
        EXPECT_EQ(steel.construction, c.construction);
        EXPECT_GT(steel.surface_m2, 0);
        EXPECT_EQ(steel.surface_m2, outerSurface(f).total());
    }
}

TEST(CoreShapes, MeanPathOfTheShapesOwnGeometry) {
    struct Case {
        CoreKind kind;
        CoreDims dims;
        double path;
    };
    const Case cases[] = {
        {CoreKind::ring, {80, 50, 20, 0}, kPi * 130 / 2},          // π(D + d)/2
        {CoreKind::pl, {16, 32, 18, 40}, 2 * (18 + 40) + 4 * 16},   // 2(c + h) + 4a = 180
        {CoreKind::g, {10, 20, 12, 30}, 2 * (12 + 30) + 4 * 10},    // 124
        {CoreKind::shl, {16, 32, 16, 40}, 2 * (16 + 40) + 2.5 * 16},  // 2(c + h) + 2.5a = 152
        {CoreKind::sh, {30, 30, 15, 45}, 2 * (15 + 45) + 2.5 * 30},   // 195
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(shapeOf(c.kind).letters);
        expectClose(shapeOf(c.kind).geometry.path(c.dims), c.path);
    }
    // The calculation's own lm stays the original 2(a + c + h) on every steel core; the
    // shape's path is a/2 longer on the shell kinds (a = 20: 170 against 160), 2a on the
    // two-coil ones (200 against 160); on the ring both are π(D + d)/2.
    const CoreDims d{20, 20, 20, 40};
    for (const CoreShape& s : kCoreShapes) {
        SCOPED_TRACE(s.letters);
        const double longer = s.ring ? 0 : s.twoCoils ? 2 * d.a : d.a / 2;
        expectClose(s.geometry.path(d) - s.geometry.lm(d), longer);
    }
    EXPECT_EQ(shapeOf(CoreKind::sh).geometry.path(d), 170);
    EXPECT_EQ(shapeOf(CoreKind::g).geometry.path(d), 200);
}

TEST(CoreShapes, TheRecordsIntegerNamesAKindOnlyFromZeroToFour) {
    for (int core = 0; core < 5; ++core) {
        const std::optional<CoreKind> k = coreKindFrom(core);
        ASSERT_TRUE(k) << core;
        EXPECT_EQ(coreNumber(*k), core);
        EXPECT_EQ(shapeOf(core), &shapeOf(*k));
        EXPECT_EQ(isRing(core), core == 0);
    }
    for (int core : {-1, 5, 7, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(coreKindFrom(core)) << core;
        EXPECT_EQ(shapeOf(core), nullptr) << core;
        EXPECT_FALSE(isRing(core)) << core;
        EXPECT_EQ(defaultSteelGrade(core), "") << core;
    }
}

TEST(CoreTyping, EachEditDerivesWhatItsKindDerivesFromIt) {
    struct Case {
        int core;
        CoreDim edited;
        const char *hkar, *hkar1, *lkar;  // as left; "-" untouched
        const char* lst;                  // D / Ls after the edit
    };
    // Sizes 30,6 × 10 × 12 × 40, D / Ls typed with a comma; the bobbin starts at "-".
    // The edited size and those its derivation reads are read by the record's number
    // rule, in place (the comma becomes a point), as the window has always done.
    const Case cases[] = {
        {0, CoreDim::lst, "-", "-", "-", "30.6"},     // D alone derives nothing on a ring
        {0, CoreDim::hst, "12.3", "-", "-", "30.6"},  // (D − d)/2 + 2 reads D too
        {0, CoreDim::lok, "-", "14.0", "-", "30,6"},  // H + 2
        {0, CoreDim::hok, "-", "-", "-", "30,6"},
        {2, CoreDim::lst, "32.6", "-", "-", "30.6"},  // Ls + 2
        {3, CoreDim::hst, "-", "12.0", "-", "30,6"},  // Hs + 2
        {4, CoreDim::lok, "-", "-", "-", "30,6"},
        {1, CoreDim::hok, "-", "-", "38.0", "30,6"},  // Hok − 2
        {-1, CoreDim::hst, "12.3", "-", "-", "30.6"}, // no button checked: as the ring
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.core << " " << kCoreDimFields[static_cast<std::size_t>(c.edited)]);
        Record r;
        r.core = c.core;
        r.lst = "30,6";
        r.hst = "10";
        r.lok = "12";
        r.hok = "40";
        // Each assigned from its own string: GCC 12 at -O3 warns falsely on a chain of
        // char-pointer assignments (its bug 105329).
        const std::string unset = "-";
        r.hkar = unset;
        r.hkar1 = unset;
        r.lkar = unset;
        deriveFrom(r, c.edited);
        EXPECT_EQ(r.hkar, c.hkar);
        EXPECT_EQ(r.hkar1, c.hkar1);
        EXPECT_EQ(r.lkar, c.lkar);
        EXPECT_EQ(r.lst, c.lst);
    }
}

TEST(CoreTyping, ChoosingAKindDerivesItsBobbinAndProposesItsInduction) {
    for (const KindCase& c : kCases) {
        SCOPED_TRACE(c.letters);
        Record r = designOf(c);
        r.core = 2;
        r.hkar = r.hkar1 = r.lkar = "-";
        r.Bm = "1.9";
        chooseCore(r, c.core);
        EXPECT_EQ(r.core, c.core);
        EXPECT_EQ(r.hkar, fixed(c.hkar, 1));
        EXPECT_EQ(r.hkar1, fixed(c.hkar1, 1));
        EXPECT_EQ(r.lkar, c.ring ? "-" : fixed(c.lkar, 1));
        EXPECT_EQ(r.Bm, c.proposed);
        EXPECT_EQ(inductionFor(c.core), c.proposed);

        // Typed in by the advisor: laminations lower only an induction above their limit.
        Record typed;
        typed.Bm = "1,5";
        typeCore(typed, c.core, c.lst, c.hst, c.lok, c.hok);
        EXPECT_EQ(typed.hkar, fixed(c.hkar, 1));
        EXPECT_EQ(typed.Bm, c.tapeWound ? "1,5" : "1.2");
    }
}
