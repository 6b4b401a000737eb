// The commands that move designs between the window and files: load, save, the state
// file at exit, and the report.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <system_error>

#include "atomic_file.hpp"
#include "design_file.hpp"
#include "file_pickers.hpp"
#include "fill_diagram.hpp"
#include "language.hpp"
#include "main_dialog.hpp"
#include "message_boxes.hpp"
#include "state_file.hpp"
#include "sheet.hpp"
#include "state_location.hpp"
#include "steel_texts.hpp"
#include "textfile.hpp"
#include "ui_texts.hpp"
#include "window_geometry.hpp"

namespace velmora::ui {
namespace {

namespace fs = std::filesystem;

fs::path pathOf(const QString& name) { return pathFromUtf8(name.toStdString()); }

bool exists(const QString& name) {
    std::error_code ec;
    return fs::exists(pathOf(name), ec);
}

}  // namespace

void CBrevinorDlg::OnLoad() {
    if (const std::optional<QString> name = pickers_.openDesign(this))
        loadDesign(QDir(pickers_.folder()).absoluteFilePath(*name), false);
    focusCalculate();
}

void CBrevinorDlg::loadDesign(const QString& file, bool tellIfMissing) {
    const ReadOutcome read = ReadDesign(pathOf(file), rec_);
    if (read.status == ReadOutcome::cannotOpen) {
        if (tellIfMissing) warn(tr("Не удалось открыть файл \"%1\".").arg(file));
        return;
    }
    if (read.status == ReadOutcome::refused) {
        warn(storageReason(read.error));
        return;
    }
    showRecord();
    applyCorePresentation();
    selectKind(false);
    diagram_->update();
    designFile_ = QFileInfo(file).absoluteFilePath();  // the undo step below is this file's
    OnCalculate();
    // The calculation completes what a file may leave out (the bobbin, say).
    designIsFile(designFile_);
}

void CBrevinorDlg::OnSave() {
    OnCalculate();  // the saved fields are the ones the calculation leaves, overfilled or not
    takeRecord();
    const QString proposed = QString::fromStdString(proposedName(rec_, ".sav"));
    const std::optional<QString> name = pickers_.saveDesign(this, proposed);
    if (!name || name->isEmpty()) {
        focusCalculate();
        return;
    }
    QString file = *name;
    if (!file.contains(QStringLiteral(".sav"))) file += QStringLiteral(".sav");
    file = QDir(pickers_.folder()).absoluteFilePath(file);
    const WriteOutcome written = WriteDesign(pathOf(file), rec_);
    if (!written.ok)
        warn(storageReason(written.error));
    else
        designIsFile(QFileInfo(file).absoluteFilePath());
    focusCalculate();
}

void CBrevinorDlg::OnSaveReport() {
    const RunResult run = OnCalculate();
    takeRecord();
    // A comment without the headings (an overfill) makes no report: say so before a
    // file is chosen, and write nothing.
    texts::ReportExtras extras;
    if (steelOutcome_.result && steelOutcome_.result->status == SteelStatus::ok) {
        extras.steel = texts::steelReport(*steelOutcome_.result, *steelOutcome_.choice.grade, uiTextsLang());
        extras.cannotWork = texts::cannotWorkReport(*steelOutcome_.result, uiTextsLang());
    }
    const texts::ReportText report = reportText(rec_, run, extras);
    if (!report.ok) {
        warn(QString::fromStdString(report.error));
        return;
    }
    const QString proposed = QString::fromStdString(proposedName(rec_, ".txt"));
    const std::optional<FilePickers::ReportTarget> target = pickers_.saveReport(this, proposed);
    if (!target) {
        focusCalculate();
        return;
    }
    QString path = target->path;
    if (!path.contains(QStringLiteral(".txt"))) path += QStringLiteral(".txt");
    // The system dialog asked about the path it returned; an appended ".txt" names
    // another file, which is not replaced without a word.
    const bool askedAlready = target->asked && path == target->path;
    if (!askedAlready && exists(path) &&
        !boxes_.ask(this, warningCaption(),
                    tr("Заменить файл \"%1\"?").arg(QFileInfo(path).fileName())))
        return;
    const WriteOutcome written = WriteTextFileCp1251(pathOf(path), report.text);
    if (!written.ok) warn(storageReason(written.error));
}

void CBrevinorDlg::OnExit() {
    if (closing_) return;
    if (started_) {
        if (!offerToSave()) return;
        takeRecord();
        const FolderOutcome folder = EnsureParentFolder(options_.stateFile);
        if (!folder.ok) {
            warn(storageReason(folder.error));
        } else {
            // The language after the design, unless it is the default one.
            std::vector<StateSetting> settings;
            if (uiLanguage() != kDefaultLanguage)
                settings.push_back({kLanguageKey, std::string(languageInfo(uiLanguage()).code)});
            settings.push_back(windowSetting());
            if (!pickers_.folder().isEmpty()) settings.push_back(folderSetting());
            // After the lines older versions wrote, and only when it says something.
            if (isMaximized()) settings.push_back({kMaximizedKey, "1"});
            const WriteOutcome written = WriteState(options_.stateFile, rec_, settings);
            if (!written.ok) warn(storageReason(written.error));
        }
    }
    closing_ = true;
    QDialog::done(QDialog::Rejected);
}

void CBrevinorDlg::reject() { OnExit(); }

void CBrevinorDlg::closeFromOutside() {
    // A modal box or picker of ours would keep its own loop running; close them first
    // (a bounded number: one that refuses to close is left). Nothing is asked then.
    fromOutside_ = true;
    for (int i = 0; i < 8; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == this) break;
        modal->close();
    }
    OnExit();
}

void CBrevinorDlg::closeEvent(QCloseEvent* e) {
    if (closing_) {
        e->accept();
        return;
    }
    e->ignore();
    OnExit();
}

}  // namespace velmora::ui
