#include "file_pickers.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "open_file.hpp"
#include "save_file.hpp"

std::optional<QString> QtFilePickers::openDesign(QWidget* parent) {
    COpenFile picker(parent);
    picker.setFolder(folder_);
    const int answer = picker.exec();
    folder_ = picker.folder();  // a folder looked into stays, chosen or cancelled
    if (answer != QDialog::Accepted) return std::nullopt;
    return picker.fileName();
}

std::optional<QString> QtFilePickers::saveDesign(QWidget* parent, const QString& proposed) {
    CSaveFile picker(boxes_, parent);
    picker.setFolder(folder_);
    picker.setFileName(proposed);
    const int answer = picker.exec();
    folder_ = picker.folder();
    if (answer != QDialog::Accepted) return std::nullopt;
    return picker.fileName();
}

std::optional<FilePickers::ReportTarget> QtFilePickers::saveReport(QWidget* parent,
                                                                   const QString& proposed) {
    QFileDialog dialog(parent, QCoreApplication::translate("QtFilePickers", "Сохранить в файле"),
                       QDir::currentPath(),
                       QCoreApplication::translate("QtFilePickers",
                                                   "Файлы сохранённых расчетов *.txt (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
    ReportTarget target;
    target.path = files.first();
    // The dialog asks before it returns a path that exists (its overwrite prompt is
    // on), so an existing path is one it has asked about.
    target.asked = QFileInfo::exists(target.path);
    return target;
}

std::optional<QString> QtFilePickers::savePdf(QWidget* parent, const QString& proposed) {
    const QString start = QDir(folder_.isEmpty() ? QDir::currentPath() : folder_).filePath(proposed);
    const QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("QtFilePickers", "Сохранить в PDF"), start,
        QCoreApplication::translate("QtFilePickers", "Документы PDF *.pdf (*.pdf)"));
    if (path.isEmpty()) return std::nullopt;
    return path;
}
