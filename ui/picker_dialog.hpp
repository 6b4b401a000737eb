// What the open and save pickers share: a modal dialog of 400 x 226 dialog units
// with the folder and its "Папка..." button at the top, the sorted list of that
// folder's design files under it, a name edit under its label, and the two buttons. The list is read again whenever the
// picker is activated or deactivated, so it shows files saved in the meantime.
#pragma once

#include <QDialog>
#include <QDir>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The plain files of the folder matching any of the patterns, in any case: no
// folders, no hidden files, sorted as a user reads them (case-insensitively, then by
// case).
QStringList listDesignFiles(const QDir& folder, const QStringList& patterns);

class PickerDialog : public QDialog {
    Q_OBJECT
public:
    // The name in the edit: the chosen or typed file name, a bare name.
    QString fileName() const;

    // The folder listed, the current directory unless set; the names are in it.
    QString folder() const { return folder_.absolutePath(); }
    void setFolder(const QString& path);

    // The OK button, Enter and the double click all come here; the picker closes only
    // when the subclass confirms.
    void accept() override;

protected:
    PickerDialog(QWidget* parent, const QString& caption, const QString& label, int labelTop,
                 const QString& okText, QStringList patterns);

    // Closes with OK when the picker's rule allows it.
    virtual void confirm() = 0;
    // After a refresh; `selectionKept` is false when the selected file is gone.
    virtual void listRefreshed(bool selectionKept) { (void)selectionKept; }

    void closeConfirmed() { QDialog::done(Accepted); }
    void refresh();
    // The text of the selected entry, or an empty string.
    QString selectedName() const;

    bool event(QEvent* e) override;

    QListWidget* list_;
    QLabel* label_;
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QDir folder_;

private:
    void chooseFolder();

    QStringList patterns_;
    QLabel* folderLabel_;
    QPushButton* folderButton_;
};
