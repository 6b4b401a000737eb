#include "design_files.hpp"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <system_error>

#include "about_dialog.hpp"
#include "atomic_file.hpp"
#include "design_sheet.hpp"
#include "file_pickers.hpp"
#include "language.hpp"
#include "main_dialog.hpp"
#include "message_boxes.hpp"
#include "rectifier_texts.hpp"
#include "sheet.hpp"
#include "state_file.hpp"
#include "state_location.hpp"
#include "steel_texts.hpp"
#include "textfile.hpp"
#include "ui_texts.hpp"
#include "window_geometry.hpp"
#include "window_place.hpp"

namespace velmora::ui {
namespace {

namespace fs = std::filesystem;

fs::path pathOf(const QString& name) { return pathFromUtf8(name.toStdString()); }

bool exists(const QString& name) {
    std::error_code ec;
    return fs::exists(pathOf(name), ec);
}

}  // namespace

QString DesignFiles::programTitle() {
    return tr("Velmora - Расчет сетевого силового трансформатора (Версия %1)").arg(QString::fromLatin1(kVersion));
}

void DesignFiles::open() {
    if (const std::optional<QString> name = w_.pickers().openDesign(&w_))
        load(QDir(w_.pickers().folder()).absoluteFilePath(*name), false);
    w_.focusCalculate();
}

void DesignFiles::load(const QString& file, bool tellIfMissing) {
    ReadOutcome read;
    const SessionStep step = w_.session().load(pathOf(file), w_.settings(), &read);
    if (read.status == ReadOutcome::cannotOpen) {
        if (tellIfMissing) w_.warn(tr("Не удалось открыть файл \"%1\".").arg(file));
        return;
    }
    if (read.status == ReadOutcome::refused) {
        w_.warn(storageReason(read.error));
        return;
    }
    w_.afterStep(step);
    w_.designIsFile();
}

void DesignFiles::save() {
    w_.OnCalculate();  // the saved fields are the ones the calculation leaves, overfilled or not
    const QString proposed = QString::fromStdString(proposedName(w_.record(), ".sav"));
    const std::optional<QString> name = w_.pickers().saveDesign(&w_, proposed);
    if (!name || name->isEmpty()) {
        w_.focusCalculate();
        return;
    }
    QString file = *name;
    if (!file.contains(QStringLiteral(".sav"))) file += QStringLiteral(".sav");
    file = QDir(w_.pickers().folder()).absoluteFilePath(file);
    const WriteOutcome written = w_.session().save(pathOf(file));
    if (!written.ok)
        w_.warn(storageReason(written.error));
    else
        w_.designIsFile();
    w_.focusCalculate();
}

void DesignFiles::saveReport() {
    const RunResult run = w_.OnCalculate();
    const SteelOutcome& steel = w_.session().last()->steel;
    // A comment without the headings (an overfill) makes no report: say so before a
    // file is chosen, and write nothing.
    texts::ReportExtras extras;
    if (steel.result && steel.result->status == SteelStatus::ok)
    {
        extras.steel = texts::steelReport(*steel.result, *steel.choice.grade, uiTextsLang());
        extras.cannotWork = texts::cannotWorkReport(*steel.result, uiTextsLang());
    }
    const texts::ReportText report = reportText(w_.record(), run, extras);
    if (!report.ok) {
        w_.warn(QString::fromStdString(report.error));
        return;
    }
    const QString proposed = QString::fromStdString(proposedName(w_.record(), ".txt"));
    const std::optional<FilePickers::ReportTarget> target = w_.pickers().saveReport(&w_, proposed);
    if (!target) {
        w_.focusCalculate();
        return;
    }
    QString path = target->path;
    if (!path.contains(QStringLiteral(".txt"))) path += QStringLiteral(".txt");
    // The system dialog asked about the path it returned; an appended ".txt" names
    // another file, which is not replaced without a word.
    const bool askedAlready = target->asked && path == target->path;
    if (!askedAlready && exists(path) &&
        !w_.boxes().ask(&w_, warningCaption(), tr("Заменить файл \"%1\"?").arg(QFileInfo(path).fileName())))
        return;
    const WriteOutcome written = WriteTextFileCp1251(pathOf(path), report.text);
    if (!written.ok) w_.warn(storageReason(written.error));
}

bool DesignFiles::offerToSave() {
    const DesignSession& s = w_.session();
    if (s.file().empty() || !s.modified()) return true;
    const QString name = QFileInfo(QString::fromStdString(s.file())).fileName();
    const MessageBoxes::SaveAnswer answer =
        w_.boxes().askToSave(&w_, warningCaption(), tr("Сохранить изменения в \"%1\"?").arg(name));
    if (answer != MessageBoxes::SaveAnswer::save) return answer == MessageBoxes::SaveAnswer::discard;
    const WriteOutcome written = WriteDesign(pathFromUtf8(s.file()), s.record());
    if (!written.ok) {
        w_.warn(storageReason(written.error));
        return false;
    }
    return true;
}

void DesignFiles::writeState() {
    const fs::path& stateFile = w_.options().stateFile;
    const FolderOutcome folder = EnsureParentFolder(stateFile);
    if (!folder.ok) {
        w_.warn(storageReason(folder.error));
        return;
    }
    // The language after the design, unless it is the default one.
    std::vector<StateSetting> settings;
    if (uiLanguage() != kDefaultLanguage)
        settings.push_back({kLanguageKey, std::string(texts::langCode(uiLanguage()))});
    settings.push_back(windowSetting(w_));
    if (!w_.pickers().folder().isEmpty()) settings.push_back(folderSetting(w_.pickers()));
    // After the lines older versions wrote, and only when it says something.
    if (w_.isMaximized()) settings.push_back({kMaximizedKey, "1"});
    const WriteOutcome written = WriteState(stateFile, w_.record(), settings);
    if (!written.ok) w_.warn(storageReason(written.error));
}

DesignSheet DesignFiles::sheet() {
    const RunResult run = w_.OnCalculate();
    const Record& rec = w_.record();
    const std::string& file = w_.session().file();
    const QString name = file.empty() ? QString::fromStdString(proposedName(rec, ""))
                                      : QFileInfo(QString::fromStdString(file)).fileName();
    const SteelOutcome& s = w_.session().last()->steel;
    DesignSheet sheet = designSheet(rec, run, &s, name);
    sheet.program = programTitle();
    return sheet;
}

void DesignFiles::savePdf() {
    const DesignSheet sheet = this->sheet();
    const QString proposed = QString::fromStdString(proposedName(w_.record(), ".pdf"));
    std::optional<QString> path = w_.pickers().savePdf(&w_, proposed);
    if (!path || path->isEmpty()) return;
    if (!path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) *path += QStringLiteral(".pdf");
    if (!writeDesignSheetPdf(sheet, *path)) w_.warn(tr("Не удалось записать файл \"%1\".").arg(*path));
}

void DesignFiles::print() {
    const DesignSheet sheet = this->sheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QString::fromStdString(sheet.content.title));
    QPrintDialog dialog(&printer, &w_);
    if (dialog.exec() != QDialog::Accepted) return;
    paintDesignSheet(sheet, printer);
}

}  // namespace velmora::ui
