#include "help_dialog.hpp"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QPushButton>
#include <QVBoxLayout>

#include "textfile.hpp"
#include "ui_texts.hpp"

namespace velmora::ui {

HelpText readHelpText(const std::filesystem::path& dataFolder, const char* fileName) {
    const TextFile file = ReadTextFile(dataFolder / fileName);
    HelpText help;
    help.caption = CHelpDlg::tr("Ошибка!");
    switch (file.status) {
        case TextFile::ok:
            help.ok = true;
            help.text = QString::fromStdString(file.text);
            break;
        case TextFile::tooLarge:
            help.message = storageReason(file.error);
            break;
        case TextFile::cannotOpen:
            help.message =
                CHelpDlg::tr("В папке с программой отсутствует файл \"%1\".\nПомощь не загружена")
                    .arg(QString::fromUtf8(fileName));
            break;
    }
    return help;
}

CHelpDlg::CHelpDlg(const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Помощь "));
    setObjectName(QStringLiteral("help"));

    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setOpenExternalLinks(false);
    text_->setOpenLinks(false);  // the help names no file to follow
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setMarkdown(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    // The tables of the worked example without a horizontal scroll, within a 1024 x 600
    // screen less the frame a window manager draws.
    resize(760, 520);
}

}  // namespace velmora::ui
