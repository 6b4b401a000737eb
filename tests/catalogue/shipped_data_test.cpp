// The wire catalogue that ships with the program: every kind of the list loads, and
// every size is physically plausible for enamelled copper wire.
#include <gtest/gtest.h>

#include <cmath>

#include "codec.hpp"
#include "record.hpp"
#include "scratch_folder.hpp"
#include "wires.hpp"

namespace velmora {
namespace {

const std::filesystem::path kData = pathFromUtf8(VELMORA_DATA_DIR);

constexpr double kCopperDensity = 8.89;  // g/cm3; mm2 of section times 1 m is cm3

std::vector<std::string> shippedKinds() {
    WireKinds kinds = LoadWireKinds(kData);
    EXPECT_TRUE(kinds.ok) << kinds.message.text;
    return kinds.names;
}

TEST(ShippedData, TheKindListLoadsAndHoldsTheDefaultKind) {
    std::vector<std::string> kinds = shippedKinds();
    ASSERT_FALSE(kinds.empty());
    KindSelection s = SelectKind(kinds, Record().Conductor);
    EXPECT_FALSE(s.message) << "the default kind is not shipped";
    EXPECT_EQ(s.conductor, Record().Conductor);
    // Written in Windows-1251, as the program writes its own files.
    std::string raw = testing::readBytes(kData / pathFromUtf8(kKindListFile));
    EXPECT_FALSE(isValidUtf8(raw));
}

TEST(ShippedData, EverySizeFileIsSoundAndPlausible) {
    for (const std::string& kind : shippedKinds()) {
        SCOPED_TRACE(kind);
        WireSizes s = LoadWireSizes(kData, kind);
        ASSERT_TRUE(s.ok) << s.message.text;
        const WireTable& t = s.table;
        ASSERT_GE(t.last(), 0);
        for (int k = 0; k <= t.last(); ++k) {
            SCOPED_TRACE("entry " + std::to_string(k + 1));
            EXPECT_TRUE(std::isfinite(t.D[k]) && std::isfinite(t.Diz[k]) && std::isfinite(t.M[k]));
            EXPECT_GE(t.D[k], 0.001);
            if (k > 0) {
                EXPECT_GT(t.D[k], t.D[k - 1]);
            }
            EXPECT_GE(t.Diz[k], t.D[k]);
            EXPECT_GE(t.M[k], 0.0);
            double copper = kCopperDensity * t.D[k] * t.D[k] * 0.7853981633974483;
            EXPECT_GE(t.M[k], 1.00 * copper) << "d " << t.D[k] << " m " << t.M[k];
            EXPECT_LE(t.M[k], 1.15 * copper) << "d " << t.D[k] << " m " << t.M[k];
            double build = t.Diz[k] - t.D[k];
            EXPECT_GT(build, 0.0) << "d " << t.D[k] << " diz " << t.Diz[k];
            EXPECT_LE(build, 0.2) << "d " << t.D[k] << " diz " << t.Diz[k];
        }
    }
}

// Lines "dn\t= value\r\n", "dizn ...", "mn ..." in that order, decimal commas, nothing else.
TEST(ShippedData, SizeFilesHoldOnlyTheirLinesInOrder) {
    for (const std::string& kind : shippedKinds()) {
        SCOPED_TRACE(kind);
        std::string raw = testing::readBytes(kData / pathFromUtf8(kind + ".txt"));
        size_t pos = 0, lines = 0;
        while (pos < raw.size()) {
            size_t end = raw.find("\r\n", pos);
            ASSERT_NE(end, std::string::npos) << "last line without CR LF";
            std::string line = raw.substr(pos, end - pos);
            int n = static_cast<int>(lines / 3) + 1;
            std::string key = std::string(lines % 3 == 0 ? "d" : lines % 3 == 1 ? "diz" : "m") +
                              std::to_string(n) + "\t= ";
            ASSERT_TRUE(line.starts_with(key)) << line;
            std::string value = line.substr(key.size());
            EXPECT_FALSE(value.empty()) << line;
            EXPECT_EQ(value.find_first_not_of("0123456789,"), std::string::npos) << line;
            pos = end + 2;
            ++lines;
        }
        EXPECT_EQ(lines % 3, 0u);
        EXPECT_EQ(static_cast<int>(lines / 3), LoadWireSizes(kData, kind).table.last() + 1);
    }
}

// The AWG kinds name their gauges in the diameter's tip: the files run from AWG 40 to
// AWG 10 in ascending diameters, and every entry is recognised as its gauge. The other
// kinds have none.
TEST(ShippedData, AwgKindsKnowEveryEntrysGauge) {
    int awgKinds = 0;
    for (const std::string& kind : shippedKinds()) {
        SCOPED_TRACE(kind);
        WireSizes s = LoadWireSizes(kData, kind);
        ASSERT_TRUE(s.ok);
        if (!kind.starts_with("AWG")) {
            EXPECT_TRUE(s.table.awg.empty());
            continue;
        }
        ++awgKinds;
        ASSERT_EQ(s.table.awg.size(), 31u);
        for (size_t k = 0; k < s.table.awg.size(); ++k)
            EXPECT_EQ(s.table.awg[k], 40 - static_cast<int>(k)) << s.table.D[k] << " mm";
    }
    EXPECT_EQ(awgKinds, 2);
}

// By the gauge's definition: No. 36 is 0.0050 in = 0.127 mm, each step 92^(1/39) =
// 1.12293. No. 18 = 0.127 * 1.12293^18 = 1.0237 mm; 1.000 mm lies 2.3 % below it.
// 0.135 mm lies 6.3 % above No. 36 and 5.3 % below No. 35 (0.1426): no gauge.
TEST(WireGauge, NearestGaugeWithinFourPercent) {
    EXPECT_EQ(AwgGauge(0.127), 36);
    EXPECT_EQ(AwgGauge(1.0237), 18);
    EXPECT_EQ(AwgGauge(1.000), 18);
    EXPECT_EQ(AwgGauge(0.135), 0);
    EXPECT_EQ(AwgGauge(0.0), 0);
    EXPECT_EQ(AwgGauge(-1.0), 0);
    EXPECT_EQ(AwgGauge(std::nan("")), 0);
    EXPECT_EQ(AwgGauge(50.0), 0);  // beyond No. 1 (7.35 mm)
}

}  // namespace
}  // namespace velmora
