#include "state_location.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>

#include "russian_words.hpp"

namespace fs = std::filesystem;
using velmora::EnsureParentFolder;
using velmora::FolderWritable;
using velmora::StateFilePath;
using velmora::StateLocationInputs;
using velmora::testing::said;

namespace {

// A fresh folder under the system's temporary folder, removed afterwards.
class StateLocation : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        root = fs::temp_directory_path() / ("velmora-state-" + std::to_string(rd()));
        fs::create_directories(root);
        root = fs::canonical(root);
        portable = root / "Velmora";
        installed = root / "usr" / "share" / "velmora";
        bin = root / "usr" / "bin";
        elsewhere = root / "work";
        for (const auto& d : {portable, installed, bin, elsewhere}) fs::create_directories(d);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(root / "locked", fs::perms::owner_all, ec);
        fs::remove_all(root, ec);
    }

    StateLocationInputs inputs(fs::path data, fs::path exe, fs::path cwd) const {
        StateLocationInputs in;
        in.dataFolder = std::move(data);
        in.exeDir = std::move(exe);
        in.currentDir = std::move(cwd);
        in.env = [this](const char* name) -> std::optional<std::string> {
            auto it = env.find(name);
            if (it == env.end()) return std::nullopt;
            return it->second;
        };
        in.writable = [this](const fs::path& folder) { return folder != readOnly; };
        return in;
    }

    fs::path root, portable, installed, bin, elsewhere, readOnly;
    std::map<std::string, std::string> env{{"HOME", "/home/anna"},
                                          {"XDG_CONFIG_HOME", "/home/anna/.cfg"}};
};

}  // namespace

TEST_F(StateLocation, PortableCopyKeepsTheStateBesideItsData) {
    // Started in its own folder, or from anywhere through its executable's folder.
    EXPECT_EQ(StateFilePath(inputs(portable, bin, portable)), portable / "Velmora.ini");
    EXPECT_EQ(StateFilePath(inputs(portable, portable, elsewhere)), portable / "Velmora.ini");
    // The same folder spelt differently, or relative to the current directory.
    EXPECT_EQ(StateFilePath(inputs(portable / "." / "", bin, portable)), portable / "Velmora.ini");
    EXPECT_EQ(StateFilePath(inputs(".", bin, portable)), portable / "Velmora.ini");
    fs::create_directory_symlink(portable, root / "link");
    EXPECT_EQ(StateFilePath(inputs(root / "link", bin, portable)), root / "link" / "Velmora.ini");
}

TEST_F(StateLocation, InstalledProgramKeepsTheStateInTheConfigurationFolder) {
    const fs::path expected = "/home/anna/.cfg/Velmora/Velmora.ini";
    EXPECT_EQ(StateFilePath(inputs(installed, bin, elsewhere)), expected);
    // Whatever the current directory: the next start finds what the exit wrote.
    EXPECT_EQ(StateFilePath(inputs(installed, bin, root)), expected);
    EXPECT_EQ(StateFilePath(inputs(installed, bin, bin)), expected);
}

TEST_F(StateLocation, ReadOnlyPortableFolderFallsBackToTheConfigurationFolder) {
    readOnly = portable;
    EXPECT_EQ(StateFilePath(inputs(portable, bin, portable)), "/home/anna/.cfg/Velmora/Velmora.ini");
}

TEST_F(StateLocation, ConfigurationFolderFollowsTheBaseDirectoryRules) {
    env.erase("XDG_CONFIG_HOME");
    EXPECT_EQ(StateFilePath(inputs(installed, bin, elsewhere)), "/home/anna/.config/Velmora/Velmora.ini");
    // An empty or relative XDG_CONFIG_HOME is ignored.
    env["XDG_CONFIG_HOME"] = "";
    EXPECT_EQ(StateFilePath(inputs(installed, bin, elsewhere)), "/home/anna/.config/Velmora/Velmora.ini");
    env["XDG_CONFIG_HOME"] = "cfg";
    EXPECT_EQ(StateFilePath(inputs(installed, bin, elsewhere)), "/home/anna/.config/Velmora/Velmora.ini");
    // With no home at all only the data folder is left.
    env.clear();
    EXPECT_EQ(StateFilePath(inputs(installed, bin, elsewhere)), installed / "Velmora.ini");
}

TEST_F(StateLocation, ProcessInputsUseTheRealEnvironment) {
    auto in = velmora::ProcessStateLocationInputs(portable, bin);
    EXPECT_EQ(in.currentDir, fs::current_path());
    ASSERT_TRUE(in.env && in.writable);
    EXPECT_EQ(in.env("PATH").has_value(), std::getenv("PATH") != nullptr);
    EXPECT_FALSE(in.env("VELMORA_NO_SUCH_VARIABLE_SET").has_value());
    EXPECT_TRUE(in.writable(portable));
}

TEST_F(StateLocation, WritableProbeLeavesNothingBehind) {
    EXPECT_TRUE(FolderWritable(portable));
    EXPECT_TRUE(fs::is_empty(portable));
    EXPECT_FALSE(FolderWritable(root / "missing"));
    std::ofstream(root / "file") << "x";
    EXPECT_FALSE(FolderWritable(root / "file"));

    const fs::path locked = root / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    // The superuser writes into any folder; the probe must then say so.
    std::ofstream probe(locked / "try");
    const bool privileged = probe.good();
    probe.close();
    fs::remove(locked / "try");
    EXPECT_EQ(FolderWritable(locked), privileged);
}

TEST_F(StateLocation, ParentFolderIsCreatedWhenWriting) {
    const fs::path file = root / "home" / ".config" / "Velmora" / "Velmora.ini";
    auto made = EnsureParentFolder(file);
    EXPECT_TRUE(made.ok) << said(made.error);
    EXPECT_TRUE(fs::is_directory(file.parent_path()));
    EXPECT_TRUE(EnsureParentFolder(file).ok);          // already there
    EXPECT_TRUE(EnsureParentFolder("Velmora.ini").ok);  // a bare name needs nothing

    // A file where a folder must be: refused, naming the folder.
    std::ofstream(root / "blocker") << "x";
    auto refused = EnsureParentFolder(root / "blocker" / "Velmora" / "Velmora.ini");
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(said(refused.error).find((root / "blocker" / "Velmora").string()), std::string::npos)
        << said(refused.error);
    // The reason in the user's words, naming what stands in the way.
    EXPECT_NE(said(refused.error).find("\"" + (root / "blocker").string() + "\" — файл, а не папка."),
              std::string::npos)
        << said(refused.error);
}
