#include <gtest/gtest.h>

#include "codec.hpp"
#include "design_file.hpp"
#include "russian_words.hpp"
#include "scratch_folder.hpp"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::said;
using testing::ScratchFolder;

// The 39 values of the record, as the design file carries them.
std::vector<std::string> inputs(const Record& r) {
    std::vector<std::string> v;
    for (const Field& f : inputFields()) v.push_back(valueAsText(r, f));
    return v;
}

TEST(DesignFile, ADefaultDesignIsWrittenByteForByte) {
    const std::string expected =
        std::string("core\t= 2\r\nlst\t= 25\r\nhst\t= 32\r\nlok\t= 25\r\nhok\t= 40\r\n"
        "hkar\t= 27\r\nhkar1\t= 34\r\nlkar\t= 38\r\nmegsl\t= 0,1\r\nmegob\t= 0,3\r\n"
        "razmery\t= 0\r\nBm\t= 1,5\r\nj\t= 3,5\r\nF\t= 50\r\nU1nom\t= 220\r\nU1max\t= 253\r\n"
        "U2_1\t= 20\r\nU2_2\t= \r\nU2_3\t= \r\nU2_4\t= \r\nU2_5\t= \r\n"
        "I2_1\t= 5\r\nI2_2\t= \r\nI2_3\t= \r\nI2_4\t= \r\nI2_5\t= \r\n"
        "double2_1\t= 0\r\ndouble2_2\t= 0\r\ndouble2_3\t= 0\r\ndouble2_4\t= 0\r\ndouble2_5\t= 0\r\n"
        "d11\t= \r\nd21\t= \r\nd22\t= \r\nd23\t= \r\nd24\t= \r\nd25\t= \r\n"
        "use_d\t= 0\r\nConductor\t= \xCF\xDD\xD2-155\r\n");
    // A design that uses no appended input is exactly the original file's 39 lines.
    DesignText text = FormatDesign(Record());
    ASSERT_TRUE(text.ok) << said(text.error);
    EXPECT_EQ(text.bytes, expected);
    ScratchFolder dir;
    ASSERT_TRUE(WriteDesign(dir / "default.sav", Record()).ok);
    EXPECT_EQ(readBytes(dir / "default.sav"), expected);
}

TEST(DesignFile, EveryFieldComesBackFromAWrittenFile) {
    Record r;
    int n = 0;
    const std::vector<std::string> odd{"Кольцо «тор» №3", "1,5", "j F Bm core", "x = y, U2 = 5",
                                       "%i %s \\ \"", "€ — ёЁ", "0.25e-1", "d1 мм"};
    for (const Field& f : inputFields()) {
        if (f.kind == FieldKind::integer) f.intIn(r) = n % 2;
        else f.textIn(r) = odd[n % odd.size()] + " " + std::to_string(n);
        ++n;
    }
    r.core = 4;
    r.lst = "  blanks at both ends  ";
    r.hst = "tab\there, line\r\nend\x01";
    r.Conductor = "МЭК 60317 тип 1";
    r.hkar = "";

    ScratchFolder dir;
    ASSERT_TRUE(WriteDesign(dir / "all.sav", r).ok);
    Record back;
    back.use_d = 7;
    ASSERT_EQ(ReadDesign(dir / "all.sav", back).status, ReadOutcome::ok);

    Record expected = r;
    expected.lst = "blanks at both ends";            // outer blanks do not survive
    expected.hst = "tab here, line  end";            // control characters became blanks
    EXPECT_EQ(inputs(back), inputs(expected));
}

TEST(DesignFile, HandMadeFilesRead) {
    ScratchFolder dir;
    Record one;
    ASSERT_EQ(ReadDesign(dir.write("one.sav", "core\t= 3"), one).status, ReadOutcome::ok);
    for (const Field& f : inputFields()) {
        if (f.name == "core") EXPECT_EQ(one.core, 3);
        else if (f.kind == FieldKind::integer) EXPECT_EQ(f.intIn(one), 0) << f.name;
        else EXPECT_EQ(f.textIn(one), "") << f.name;
    }

    Record lf;
    ASSERT_EQ(ReadDesign(dir.write("lf.sav", "Bm=1.2\nj = 4\nuse_d = 2\nrazmery=-1\nConductor=ПЭТВ-2\n"), lf)
                  .status,
              ReadOutcome::ok);
    EXPECT_EQ(lf.Bm, "1.2");
    EXPECT_EQ(lf.j, "4");
    EXPECT_EQ(lf.use_d, 1);     // check boxes read as checked for anything but 0
    EXPECT_EQ(lf.razmery, 1);
    EXPECT_EQ(lf.Conductor, "ПЭТВ-2");  // a UTF-8 file from a Linux editor
    EXPECT_EQ(lf.core, 0);
}

TEST(DesignFile, UnreadableOrWrongFilesLeaveTheRecordAlone) {
    ScratchFolder dir;
    Record r;
    r.lst = "keep";
    const std::vector<std::string> before = inputs(r);

    EXPECT_EQ(ReadDesign(dir / "нет.sav", r).status, ReadOutcome::cannotOpen);
    EXPECT_EQ(ReadDesign(dir.path(), r).status, ReadOutcome::cannotOpen);
    for (std::string_view core : {"core\t= 7\r\nlst\t= 1\r\n", "core = -1\r\n"}) {
        ReadOutcome o = ReadDesign(dir.write("core.sav", core), r);
        EXPECT_EQ(o.status, ReadOutcome::refused);
        EXPECT_NE(said(o.error).find("core.sav\" не загружен"), std::string::npos) << said(o.error);
        EXPECT_NE(said(o.error).find("от 0 до 4"), std::string::npos) << said(o.error);
    }
    ReadOutcome big = ReadDesign(dir.write("big.sav", std::string(kMaxTextFile + 1, ' ')), r);
    EXPECT_EQ(big.status, ReadOutcome::refused);
    EXPECT_NE(said(big.error).find("слишком велик"), std::string::npos) << said(big.error);
    EXPECT_EQ(inputs(r), before);
}

TEST(DesignFile, AValueThatWouldCaptureALaterFieldRefusesTheWrite) {
    Record r;
    r.hok = "40 (hkar1 =34)";
    DesignText text = FormatDesign(r);
    EXPECT_FALSE(text.ok);
    EXPECT_NE(said(text.error).find("\"Hok, мм\" (hok)"), std::string::npos) << said(text.error);
    EXPECT_NE(said(text.error).find("(hkar1)"), std::string::npos) << said(text.error);
    r.hok = "hok = 40, hkar1";  // its own key, or a later one without '=', reads back
    EXPECT_TRUE(FormatDesign(r).ok);
}

TEST(DesignFile, AValueWithoutWindows1251CodeRefusesTheWrite) {
    ScratchFolder dir;
    fs::path file = dir.write("old.sav", "old");
    Record r;
    r.Conductor = "Провод Ω";
    DesignText text = FormatDesign(r);
    EXPECT_FALSE(text.ok);
    EXPECT_EQ(text.bytes, "");
    EXPECT_NE(said(text.error).find("\"Используем провод\" (Conductor)"), std::string::npos) << said(text.error);
    EXPECT_NE(said(text.error).find("\"Ω\""), std::string::npos) << said(text.error);

    WriteOutcome w = WriteDesign(file, r);
    EXPECT_FALSE(w.ok);
    EXPECT_NE(said(w.error).find("old.sav"), std::string::npos) << said(w.error);
    EXPECT_NE(said(w.error).find("Conductor"), std::string::npos) << said(w.error);
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_FALSE(WriteDesign(dir / "new.sav", r).ok);
    EXPECT_FALSE(fs::exists(dir / "new.sav"));
}

// "МЅ" is 0xCC 0xBD in Windows-1251, which is also valid UTF-8 (U+033D): a file of
// such bytes would read back as UTF-8, altered. The write is refused instead.
TEST(DesignFile, AValueWhoseBytesWouldReadAsUtf8IsNotWritten) {
    ScratchFolder dir;
    const fs::path file = dir / "d.sav";
    Record old;
    ASSERT_TRUE(WriteDesign(file, old).ok);
    const std::string before = readBytes(file);
    Record r;
    r.Conductor = "AWG";
    r.hok = "I1_МЅm";
    WriteOutcome w = WriteDesign(file, r);
    EXPECT_FALSE(w.ok);
    EXPECT_NE(said(w.error).find("hok"), std::string::npos) << said(w.error);
    EXPECT_EQ(readBytes(file), before);
    r.hok = "МЅ Д";  // 0xC4 breaks the UTF-8 reading: an ordinary Windows-1251 file
    ASSERT_TRUE(WriteDesign(file, r).ok);
    Record back;
    ASSERT_EQ(ReadDesign(file, back).status, ReadOutcome::ok);
    EXPECT_EQ(back.hok, "МЅ Д");
}

}  // namespace
}  // namespace velmora
