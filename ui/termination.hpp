// A request to end the program from outside (SIGTERM from `kill` or the session's
// logout, SIGINT from a terminal, SIGHUP when the terminal goes) closes the window
// the way "Выход" does, so the last inputs are kept in the state file.
#pragma once

#include <functional>

class QObject;

namespace velmora::ui {

// Catches the requests from now on; they wait until onTerminationRequest is set up
// and the event loop runs. Call it early, before anything slow.
void catchTerminationRequests();

// `close` runs in the event loop, once for each request caught. `owner` keeps the
// connection alive.
void onTerminationRequest(QObject* owner, std::function<void()> close);

}  // namespace velmora::ui
