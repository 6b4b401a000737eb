// The pickers of the load, save and report commands behind one interface, so that
// tests of the main window can answer them. The real one runs the program's own
// pickers (COpenFile, CSaveFile) and the system's save-file dialog for reports.
#pragma once

#include <QString>
#include <optional>

class MessageBoxes;
class QWidget;

class FilePickers {
public:
    virtual ~FilePickers() = default;
    // The folder the design pickers list, and the one their names are in: the current
    // directory while it is empty. A picker may change it.
    const QString& folder() const { return folder_; }
    void setFolder(const QString& path) { folder_ = path; }
    // A bare file name in folder(), or nothing when cancelled.
    virtual std::optional<QString> openDesign(QWidget* parent) = 0;
    // The name typed or chosen (".sav" not yet appended), or nothing when cancelled.
    virtual std::optional<QString> saveDesign(QWidget* parent, const QString& proposed) = 0;
    // A full path for the report, or nothing when cancelled. `asked` tells whether
    // the dialog itself asked about replacing that path.
    struct ReportTarget {
        QString path;
        bool asked = false;
    };
    virtual std::optional<ReportTarget> saveReport(QWidget* parent, const QString& proposed) = 0;
    // A full path for the PDF design sheet, or nothing when cancelled.
    virtual std::optional<QString> savePdf(QWidget* parent, const QString& proposed) = 0;

protected:
    QString folder_;
};

class QtFilePickers : public FilePickers {
public:
    explicit QtFilePickers(MessageBoxes& boxes) : boxes_(boxes) {}
    std::optional<QString> openDesign(QWidget* parent) override;
    std::optional<QString> saveDesign(QWidget* parent, const QString& proposed) override;
    std::optional<ReportTarget> saveReport(QWidget* parent, const QString& proposed) override;
    std::optional<QString> savePdf(QWidget* parent, const QString& proposed) override;

private:
    MessageBoxes& boxes_;
};
