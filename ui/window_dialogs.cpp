#include "window_dialogs.hpp"

#include "about_dialog.hpp"
#include "advisor_dialog.hpp"
#include "core_list.hpp"
#include "designer_dialog.hpp"
#include "ei_series.hpp"
#include "help_dialog.hpp"
#include "main_dialog.hpp"
#include "message_boxes.hpp"
#include "rectifier_dialog.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"
#include "textfile.hpp"

namespace velmora::ui {

void WindowDialogs::rectifier(int secondary) {
    w_.takeInputs();
    DesignSession& s = w_.session();
    RectifierDialog dlg(s.record(), s.wires(), secondary, w_.boxes(), &w_);
    if (dlg.exec() != QDialog::Accepted) return;
    s.applyRectifier(secondary, dlg.inputs(), w_.settings());
    w_.showCalculated();
    const RectifierDesign& d = w_.rectifiers()[static_cast<std::size_t>(secondary)];
    if (d.status != RectifierDesignStatus::settled && d.status != RectifierDesignStatus::none)
        w_.warn(QString::fromStdString(texts::rectifierStatus(d, rectifierInputs(s.record(), secondary), uiTextsLang())));
}

void WindowDialogs::designer() {
    // The candidates: the built-in E-I series and the user's own list of cores.
    w_.takeInputs();
    const DialogOptions& o = w_.options();
    DesignerInputs in{w_.record(), w_.wires(), w_.session().steels().grades, eiSeries()};
    const CoreList own = LoadCoreList(o.stateFile.parent_path() / pathFromUtf8(kCoreListFile));
    if (own.ok) in.cores.insert(in.cores.end(), own.cores.begin(), own.cores.end());
    DesignerDialog dialog(std::move(in), &w_);
    if (dialog.exec() == QDialog::Accepted && dialog.chosen()) w_.applyDesign(*dialog.chosen());
}

void WindowDialogs::advisor() {
    w_.takeInputs();
    // The list lives beside the state file: the data folder of a portable copy, the
    // configuration folder of an installed program.
    const DialogOptions& o = w_.options();
    AdvisorInputs in{w_.record(), w_.wires(), w_.session().steels().grades,
                     o.stateFile.parent_path() / pathFromUtf8(kCoreListFile), o.dataFolder};
    AdvisorDialog dialog(w_.boxes(), std::move(in), &w_);
    if (dialog.exec() == QDialog::Accepted && dialog.chosen()) w_.applyListedCore(*dialog.chosen(), dialog.designSteel());
}

void WindowDialogs::help() {
    const HelpText help = readHelpText(w_.options().dataFolder, std::string(texts::language(uiLanguage()).helpFile).c_str());
    if (!help.ok) return w_.boxes().show(&w_, help.caption, help.message);
    CHelpDlg dlg(help.text, &w_);
    dlg.exec();
}

void WindowDialogs::about() {
    CAboutDlg dlg(&w_);
    dlg.exec();
}

}  // namespace velmora::ui
