// The main window's commands that move the design between the session and files: open,
// save, the report, the design sheet (PDF and printer), the offer to save changes and
// the state file at exit. Pickers and boxes are the window's; the files, the session's.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace velmora::ui {

class CBrevinorDlg;
struct DesignSheet;

class DesignFiles {
    Q_DECLARE_TR_FUNCTIONS(velmora::ui::CBrevinorDlg)
public:
    explicit DesignFiles(CBrevinorDlg& window) : w_(window) {}

    void open();
    // A design loaded as "Загрузить" does once a file is chosen, then calculated. A file
    // that cannot be opened changes nothing; `tellIfMissing` says so in a box.
    void load(const QString& file, bool tellIfMissing);
    void save();
    void saveReport();
    void savePdf();
    void print();
    DesignSheet sheet();  // of the inputs on screen, calculated afresh
    // Changes to a named design offered for saving; false: the window stays open
    // (cancelled, or the save failed and the changes would be lost).
    bool offerToSave();
    void writeState();  // the inputs, the language and the window's place

    static QString programTitle();  // the title without a design

private:
    CBrevinorDlg& w_;
};

}  // namespace velmora::ui
