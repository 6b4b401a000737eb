// "Спроектировать...": the main window's side of the designer. The candidates are the
// built-in E-I series and the user's own list of cores; the design chosen replaces the
// window's and is calculated, so that "Отменить" brings the one before back.
#include <QDialog>

#include "core_list.hpp"
#include "designer_dialog.hpp"
#include "ei_series.hpp"
#include "main_dialog.hpp"
#include "steels.hpp"
#include "textfile.hpp"

namespace velmora::ui {

void CBrevinorDlg::OnDesign() {
    takeRecord();
    DesignerInputs in{rec_, wires_, LoadSteels(options_.dataFolder).grades, eiSeries()};
    const CoreList own = LoadCoreList(options_.stateFile.parent_path() / pathFromUtf8(kCoreListFile));
    if (own.ok) in.cores.insert(in.cores.end(), own.cores.begin(), own.cores.end());
    DesignerDialog dialog(std::move(in), this);
    if (dialog.exec() == QDialog::Accepted && dialog.chosen()) applyDesign(*dialog.chosen());
}

RunResult CBrevinorDlg::applyDesign(const Record& design) {
    takeRecord();
    rec_ = design;
    showRecord();
    applyCorePresentation();
    return OnCalculate();
}

}  // namespace velmora::ui
