#include "picker_dialog.hpp"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "dialog_units.hpp"

QStringList listDesignFiles(const QDir& folder, const QStringList& patterns) {
    // Without QDir::CaseSensitive the name filters ignore case; without QDir::Hidden
    // and QDir::System only visible regular files (and links to them) are listed.
    const QFileInfoList infos =
        folder.entryInfoList(patterns, QDir::Files, QDir::NoSort);
    QStringList names;
    for (const QFileInfo& info : infos)
        if (info.isFile()) names << info.fileName();
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    names.removeDuplicates();  // "*.sav" and "*.SAV" patterns can meet on one file
    return names;
}

PickerDialog::PickerDialog(QWidget* parent, const QString& caption, const QString& label,
                           int labelTop, const QString& okText, QStringList patterns)
    : QDialog(parent), patterns_(std::move(patterns)) {
    setWindowTitle(caption);
    setModal(true);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("files"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    label_ = new QLabel(label, this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("name"));
    ok_ = new QPushButton(okText, this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("Отмена"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    folderLabel_ = new QLabel(this);
    folderLabel_->setObjectName(QStringLiteral("folder"));
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderButton_ = new QPushButton(tr("Папка..."), this);
    folderButton_->setObjectName(QStringLiteral("choose_folder"));
    folderButton_->setAutoDefault(false);

    // The folder row on top; the rest as it always stood, 16 units lower.
    const DialogUnits du(fontMetrics());
    constexpr int down = 16;
    setFixedSize(du.size(400, 210 + down));
    folderLabel_->setGeometry(du.rect(7, 9, 330, 9));
    folderButton_->setGeometry(du.rect(342, 5, 50, 14));
    list_->setGeometry(du.rect(7, 7 + down, 385, 145));
    label_->setGeometry(du.rect(20, labelTop + down, 370, 9));
    edit_->setGeometry(du.rect(7, 170 + down, 386, 12));
    ok_->setGeometry(du.rect(100, 187 + down, 50, 16));
    cancel_->setGeometry(du.rect(250, 187 + down, 50, 16));
    setTabOrder(list_, edit_);
    setTabOrder(edit_, ok_);
    setTabOrder(ok_, cancel_);

    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QString name = selectedName();
        if (!name.isEmpty()) edit_->setText(name);
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { confirm(); });
    connect(ok_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(folderButton_, &QPushButton::clicked, this, &PickerDialog::chooseFolder);

    setFolder(QString());
}

void PickerDialog::setFolder(const QString& path) {
    folder_ = path.isEmpty() ? QDir::current() : QDir(path);
    folder_.makeAbsolute();
    folderLabel_->setText(QDir::toNativeSeparators(folder_.absolutePath()));
    folderLabel_->setToolTip(folderLabel_->text());
    refresh();
}

void PickerDialog::chooseFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Папка"), folder());
    if (!chosen.isEmpty()) setFolder(chosen);
}

QString PickerDialog::fileName() const { return edit_->text(); }

void PickerDialog::accept() { confirm(); }

QString PickerDialog::selectedName() const {
    const auto selected = list_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void PickerDialog::refresh() {
    const QString previous = selectedName();
    const QStringList names = listDesignFiles(folder_, patterns_);
    bool kept = false;
    {
        // Re-selecting the file the user had chosen must not overwrite a typed name.
        const QSignalBlocker block(list_);
        list_->clear();
        list_->addItems(names);
        if (!previous.isEmpty()) {
            const int row = names.indexOf(previous);
            if (row >= 0) {
                list_->setCurrentRow(row);
                kept = true;
            }
        }
    }
    list_->viewport()->update();
    listRefreshed(previous.isEmpty() || kept);
}

bool PickerDialog::event(QEvent* e) {
    const bool handled = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate) refresh();
    return handled;
}
