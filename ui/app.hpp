// CBrevinorApp: finds the data folder and the state file, runs the main window and
// ends the program when it closes.
#pragma once

namespace velmora::ui {

class CBrevinorApp {
public:
    // The exit status: 0 after an ordinary close, 1 when the wire catalogue is
    // incomplete, 2 when there is no display to open the window on.
    int run(int argc, char** argv);
};

}  // namespace velmora::ui
