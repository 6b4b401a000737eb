// CBrevinorDlg: the main window. It lays out the controls (MainControls), binds them to
// the design session (DesignView) and shows what the session's operations return; the
// commands of the buttons and the menu (WindowMenus) are the session's operations, the
// files' ones through DesignFiles. Message boxes and file pickers come in through
// interfaces, so tests answer them.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "design_files.hpp"
#include "design_session.hpp"
#include "language.hpp"
#include "ui_texts.hpp"
#include "window_dialogs.hpp"
#include "window_names.hpp"

class FilePickers;
class MessageBoxes;

namespace velmora::ui {

struct DesignSheet;
class DesignView;
class MainControls;
class WindowMenus;

class CBrevinorDlg : public QDialog {
    Q_OBJECT
public:
    CBrevinorDlg(MessageBoxes& boxes, FilePickers& pickers, DialogOptions options, QWidget* parent = nullptr);
    ~CBrevinorDlg() override;

    // The state file, the record shown, the catalogue. False when the catalogue is
    // incomplete (said; the program ends without writing the state file). Else the first
    // calculation and what the start has to say come once the window shows: startFinished().
    bool start();
    bool startPending() const { return startPending_; }
    bool resultsStale() const;  // the results belong to inputs edited since (grey)
    bool closed() const { return closing_; }

    DesignSession& session() { return session_; }
    const Record& record() const { return session_.record(); }
    const std::vector<std::string>& wireKinds() const { return session_.wireKinds(); }
    const WireTable& wires() const { return session_.wires(); }
    const RectifierDesigns& rectifiers() const;  // of the last calculation
    QString designFile() const { return QString::fromStdString(session_.file()); }
    const DialogOptions& options() const { return options_; }
    MessageBoxes& boxes() { return boxes_; }
    FilePickers& pickers() { return pickers_; }

    // Commands.
    RunResult OnCalculate();  // "Рассчитать", Enter
    void OnExit();            // "Выход", Esc, the close box: the state file, then close
    void OnLoad() { files_->open(); }
    void OnSave() { files_->save(); }
    void OnSaveReport() { files_->saveReport(); }
    void OnPrint() { files_->print(); }
    void OnSavePdf() { files_->savePdf(); }
    void OnHelp() { dialogs_->help(); }
    void OnAbout() { dialogs_->about(); }
    void OnUndo();
    void OnRedo();
    void OnCoreChanged(int kind);
    void OnSelchangeConductor(int index);
    void OnLanguage(texts::Lang lang);
    void OnRectifier(int secondary) { dialogs_->rectifier(secondary); }
    void OnAdviseCore() { dialogs_->advisor(); }
    void OnDesign() { dialogs_->designer(); }
    RunResult applyDesign(const Record& design);  // the designer's choice, calculated
    // A listed core typed in and calculated, with its kind's grade and Bm unless designSteel.
    RunResult applyListedCore(const ListedCore& c, bool designSteel = true);
    DesignSheet currentSheet();
    void loadDesign(const QString& file, bool tellIfMissing) { files_->load(file, tellIfMissing); }
    // A request to end from outside: the boxes open are closed, then "Выход" without asking.
    void closeFromOutside();

    // For the window's helpers.
    void takeInputs();  // the controls into the session's record
    void showCalculated();  // the session's last outcome and what it says
    CalculationSettings settings();
    void afterStep(const SessionStep& step);  // the record, its kind, the step's words, the outcome
    void designIsFile();  // loaded from or saved to the session's file
    void message(const Message& m) { message(shownMessage(m)); }
    void message(const ShownMessage& m);
    void warn(const QString& text) { message(ShownMessage{warningCaption(), text}); }
    void focusCalculate();

signals:
    void startFinished();

protected:
    void reject() override { OnExit(); }  // Esc
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;  // a new language: retranslate()

private:
    bool prepare();
    void finishStart();
    void releaseHeld();
    void retranslate();
    void updateTitle();
    void updateModified();

    MessageBoxes& boxes_;
    FilePickers& pickers_;
    DialogOptions options_;
    DesignSession session_;
    std::unique_ptr<MainControls> controls_;
    std::unique_ptr<DesignView> view_;
    std::unique_ptr<WindowMenus> menus_;
    std::unique_ptr<DesignFiles> files_;
    std::unique_ptr<WindowDialogs> dialogs_;
    bool started_ = false, closing_ = false, startPending_ = false, fromOutside_ = false;
    bool holding_ = false;  // messages wait in held_ until the window shows
    std::vector<ShownMessage> held_;
};

}  // namespace velmora::ui
