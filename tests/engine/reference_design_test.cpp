// A second, plain derivation of whole designs, written straight from the formulas
// (three passes, drop compensation, the three layouts), compared field by field
// with the engine. Only the default bobbin sizes and the plain wire choice are
// covered; everything is recomputed here without the engine's code.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "calculation.hpp"
#include "numtext.hpp"
#include "test_wires.hpp"

using namespace velmora;
using velmora::test::testWires;

namespace {

struct Secondary {
    double U = 0, I = 0;
    bool centre = false;
};

struct Inputs {
    int core = 2;
    double lst = 25, hst = 32, lok = 25, hok = 40;
    double megsl = 0.1, megob = 0.3, Bm = 1.5, j = 3.5, F = 50, U1nom = 220, U1max = 253;
    std::vector<Secondary> sec{{20, 5, false}};
    int width = 900;
};

struct Expected {
    std::map<std::string, std::string> f;
    std::string comment;
    int ext1 = 0;
    std::array<int, 5> ext2{};
    std::string hintD1, hintL1;
};

std::string f2(double v) { return fixed(v, 2); }
std::string pw(double v) { return v >= 10000 ? fixed(v, 1) : fixed(v, 2); }

Expected reference(const Inputs& in) {
    const WireTable& w = testWires();
    const int last = static_cast<int>(w.D.size()) - 1;
    const double pi = 3.14159265358979323846;
    const bool ring = in.core == 0, two = in.core == 1 || in.core == 4;
    Expected e;

    double P2[5] = {}, Pzad = 0;
    for (size_t i = 0; i < in.sec.size(); ++i) {
        P2[i] = in.sec[i].U * in.sec[i].I;
        if (in.sec[i].centre) P2[i] *= 2;
    }
    for (double p : P2) Pzad += p;
    e.f["Pzad"] = pw(Pzad);

    double lm, Sst, Sok, hkar, hkar1, lkar = 0, room;
    if (ring) {
        lm = pi * (in.lst + in.hst) / 2;
        Sst = (in.lst - in.hst) / 2 * in.lok * 0.9;
        Sok = pi * (in.hst * in.hst) / 4;
        hkar = (in.lst - in.hst) / 2 + 2.0;
        hkar1 = in.lok + 2.0;
        room = (in.lst + in.hst) / 2 - hkar;
    } else {
        lm = 2 * in.hok + 2 * in.lok + 2 * in.lst;
        Sst = in.lst * in.hst * 0.9;
        Sok = in.hok * in.lok;
        hkar = in.lst + 2.0;
        hkar1 = in.hst + 2.0;
        lkar = in.hok - 2.0;
        room = two ? (in.lok - hkar + in.lst) / 2 : in.lok - (hkar - in.lst) / 2;
    }
    e.f["Sst"] = f2(Sst / 100);
    const double Lturn0 = 2 * hkar + 2 * hkar1;
    const double mu = ring ? 13000 : 5000;
    const double Hm = in.U1nom * in.Bm / in.U1max / mu / 1.256637e-06;
    const double IWmu = Hm * lm / 1000;
    double ew = (2 * in.F * pi * 1e-06) / std::sqrt(2.0) * in.Bm * Sst;
    double W1 = textToDouble(fixed(in.U1max / ew, 0));
    if (two && std::fmod(W1, 2) != 0) W1 += 1;
    e.f["W1"] = fixed(W1, 0);
    const double Imu = IWmu / W1;
    int Nobm = 1;
    for (double p : P2)
        if (p != 0) ++Nobm;

    // Wire: strands n, then the first size whose section exceeds the need per strand.
    auto choose = [&](double Sreq, double& n) {
        n = 1;
        if (Sreq > w.S[last]) {
            n = std::floor(Sreq / w.S[last]);
            if (n < Sreq / w.S[last]) n += 1;
        }
        for (int k = 0; k <= last; ++k)
            if (w.S[k] > Sreq / n) return k;
        return last;
    };
    auto diam = [&](int k, double n) {
        return n > 1 ? fixed(w.D[k], 3) + "x" + fixed(n, 0) : fixed(w.D[k], 3);
    };
    // Ring layers from a start diameter: turns and the turn length of each layer.
    auto layers = [&](double D, double len0, double t, double p, std::vector<int>& turns,
                      std::vector<double>& len) {
        turns.assign(1, 0);
        len.assign(1, len0);
        while (2 * t <= D) {
            double x = p / (D - p);
            if (x > 0 && x <= 1) {
                turns.push_back(static_cast<int>(2 * pi / (2 * std::asin(x))));
                len.push_back(len.back() + 4 * t);
            }
            D -= 2 * t;
        }
    };
    struct Fit {
        int m;
        long long r;
        double L, Nsl;
        std::string list;
    };
    auto fill = [](const std::vector<int>& turns, const std::vector<double>& len, long long N) {
        Fit f{1, N, 0, 0, ""};
        while (f.r > turns[f.m]) {
            f.L += turns[f.m] * len[f.m];
            f.list += std::to_string(f.m) + ". " + std::to_string(turns[f.m]) + ",  ";
            f.r -= turns[f.m];
            ++f.m;
        }
        f.L += f.r * len[f.m];
        f.Nsl = (f.m - 1) + double(f.r) / turns[f.m];
        f.list += std::to_string(f.m) + ". " + std::to_string(f.r) + "\r\n\r\n";
        return f;
    };
    static const char* ord[] = {"1-я", "2-я", "3-я", "4-я", "5-я"};
    static const char* ordOf[] = {"1-ой", "2-ой", "3-ей", "4-ой", "5-ой"};

    double dUv1 = 0, sumPcu2 = 0, Kfill = 0, E1xx = 0, Pcu1 = 0;
    double dU2[5] = {}, W2[5] = {}, R2[5] = {}, S2[5] = {}, n2[5] = {1, 1, 1, 1, 1};
    for (int pass = 0; pass < 3; ++pass) {
        const double Ia1 = (Pzad + sumPcu2) / (in.U1nom - dUv1);
        const double I1 = std::sqrt(Ia1 * Ia1 + Imu * Imu);
        double n1;
        const int k1 = choose(I1 / in.j, n1);
        const double S1 = w.S[k1], dz = w.Diz[k1], t = in.megsl + dz, p = 1.15 * dz;
        e.f["D1"] = diam(k1, n1);
        const double Sw1 = S1 * W1 * n1;
        double Lpr1, Nsl1, build, Lturn;
        std::vector<int> turns;
        std::vector<double> len;
        if (ring) {
            layers(room, Lturn0 + 4 * t, t, p, turns, len);
            Fit f = fill(turns, len, static_cast<long long>(n1 * W1));
            Lpr1 = f.L / 1000;
            Nsl1 = f.Nsl;
            build = room - 2 * Nsl1 * t - 2 * in.megob;
            Lturn = len[f.m] + 4 * in.megob;
            e.ext1 = static_cast<int>((room - build) / room * in.width);
            Kfill = 0.91 * W1 * n1 * S1 / (0.7853981633974483 * (room * room - build * build));
            e.comment =
                "        Первичная обмотка\r\nВнутренний диаметр после намотки первичной "
                "обмотки должен быть равен примерно " +
                fixed(build, 1) +
                " мм\r\nЧисло витков по слоям должно быть не менее (кроме последнего "
                "слоя):\r\n" +
                f.list;
        } else {
            const int Nt = static_cast<int>(lkar / p);
            const int Lmax = static_cast<int>((room - Nobm * in.megob) / t);
            Kfill = double(Nt) * Lmax * (two ? 2 : 1) * S1 / Sok;
            Nsl1 = n1 * W1 / Nt * (two ? 0.5 : 1);
            const double mean = Lturn0 + 4 * Nsl1 * t;
            build = Nsl1 * t + in.megob;
            Lpr1 = mean * W1 * n1 / 1000;
            Lturn = Lturn0 + 8 * Nsl1 * t;
            e.ext1 = static_cast<int>(build / room * in.width);
            e.comment = std::string(two ? "Количество витков первичной и каждой вторичной обмоток "
                                          "делится поровну между двумя катушками.\r\n\r\n"
                                        : "") +
                        "        Первичная обмотка\r\nШирина катушки после намотки первичной "
                        "обмотки должна быть равна примерно " +
                        fixed(2 * build + hkar, 1) +
                        " мм.\r\nЧисло витков в слое должно быть не менее " + std::to_string(Nt) +
                        (two ? ".\r\n\r\n" : "\r\n\r\n");
        }
        const double R1 = 0.0175 * Lpr1 / (S1 * n1 * n1);
        dUv1 = 1.2 * R1 * I1;
        ew = (in.U1nom - dUv1) / W1;
        E1xx = in.U1nom - R1 * Imu;
        Pcu1 = 1.2 * (I1 * I1) * R1;
        e.f["wv"] = fixed(1 / ew, 3);
        e.f["dU1"] = f2(dUv1 * 100 / in.U1nom);
        e.f["I1"] = fixed(I1, 3);
        e.f["R1"] = f2(R1);
        e.f["Nsl1"] = f2(Nsl1);
        e.f["Lpr1"] = fixed(Lpr1, 1);
        e.hintD1 = "Диаметр провода по эмали " + fixed(dz, 3) + " мм\nСечение провода " +
                   fixed(S1, 3) + " мм2\nСечение обмотки " + fixed(S1 * n1, 3) + " мм2";
        e.hintL1 = "Масса провода " + fixed(w.M[k1] * Lpr1 / 1000, 3) + " кг";
        const double tiers[] = {1, 1, 0.99, 0.96, 0.93, 0.9, 0.87};
        Kfill *= tiers[Nobm];
        e.comment += "        Вторичные обмотки\r\n\r\n";

        for (size_t i = 0; i < in.sec.size(); ++i) {
            if (P2[i] == 0) continue;
            const Secondary& s = in.sec[i];
            const std::string id = std::string("_").append(std::to_string(i + 1));
            const int k = choose(s.I / in.j, n2[i]);
            S2[i] = w.S[k];
            const double dz2 = w.Diz[k], t2 = in.megsl + dz2, p2 = 1.15 * dz2;
            e.f["D2" + id] = diam(k, n2[i]);
            double Lpr = 0, Nsl = 0, b = 0, Lt = 0;
            std::string text;
            for (int rep = 0; rep < 100; ++rep) {
                W2[i] = textToDouble(fixed((s.U + dU2[i]) / ew, 0));
                if (two && std::fmod(W2[i], 2) != 0) W2[i] += 1;
                if (ring) {
                    std::vector<int> tt;
                    std::vector<double> ll;
                    layers(build, Lturn, t2, p2, tt, ll);
                    Fit f =
                        fill(tt, ll, static_cast<long long>(n2[i] * W2[i]) * (s.centre ? 2 : 1));
                    Lpr = f.L / 1000;
                    Nsl = f.Nsl;
                    b = build - 2 * Nsl * t2 - 2 * in.megob;
                    Lt = ll[f.m] + 4 * in.megob;
                    R2[i] = 0.0175 * Lpr / (S2[i] * n2[i] * n2[i]);
                    if (s.centre) R2[i] /= 2;
                    e.ext2[i] = static_cast<int>((room - b) / room * in.width);
                    text = std::string("    ") + ord[i] +
                           " вторичная обмотка\r\nВнутренний "
                           "диаметр после намотки " +
                           ordOf[i] +
                           " вторичной обмотки должен быть "
                           "равен примерно " +
                           fixed(b, 1) +
                           " мм\r\nЧисло витков по слоям "
                           "должно быть не менее (кроме последнего слоя):\r\n" +
                           f.list;
                } else {
                    const int Nt = static_cast<int>(lkar / p2);
                    Nsl = n2[i] * W2[i] / Nt * (two ? 0.5 : 1) * (s.centre ? 2 : 1);
                    const double mean = Lturn + 4 * Nsl * t2;
                    b = build + Nsl * t2 + in.megob;
                    Lpr = W2[i] * mean / 1000 * n2[i];
                    R2[i] = 0.0175 * Lpr / (S2[i] * n2[i] * n2[i]);
                    if (s.centre) Lpr *= 2;
                    Lt = mean + 4 * Nsl * t2;
                    e.ext2[i] = static_cast<int>(b / room * in.width);
                    text = std::string("    ") + ord[i] +
                           " вторичная обмотка\r\nШирина катушки "
                           "после намотки " +
                           ordOf[i] +
                           " вторичной обмотки должна быть равна "
                           "примерно " +
                           fixed(2 * b + hkar, 1) +
                           " мм.\r\nЧисло витков в слое "
                           "должно быть не менее " +
                           std::to_string(Nt) + ".\r\n\r\n";
                }
                const double drop = 1.2 * R2[i] * s.I;
                const bool again = std::fabs(drop - dU2[i]) > 0.01;
                dU2[i] = drop;
                if (!again) break;
            }
            build = b;
            Lturn = Lt;
            e.comment += text;
            e.f["W2" + id] = fixed(W2[i], 0);
            e.f["R2" + id] = fixed(R2[i], 3);
            e.f["U2xx" + id] = f2(E1xx * W2[i] / W1);
            e.f["U2h" + id] = f2(W2[i] * ew - 1.2 * R2[i] * s.I);
            e.f["Nsl2" + id] = f2(Nsl);
            e.f["Lpr2" + id] = fixed(Lpr, 1);
        }

        double Sw = 0, Pcu2 = 0;
        for (size_t i = 0; i < in.sec.size(); ++i) {
            const double c = in.sec[i].centre ? 2 : 1;
            Sw += W2[i] * S2[i] * n2[i] * c;
            Pcu2 += 1.2 * (in.sec[i].I * in.sec[i].I) * R2[i] * c;
        }
        Sw += Sw1;
        e.f["Kok"] = fixed(Sw / Sok, 3);
        sumPcu2 = Pcu2;
        const double eta = Pzad / (Pzad + (Pcu2 + Pcu1));
        e.f["KPD"] = f2(eta * 100);
        e.f["Pgab"] = pw(Sok * in.j * Kfill * ew * eta / (eta + 1));
    }
    return e;
}

Record recordOf(const Inputs& in) {
    Record r;
    r.core = in.core;
    r.lst = fixed(in.lst, 1);
    r.hst = fixed(in.hst, 1);
    r.lok = fixed(in.lok, 1);
    r.hok = fixed(in.hok, 1);
    r.megsl = fixed(in.megsl, 2);
    r.megob = fixed(in.megob, 2);
    r.Bm = fixed(in.Bm, 2);
    r.j = fixed(in.j, 2);
    r.F = fixed(in.F, 0);
    r.U1nom = fixed(in.U1nom, 1);
    r.U1max = fixed(in.U1max, 1);
    for (int i = 0; i < 5; ++i) {
        const bool used = i < static_cast<int>(in.sec.size());
        r.U2[i] = used ? fixed(in.sec[i].U, 2) : "";
        r.I2[i] = used ? fixed(in.sec[i].I, 3) : "";
        r.double2[i] = used && in.sec[i].centre;
    }
    r.diag_width = in.width;
    return r;
}

void expectSameDesign(const Inputs& in) {
    const Expected e = reference(in);
    Record r = recordOf(in);
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok) << r.comment;
    for (const auto& [name, text] : e.f) {
        const Field* f = findField(name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->textIn(r), text) << name;
    }
    EXPECT_EQ(r.comment, e.comment);
    EXPECT_EQ(r.ext1, e.ext1);
    EXPECT_EQ(r.ext2, e.ext2);
    ASSERT_NE(test::lastHint(run, 1015), nullptr);
    EXPECT_EQ(*test::lastHint(run, 1015), e.hintD1);
    EXPECT_EQ(*test::lastHint(run, 1063), e.hintL1);
}

}  // namespace

TEST(ReferenceDesign, DefaultShellCoreOnItsBobbin) {
    Inputs in;  // ШЛ 25x32, window 25x40, 1.5 T, 3.5 A/mm2, 220/253 V, 20 V 5 A
    expectSameDesign(in);
    // The record as a new program shows it, with its commas, gives the same run.
    Record r;
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    const Expected e = reference(in);
    EXPECT_EQ(r.Pgab, e.f.at("Pgab"));
    EXPECT_EQ(r.U2h[0], e.f.at("U2h_1"));
    EXPECT_EQ(r.comment, e.comment);
}

TEST(ReferenceDesign, LaminatedShellCoreWithThreeWindingsAndACentreTap) {
    Inputs in;
    in.core = 3;
    in.Bm = 1.2;
    in.lok = 30;
    in.hok = 50;
    in.sec = {{12, 2, true}, {6.3, 3, false}, {30, 0.5, false}};
    expectSameDesign(in);
}

TEST(ReferenceDesign, TwoCoilCoresKeepEveryTurnCountEven) {
    for (int core : {1, 4}) {
        Inputs in;
        in.core = core;
        in.lst = 20;
        in.hst = 40;
        in.lok = 20;
        in.hok = 50;
        in.Bm = core == 1 ? 1.6 : 1.2;
        in.sec = {{15, 3, false}, {9, 1, true}};
        expectSameDesign(in);
    }
}

TEST(ReferenceDesign, RingWithTwoSecondariesAndStrandedWire) {
    Inputs in;
    in.core = 0;
    in.lst = 110;
    in.hst = 60;
    in.lok = 40;
    in.sec = {{24, 9, false}, {12, 1, true}};  // 9 A needs two strands of the largest size
    in.width = 640;
    expectSameDesign(in);
}

TEST(ReferenceDesign, HighPowerLaminatedCore) {
    Inputs in;
    in.core = 3;
    in.lst = 60;
    in.hst = 80;
    in.lok = 60;
    in.hok = 150;
    in.Bm = 1.1;
    in.j = 2.5;
    in.sec = {{110, 8, false}};
    expectSameDesign(in);
}
