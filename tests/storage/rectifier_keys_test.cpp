// The rectifier helper's keys in the design file: after the 39 lines, six per
// secondary in turn, read back as written; a file without them has no rectifier.
#include <gtest/gtest.h>

#include <fstream>

#include "design_file.hpp"
#include "rectifier_fields.hpp"
#include "scratch_folder.hpp"

namespace velmora {
namespace {

using testing::readBytes;
using testing::ScratchFolder;

TEST(RectifierKeys, AreWrittenAfterTheDesignLinesInTheirOrderAndReadBack) {
    Record r;
    setRectifierInputs(r, 0, {1, 30, 2, 4700, 0.7, 0.02});
    setRectifierInputs(r, 3, {3, 12.5, 0.25, 1000, 1.1, 0.05});
    ScratchFolder dir;
    ASSERT_TRUE(WriteDesign(dir / "r.sav", r).ok);
    const std::string bytes = readBytes(dir / "r.sav");
    // After Conductor, the six keys of each secondary with a rectifier, in the order of
    // the field table; a secondary without one writes none.
    const size_t conductor = bytes.find("Conductor\t=");
    size_t at = conductor;
    for (int i : {1, 4})
        for (const char* key : {"rect2_", "Udc2_", "Idc2_", "C2_", "Vd2_", "rd2_"}) {
            const size_t next = bytes.find("\r\n" + std::string(key) + std::to_string(i) + "\t= ", at);
            ASSERT_NE(next, std::string::npos) << key << i;
            at = next + 1;
        }
    for (const char* absent : {"rect2_2", "Udc2_3", "rd2_5"}) EXPECT_EQ(bytes.find(absent), std::string::npos);
    EXPECT_NE(bytes.find("rect2_4\t= 3\r\nUdc2_4\t= 12.5\r\nIdc2_4\t= 0.25\r\nC2_4\t= 1000\r\n"
                         "Vd2_4\t= 1.1\r\nrd2_4\t= 0.05\r\n"),
              std::string::npos);

    Record back;
    ASSERT_EQ(ReadDesign(dir / "r.sav", back).status, ReadOutcome::ok);
    for (const Field& f : appendedFields()) EXPECT_EQ(valueAsText(back, f), valueAsText(r, f)) << f.name;
    const RectifierInputs s = rectifierInputs(back, 3);
    EXPECT_EQ(s.circuit, 3);
    EXPECT_DOUBLE_EQ(s.Udc, 12.5);
    EXPECT_DOUBLE_EQ(s.Idc, 0.25);
    EXPECT_DOUBLE_EQ(s.C_uF, 1000);
    EXPECT_DOUBLE_EQ(s.Vd, 1.1);
    EXPECT_DOUBLE_EQ(s.rd, 0.05);
}

TEST(RectifierKeys, AFileWithoutThemHasNoRectifierAndTheDiodeDefaults) {
    Record r;
    setRectifierInputs(r, 1, {2, 24, 1, 2200, 0.9, 0.03});
    ScratchFolder dir;
    ASSERT_TRUE(WriteDesign(dir / "r.sav", r).ok);
    const std::string bytes = readBytes(dir / "r.sav");
    ASSERT_NE(bytes.find("rect2_2"), std::string::npos);
    std::ofstream(dir / "old.sav", std::ios::binary) << bytes.substr(0, bytes.find("rect2_2"));

    Record back = r;  // a window that had a rectifier loads the older file
    ASSERT_EQ(ReadDesign(dir / "old.sav", back).status, ReadOutcome::ok);
    EXPECT_FALSE(anyRectifier(back));
    const RectifierInputs s = rectifierInputs(back, 1);
    EXPECT_EQ(s.circuit, 0);
    EXPECT_DOUBLE_EQ(s.Vd, kDiodeVd);  // the field's default, not 0
    EXPECT_DOUBLE_EQ(s.rd, kDiodeRd);
}

TEST(RectifierKeys, DecimalCommasReadAsInEveryOtherInput) {
    Record r;
    r.rect2[2] = 1;
    r.Udc2[2] = "13,8";
    r.Idc2[2] = " 1,5";
    r.C2[2] = "3300";
    r.Vd2[2] = "0,45";
    r.rd2[2] = "";
    const RectifierInputs s = rectifierInputs(r, 2);
    EXPECT_DOUBLE_EQ(s.Udc, 13.8);
    EXPECT_DOUBLE_EQ(s.Idc, 1.5);
    EXPECT_DOUBLE_EQ(s.Vd, 0.45);
    EXPECT_DOUBLE_EQ(s.rd, kDiodeRd);
    EXPECT_EQ(secondaryDetachedBy("U2_3"), 2);
    EXPECT_EQ(secondaryDetachedBy("I2_5"), 4);
    EXPECT_EQ(secondaryDetachedBy("Udc2_3"), -1);
    EXPECT_EQ(secondaryDetachedBy("U2xx_3"), -1);
    EXPECT_EQ(secondaryDetachedBy("U1nom"), -1);
}

}  // namespace
}  // namespace velmora
