// The main window's menus as a table: each command is one row (the menu it is in, its
// objectName, its words, its shortcut, the window's command it runs). A new command of
// the window is a new row.
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <vector>

class QAction;

namespace velmora::ui {

class CBrevinorDlg;
class MainControls;

enum class MenuPlace { file, edit, bar };

struct MenuCommand {
    MenuPlace place;
    const char* name;  // objectName of the action
    const char* text;  // the window's own words, translated in its context
    QList<QKeySequence> keys;
    void (CBrevinorDlg::*command)();
    bool separatorBefore = false;
};

std::vector<MenuCommand> menuCommands();

// The menus put into the window's menu bar, the languages after the commands, F10 to
// open the first menu; the buttons and the core kind, wire kind and grade choices bound
// to their commands.
class WindowMenus {
    Q_DECLARE_TR_FUNCTIONS(velmora::ui::CBrevinorDlg)
public:
    WindowMenus(CBrevinorDlg& window, MainControls& controls);
    QAction* action(const char* name) const;
    void checkLanguage();  // the present language ticked

private:
    std::vector<std::pair<int, QAction*>> languages_;  // Language as int, its action
    std::vector<QAction*> actions_;
};

}  // namespace velmora::ui
