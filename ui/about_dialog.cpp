#include "about_dialog.hpp"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::ui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("О программе"));
    setObjectName(QStringLiteral("about"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/res/velmora.svg")).pixmap(48, 48));

    auto* program =
        new QLabel(tr("Velmora - Программа расчета сетевого силового трансформатора"), this);
    auto* version = new QLabel(tr("Версия %1").arg(QString::fromLatin1(kVersion)), this);
    auto* date = new QLabel(QString::fromLatin1(kVersionDate), this);
    program->setObjectName(QStringLiteral("aboutProgram"));
    version->setObjectName(QStringLiteral("aboutVersion"));
    date->setObjectName(QStringLiteral("aboutDate"));

    auto* lines = new QVBoxLayout;
    lines->addWidget(program);
    lines->addWidget(version);
    lines->addWidget(date);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(lines);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace velmora::ui
