// Design files as users really have them: from the Windows program, converted by an
// editor, cut short, damaged or not designs at all. Each loads whole, loads what it
// holds, or is refused with a message naming it; the file itself is never touched.
#include <gtest/gtest.h>

#include <random>

#include "design_file.hpp"
#include "russian_words.hpp"
#include "scratch_folder.hpp"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::said;
using testing::ScratchFolder;

// One line of a design: the value as the window shows it, and as the Windows
// program wrote it.
struct Line {
    const char* key;
    const char* utf8;
    const char* cp1251;
};

// A shell-core design with a second secondary on a centre tap and a note typed
// into a voltage field.
const std::vector<Line> kDesign{
    {"core", "3", "3"},         {"lst", "20", "20"},         {"hst", "30", "30"},
    {"lok", "12", "12"},        {"hok", "30", "30"},         {"hkar", "22", "22"},
    {"hkar1", "32", "32"},      {"lkar", "28", "28"},        {"megsl", "0,05", "0,05"},
    {"megob", "0,2", "0,2"},    {"razmery", "0", "0"},       {"Bm", "1,2", "1,2"},
    {"j", "3", "3"},            {"F", "50", "50"},           {"U1nom", "220", "220"},
    {"U1max", "242", "242"},    {"U2_1", "6,3", "6,3"},      {"U2_2", "250", "250"},
    {"U2_3", "12 (накал)", "12 (\xED\xE0\xEA\xE0\xEB)"},     {"U2_4", "", ""},
    {"U2_5", "", ""},           {"I2_1", "3", "3"},          {"I2_2", "0,1", "0,1"},
    {"I2_3", "0,3", "0,3"},     {"I2_4", "", ""},            {"I2_5", "", ""},
    {"double2_1", "0", "0"},    {"double2_2", "1", "1"},     {"double2_3", "0", "0"},
    {"double2_4", "0", "0"},    {"double2_5", "0", "0"},     {"d11", "", ""},
    {"d21", "0,8", "0,8"},      {"d22", "", ""},             {"d23", "", ""},
    {"d24", "", ""},            {"d25", "", ""},             {"use_d", "0", "0"},
    {"Conductor", "ПЭВ-2", "\xCF\xDD\xC2-2"},
};

enum class Code { cp1251, utf8 };

// The design as a file: "key\t= value" lines in the given encoding and line end,
// without the line of `skip`.
std::string designFile(Code code, std::string_view eol, std::string_view skip = {}) {
    std::string s;
    for (const Line& l : kDesign) {
        if (l.key == skip) continue;
        s += std::string(l.key) + "\t= " + (code == Code::cp1251 ? l.cp1251 : l.utf8);
        s += eol;
    }
    return s;
}

const std::string kOriginal = designFile(Code::cp1251, "\r\n");

std::vector<std::string> inputs(const Record& r) {
    std::vector<std::string> v;
    for (const Field& f : inputFields()) v.push_back(valueAsText(r, f));
    return v;
}

std::vector<std::string> expectedInputs() {
    std::vector<std::string> v;
    for (const Line& l : kDesign) v.push_back(l.utf8);
    return v;
}

// A record that differs from the design in every field, to see what a read changed.
Record other() {
    Record r;
    for (const Field& f : inputFields()) {
        if (f.kind == FieldKind::integer) f.intIn(r) = 2;
        else f.textIn(r) = "прежнее";
    }
    return r;
}

TEST(BadFiles, TheWindowsProgramsDesignLoadsWholeInEveryEncodingAndLineEnd) {
    ASSERT_EQ(inputFields().size(), kDesign.size());
    for (size_t i = 0; i < kDesign.size(); ++i) ASSERT_EQ(inputFields()[i].name, kDesign[i].key);

    struct Variant {
        const char* what;
        std::string bytes;
    };
    const std::vector<Variant> variants{
        {"Windows-1251, CR LF, as the Windows program wrote it", kOriginal},
        {"Windows-1251, LF", designFile(Code::cp1251, "\n")},
        {"Windows-1251, CR alone", designFile(Code::cp1251, "\r")},
        {"UTF-8, CR LF, converted by an editor", designFile(Code::utf8, "\r\n")},
        {"UTF-8, LF", designFile(Code::utf8, "\n")},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + designFile(Code::utf8, "\r\n")},
        {"zero bytes after the end, as a crash may leave", kOriginal + std::string(512, '\0')},
        {"no line end after the last line", kOriginal.substr(0, kOriginal.size() - 2)},
    };
    ScratchFolder dir;
    for (const Variant& v : variants) {
        const fs::path file = dir.write("design.sav", v.bytes);
        Record r = other();
        const ReadOutcome read = ReadDesign(file, r);
        ASSERT_EQ(read.status, ReadOutcome::ok) << v.what << ": " << said(read.error);
        EXPECT_EQ(inputs(r), expectedInputs()) << v.what;
        EXPECT_EQ(readBytes(file), v.bytes) << v.what;
        // Saved again, it is the Windows program's file byte for byte, the appended
        // keys after it: nothing lost.
        ASSERT_TRUE(WriteDesign(dir / "again.sav", r).ok) << v.what;
        EXPECT_EQ(readBytes(dir / "again.sav").substr(0, kOriginal.size()), kOriginal) << v.what;
    }
}

TEST(BadFiles, AMissingKeyEmptiesItsOwnFieldOnly) {
    ScratchFolder dir;
    const std::vector<std::string> whole = expectedInputs();
    for (size_t i = 0; i < kDesign.size(); ++i) {
        const std::string bytes = designFile(Code::cp1251, "\r\n", kDesign[i].key);
        const fs::path file = dir.write("design.sav", bytes);
        Record r = other();
        ASSERT_EQ(ReadDesign(file, r).status, ReadOutcome::ok) << kDesign[i].key;
        std::vector<std::string> expected = whole;
        expected[i] = std::string(inputFields()[i].kind == FieldKind::integer ? "0" : "");  // core 0: a ring
        EXPECT_EQ(inputs(r), expected) << "without " << kDesign[i].key;
        EXPECT_EQ(readBytes(file), bytes);
    }
}

TEST(BadFiles, ALongLineUnderTheLimitLoadsAndSavesWhole) {
    ScratchFolder dir;
    const std::string lst(1000 * 1000, '7');
    std::string bytes = kOriginal;
    bytes.replace(bytes.find("lst\t= 20"), 8, "lst\t= " + lst);
    ASSERT_LE(bytes.size(), kMaxTextFile);
    const fs::path file = dir.write("long.sav", bytes);
    Record r = other();
    ASSERT_EQ(ReadDesign(file, r).status, ReadOutcome::ok);
    EXPECT_EQ(r.lst, lst);
    EXPECT_EQ(r.hst, "30");
    ASSERT_TRUE(WriteDesign(dir / "again.sav", r).ok);
    EXPECT_EQ(readBytes(dir / "again.sav").substr(0, bytes.size()), bytes);
}

// Bytes of no text: every value from 1 to 255 but never a line that sets a field.
std::string garbage(size_t n, bool zeros) {
    std::mt19937 g(7);
    std::uniform_int_distribution<int> byte(zeros ? 0 : 1, 255);
    std::string s;
    while (s.size() < n) s += static_cast<char>(byte(g));
    return s;
}

std::string utf16le(std::string_view ascii) {
    std::string s = "\xFF\xFE";
    for (char c : ascii) {
        s += c;
        s += '\0';
    }
    return s;
}

TEST(BadFiles, WhatIsNoWholeDesignIsRefusedByNameAndLeftAsItIs) {
    const std::string noField = "\" не загружен: в нём нет ни одного поля расчета.";
    const std::string zeros = "\" не загружен: в нём есть нулевые байты";
    const std::string tooLarge = "\" слишком велик (больше 1 МБ)";
    std::string nulInside = kOriginal;
    nulInside.insert(nulInside.find("U2_1"), 1, '\0');
    std::string huge = kOriginal;
    huge.replace(huge.find("lst\t= 20"), 8, "lst\t= " + std::string(kMaxTextFile, '7'));
    struct Case {
        const char* what;
        std::string bytes;
        std::string because;
    };
    const std::vector<Case> cases{
        {"empty", "", noField},
        {"blank lines", "\r\n   \r\n\t\r\n", noField},
        {"binary garbage", garbage(4096, false), noField},
        {"binary with zero bytes", garbage(4096, true), zeros},
        {"a zero byte inside, half the fields after it", nulInside, zeros},
        {"saved by an editor as UTF-16", utf16le(designFile(Code::cp1251, "\r\n").substr(0, 200)), zeros},
        {"a report picked by mistake",
         "\xD1\xE5\xF0\xE4\xE5\xF7\xED\xE8\xEA: \xE1\xF0\xEE\xED\xE5\xE2\xEE\xE9 \xD8\r\n"
         "\xD1\xF2\xE0\xEB\xFC 20x30\r\n\xCE\xEA\xED\xEE 12x30\r\n",
         noField},
        {"over one mebibyte with a huge line", huge, tooLarge},
    };
    ScratchFolder dir;
    const Record before = other();
    for (const Case& c : cases) {
        const fs::path file = dir.write("bad.sav", c.bytes);
        Record r = before;
        const ReadOutcome read = ReadDesign(file, r);
        EXPECT_EQ(read.status, ReadOutcome::refused) << c.what;
        EXPECT_NE(said(read.error).find("\"" + pathToUtf8(file) + c.because), std::string::npos)
            << c.what << ": " << said(read.error);
        EXPECT_EQ(inputs(r), inputs(before)) << c.what;
        EXPECT_EQ(readBytes(file), c.bytes) << c.what;
    }
}

TEST(BadFiles, AFolderNamedLikeTheStateFileCannotBeOpened) {
    ScratchFolder dir;
    fs::create_directory(dir / "Velmora.ini");
    dir.write("Velmora.ini/inside.sav", kOriginal);
    Record r = other();
    EXPECT_EQ(ReadDesign(dir / "Velmora.ini", r).status, ReadOutcome::cannotOpen);
    EXPECT_EQ(inputs(r), inputs(other()));
    EXPECT_EQ(readBytes(dir / "Velmora.ini/inside.sav"), kOriginal);
}

}  // namespace
}  // namespace velmora
