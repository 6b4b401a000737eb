// The rectifier solver against an independent circuit simulator: for each circuit
// and a spread of loads, the EMF the solver finds for a wanted DC voltage is put into
// an ngspice netlist of the same circuit, simulated until it has settled, and the DC
// voltage, the winding's rms current, the ripple and the peak diode current are
// compared. Last, a whole design: the winding the rectifier helper sizes for 30 V at
// 2 A from a bridge gives 30 V in ngspice.
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

#include "rectifier.hpp"
#include "rectifier_design.hpp"
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
    }
    const double step = T / kStepsPerCycle, end = kCycles * T;
    s << "C1 p 0 " << c.C << " IC=" << Em - n * c.Vd << "\n"
      << "I1 p 0 DC " << c.Idc << "\n"
      << ".model DI D(IS=" << kJunctionIS << " N=" << kJunctionN << " RS=" << c.rd << ")\n"
      << ".tran " << step << " " << end << " 0 " << step << " uic\n"
      << ".meas tran udc AVG v(p) from=" << end - 5 * T << " to=" << end << "\n"
      << ".meas tran before AVG v(p) from=" << end - 10 * T << " to=" << end - 5 * T << "\n"
      << ".meas tran irms RMS i(VW) from=" << end - 5 * T << " to=" << end << "\n"
      << ".meas tran upp PP v(p) from=" << end - 5 * T << " to=" << end << "\n"
      << ".meas tran ipk MAX i(VD1) from=" << end - 5 * T << " to=" << end << "\n"
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

// The builder's case: bridge, 30 V, 2 A, 4700 µF on the first secondary of the
// default design. The winding the helper sizes, as the calculation gives it (EMF at
// no load, its warm resistance and the primary's referred to it), gives 30 V at 2 A
// in ngspice, and the rms current the winding is sized for is the one it carries.
TEST(SpiceRectifier, HelperWindingGivesTheWantedDc) {
    Record r;
    RectifierInputSets inputSets{};
    inputSets[0] = {1, 30, 2, 4700, 0.7, 0.02};
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
