// Runs on the inputs that drive the loops of a calculation hardest: each ends in one
// of its three statuses, the drop compensation of a secondary is cut at a hundred
// repetitions in each of the three passes, the ring's layer table at a thousand
// layers, and no text the run writes is "inf", "nan" or holds a comma.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculation.hpp"
#include "numtext.hpp"
#include "test_wires.hpp"

using namespace velmora;

namespace {

constexpr int kMostRepetitions = 3 * 100;  // three passes of at most a hundred each

// Down to the finest enamelled wire, 0.02 mm.
const WireTable& thinWires() {
    static const WireTable w = test::wiresOf({0.02, 0.03, 0.05, 0.08, 0.1, 0.2, 0.5, 1.0, 2.0, 2.5});
    return w;
}

bool clean(const std::string& s) {
    return s.find("inf") == std::string::npos && s.find("nan") == std::string::npos;
}

// What every run must give, whatever its inputs.
::testing::AssertionResult endsSoundly(const Record& before, const Record& after, const test::Shown& run) {
    if (run.status != RunStatus::ok && run.status != RunStatus::overfill &&
        run.status != RunStatus::refused)
        return ::testing::AssertionFailure() << "no status";
    for (int i = 0; i < kSecondaries; ++i) {
        if (run.repetitions[i] < 0 || run.repetitions[i] > kMostRepetitions)
            return ::testing::AssertionFailure() << "secondary " << i + 1 << " repeated "
                                                 << run.repetitions[i] << " times";
        // A secondary without power is never wound, so never repeated.
        if (textToDouble(after.U2[i]) * textToDouble(after.I2[i]) == 0 && run.repetitions[i] != 0)
            return ::testing::AssertionFailure() << "unused secondary " << i + 1 << " repeated";
    }
    for (const Field& f : fields()) {
        if (f.role != FieldRole::result) continue;
        const std::string& v = f.textIn(after);
        if (!clean(v)) return ::testing::AssertionFailure() << f.name << " = " << v;
        if (v != f.textIn(before) && v.find(',') != std::string::npos)
            return ::testing::AssertionFailure() << f.name << " written with a comma: " << v;
        if (after.core == 0 && f.name == "Nsl1" && textToDouble(v) > 1000)
            return ::testing::AssertionFailure() << "more layers than the table holds: " << v;
    }
    if (!clean(after.comment)) return ::testing::AssertionFailure() << after.comment;
    for (const texts::Shown& m : run.messages)
        if (!clean(m.text)) return ::testing::AssertionFailure() << m.text;
    for (const test::ShownHint& h : run.hints)
        if (!clean(h.text)) return ::testing::AssertionFailure() << h.text;
    if (run.status != RunStatus::ok && (run.messages.empty() || run.messages.back().text.empty()))
        return ::testing::AssertionFailure() << "stopped without its message";
    return ::testing::AssertionSuccess();
}

// Five secondaries, the last with a centre tap, on a core with room for them all.
Record fiveSecondaries(int core) {
    Record r;
    r.core = core;
    if (core == 0) {
        r.lst = "100";
        r.hst = "60";
        r.lok = "40";
    } else {
        r.lst = "32";
        r.hst = "40";
        r.lok = "32";
        r.hok = "80";
    }
    for (int i = 0; i < kSecondaries; ++i) {
        r.U2[i] = "12";
        r.I2[i] = "0,5";
        r.d2[i] = "0,3";
    }
    r.double2[4] = 1;
    r.d11 = "0,3";
    return r;
}

struct Ending {
    test::Shown run;
    Record after;
};

Ending runOn(const Record& r, const WireTable& wires = thinWires()) {
    Ending e{{}, r};
    e.run = test::calculate(e.after, wires);
    return e;
}

}  // namespace

TEST(Termination, TheLargestAndSmallestNumbersInEveryFieldOfEveryCore) {
    const std::vector<std::string> extremes{"1e308", "1e-308", "-1e308", "4.9e-324", "1e309", "0"};
    int counts[3] = {};
    for (int core = 0; core <= 4; ++core)
        for (int use_d = 0; use_d <= 1; ++use_d)
            for (const Field& f : inputFields()) {
                if (f.kind != FieldKind::text || f.name == "Conductor") continue;
                for (const std::string& v : extremes) {
                    Record r = fiveSecondaries(core);
                    r.use_d = use_d;
                    f.textIn(r) = v;
                    const Ending e = runOn(r);
                    ASSERT_TRUE(endsSoundly(r, e.after, e.run))
                        << "core " << core << ", use_d " << use_d << ", " << f.name << " = " << v;
                    ++counts[static_cast<int>(e.run.status)];
                }
            }
    // Many of these still compute; the rest end with the overfill or a refusal.
    EXPECT_GT(counts[0], 500);
    EXPECT_GT(counts[1], 10);
    EXPECT_GT(counts[2], 500);
}

TEST(Termination, ThinBareWireOfDesiredDiameterZeroOnAHugeRing) {
    struct Case {
        const char* what;
        const char *lst, *hst, *lok, *U2, *I2, *j;
        RunStatus status;
        double layersAtLeast;  // of the primary
    };
    const std::vector<Case> cases{
        // Many strands of the finest wire: hundreds of layers, every pass.
        {"hundreds of layers", "200", "120", "60", "5000", "0,01", "0,5", RunStatus::ok, 200},
        // Tens of thousands of turns on a thin wall: its own drop eats the mains voltage.
        {"long thin primary", "200", "190", "0,03", "20", "0,001", "3,5", RunStatus::refused, 300},
        // A metre-wide ring: the secondary's drop runs away from its turns.
        {"runaway drop", "10000", "9990", "2", "20", "0,001", "3,5", RunStatus::refused, 2},
        {"no room left", "1000", "990", "2", "20", "0,05", "3,5", RunStatus::overfill, 20},
    };
    for (const Case& c : cases) {
        Record r;
        r.core = 0;
        r.lst = c.lst;
        r.hst = c.hst;
        r.lok = c.lok;
        r.j = c.j;
        const std::string zero = "0";
        r.megsl = r.megob = zero;
        r.use_d = 1;
        r.d11 = zero;
        for (int i = 0; i < kSecondaries; ++i) {
            r.U2[i] = c.U2;
            r.I2[i] = c.I2;
            r.d2[i] = zero;
        }
        const Ending e = runOn(r);
        ASSERT_TRUE(endsSoundly(r, e.after, e.run)) << c.what;
        EXPECT_EQ(e.run.status, c.status) << c.what << ": " << e.after.comment;
        EXPECT_GE(textToDouble(e.after.Nsl1), c.layersAtLeast) << c.what;
        // Every desired diameter of zero became the finest standard one.
        EXPECT_EQ(e.after.d11, "0.020") << c.what;
    }
}

TEST(Termination, CurrentsAndVoltagesFromTheSmallestToTheLargest) {
    struct Case {
        const char* what;
        const char *U1nom, *U1max, *U2, *I2;
        RunStatus status;
        const char* because;  // part of the refusal
    };
    const std::vector<Case> cases{
        {"enormous currents", "220", "253", "12", "1e308", RunStatus::refused,
         "«Номинальный ток, А» вторичной обмотки 2.1 слишком велико"},
        {"enormous voltages", "220", "253", "1e308", "1", RunStatus::refused,
         "«Номинальное напряжение, В» вторичной обмотки 2.1 слишком велико"},
        {"tiny currents", "220", "253", "12", "1e-308", RunStatus::ok, ""},
        {"tiny voltages", "220", "253", "1e-308", "1", RunStatus::refused,
         "число витков вторичной обмотки 2.1 получается меньше одного"},
        {"tiny mains", "1e-308", "1e-308", "12", "0,5", RunStatus::refused,
         "число витков первичной обмотки получается меньше одного"},
        {"enormous mains", "1e308", "1e308", "12", "0,5", RunStatus::refused,
         "«Количество витков» первичной обмотки получается бесконечным"},
        {"tiny nominal, enormous maximum", "1e-308", "1e308", "12", "0,5", RunStatus::refused,
         "«Количество витков» первичной обмотки получается бесконечным"},
    };
    for (int core : {0, 2}) {
        for (const Case& c : cases) {
            Record r = fiveSecondaries(core);
            r.U1nom = c.U1nom;
            r.U1max = c.U1max;
            for (int i = 0; i < kSecondaries; ++i) {
                r.U2[i] = c.U2;
                r.I2[i] = c.I2;
            }
            const Ending e = runOn(r);
            ASSERT_TRUE(endsSoundly(r, e.after, e.run)) << c.what;
            EXPECT_EQ(e.run.status, c.status) << "core " << core << ", " << c.what << ": "
                                               << e.after.comment;
            if (c.status == RunStatus::refused) {
                EXPECT_NE(e.after.comment.find(c.because), std::string::npos) << e.after.comment;
            }
        }
    }
}

// A load beyond any wire is refused at the field that asks for it: the primary, which
// carries every load, is not blamed for it.
TEST(Termination, AnEnormousLoadNamesItsOwnField) {
    struct Case {
        const char *U1nom, *U2, *I2;
        int secondary;          // the loaded one, 0..4
        std::string_view field;  // the field the refusal names
    };
    const std::vector<Case> cases{
        {"220", "24", "1e300", 0, "I2_1"},
        {"220", "24", "1e300", 3, "I2_4"},
        {"220", "1e300", "2", 1, "U2_2"},
        {"220", "1e14", "1e9", 2, "U2_3"},  // the current alone is carried, the power not
    };
    for (int core : {0, 2}) {
        for (const Case& c : cases) {
            Record r;
            r.core = core;
            if (core == 0) {  // a ring whose sizes work
                r.lst = "60";
                r.hst = "30";
            }
            r.U1nom = c.U1nom;
            r.U2[static_cast<std::size_t>(c.secondary)] = c.U2;
            r.I2[static_cast<std::size_t>(c.secondary)] = c.I2;
            const Ending e = runOn(r);
            ASSERT_TRUE(endsSoundly(r, e.after, e.run)) << c.field;
            ASSERT_EQ(e.run.status, RunStatus::refused) << c.field << ": " << e.after.comment;
            ASSERT_FALSE(e.run.raw.messages.empty());
            const Message& why = e.run.raw.messages.back();
            EXPECT_EQ(why.why, Refusal::beyondWires) << c.field << ": " << e.after.comment;
            EXPECT_EQ(why.field, c.field) << e.after.comment;
            EXPECT_EQ(e.after.comment.find("жил первичной"), std::string::npos) << e.after.comment;
        }
    }
}

TEST(Termination, DropsThatNeverSettleAreCutInEveryPass) {
    // Thin, heavily loaded windings in a vast window: their own drops grow faster than
    // the added turns make up, on all five at once.
    Record r;
    r.core = 2;
    r.lok = r.hok = "1e5";
    r.j = "50";
    for (int i = 0; i < kSecondaries; ++i) {
        r.U2[i] = "10";
        r.I2[i] = "2,6";
    }
    const Ending e = runOn(r, test::testWires());
    ASSERT_TRUE(endsSoundly(r, e.after, e.run));
    EXPECT_EQ(e.run.status, RunStatus::ok) << e.after.comment;
    for (int i = 0; i < kSecondaries; ++i) EXPECT_GT(e.run.repetitions[i], 200) << i;

    // A sound design settles within a few repetitions a pass.
    const Ending sound = runOn(fiveSecondaries(2));
    ASSERT_EQ(sound.run.status, RunStatus::ok) << sound.after.comment;
    for (int i = 0; i < kSecondaries; ++i) {
        EXPECT_GE(sound.run.repetitions[i], 3) << i;  // at least once in each pass
        EXPECT_LE(sound.run.repetitions[i], 3 * 10) << i;
    }
}
