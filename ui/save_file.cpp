#include "save_file.hpp"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include "message_boxes.hpp"

QString withSavExtension(const QString& name) {
    const QString ext = QStringLiteral(".sav");
    return name.contains(ext, Qt::CaseSensitive) ? name : name + ext;
}

CSaveFile::CSaveFile(MessageBoxes& boxes, QWidget* parent)
    : PickerDialog(parent, tr("Сохранить как..."), tr("Имя файла для сохранения:"), 159,
                   tr("Сохранить"), {QStringLiteral("*.sav")}),
      boxes_(boxes) {
    edit_->setFocus();
}

void CSaveFile::setFileName(const QString& name) {
    edit_->setText(name);
    edit_->selectAll();
}

void CSaveFile::confirm() {
    const QString name = edit_->text();
    // No name would save a hidden ".sav" that no list shows: nothing to do yet.
    if (name.isEmpty()) {
        edit_->setFocus();
        return;
    }
    // Ask about the file that will really be written, listed or not.
    const QString target = withSavExtension(name);
    const QFileInfo info(folder_, target);
    if (info.exists() && !info.isDir() &&
        !boxes_.ask(this, tr("Внимание!"), tr("Заменить файл \"%1\"?").arg(target))) {
        edit_->setFocus();
        return;  // not replaced: the picker stays open with the typed name
    }
    closeConfirmed();
}
