#include "open_file.hpp"

#include <QLineEdit>
#include <QListWidget>

COpenFile::COpenFile(QWidget* parent)
    : PickerDialog(parent, tr("Открыть файл..."), tr("Открыть файл:"), 160, tr("Открыть"),
                   {QStringLiteral("*.sav"), QStringLiteral("*.ini")}) {
    edit_->setReadOnly(true);
    list_->setFocus();
}

void COpenFile::confirm() {
    const QString name = selectedName();
    if (name.isEmpty()) return;  // nothing chosen: the picker stays open
    edit_->setText(name);
    closeConfirmed();
}

void COpenFile::listRefreshed(bool selectionKept) {
    // The edit only ever names the selected file; a file gone in the meantime leaves
    // nothing chosen.
    if (!selectionKept) edit_->clear();
}
