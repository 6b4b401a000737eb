// "Подобрать сердечник...": the main window's side of the core advisor.
#include <QDialog>

#include "advisor_dialog.hpp"
#include "core_typing.hpp"
#include "main_dialog.hpp"
#include "steels.hpp"
#include "textfile.hpp"

namespace velmora::ui {

void CBrevinorDlg::OnAdviseCore() {
    takeRecord();
    // The list lives beside the state file: the data folder of a portable copy, the
    // configuration folder of an installed program. Without a steel catalogue the
    // dialog says which grade is missing.
    AdvisorInputs in{rec_, wires_, LoadSteels(options_.dataFolder).grades,
                     options_.stateFile.parent_path() / pathFromUtf8(kCoreListFile), options_.dataFolder};
    AdvisorDialog dialog(boxes_, std::move(in), this);
    // The window takes the core as the advisor computed it.
    if (dialog.exec() == QDialog::Accepted && dialog.chosen()) applyListedCore(*dialog.chosen(), dialog.designSteel());
}

RunResult CBrevinorDlg::applyListedCore(const ListedCore& c, bool designSteel) {
    takeRecord();
    typeCore(rec_, c.core, c.lst, c.hst, c.lok, c.hok);
    if (!designSteel) {
        rec_.Bm = std::string(inductionFor(c.core));
        rec_.Steel.clear();  // the kind's default grade
    }
    showRecord();
    applyCorePresentation();
    return OnCalculate();
}

}  // namespace velmora::ui
