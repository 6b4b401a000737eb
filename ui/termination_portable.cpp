// Systems without POSIX signals: their session manager ends the program through the
// close of its window, which already keeps the state.
#include "termination.hpp"

namespace velmora::ui {

void catchTerminationRequests() {}
void onTerminationRequest(QObject*, std::function<void()>) {}

}  // namespace velmora::ui
