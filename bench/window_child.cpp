// The window program exactly as a user starts it, with one addition for the window
// benchmark: when the strip under the window has been painted for the first time and
// that frame has gone out, a line goes down the pipe named by VELMORA_BENCH_PAINT_FD:
//   "<main entered> <first paint began> <frame out>\n" in CLOCK_MONOTONIC nanoseconds.
// The benchmark then asks the program to end as `kill` would.
#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <unistd.h>

#include "app.hpp"
#include "main_dialog.hpp"

namespace {

std::int64_t monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

std::int64_t mainEntered = 0;

// Sees every event of the program; a paint of the strip is let through, and the
// report is queued behind it, so it is written once the whole frame has been painted
// and handed to the window system.
class FirstPaintReport : public QObject {
public:
    FirstPaintReport(int fd, QObject* parent) : QObject(parent), fd_(fd) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (paintBegan_ == 0 && e->type() == QEvent::Paint &&
            watched->objectName() == QLatin1String(velmora::ui::names::diagram) &&
            watched->inherits("velmora::ui::FillDiagram")) {
            paintBegan_ = monotonicNs();
            QMetaObject::invokeMethod(this, [this] { report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        const std::string line = std::to_string(mainEntered) + ' ' + std::to_string(paintBegan_) +
                                 ' ' + std::to_string(monotonicNs()) + '\n';
        [[maybe_unused]] const ssize_t n = ::write(fd_, line.data(), line.size());
        ::close(fd_);
    }

    int fd_;
    std::int64_t paintBegan_ = 0;
};

// Runs inside the QApplication constructor, before the window exists.
void watchFirstPaint() {
    const char* fd = std::getenv("VELMORA_BENCH_PAINT_FD");
    if (!fd || !*fd) return;
    qApp->installEventFilter(new FirstPaintReport(std::atoi(fd), qApp));
}
Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)

}  // namespace

int main(int argc, char** argv) {
    mainEntered = monotonicNs();
    return velmora::ui::CBrevinorApp().run(argc, argv);
}
