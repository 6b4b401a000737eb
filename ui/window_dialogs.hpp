// The main window's commands that open a dialog of their own: the rectifier of a
// secondary and the core advisor, whose answers go to the design session, and the help
// and "О программе...".
#pragma once

namespace velmora::ui {

class CBrevinorDlg;

class WindowDialogs {
public:
    explicit WindowDialogs(CBrevinorDlg& window) : w_(window) {}
    void rectifier(int secondary);  // "Применить" sets it and calculates
    void advisor();                 // a core chosen is typed in and calculated
    void designer();                // a design chosen replaces the window's, calculated
    void help();
    void about();

private:
    CBrevinorDlg& w_;
};

}  // namespace velmora::ui
