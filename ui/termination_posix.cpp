// The signal handler only writes a byte into a socket pair; the event loop reads it
// and closes the window, where anything may be done safely.
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "termination.hpp"

namespace velmora::ui {
namespace {

int pipeEnds[2] = {-1, -1};

extern "C" void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[0], &byte, 1);
}

}  // namespace

void catchTerminationRequests() {
    if (pipeEnds[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeEnds) != 0) return;  // keep the default action
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
}

void onTerminationRequest(QObject* owner, std::function<void()> close) {
    if (pipeEnds[1] < 0) return;
    auto* notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [close = std::move(close)] {
        char byte;
        if (::read(pipeEnds[1], &byte, 1) == 1) close();
    });
}

}  // namespace velmora::ui
