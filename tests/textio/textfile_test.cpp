#include <gtest/gtest.h>

#include "scratch_folder.hpp"
#include "storage_words.hpp"
#include "textfile.hpp"

namespace velmora {
namespace {

using testing::ScratchFolder;

TEST(TextFile, ReadsWindows1251AndUtf8FilesAsUtf8) {
    ScratchFolder dir;
    TextFile cp = ReadTextFile(dir.write("Провода.txt", "Conductor1\t= \xCF\xDD\xD2-155\r\n"));
    ASSERT_EQ(cp.status, TextFile::ok);
    EXPECT_EQ(cp.text, "Conductor1\t= ПЭТ-155\r\n");
    TextFile utf = ReadTextFile(dir.write("linux.txt", "\xEF\xBB\xBF" "Conductor1 = ПЭТВ-2\n"));
    ASSERT_EQ(utf.status, TextFile::ok);
    EXPECT_EQ(utf.text, "Conductor1 = ПЭТВ-2\n");
    TextFile cut = ReadTextFile(dir.write("zero.txt", std::string_view("d1 = 1\0d2 = 2", 13)));
    EXPECT_EQ(cut.text, "d1 = 1");
    EXPECT_TRUE(cut.cutAtZero);
    TextFile padded = ReadTextFile(dir.write("padded.txt", std::string_view("d1 = 1\0\0\0", 9)));
    EXPECT_EQ(padded.text, "d1 = 1");
    EXPECT_FALSE(padded.cutAtZero);  // zero bytes at the end only: nothing is lost
    EXPECT_FALSE(cp.cutAtZero);
    TextFile empty = ReadTextFile(dir.write("empty.txt", ""));
    EXPECT_EQ(empty.status, TextFile::ok);
    EXPECT_EQ(empty.text, "");
}

TEST(TextFile, AFileOverOneMebibyteIsRefusedByName) {
    ScratchFolder dir;
    std::string big(kMaxTextFile, 'x');
    big.replace(0, 7, "d1 = 1\n");
    TextFile limit = ReadTextFile(dir.write("limit.txt", big));
    ASSERT_EQ(limit.status, TextFile::ok);
    EXPECT_EQ(limit.text.size(), kMaxTextFile);
    TextFile over = ReadTextFile(dir.write("большой.sav", big + "x"));
    EXPECT_EQ(over.status, TextFile::tooLarge);
    EXPECT_EQ(over.text, "");
    const std::string said = texts::fileError(over.error, texts::Lang::ru);
    EXPECT_NE(said.find("большой.sav\" слишком велик (больше 1 МБ)"), std::string::npos) << said;
}

TEST(TextFile, WhatIsNoRegularFileCannotBeOpened) {
    ScratchFolder dir;
    EXPECT_EQ(ReadTextFile(dir / "нет.txt").status, TextFile::cannotOpen);
    EXPECT_EQ(ReadTextFile(dir.path()).status, TextFile::cannotOpen);
    EXPECT_EQ(ReadTextFile("").status, TextFile::cannotOpen);
#ifndef _WIN32
    EXPECT_EQ(ReadTextFile("/dev/zero").status, TextFile::cannotOpen);  // would never end
#endif
}

}  // namespace
}  // namespace velmora
