#include <gtest/gtest.h>

#include <algorithm>

#include "atomic_file.hpp"
#include "russian_words.hpp"
#include "scratch_folder.hpp"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#endif

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::said;
using testing::ScratchFolder;

// Names in the folder: a failed or finished write leaves no temporary file behind.
std::vector<std::string> listing(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(pathToUtf8(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

bool mentions(const WriteOutcome& w, std::string_view part) {
    return said(w.error).find(part) != std::string::npos;
}

fs::perms permsOf(const fs::path& p) { return fs::status(p).permissions(); }

TEST(AtomicWrite, CreatesAndReplacesFilesWholeKeepingPermissions) {
    ScratchFolder dir;
    fs::path file = dir / "Мой трансформатор.sav";
    WriteOutcome first = WriteFileAtomic(file, "old\r\n");
    ASSERT_TRUE(first.ok) << said(first.error);
    EXPECT_EQ(readBytes(file), "old\r\n");

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteOutcome second = WriteFileAtomic(file, std::string("new\0bytes", 9));
    ASSERT_TRUE(second.ok) << said(second.error);
    EXPECT_EQ(readBytes(file), std::string("new\0bytes", 9));
    EXPECT_EQ(permsOf(file), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(listing(dir.path()), std::vector<std::string>{"Мой трансформатор.sav"});

    ASSERT_TRUE(WriteFileAtomic(file, "").ok);
    EXPECT_EQ(readBytes(file), "");
}

TEST(AtomicWrite, ASymbolicLinkIsWrittenThrough) {
    ScratchFolder dir;
    fs::create_directory(dir / "real");
    dir.write("real/design.sav", "old");
    fs::create_symlink("real/design.sav", dir / "link.sav");
    fs::create_symlink("link.sav", dir / "link2.sav");
    ASSERT_TRUE(WriteFileAtomic(dir / "link2.sav", "new").ok);
    EXPECT_TRUE(fs::is_symlink(dir / "link.sav"));
    EXPECT_TRUE(fs::is_symlink(dir / "link2.sav"));
    EXPECT_EQ(readBytes(dir / "real/design.sav"), "new");
    EXPECT_EQ(listing(dir / "real"), std::vector<std::string>{"design.sav"});
    // A link to a file not yet there creates that file.
    fs::create_symlink(dir / "real/later.sav", dir / "dangling.sav");
    ASSERT_TRUE(WriteFileAtomic(dir / "dangling.sav", "x").ok);
    EXPECT_EQ(readBytes(dir / "real/later.sav"), "x");
}

TEST(AtomicWrite, FailuresNameTheFileAndLeaveTheOldOneAsItWas) {
    ScratchFolder dir;
    fs::path kept = dir.write("kept.sav", "old");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read);  // read-only
    WriteOutcome readOnly = WriteFileAtomic(kept, "new");
    EXPECT_FALSE(readOnly.ok);
    EXPECT_TRUE(mentions(readOnly, "Не удалось записать файл \"" + pathToUtf8(kept) + "\": "))
        << said(readOnly.error);
    EXPECT_TRUE(mentions(readOnly, "защищён от записи")) << said(readOnly.error);
    EXPECT_EQ(readBytes(kept), "old");

    fs::create_directory(dir / "folder.sav");
    WriteOutcome folder = WriteFileAtomic(dir / "folder.sav", "new");
    EXPECT_FALSE(folder.ok);
    EXPECT_TRUE(mentions(folder, "папка")) << said(folder.error);
    EXPECT_TRUE(fs::is_directory(dir / "folder.sav"));

    WriteOutcome missing = WriteFileAtomic(dir / "нет/design.sav", "new");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(mentions(missing, "нет/design.sav")) << said(missing.error);
    EXPECT_TRUE(mentions(missing, "не существует")) << said(missing.error);

    WriteOutcome throughFile = WriteFileAtomic(kept / "design.sav", "new");
    EXPECT_FALSE(throughFile.ok);
    EXPECT_FALSE(WriteFileAtomic(dir.path() / "", "new").ok);

    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(listing(dir.path()), (std::vector<std::string>{"folder.sav", "kept.sav"}));
}

#ifndef _WIN32
TEST(AtomicWrite, AFolderWhereNothingCanBeCreatedIsAFailure) {
    // No one, the administrator included, creates files in /proc.
    WriteOutcome proc = WriteFileAtomic("/proc/velmora-test.sav", "new");
    EXPECT_FALSE(proc.ok);
    EXPECT_TRUE(mentions(proc, "/proc/velmora-test.sav\": ")) << said(proc.error);
}

TEST(AtomicWrite, AReadOnlyFolderIsAFailure) {
    ScratchFolder dir;
    dir.write("kept.sav", "old");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dir.path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "the administrator writes into read-only folders; /proc stands in for it";
    WriteOutcome denied = WriteFileAtomic(dir / "kept.sav", "new");
    EXPECT_FALSE(denied.ok);
    EXPECT_TRUE(mentions(denied, "нет прав на запись")) << said(denied.error);
    EXPECT_EQ(readBytes(dir / "kept.sav"), "old");
}

// A disk that fills up half-way: the file size limit makes the write fail after the
// temporary file was created.
TEST(AtomicWrite, AWriteFailingHalfWayKeepsTheOldFileAndLeavesNothing) {
    ScratchFolder dir;
    fs::path kept = dir.write("kept.sav", "old contents");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    WriteOutcome w = WriteFileAtomic(kept, std::string(1000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(w.ok);
    EXPECT_TRUE(mentions(w, "kept.sav\": ")) << said(w.error);
    EXPECT_EQ(readBytes(kept), "old contents");
    EXPECT_EQ(listing(dir.path()), std::vector<std::string>{"kept.sav"});
}

// Another process, running while the test looks: a child that waits for its pipe to close.
class OtherProcess {
public:
    OtherProcess() {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[1]);
            char c;
            while (::read(fds[0], &c, 1) > 0) {
            }
            ::_exit(0);
        }
        ::close(fds[0]);
        pipe_ = fds[1];
    }
    ~OtherProcess() {
        ::close(pipe_);
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    }
    OtherProcess(const OtherProcess&) = delete;
    OtherProcess& operator=(const OtherProcess&) = delete;
    long pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int pipe_ = -1;
};

// The id of a process that has ended.
long endedProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

TEST(AtomicWrite, ASaveRemovesWhatKilledSavesLeftAndNothingElse) {
    using namespace std::chrono_literals;
    const OtherProcess other;
    ASSERT_GT(other.pid(), 0);
    const std::string live = std::to_string(other.pid()), dead = std::to_string(endedProcess()),
                      self = std::to_string(::getpid());
    struct Case {
        std::string name;
        std::chrono::minutes age;
        bool stays;
    };
    const std::vector<Case> cases{
        {".velmora-" + live + "-aaaaaaaa.tmp", 0min, true},   // a save under way elsewhere
        {".velmora-" + live + "-aaaaaaab.tmp", 9min, true},
        {".velmora-" + live + "-aaaaaaac.tmp", 11min, false},  // no save takes so long
        {".velmora-" + self + "-aaaaaaad.tmp", 0min, true},   // another save of this process
        {".velmora-" + dead + "-aaaaaaae.tmp", 0min, false},  // a killed save
        {".velmora-" + dead + "-k3x9q2ab.tmp", 11min, false},
        // The names of earlier versions carry no process: their age decides.
        {".velmora-k3x9q2ab.tmp", 9min, true},
        {".velmora-k3x9q2ac.tmp", 11min, false},
        // Other names, however like, are not ours.
        {".velmora-" + dead + "-k3x9q2a.tmp", 11min, true},
        {".velmora-" + dead + "-K3X9Q2AB.tmp", 11min, true},
        {".velmora-x" + dead + "-k3x9q2ab.tmp", 11min, true},
        {".velmora--k3x9q2ab.tmp", 11min, true},
        {".velmora-" + dead + "-k3x9q2ab.tmp.sav", 11min, true},
        {"velmora-" + dead + "-k3x9q2ab.tmp", 11min, true},
        {"k3x9q2ab.tmp", 11min, true},
    };
    ScratchFolder dir;
    const auto now = fs::file_time_type::clock::now();
    for (const Case& c : cases) fs::last_write_time(dir.write(c.name, "left"), now - c.age);
    // Nor does a folder or a link of such a name go.
    fs::create_directory(dir / (".velmora-" + dead + "-folder00.tmp"));
    fs::create_symlink(dir / cases[0].name, dir / (".velmora-" + dead + "-link0000.tmp"));

    ASSERT_TRUE(WriteFileAtomic(dir / "design.sav", "new").ok);
    EXPECT_EQ(readBytes(dir / "design.sav"), "new");
    for (const Case& c : cases) EXPECT_EQ(fs::exists(dir / c.name), c.stays) << c.name;
    EXPECT_TRUE(fs::is_directory(dir / (".velmora-" + dead + "-folder00.tmp")));
    EXPECT_TRUE(fs::is_symlink(dir / (".velmora-" + dead + "-link0000.tmp")));
    const auto kept = std::count_if(cases.begin(), cases.end(), [](const Case& c) { return c.stays; });
    EXPECT_EQ(listing(dir.path()).size(), static_cast<std::size_t>(kept) + 3);
}

TEST(AtomicWrite, ANewFileGetsTheUsualPermissions) {
    ScratchFolder dir;
    mode_t saved = ::umask(022);
    WriteOutcome w = WriteFileAtomic(dir / "new.sav", "x");
    ::umask(saved);
    ASSERT_TRUE(w.ok) << said(w.error);
    EXPECT_EQ(permsOf(dir / "new.sav"), fs::perms::owner_read | fs::perms::owner_write |
                                           fs::perms::group_read | fs::perms::others_read);
}
#endif

TEST(AtomicWrite, TextIsWrittenInWindows1251OrNotAtAll) {
    ScratchFolder dir;
    ASSERT_TRUE(WriteTextFileCp1251(dir / "report.txt", "ПЭТ-155 №1\r\n").ok);
    EXPECT_EQ(readBytes(dir / "report.txt"), "\xCF\xDD\xD2-155 \xB9" "1\r\n");
    WriteOutcome omega = WriteTextFileCp1251(dir / "report.txt", "R = 5 Ω");
    EXPECT_FALSE(omega.ok);
    EXPECT_TRUE(mentions(omega, "\"Ω\"")) << said(omega.error);
    EXPECT_EQ(readBytes(dir / "report.txt"), "\xCF\xDD\xD2-155 \xB9" "1\r\n");
}

}  // namespace
}  // namespace velmora
