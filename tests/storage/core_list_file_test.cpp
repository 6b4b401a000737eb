// The user's list of cores on disk: beside the state file, made from the shipped
// example on first use and only then, saved atomically in Windows-1251 and read back.
#include "core_list_file.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "codec.hpp"
#include "textfile.hpp"

namespace fs = std::filesystem;
using namespace velmora;

namespace {

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class CoreListFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        root = fs::temp_directory_path() / ("velmora-cores-" + std::to_string(rd()));
        fs::create_directories(root);
        data = fs::path(VELMORA_DATA_DIR);
        example = data / pathFromUtf8(kCoreListFile);
        list = root / "config" / "Velmora" / pathFromUtf8(kCoreListFile);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root, data, example, list;
};

}  // namespace

TEST_F(CoreListFile, LivesBesideTheStateFile) {
    StateLocationInputs in;
    in.dataFolder = root;
    in.exeDir = root;
    in.currentDir = root;
    in.env = [](const char*) -> std::optional<std::string> { return std::nullopt; };
    in.writable = [](const fs::path&) { return true; };
    EXPECT_EQ(CoreListPath(in), StateFilePath(in).parent_path() / pathFromUtf8("Сердечники.txt"));
    EXPECT_EQ(CoreListPath(in).parent_path(), root);  // a portable copy: beside its data

    in.dataFolder = "/usr/share/velmora";
    in.env = [](const char* name) -> std::optional<std::string> {
        if (std::string_view(name) == "XDG_CONFIG_HOME") return "/home/anna/.cfg";
        return std::nullopt;
    };
    EXPECT_EQ(CoreListPath(in), fs::path("/home/anna/.cfg/Velmora") / pathFromUtf8("Сердечники.txt"));
}

TEST_F(CoreListFile, FirstUseCopiesTheExampleThenKeepsTheUsersOwn) {
    CoreListOpened first = OpenCoreList(list, data);
    EXPECT_TRUE(first.created);
    EXPECT_FALSE(first.copyError);
    ASSERT_TRUE(first.list.ok);
    EXPECT_EQ(bytesOf(list), bytesOf(example));  // byte for byte
    EXPECT_EQ(first.list.cores, LoadCoreList(example).cores);

    // The user's change is saved and found again; the example is not copied over it.
    std::vector<ListedCore> cores = first.list.cores;
    cores.push_back({"Трансформатор ТС-180", 1, 25, 50, 32, 80, "из телевизора"});
    cores.erase(cores.begin());
    ASSERT_TRUE(SaveCoreList(list, cores).ok);
    EXPECT_TRUE(isValidUtf8(bytesOf(list)) == false);  // Cyrillic in Windows-1251
    CoreListOpened again = OpenCoreList(list, data);
    EXPECT_FALSE(again.created);
    ASSERT_TRUE(again.list.ok);
    EXPECT_EQ(again.list.cores, cores);

    // Every entry deleted: an empty list stays empty.
    ASSERT_TRUE(SaveCoreList(list, {}).ok);
    CoreListOpened empty = OpenCoreList(list, data);
    EXPECT_TRUE(empty.list.ok);
    EXPECT_TRUE(empty.list.cores.empty());
}

TEST_F(CoreListFile, WithoutTheExampleNothingIsMadeAndTheReasonIsKept) {
    CoreListOpened o = OpenCoreList(list, root / "no data");
    EXPECT_FALSE(o.created);
    EXPECT_FALSE(o.copyError);  // nothing was written: the list says why
    EXPECT_FALSE(o.list.ok);
    EXPECT_EQ(o.list.problem.code, CoreListRefusal::noFile);
    EXPECT_FALSE(fs::exists(list));
}

TEST_F(CoreListFile, AListThatCannotBeWrittenIsRefusedWhole) {
    // A name Windows-1251 has no letter for: nothing is written.
    ASSERT_TRUE(SaveCoreList(list, {{"ok", 0, 2, 1, 1, 0, {}}}).ok);
    const std::string before = bytesOf(list);
    EXPECT_FALSE(SaveCoreList(list, {{"漢字", 0, 2, 1, 1, 0, {}}}).ok);
    EXPECT_EQ(bytesOf(list), before);
}
