// The window: a whole process from its start to the first painted window, and a
// recalculation from a click on "Рассчитать" to the repainted window. The platform
// is whatever the environment gives (QT_QPA_PLATFORM=offscreen, or a DISPLAY).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <random>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "file_pickers.hpp"
#include "main_dialog.hpp"
#include "message_boxes.hpp"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using velmora::ui::CBrevinorDlg;

std::int64_t monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

double ms(std::int64_t ns) { return static_cast<double>(ns) / 1e6; }

double maxRssMiB(const rusage& u) { return static_cast<double>(u.ru_maxrss) / 1024.0; }

std::string platformName() {
    if (const char* p = std::getenv("QT_QPA_PLATFORM"); p && *p) return p;
    return std::getenv("DISPLAY") ? "xcb" : "default";
}

// A fresh folder, removed with everything in it.
class Scratch {
public:
    Scratch() {
        std::random_device rd;
        path_ = fs::temp_directory_path() /
                ("velmora-bench-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// ---- the whole process ---------------------------------------------------------

// A portable copy as a user unpacks it: the shipped data in the current directory,
// so the state file lives there too.
class PortableCopy {
public:
    PortableCopy() {
        for (const auto& e : fs::directory_iterator(VELMORA_DATA_DIR))
            if (e.is_regular_file() && e.path().extension() == ".txt")
                fs::copy_file(e.path(), folder_.path() / e.path().filename());
    }
    const fs::path& path() const { return folder_.path(); }

private:
    Scratch folder_;
};

struct ChildRun {
    std::string error;         // empty when the run went well
    std::int64_t toMain = 0;   // spawn to main(): loading the program and its libraries
    std::int64_t toPaint = 0;  // spawn to the first frame out
    double peakRssMiB = 0;
};

// Reads the report line; nothing after the deadline.
std::optional<std::string> readLine(int fd, int timeoutMs) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (line.empty() || line.back() != '\n') {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) return std::nullopt;
        pollfd p{fd, POLLIN, 0};
        const int r = ::poll(&p, 1, static_cast<int>(left));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return std::nullopt;
        char buf[256];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;  // the child closed the pipe without a report
        line.append(buf, static_cast<std::size_t>(n));
    }
    return line;
}

// One start of the window program, up to its first painted window; then it is asked
// to end (SIGTERM, as from `kill`) and must close cleanly.
ChildRun runChild(const PortableCopy& copy) {
    ChildRun run;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return {"cannot make a pipe"};
    constexpr int childFd = 9;
    std::string fdVar = "VELMORA_BENCH_PAINT_FD=" + std::to_string(childFd);
    std::vector<char*> env;
    for (char** e = environ; *e; ++e)
        if (std::string_view(*e).rfind("VELMORA_BENCH_PAINT_FD=", 0) != 0) env.push_back(*e);
    env.push_back(fdVar.data());
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(VELMORA_WINDOW_CHILD), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], childFd);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, copy.path().c_str());

    const std::int64_t spawned = monotonicNs();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, VELMORA_WINDOW_CHILD, &actions, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (rc != 0) {
        ::close(ends[0]);
        return {"cannot start " VELMORA_WINDOW_CHILD};
    }
    const std::optional<std::string> line = readLine(ends[0], 20'000);
    ::close(ends[0]);
    ::kill(pid, line ? SIGTERM : SIGKILL);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.peakRssMiB = maxRssMiB(usage);

    std::int64_t mainAt = 0, paintAt = 0, outAt = 0;
    if (line) std::istringstream(*line) >> mainAt >> paintAt >> outAt;
    if (!line || outAt == 0) return {"the window was not painted within 20 s"};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {"the window did not close cleanly"};
    run.toMain = mainAt - spawned;
    run.toPaint = outAt - spawned;
    return run;
}

void ProcessToFirstPaint(benchmark::State& state) {
    static const PortableCopy copy;
    // The first start writes the state file at its close, as any first start does;
    // the measured ones read it back, as every later start does. The files are cached.
    static const std::string warmError = runChild(copy).error;
    if (!warmError.empty()) {
        state.SkipWithError(warmError.c_str());
        return;
    }
    ChildRun run;
    for (auto _ : state) {
        run = runChild(copy);
        if (!run.error.empty()) {
            state.SkipWithError(run.error.c_str());
            return;
        }
        state.SetIterationTime(static_cast<double>(run.toPaint) / 1e9);
    }
    state.counters["to_main_ms"] = ms(run.toMain);
    state.counters["peak_rss_MiB"] = run.peakRssMiB;
    state.SetLabel(platformName());
}

double maximum(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }
double minimum(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

BENCHMARK(ProcessToFirstPaint)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly()
    ->ComputeStatistics("min", minimum)
    ->ComputeStatistics("max", maximum)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// ---- a recalculation in the window shown -----------------------------------------

class NoBoxes : public MessageBoxes {
public:
    void show(QWidget*, const QString&, const QString&) override { ++count; }
    bool ask(QWidget*, const QString&, const QString&) override {
        ++count;
        return true;
    }
    SaveAnswer askToSave(QWidget*, const QString&, const QString&) override {
        ++count;
        return SaveAnswer::discard;
    }
    int count = 0;
};

class NoPickers : public FilePickers {
public:
    std::optional<QString> openDesign(QWidget*) override { return std::nullopt; }
    std::optional<QString> saveDesign(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<ReportTarget> saveReport(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<QString> savePdf(QWidget*, const QString&) override { return std::nullopt; }
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) : QObject(w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Handles events until `done`, or false after two seconds.
template <class Done>
bool processUntil(Done done) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 2000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

// The default design, shown; each round changes the first secondary's current, so
// every result differs from the last, then clicks "Рассчитать" and handles events
// until the strip and the results have been repainted. The typed change is painted
// before the clock starts, as it would be before a user's click.
void RecalculateToRepaint(benchmark::State& state) {
    Scratch folder;
    NoBoxes boxes;
    NoPickers pickers;
    CBrevinorDlg dlg(boxes, pickers, {VELMORA_DATA_DIR, folder.path() / "Velmora.ini", {}});
    if (!dlg.start()) {
        state.SkipWithError("the window did not start");
        return;
    }
    auto* strip = dlg.findChild<QWidget*>(velmora::ui::names::diagram);
    auto* button = dlg.findChild<QAbstractButton*>(velmora::ui::names::calculate);
    auto* current = dlg.findChild<QLineEdit*>("I2_1");
    auto* primary = dlg.findChild<QLabel*>("I1");
    if (!strip || !button || !current || !primary) {
        state.SkipWithError("a control is missing");
        return;
    }
    auto* stripPaints = new PaintCounter(strip);
    auto* primaryPaints = new PaintCounter(primary);
    dlg.show();
    if (!processUntil([&] { return stripPaints->paints > 0; })) {
        state.SkipWithError("the window was not painted");
        return;
    }

    const QString currents[] = {QStringLiteral("4"), QStringLiteral("5")};
    int turn = 0;
    std::int64_t calcNs = 0, worstNs = 0;
    QString lastPrimary = primary->text();
    for (auto _ : state) {
        current->setText(currents[turn++ % 2]);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const int before = stripPaints->paints, primaryBefore = primaryPaints->paints;

        const std::int64_t t0 = monotonicNs();
        button->click();
        const std::int64_t t1 = monotonicNs();
        const bool painted = processUntil([&] {
            return stripPaints->paints > before && primaryPaints->paints > primaryBefore;
        });
        const std::int64_t t2 = monotonicNs();
        if (!painted || primary->text() == lastPrimary) {
            state.SkipWithError(painted ? "the results did not change" : "the window was not repainted");
            return;
        }
        lastPrimary = primary->text();
        state.SetIterationTime(static_cast<double>(t2 - t0) / 1e9);
        calcNs += t1 - t0;
        worstNs = std::max(worstNs, t2 - t0);
    }
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    const double n = static_cast<double>(state.iterations());
    state.counters["click_ms"] = ms(calcNs) / n;  // the calculation and the controls set
    state.counters["worst_ms"] = ms(worstNs);
    state.counters["boxes"] = boxes.count;
    state.counters["peak_rss_MiB"] = maxRssMiB(self);
    state.SetLabel(platformName());
}
BENCHMARK(RecalculateToRepaint)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->ComputeStatistics("max", maximum)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // As the UI tests: no platform and no display means offscreen.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
