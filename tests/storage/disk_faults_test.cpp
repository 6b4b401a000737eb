// Every writer of the program — a design, the state file on exit, a report — meets
// the faults of a real disk: a full disk, a failing flush or rename, a process killed
// half-way, read-only, missing and misplaced folders. The old file stays whole or the
// new one is complete, never a mix of both, and the message names the file and why.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <optional>

#include "atomic_file.hpp"
#include "codec.hpp"
#include "design_file.hpp"
#include "fault_injection.hpp"
#include "russian_words.hpp"
#include "scratch_folder.hpp"
#include "state_location.hpp"
#include "test_wires.hpp"
#include "texts.hpp"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::Fault;
using testing::FaultScope;
using testing::TempFiles;
using testing::readBytes;
using testing::said;
using testing::ScratchFolder;

constexpr auto npos = std::string::npos;

// The exit writes the state file into a folder it makes first.
WriteOutcome saveState(const fs::path& path, const Record& r) {
    const FolderOutcome folder = EnsureParentFolder(path);
    if (!folder.ok) return {false, folder.error};
    return WriteDesign(path, r);
}

std::string reportOf(const Record& design) {
    Record r = design;
    const RunResult run = Calculate(r, test::testWires());
    const texts::ReportText report = texts::report(r, run, texts::Lang::ru);
    EXPECT_TRUE(report.ok) << report.error;
    return report.text;
}

struct Writer {
    enum Kind { design, state, report } kind;
    const char* what;
    const char* name;  // of its file
    std::function<WriteOutcome(const fs::path&, const Record&)> write;
    std::function<std::string(const Record&)> bytes;  // of the complete file
};

const std::vector<Writer>& writers() {
    static const auto designBytes = [](const Record& r) { return FormatDesign(r).bytes; };
    static const std::vector<Writer> w{
        {Writer::design, "design", "Трансформатор.sav", WriteDesign, designBytes},
        {Writer::state, "state file", "Velmora.ini", saveState, designBytes},
        {Writer::report, "report", "Трансформатор.txt",
         [](const fs::path& p, const Record& r) { return WriteTextFileCp1251(p, reportOf(r)); },
         [](const Record& r) { return *utf8ToCp1251(reportOf(r)); }},
    };
    return w;
}

Record oldDesign() { return Record(); }

Record newDesign() {
    Record r;
    r.U2[0] = "24";
    r.I2[0] = "2";
    r.U2[1] = "6,3";
    r.I2[1] = "1";
    return r;
}

std::vector<std::string> listing(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(pathToUtf8(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

// The message of a failed write: the file in quotes, then the reason.
std::string failedWrite(const fs::path& file, std::string_view reason) {
    return "Не удалось записать файл \"" + pathToUtf8(file) + "\": " + std::string(reason) + ".";
}

TEST(DiskFaults, AFailedWriteOrRenameKeepsTheOldFileAndSaysWhy) {
    struct Case {
        Fault fault;
        const char* reason;
    };
    const std::vector<Case> cases{{Fault::diskFull, "на диске нет места"},
                                  {Fault::ioError, "ошибка ввода-вывода"},
                                  {Fault::renameFails, "файл занят"}};
    for (const Writer& w : writers())
        for (const Case& c : cases)
            for (bool existing : {true, false})
                for (TempFiles files : {TempFiles::asTheSystemHas, TempFiles::namedOnly}) {
                    SCOPED_TRACE(std::string(w.what) + ", " + c.reason + (existing ? ", replacing" : ", new") +
                                 (files == TempFiles::namedOnly ? ", named temporary file" : ""));
                    ScratchFolder dir;
                    const fs::path file = dir / w.name;
                    if (existing) {
                        ASSERT_TRUE(w.write(file, oldDesign()).ok);
                    }
                    const std::vector<std::string> before = listing(dir.path());
                    const std::string old = existing ? readBytes(file) : "";

                    WriteOutcome out;
                    {
                        FaultScope fault(c.fault, files);
                        out = w.write(file, newDesign());
                    }
                    EXPECT_FALSE(out.ok);
                    EXPECT_NE(said(out.error).find(failedWrite(file, c.reason)), npos) << said(out.error);
                    EXPECT_EQ(listing(dir.path()), before);  // no temporary file left behind
                    if (existing) {
                        EXPECT_EQ(readBytes(file), old);
                    }

                    // Once the disk is sound again, the same write goes through whole.
                    ASSERT_TRUE(w.write(file, newDesign()).ok);
                    EXPECT_EQ(readBytes(file), w.bytes(newDesign()));
                }
}

// The process id a temporary file's name carries (".velmora-<pid>-<letters>.tmp").
long writerOf(const std::string& temp) {
    const std::size_t dash = temp.find('-', 9);
    return dash == npos ? 0 : std::atol(temp.substr(9, dash - 9).c_str());
}

TEST(DiskFaults, AProcessKilledHalfWayLeavesTheOldFileWholeAndTheNextSaveClearsUp) {
    GTEST_FLAG_SET(death_test_style, "fast");  // the child writes into this test's folder
    struct Case {
        Fault fault;
        TempFiles files;
        int leftovers;      // hidden files the dead write leaves
        bool tempComplete;  // ... holding all the new bytes
    };
    const std::vector<Case> cases{
        // A file without a name vanishes with its process; once named, it is complete.
        {Fault::killedWhileWriting, TempFiles::asTheSystemHas, 0, false},
        {Fault::killedBeforeRename, TempFiles::asTheSystemHas, 1, true},
        // Where the disk has no such files, the named temporary file stays, cut short or whole.
        {Fault::killedWhileWriting, TempFiles::namedOnly, 1, false},
        {Fault::killedBeforeRename, TempFiles::namedOnly, 1, true},
    };
    for (const Writer& w : writers())
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(w.what) + (c.tempComplete ? ", before the rename" : ", while writing") +
                         (c.files == TempFiles::namedOnly ? ", named temporary file" : ""));
            ScratchFolder dir;
            const fs::path file = dir / w.name;
            ASSERT_TRUE(w.write(file, oldDesign()).ok);
            const std::string old = readBytes(file);
            const std::string full = w.bytes(newDesign());

            EXPECT_EXIT(
                {
                    FaultScope fault(c.fault, c.files);
                    w.write(file, newDesign());
                },
                ::testing::KilledBySignal(SIGKILL), "");
            EXPECT_EQ(readBytes(file), old);
            if (w.kind != Writer::report) {
                Record back;
                ASSERT_EQ(ReadDesign(file, back).status, ReadOutcome::ok);
                EXPECT_EQ(FormatDesign(back).bytes, old);
            }

            // A leftover is hidden, no listing of designs, state files or reports takes
            // it up, and it names the dead process.
            std::vector<std::string> names = listing(dir.path());
            ASSERT_EQ(names.size(), 1u + c.leftovers);
            std::erase(names, std::string(w.name));
            for (const std::string& temp : names) {
                EXPECT_EQ(temp.rfind(".velmora-", 0), 0u) << temp;
                EXPECT_EQ(temp.substr(temp.size() - 4), ".tmp") << temp;
                const long pid = writerOf(temp);
                EXPECT_GT(pid, 0) << temp;
                EXPECT_NE(pid, static_cast<long>(::getpid())) << temp;
                const std::string left = readBytes(dir / temp);
                if (c.tempComplete) {
                    EXPECT_EQ(left, full);
                } else {
                    EXPECT_LT(left.size(), full.size());
                    EXPECT_EQ(full.compare(0, left.size(), left), 0);
                }
            }

            // The next write goes through and takes the dead process's file away.
            ASSERT_TRUE(w.write(file, newDesign()).ok);
            EXPECT_EQ(readBytes(file), full);
            EXPECT_EQ(listing(dir.path()), std::vector<std::string>{w.name});
        }
}

TEST(DiskFaults, MissingMisplacedAndFolderTargetsAreRefusedByName) {
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.what);
        const bool state = w.kind == Writer::state;
        ScratchFolder dir;

        // A missing folder: the state file's own is made, any other is the user's mistake.
        const fs::path missing = dir / "нет" / w.name;
        const WriteOutcome intoMissing = w.write(missing, newDesign());
        if (state) {
            ASSERT_TRUE(intoMissing.ok) << said(intoMissing.error);
            EXPECT_EQ(readBytes(missing), w.bytes(newDesign()));
        } else {
            EXPECT_FALSE(intoMissing.ok);
            EXPECT_NE(said(intoMissing.error).find(failedWrite(
                          missing, "папка \"" + pathToUtf8(dir / "нет") + "\" не существует")),
                      npos)
                << said(intoMissing.error);
            EXPECT_FALSE(fs::exists(dir / "нет"));
        }

        // A file where the folder should be.
        const fs::path blocker = dir.write("файл", "x");
        const WriteOutcome throughFile = w.write(blocker / w.name, newDesign());
        EXPECT_FALSE(throughFile.ok);
        const std::string why = state ? "\"" + pathToUtf8(blocker) + "\" — файл, а не папка."
                                      : "\"" + pathToUtf8(blocker) + "\" не папка.";
        EXPECT_NE(said(throughFile.error).find(why), npos) << said(throughFile.error);
        EXPECT_EQ(readBytes(blocker), "x");

        // A folder where the file should be.
        fs::create_directory(dir / w.name);
        dir.write(std::string(w.name) + "/inside", "kept");
        const WriteOutcome ontoFolder = w.write(dir / w.name, newDesign());
        EXPECT_FALSE(ontoFolder.ok);
        EXPECT_NE(said(ontoFolder.error).find(failedWrite(dir / w.name, "по этому пути находится папка")),
                  npos)
            << said(ontoFolder.error);
        EXPECT_EQ(readBytes(dir / w.name / "inside"), "kept");
    }
}

constexpr uid_t kNobody = 65534;

// Runs `body` in a child process with the rights of an ordinary user (the tests may
// run as the administrator, whom no permission stops) and returns what it said, or
// nothing when this system does not let the process give its rights up.
std::optional<std::string> asOrdinaryUser(const std::function<std::string()>& body) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return std::nullopt;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(77);
        const std::string said = body();
        const bool whole = ::write(pipeFds[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
        ::_exit(whole ? 0 : 1);
    }
    ::close(pipeFds[1]);
    std::string said;
    char chunk[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], chunk, sizeof chunk)) > 0;) said.append(chunk, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) return std::nullopt;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child failed";
    return said;
}

TEST(DiskFaults, AReadOnlyFolderIsRefusedEvenWhenTheAdministratorRunsTheTests) {
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.what);
        ScratchFolder dir;
        const fs::path file = dir / w.name;
        ASSERT_TRUE(w.write(file, oldDesign()).ok);
        const std::string old = readBytes(file);
        fs::create_directory(dir / "locked");
        // The file itself is the user's to write; only the folder is locked.
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
        }
        const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
        fs::permissions(dir / "locked", readOnly);
        fs::permissions(dir.path(), readOnly);

        const std::optional<std::string> said = asOrdinaryUser([&] {
            return testing::said(w.write(file, newDesign()).error) + "\n" +
                   testing::said(w.write(dir / "locked" / "Velmora" / w.name, newDesign()).error);
        });
        if (!said) GTEST_SKIP() << "this system does not let the tests give up the administrator's rights";
        EXPECT_NE(said->find(failedWrite(file, "нет прав на запись")), npos) << *said;
        EXPECT_EQ(readBytes(file), old);
        std::vector<std::string> names{w.name, "locked"};
        std::sort(names.begin(), names.end());
        EXPECT_EQ(listing(dir.path()), names);
        // Only the state file makes its folder, and says when it cannot.
        if (w.kind == Writer::state) {
            EXPECT_NE(said->find("Не удалось создать папку \"" + pathToUtf8(dir / "locked" / "Velmora") +
                                 "\": нет прав на запись."),
                      npos)
                << *said;
        }
        EXPECT_TRUE(fs::is_empty(dir / "locked"));
    }
}

// A folder on a disk of its own, 64 KiB small: a tmpfs mounted in a mount namespace
// of this process alone, which ends with it.
class SmallDisk {
public:
    explicit SmallDisk(const fs::path& at) : at_(at) {
        static const bool privateMounts =
            ::unshare(CLONE_NEWNS) == 0 && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        mounted_ = privateMounts && ::mount("velmora-test", at.c_str(), "tmpfs", 0, "size=64k,mode=0755") == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    fs::path at_;
    bool mounted_ = false;
};

TEST(DiskFaults, ARealDiskThatFillsUpKeepsTheOldFile) {
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.what);
        ScratchFolder dir;
        fs::create_directory(dir / "disk");
        SmallDisk disk(dir / "disk");
        if (!disk.mounted()) GTEST_SKIP() << "this system does not let the tests mount a small disk";
        const fs::path file = dir / "disk" / w.name;
        ASSERT_TRUE(w.write(file, oldDesign()).ok);
        const std::string old = readBytes(file);

        Record large = newDesign();
        large.lst = "25" + std::string(80 * 1024, ' ');  // more than the disk holds
        const WriteOutcome full = w.write(file, large);
        EXPECT_FALSE(full.ok);
        EXPECT_NE(said(full.error).find(failedWrite(file, "на диске нет места")), npos) << said(full.error);
        EXPECT_EQ(readBytes(file), old);
        EXPECT_EQ(listing(dir / "disk"), std::vector<std::string>{w.name});

        // The failed temporary file gave its room back: a design that fits goes on.
        ASSERT_TRUE(w.write(file, newDesign()).ok);
        EXPECT_EQ(readBytes(file), w.bytes(newDesign()));
    }
}

}  // namespace
}  // namespace velmora
