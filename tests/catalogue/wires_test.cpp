#include <gtest/gtest.h>

#include "codec.hpp"
#include "scratch_folder.hpp"
#include "wires.hpp"
#include "texts.hpp"

namespace velmora {
namespace {

using testing::ScratchFolder;

constexpr std::string_view kSound = "d1\t= 0,1\r\ndiz1\t= 0,12\r\nm1\t= 0,07\r\n";
constexpr std::string_view kNoList =
    "В папке с программой отсутствует файл перечня применяемых в программе проводов.";

// A data folder with a kind list (written in Windows-1251) and sound size files.
void writeKinds(const ScratchFolder& dir, std::string_view list,
                std::initializer_list<std::string_view> kinds) {
    dir.write("Провода.txt", *utf8ToCp1251(list));
    for (std::string_view k : kinds) dir.write(std::string(k) + ".txt", kSound);
}

// A message as the window shows it in Russian.
texts::Shown shown(const Message& m) { return texts::message(m, texts::Lang::ru); }

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(WireKinds, AreListedWithoutGapsAndSortedCaseInsensitively) {
    ScratchFolder dir;
    writeKinds(dir,
               "Conductor1\t= яма\r\nConductor2\t= ПЭТ\r\nConductor3\t= ёлка\r\n"
               "Conductor4\t= bcd\r\nConductor5\t= AWG\r\nConductor6\t= пэв\r\n"
               "Conductor10\t= Z\r\nConductor8\t= Z\r\n",
               {"яма", "ПЭТ", "ёлка", "bcd", "AWG", "пэв", "Z"});
    WireKinds kinds = LoadWireKinds(dir.path());
    ASSERT_TRUE(kinds.ok) << shown(kinds.message).text;
    // By code point of the lower-cased names: ё (U+0451) comes after я (U+044F).
    EXPECT_EQ(kinds.names, (std::vector<std::string>{"AWG", "bcd", "пэв", "ПЭТ", "яма", "ёлка"}));

    writeKinds(dir, "Conductor1\t= ПЭТ\r\nConductor3\t= AWG\r\n", {});
    EXPECT_EQ(LoadWireKinds(dir.path()).names, std::vector<std::string>{"ПЭТ"});
}

TEST(WireKinds, AMissingListOrSizeFileStopsTheStart) {
    ScratchFolder dir;
    WireKinds none = LoadWireKinds(dir.path());
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(shown(none.message), (texts::Shown{"Внимание!", std::string(kNoList)}));

    writeKinds(dir, "Conductor1\t= ПЭТ\r\nConductor2\t= ПЭТ-155\r\n", {"ПЭТ"});
    WireKinds missing = LoadWireKinds(dir.path());
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.names.empty());
    EXPECT_EQ(shown(missing.message),
              (texts::Shown{"Внимание!", "В папке с программой отсутствует файл ПЭТ-155.txt"}));

    writeKinds(dir, "Провода:\r\nConductor2\t= ПЭТ\r\n", {"ПЭТ"});
    WireKinds empty = LoadWireKinds(dir.path());
    EXPECT_FALSE(empty.ok);
    EXPECT_TRUE(shown(empty.message).text.starts_with(kNoList)) << shown(empty.message).text;
}

TEST(WireKinds, ARefusedSizeFileStopsTheStartWithTheReason) {
    ScratchFolder dir;
    writeKinds(dir, "Conductor1\t= ПЭТ\r\nConductor2\t= ПЭВ\r\n", {"ПЭТ"});
    dir.write("ПЭВ.txt", "d1 = 0,2\r\ndiz1 = 0,23\r\nd2 = 0,2\r\ndiz2 = 0,23\r\n");
    WireKinds kinds = LoadWireKinds(dir.path());
    EXPECT_FALSE(kinds.ok);
    EXPECT_EQ(shown(kinds.message).caption, "Внимание!");
    EXPECT_TRUE(shown(kinds.message).text.starts_with("В папке с программой отсутствует файл ПЭВ.txt"));
    EXPECT_TRUE(contains(shown(kinds.message).text, "ПЭВ.txt\" не принят: в записи 2 ")) << shown(kinds.message).text;
}

TEST(WireSizes, ReadAllEntriesInFileOrder) {
    ScratchFolder dir;
    std::string file;
    for (int n = 1; n <= 157; ++n) {
        std::string k = std::to_string(n), d = "0," + std::to_string(100 + n);  // 0,101 .. 0,257
        file += "d" + k + "\t= " + d + "\r\ndiz" + k + "\t= 0,3" + "\r\n";
        if (n != 5) file += "m" + k + "=0.5\tг/м\n";
    }
    dir.write("ПЭТ-155.txt", file);
    WireSizes s = LoadWireSizes(dir.path(), "ПЭТ-155");
    ASSERT_TRUE(s.ok) << shown(s.message).text;
    ASSERT_EQ(s.table.last(), 156);
    EXPECT_EQ(s.table.D[0], 0.101);
    EXPECT_EQ(s.table.D[156], 0.257);
    EXPECT_EQ(s.table.S[0], 0.101 * 0.101 * 0.7853981633974483);
    EXPECT_EQ(s.table.Diz[9], 0.3);
    EXPECT_EQ(s.table.M[3], 0.5);
    EXPECT_EQ(s.table.M[4], 0.0);  // no m5 line: the entry still counts
    EXPECT_EQ(s.table.S.size(), 157u);
    EXPECT_EQ(s.table.M.size(), 157u);

    // Key lookup by whole keys: a d10 line before d1 no longer misleads.
    dir.write("X.txt", "d10 = 0,9\r\nd1 = 0,05\r\ndiz1 = 0,07\r\n");
    WireSizes x = LoadWireSizes(dir.path(), "X");
    ASSERT_TRUE(x.ok) << shown(x.message).text;
    EXPECT_EQ(x.table.D, std::vector<double>{0.05});
}

TEST(WireSizes, UnsoundTablesAreRefusedNamingFileAndEntry) {
    struct Case {
        std::string_view file, why;
    };
    const Case cases[] = {
        {"diz1 = 0,1\r\n", "нет ни одного размера"},
        {"d1 = 0,2\r\ndiz1 = 0,25\r\nd2 = 0,1\r\ndiz2 = 0,13\r\n", "в записи 2 диаметр по меди \"0,1\" не больше"},
        {"d1 = 0,2\r\ndiz1 = 0,25\r\nd2 = 0.2\r\ndiz2 = 0,25\r\n", "в записи 2 диаметр по меди \"0.2\" не больше"},
        {"d1 = 0,2\r\nm1 = 0,3\r\n", "в записи 1 диаметр по изоляции \"\" меньше"},
        {"d1 = 0,2\r\ndiz1 = 0,19\r\n", "в записи 1 диаметр по изоляции \"0,19\" меньше"},
        {"d1 = нет\r\ndiz1 = 0,1\r\n", "в записи 1 диаметр по меди \"нет\" меньше 0,001 мм"},
        {"d1 = 0,0005\r\ndiz1 = 0,1\r\n", "в записи 1 диаметр по меди \"0,0005\" меньше 0,001 мм"},
        {"d1 = 0,1\r\ndiz1 = 0,12\r\nm1 = -0,01\r\n", "в записи 1 масса \"-0,01\" отрицательна"},
        {"d1 = 0,1\r\ndiz1 = 0,12\r\nd2 = 1e999\r\ndiz2 = 1e999\r\n", "в записи 2 диаметр по меди \"1e999\" не является числом"},
        {"d1 = 0,1\r\ndiz1 = nan\r\n", "в записи 1 диаметр по изоляции \"nan\" не является числом"},
        {"d1 = 0,1\r\ndiz1 = 0,12\r\nm1 = inf\r\n", "в записи 1 масса \"inf\" не является числом"},
    };
    ScratchFolder dir;
    for (const Case& c : cases) {
        dir.write("Плохой.txt", c.file);
        WireSizes s = LoadWireSizes(dir.path(), "Плохой");
        EXPECT_FALSE(s.ok) << c.file;
        EXPECT_EQ(shown(s.message).caption, "Внимание!");
        EXPECT_TRUE(contains(shown(s.message).text, "Плохой.txt\" не принят: ")) << shown(s.message).text;
        EXPECT_TRUE(contains(shown(s.message).text, c.why)) << shown(s.message).text;
        EXPECT_EQ(s.table.last(), -1);
    }
}

TEST(WireSizes, AKindNamesAFileOfTheFolderOnly) {
    ScratchFolder dir;
    std::filesystem::create_directory(dir / "sub");
    dir.write("sub/ПЭТ.txt", kSound);
    EXPECT_FALSE(LoadWireSizes(dir.path(), "sub/ПЭТ").ok);
    EXPECT_FALSE(LoadWireSizes(dir / "sub", "").ok);
    WireSizes missing = LoadWireSizes(dir.path(), "ПЭТ");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(shown(missing.message).text, "В папке с программой отсутствует файл ПЭТ.txt");
    EXPECT_TRUE(LoadWireSizes(dir / "sub", "ПЭТ").ok);
}

TEST(SelectKind, TakesTheFirstEntryBeginningWithTheKindAndItsFullName) {
    const std::vector<std::string> names{"AWG heavy", "AWG single", "ПЭТ-155", "ПЭТВ-2", "Ёлка"};
    KindSelection exact = SelectKind(names, "ПЭТВ-2");
    EXPECT_EQ(exact.index, 3);
    EXPECT_EQ(exact.conductor, "ПЭТВ-2");
    EXPECT_FALSE(exact.message);
    KindSelection prefix = SelectKind(names, "пэт");
    EXPECT_EQ(prefix.index, 2);
    EXPECT_EQ(prefix.conductor, "ПЭТ-155");
    EXPECT_FALSE(prefix.message);
    EXPECT_EQ(SelectKind(names, "awg S").conductor, "AWG single");
    EXPECT_EQ(SelectKind(names, "ёлКА").index, 4);

    KindSelection missing = SelectKind(names, "ПЭВ-2");
    EXPECT_EQ(missing.index, 0);
    EXPECT_EQ(missing.conductor, "AWG heavy");
    ASSERT_TRUE(missing.message);
    EXPECT_EQ(shown(*missing.message).caption, "Внимание!");
    EXPECT_EQ(shown(*missing.message).text,
              "Провод \"ПЭВ-2\" не найден в перечне проводов. Используется провод \"AWG heavy\".");
    EXPECT_EQ(SelectKind({}, "ПЭТ").index, -1);
}

TEST(LowerCase, CoversLatinAndCyrillic) {
    EXPECT_EQ(lowerCase("ПЭТВ-2 AWG Heavy"), "пэтв-2 awg heavy");
    EXPECT_EQ(lowerCase("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"), "абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
    EXPECT_EQ(lowerCase("ЂЃЄЅІЇЈЉЊЋЌЎЏҐ"), "ђѓєѕіїјљњћќўџґ");
    EXPECT_EQ(lowerCase("Ωµ№ \xFF\xD0"), "Ωµ№ \xFF\xD0");
}

TEST(DataFolder, IsTheCurrentDirectoryThenBesideTheProgramThenInstalled) {
    ScratchFolder root;
    for (const char* d : {"cwd", "bin", "share/velmora", "empty/bin"})
        std::filesystem::create_directories(root.path() / d);
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(root.path() / "cwd");

    root.write("share/velmora/Провода.txt", "");
    EXPECT_EQ(FindDataFolder(root.path() / "bin"), root.path() / "share/velmora");
    root.write("bin/Провода.txt", "");
    EXPECT_EQ(FindDataFolder(root.path() / "bin"), root.path() / "bin");
    EXPECT_EQ(FindDataFolder(root.path() / "empty/bin"), std::nullopt);
    root.write("cwd/Провода.txt", "");
    EXPECT_EQ(FindDataFolder(root.path() / "bin"), std::filesystem::current_path());

    std::filesystem::current_path(saved);
}

}  // namespace
}  // namespace velmora
