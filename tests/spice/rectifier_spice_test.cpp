// The rectifier solver against an independent circuit simulator: for each circuit
// and a spread of loads, the EMF the solver finds for a wanted DC voltage is put into
// an ngspice netlist of the same circuit, simulated until it has settled, and the DC
// voltage, the winding's rms current, the ripple and the peak diode current are
// compared. The dual rail is simulated with its transformer: an ideal transformer
// (controlled sources) between the primary's resistance and the two halves', so that
// the source resistance the solver takes for each half, 1.2·(R2 + 2·R1·(W2/W1)²), is
// checked too. Last, whole designs: the winding the rectifier helper sizes for 30 V at
// 2 A from a bridge gives 30 V in ngspice, and the diodes' loss and the two
// efficiencies follow from ngspice's own power figures.
//
// The solver's diode (a constant drop plus a slope resistance) is built in the
// netlist as a near-ideal junction (emission coefficient 0.05, its own series
// resistance the slope resistance) in series with a DC source for the rest of the
// drop; the junction's few tens of millivolts, N·kT/q·ln(1 + I/IS) at the load
// current, are taken off the source. The junction equation is ngspice's (ngspice
// manual, "Diode Equations"); k and q are the exact SI values (SI Brochure, 9th ed.,
// 2019, p. 127); the netlist fixes the temperature at 27 °C (= 300.15 K).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <unistd.h>

#include "output_power.hpp"
#include "rectifier.hpp"
#include "rectifier_design.hpp"
#include "steel.hpp"
#include "../engine/test_wires.hpp"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

constexpr double kBoltzmann = 1.380649e-23;       // J/K
constexpr double kCharge = 1.602176634e-19;       // C
constexpr double kTemperature = 273.15 + 27;     // K: the netlist's 27 °C
constexpr double kJunctionIS = 1e-12, kJunctionN = 0.05;
constexpr int kCycles = 50;        // simulated mains cycles; the last ten are measured
constexpr int kStepsPerCycle = 1000;

double junctionDrop(double I) {
    return kJunctionN * kBoltzmann * kTemperature / kCharge * std::log1p(I / kJunctionIS);
}

const fs::path& scratch() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("velmora-spice-" + std::to_string(getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

// The netlists and logs stay behind only when a test failed.
class Scratch : public testing::Environment {
    void TearDown() override {
        std::error_code ec;
        if (testing::UnitTest::GetInstance()->Passed()) fs::remove_all(scratch(), ec);
    }
};
const auto* const kScratch = testing::AddGlobalTestEnvironment(new Scratch);

// One diode of the solver's model from node a to node k, named n.
std::string diode(const std::string& n, const std::string& a, const std::string& k, double rest) {
    std::ostringstream s;
    s << "D" << n << " " << a << " j" << n << " DI\n"
      << "VD" << n << " j" << n << " " << k << " DC " << rest << "\n";
    return s.str();
}

// The netlist of circuit c, the capacitor starting at the EMF's crest less the
// drops (independent of the solver's answer). The DC rail is node p over ground.
std::string netlist(const RectifierCircuit& c) {
    const double Em = std::numbers::sqrt2 * c.E, T = 1 / c.F;
    const double rest = c.Vd - junctionDrop(c.Idc);
    const int n = diodesInPath(c.kind);
    std::ostringstream s;
    s.precision(12);
    s << "* rectifier\n.option temp=27 tnom=27\n";
    switch (c.kind) {
        case RectifierKind::bridge:  // a floating source, tied to ground through 1 Mohm
            s << "VW a b SIN(0 " << Em << " " << c.F << ")\nRG b 0 1Meg\n"
              << "RS a a1 " << c.Rs << "\n"
              << diode("1", "a1", "p", rest) << diode("2", "b", "p", rest)
              << diode("3", "0", "a1", rest) << diode("4", "0", "b", rest);
            break;
        case RectifierKind::centreTap:  // the two halves in antiphase, the tap grounded
            s << "VW a 0 SIN(0 " << Em << " " << c.F << ")\n"
              << "VB b 0 SIN(0 " << Em << " " << c.F << " 0 0 180)\n"
              << "RS a a1 " << c.Rs << "\nRB b b1 " << c.Rs << "\n"
              << diode("1", "a1", "p", rest) << diode("2", "b1", "p", rest);
            break;
        case RectifierKind::halfWave:
            s << "VW a 0 SIN(0 " << Em << " " << c.F << ")\n"
              << "RS a a1 " << c.Rs << "\n" << diode("1", "a1", "p", rest);
            break;
        case RectifierKind::dualRail:  // dualRailNetlist() builds it with its transformer
            break;
    }
    if (c.kind == RectifierKind::bridge)  // the four diodes' power, anode to cathode
        s << "BPD pd 0 V=(v(a1)-v(p))*i(VD1)+(v(b)-v(p))*i(VD2)+(0-v(a1))*i(VD3)+(0-v(b))*i(VD4)\n";
    const double step = T / kStepsPerCycle, end = kCycles * T;
    s << "C1 p 0 " << c.C << " IC=" << Em - n * c.Vd << "\n"
      << "I1 p 0 DC " << c.Idc << "\n"
      << ".model DI D(IS=" << kJunctionIS << " N=" << kJunctionN << " RS=" << c.rd << ")\n"
      << ".tran " << step << " " << end << " 0 " << step << " uic\n"
      << ".meas tran udc AVG v(p) from=" << end - 5 * T << " to=" << end << "\n"
      << ".meas tran before AVG v(p) from=" << end - 10 * T << " to=" << end - 5 * T << "\n"
      << ".meas tran irms RMS i(VW) from=" << end - 5 * T << " to=" << end << "\n"
      << ".meas tran upp PP v(p) from=" << end - 5 * T << " to=" << end << "\n"
      << ".meas tran ipk MAX i(VD1) from=" << end - 5 * T << " to=" << end << "\n";
    if (c.kind == RectifierKind::bridge)
        s << ".meas tran pdiodes AVG v(pd) from=" << end - 5 * T << " to=" << end << "\n";
    s << ".end\n";
    return s.str();
}

// A transformer for the dual rail: primary resistance R1, turns ratio n = W2/W1 of one
// half, each half's resistance R2; the factor 1.2 of warm copper on both.
struct DualTransformer {
    double R1, R2, n;
    // The source resistance of one half as the solver takes it (see rectifier_design.hpp).
    double Rs() const { return 1.2 * (R2 + 2 * R1 * n * n); }
};

// The dual rail with its transformer: the mains behind 1.2·R1 into an ideal
// transformer (each half a voltage n·v(pr); the primary draws n times the sum of the
// halves' currents, each measured where it leaves the winding's dotted end), each half
// behind 1.2·R2. Rails: p (+) and m (−) over the grounded tap, each with its capacitor
// and its constant-current load.
std::string dualRailNetlist(const RectifierCircuit& c, const DualTransformer& t) {
    const double Em = std::numbers::sqrt2 * c.E, T = 1 / c.F;
    const double rest = c.Vd - junctionDrop(c.Idc);
    std::ostringstream s;
    s.precision(12);
    s << "* dual rail\n.option temp=27 tnom=27\n"
      << "VP p1 0 SIN(0 " << Em / t.n << " " << c.F << ")\n"
      << "RP p1 pr " << 1.2 * t.R1 << "\n"
      << "FA pr 0 VMA " << t.n << "\nFB pr 0 VMB " << t.n << "\n"
      << "EA ha 0 pr 0 " << t.n << "\nVMA ha ha1 DC 0\nRA ha1 a " << 1.2 * t.R2 << "\n"
      << "EB 0 hb pr 0 " << t.n << "\nVMB hb1 hb DC 0\nRB b hb1 " << 1.2 * t.R2 << "\n"
      << diode("1", "a", "p", rest) << diode("2", "b", "p", rest) << diode("3", "m", "a", rest)
      << diode("4", "m", "b", rest);
    const double step = T / kStepsPerCycle, end = kCycles * T, from = end - 5 * T;
    s << "CP p 0 " << c.C << " IC=" << Em - c.Vd << "\n"
      << "CM m 0 " << c.C << " IC=" << -(Em - c.Vd) << "\n"
      << "IP p 0 DC " << c.Idc << "\nIM 0 m DC " << c.Idc << "\n"
      << ".model DI D(IS=" << kJunctionIS << " N=" << kJunctionN << " RS=" << c.rd << ")\n"
      << ".tran " << step << " " << end << " 0 " << step << " uic\n"
      << ".meas tran udc AVG v(p) from=" << from << " to=" << end << "\n"
      << ".meas tran before AVG v(p) from=" << end - 10 * T << " to=" << from << "\n"
      << ".meas tran udcm AVG v(m) from=" << from << " to=" << end << "\n"
      << ".meas tran irms RMS i(VMA) from=" << from << " to=" << end << "\n"
      << ".meas tran irmsb RMS i(VMB) from=" << from << " to=" << end << "\n"
      << ".meas tran upp PP v(p) from=" << from << " to=" << end << "\n"
      << ".meas tran ipk MAX i(VD1) from=" << from << " to=" << end << "\n"
      << ".end\n";
    return s.str();
}

// Runs ngspice in batch mode and reads its "name = value" lines.
std::map<std::string, double> simulate(const std::string& net, const std::string& name) {
    const fs::path cir = scratch() / (name + ".cir"), log = scratch() / (name + ".log");
    std::ofstream(cir) << net;
    const std::string cmd =
        std::string(VELMORA_NGSPICE) + " -b '" + cir.string() + "' > '" + log.string() + "' 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << "ngspice failed; see " << log;
    std::map<std::string, double> out;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) {
        std::istringstream ls(line);
        std::string key, eq;
        double v;
        if (ls >> key >> eq >> v && eq == "=") out[key] = v;
    }
    return out;
}

struct Case {
    const char* name;
    double Udc, Idc, C, Rs;
};

// Light and heavy loads, small and large capacitors; the half wave at lighter loads,
// since it charges once a cycle.
const Case kFullWave[] = {
    {"light", 30, 0.1, 4700e-6, 0.5},  {"heavy", 30, 5, 4700e-6, 0.3},
    {"smallC", 30, 1, 470e-6, 0.5},    {"largeC", 30, 2, 22000e-6, 0.2},
};
const Case kHalfWave[] = {
    {"light", 30, 0.05, 4700e-6, 0.5}, {"heavy", 30, 1.5, 4700e-6, 0.3},
    {"smallC", 30, 0.2, 470e-6, 0.5},  {"largeC", 30, 1, 22000e-6, 0.2},
};

void compareWithSpice(RectifierKind kind, const Case& k, const std::string& tag) {
    SCOPED_TRACE(tag + " " + k.name);
    RectifierCircuit c;
    c.kind = kind;
    c.F = 50;
    c.Rs = k.Rs;
    c.C = k.C;
    c.Idc = k.Idc;
    const EmfSolution emf = solveEmf(c, k.Udc);
    ASSERT_EQ(emf.status, EmfStatus::found);
    c.E = emf.E;
    const RectifierResult& r = emf.at;

    const auto sp = simulate(netlist(c), tag + "-" + k.name);
    ASSERT_TRUE(sp.count("udc") && sp.count("before") && sp.count("irms") && sp.count("upp") &&
                sp.count("ipk"))
        << "ngspice gave no measurements";
    // The simulation has settled: the last two stretches of five cycles agree.
    ASSERT_NEAR(sp.at("udc"), sp.at("before"), 1e-4 * sp.at("udc"));
    EXPECT_NEAR(sp.at("udc"), r.Udc, 0.01 * r.Udc);
    EXPECT_NEAR(sp.at("udc"), k.Udc, 0.01 * k.Udc);
    std::printf("%-7s %-7s Udc %8.4f / %8.4f  Irms %8.5f / %8.5f  ripple %8.5f / %8.5f  "
                "Ipeak %8.4f / %8.4f (ngspice / solver)\n",
                tag.c_str(), k.name, sp.at("udc"), r.Udc, sp.at("irms"), r.Irms, sp.at("upp"),
                r.ripple, sp.at("ipk"), r.Ipeak);
    // A centre tap's source is one half: its rms is the half's, as the solver's is.
    EXPECT_NEAR(sp.at("irms"), r.Irms, 0.02 * r.Irms);
    EXPECT_NEAR(sp.at("upp"), r.ripple, 0.05 * r.ripple);
    EXPECT_NEAR(sp.at("ipk"), r.Ipeak, 0.05 * r.Ipeak);
}

}  // namespace

TEST(SpiceRectifier, SimulatorIsInstalled) {
    ASSERT_TRUE(fs::exists(VELMORA_NGSPICE))
        << "ngspice not found (" << VELMORA_NGSPICE << "): scripts/setup.sh installs it";
}

TEST(SpiceRectifier, BridgeAgreesOverLoads) {
    for (const Case& k : kFullWave) compareWithSpice(RectifierKind::bridge, k, "bridge");
}

TEST(SpiceRectifier, CentreTapAgreesOverLoads) {
    for (const Case& k : kFullWave) compareWithSpice(RectifierKind::centreTap, k, "centre");
}

TEST(SpiceRectifier, HalfWaveAgreesOverLoads) {
    for (const Case& k : kHalfWave) compareWithSpice(RectifierKind::halfWave, k, "half");
}

// ±30 V from a bridge on a centre-tapped winding, light and heavy: the solver's one
// rail, with Rs = 1.2·(R2 + 2·R1·n²), against both rails of the whole circuit.
TEST(SpiceRectifier, DualRailAgreesWithItsTransformer) {
    const DualTransformer t{4.0, 0.2, 0.1};
    struct Load {
        const char* name;
        double Idc;
    };
    for (const Load& k : {Load{"light", 0.2}, Load{"heavy", 3.0}}) {
        SCOPED_TRACE(k.name);
        RectifierCircuit c;
        c.kind = RectifierKind::dualRail;
        c.F = 50;
        c.Rs = t.Rs();
        c.C = 4700e-6;
        c.Idc = k.Idc;
        const EmfSolution emf = solveEmf(c, 30);
        ASSERT_EQ(emf.status, EmfStatus::found);
        c.E = emf.E;
        const RectifierResult& r = emf.at;
        const auto sp = simulate(dualRailNetlist(c, t), std::string("dual-") + k.name);
        ASSERT_TRUE(sp.count("udc") && sp.count("udcm") && sp.count("irms") && sp.count("irmsb") &&
                    sp.count("before") && sp.count("upp") && sp.count("ipk"))
            << "ngspice gave no measurements";
        ASSERT_NEAR(sp.at("udc"), sp.at("before"), 1e-4 * sp.at("udc"));
        std::printf("dual    %-7s +Udc %8.4f  -Udc %8.4f / %8.4f  Irms %8.5f %8.5f / %8.5f  ripple %8.5f / "
                    "%8.5f  Ipeak %8.4f / %8.4f (ngspice / solver)\n",
                    k.name, sp.at("udc"), -sp.at("udcm"), r.Udc, sp.at("irms"), sp.at("irmsb"), r.Irms,
                    sp.at("upp"), r.ripple, sp.at("ipk"), r.Ipeak);
        EXPECT_NEAR(sp.at("udc"), r.Udc, 0.01 * r.Udc);
        EXPECT_NEAR(-sp.at("udcm"), r.Udc, 0.01 * r.Udc);
        EXPECT_NEAR(sp.at("irms"), r.Irms, 0.02 * r.Irms);
        EXPECT_NEAR(sp.at("irmsb"), r.Irms, 0.02 * r.Irms);
        EXPECT_NEAR(sp.at("upp"), r.ripple, 0.05 * r.ripple);
        EXPECT_NEAR(sp.at("ipk"), r.Ipeak, 0.05 * r.Ipeak);
    }
}

// The builder's case: bridge, 30 V, 2 A, 4700 µF on the first secondary of the
// default design. The winding the helper sizes, as the calculation gives it (EMF at
// no load, its warm resistance and the primary's referred to it), gives 30 V at 2 A
// in ngspice, and the rms current the winding is sized for is the one it carries.
TEST(SpiceRectifier, HelperWindingGivesTheWantedDc) {
    Record r;
    RectifierInputSets inputSets{};
    inputSets[0] = {1, 30, 2, 4700, kDiodeVd, kDiodeRd};
    const RectifierDesigns d = applyRectifiers(r, test::testWires(), inputSets);
    ASSERT_EQ(d[0].status, RectifierDesignStatus::settled);

    Record w = r;
    const RunResult run = Calculate(w, test::testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    const RunFigures& f = run.figures;
    RectifierCircuit c;
    c.kind = RectifierKind::bridge;
    c.E = f.U2xx[0];
    c.F = f.F;
    c.Rs = 1.2 * (f.R2[0] + f.R1 * std::pow(f.W2[0] / f.W1, 2));
    c.C = 4700e-6;
    c.Idc = 2;
    const auto sp = simulate(netlist(c), "helper");
    ASSERT_TRUE(sp.count("udc") && sp.count("irms"));
    std::printf("helper  W2 %g of %g, E %.3f V, Rs %.4f ohm: Udc %.4f V, Irms %.4f A (ngspice)\n",
                f.W2[0], f.W1, c.E, c.Rs, sp.at("udc"), sp.at("irms"));
    EXPECT_NEAR(sp.at("udc"), 30, 0.01 * 30);
    EXPECT_NEAR(sp.at("irms"), f.I2[0], 0.02 * f.I2[0]);
}

// A bridge design's power: the diodes' loss the engine takes from the solved current
// (Vd·Iavg + rd·Irms² each) against ngspice's own mean of v·i over the four diodes, and
// the transformer's and the supply's efficiencies from the DC output and the diodes'
// power ngspice gives, with the run's copper loss and a core loss of a steel grade.
TEST(SpiceRectifier, DiodeLossAndEfficienciesOfABridgeDesign) {
    Record r;
    RectifierInputSets inputSets{};
    inputSets[0] = {1, 24, 3, 10000, kDiodeVd, kDiodeRd};
    ASSERT_EQ(applyRectifiers(r, test::testWires(), inputSets)[0].status, RectifierDesignStatus::settled);
    r.rect2[0] = 1;  // the record's own keys, as the design file holds them
    r.Udc2[0] = "24";
    r.Idc2[0] = "3";
    r.C2[0] = "10000";
    Record w = r;
    const RunResult run = Calculate(w, test::testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    const RunFigures& f = run.figures;
    RectifierInputs in = inputSets[0];
    const RectifierCircuit c = rectifierOnWinding(f, 0, in);
    const OutputPower p = outputPower(r, f);
    ASSERT_TRUE(p.rectified);

    const auto sp = simulate(netlist(c), "power");
    ASSERT_TRUE(sp.count("udc") && sp.count("pdiodes"));
    const double dc = sp.at("udc") * c.Idc, diodes = sp.at("pdiodes");
    EXPECT_NEAR(p.diodes, diodes, 0.02 * diodes);
    EXPECT_NEAR(p.dc, dc, 0.01 * dc);

    SteelGrade g;
    g.name = "NO test";
    g.family = SteelFamily::nonOriented;
    g.density = 7.65;
    g.lossTyp = {2.60, 5.52, 7.08};
    const SteelResult s = steelModel(f, g, {p.delivered(), p.useful(), true});
    ASSERT_EQ(s.status, SteelStatus::ok);
    ASSERT_TRUE(s.supply_efficiency_pct.has_value());
    const double input = dc + diodes + p.resistive + f.Pcu + s.loss_w;
    std::printf("power   DC %.3f / %.3f W, diodes %.3f / %.3f W, copper %.3f W, core %.3f W: "
                "transformer %.3f / %.3f %%, supply %.3f / %.3f %% (ngspice / engine); "
                "U2*I2 would give %.3f %%\n",
                dc, p.dc, diodes, p.diodes, f.Pcu, s.loss_w, 100 * (dc + diodes + p.resistive) / input,
                s.efficiency_pct, 100 * (dc + p.resistive) / input, *s.supply_efficiency_pct,
                100 * f.Pzad / (f.Pzad + f.Pcu + s.loss_w));
    EXPECT_NEAR(s.efficiency_pct, 100 * (dc + diodes + p.resistive) / input, 0.2);
    EXPECT_NEAR(*s.supply_efficiency_pct, 100 * (dc + p.resistive) / input, 0.2);
    EXPECT_LT(*s.supply_efficiency_pct, s.efficiency_pct);
}
