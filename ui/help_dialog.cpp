#include "help_dialog.hpp"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "textfile.hpp"

namespace velmora::ui {

HelpText readHelpText(const std::filesystem::path& dataFolder) {
    const TextFile file = ReadTextFile(dataFolder / kHelpFileName);
    HelpText help;
    help.caption = QStringLiteral("Ошибка!");
    switch (file.status) {
        case TextFile::ok:
            help.ok = true;
            help.text = QString::fromStdString(file.text);
            break;
        case TextFile::tooLarge:
            help.message = QString::fromStdString(file.error);
            break;
        case TextFile::cannotOpen:
            help.message = QStringLiteral(
                "В папке с программой отсутствует файл \"ReadMe.txt\".\nПомощь не загружена");
            break;
    }
    return help;
}

CHelpDlg::CHelpDlg(const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Помощь "));
    setObjectName(QStringLiteral("help"));

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setPlainText(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(600, 447);  // 400 x 275 dialog units
}

}  // namespace velmora::ui
