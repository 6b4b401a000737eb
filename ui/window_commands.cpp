// What the window does as a desktop program beyond the calculator: the title names
// the open design and marks unsaved changes, closing offers to save them, whole
// designs are undone and redone, and the window fits the screen and keeps its place.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>

#include "steel_texts.hpp"
#include "rectifier_texts.hpp"
#include "file_pickers.hpp"

#include "about_dialog.hpp"
#include "design_file.hpp"
#include "design_sheet.hpp"
#include "main_dialog.hpp"
#include "message_boxes.hpp"
#include "state_file.hpp"
#include "textfile.hpp"
#include "ui_texts.hpp"
#include "window_geometry.hpp"

namespace velmora::ui {

void CBrevinorDlg::buildEditMenu() {
    QMenuBar* bar = qobject_cast<QMenuBar*>(layout()->menuBar());
    auto* file = new QMenu(bar);
    auto* edit = new QMenu(bar);
    file->setObjectName(QStringLiteral("file_menu"));
    bar->insertMenu(bar->actions().value(0), file);
    bar->insertMenu(bar->actions().value(1), edit);
    // The file commands of the buttons, with the usual shortcuts; the window holds
    // them too, so that they work with the menu closed.
    auto command = [this, file](const char* name, QKeySequence key, void (CBrevinorDlg::*slot)()) {
        QAction* a = file->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty()) {
            a->setShortcut(key);
            addAction(a);
        }
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QAction* open = command("open", QKeySequence::Open, &CBrevinorDlg::OnLoad);
    QAction* save = command("save", QKeySequence::Save, &CBrevinorDlg::OnSave);
    QAction* report = command("save_report", {}, &CBrevinorDlg::OnSaveReport);
    file->addSeparator();
    QAction* print = command(names::print, QKeySequence::Print, &CBrevinorDlg::OnPrint);
    QAction* pdf = command(names::pdf, {}, &CBrevinorDlg::OnSavePdf);
    file->addSeparator();
    QAction* quit = command("quit", QKeySequence(Qt::CTRL | Qt::Key_Q), &CBrevinorDlg::OnExit);
    keepText([=] {
        file->setTitle(tr("&Файл"));
        open->setText(tr("&Открыть..."));
        save->setText(tr("&Сохранить"));
        report->setText(tr("Сохранить о&тчет..."));
        print->setText(tr("&Печать..."));
        pdf->setText(tr("Сохранить в P&DF..."));
        quit->setText(tr("В&ыход"));
    });

    undo_ = edit->addAction(QString());
    redo_ = edit->addAction(QString());
    undo_->setObjectName(QString::fromLatin1(names::undo));
    redo_->setObjectName(QString::fromLatin1(names::redo));
    undo_->setShortcut(QKeySequence::Undo);
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The window's own shortcuts, not the edit boxes': theirs stay for one field.
    for (QAction* a : {undo_, redo_}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    keepText([edit, this] {
        edit->setTitle(tr("&Правка"));
        undo_->setText(tr("&Отменить"));
        redo_->setText(tr("&Повторить"));
    });
    connect(undo_, &QAction::triggered, this, &CBrevinorDlg::OnUndo);
    connect(redo_, &QAction::triggered, this, &CBrevinorDlg::OnRedo);

    // F10 opens the first menu, as in most desktop programs; the arrows go on from there.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("menu_key"));
    menuKey->setShortcut(Qt::Key_F10);
    menuKey->setShortcutContext(Qt::WindowShortcut);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, bar, [bar] {
        bar->setFocus(Qt::ShortcutFocusReason);
        bar->setActiveAction(bar->actions().value(0));
    });
}

// Every change of an input may make the design differ from its file, or no longer.
void CBrevinorDlg::watchInputs() {
    for (const Binding& b : bindings_) {
        if (b.field->role == FieldRole::result || !b.widget) continue;
        if (auto* e = qobject_cast<QLineEdit*>(b.widget))
            connect(e, &QLineEdit::textChanged, this, &CBrevinorDlg::updateModified);
        else if (auto* c = qobject_cast<QCheckBox*>(b.widget))
            connect(c, &QCheckBox::clicked, this, &CBrevinorDlg::updateModified);
    }
    connect(coreGroup_, &QButtonGroup::idClicked, this, &CBrevinorDlg::updateModified);
    connect(conductor_, &QComboBox::activated, this, &CBrevinorDlg::updateModified);
}

// ---- title and unsaved changes ---------------------------------------------------

QString CBrevinorDlg::programTitle() const {
    return tr("Velmora - Расчет сетевого силового трансформатора (Версия %1)")
        .arg(QString::fromLatin1(kVersion));
}

void CBrevinorDlg::updateTitle() {
    const QString program = programTitle();
    if (designFile_.isEmpty())
        setWindowTitle(program);
    else
        setWindowTitle(QStringLiteral("%1[*] — %2").arg(QFileInfo(designFile_).fileName(), program));
}

void CBrevinorDlg::updateModified() {
    if (exchanging_) return;  // half the controls are not yet the new record's
    takeRecord();
    const auto saved = savedFiles_.find(designFile_);
    setWindowModified(saved != savedFiles_.end() && !sameInputs(rec_, saved->second));
    updateUndoActions();
}

void CBrevinorDlg::designIsFile(const QString& file) {
    designFile_ = file;
    pickers_.setFolder(QFileInfo(file).absolutePath());
    savedFiles_[file] = rec_;
    history_.rename(file);  // what was undone and redone before the save is this design
    updateTitle();
    setWindowModified(false);
}

// Changes to a named design are offered for saving when the window closes; the state
// file keeps the inputs either way. False: the window stays (cancelled, or the save
// failed and the changes would be lost).
bool CBrevinorDlg::offerToSave() {
    if (designFile_.isEmpty() || fromOutside_) return true;
    updateModified();
    if (!isWindowModified()) return true;
    const MessageBoxes::SaveAnswer answer = boxes_.askToSave(
        this, warningCaption(), tr("Сохранить изменения в \"%1\"?").arg(QFileInfo(designFile_).fileName()));
    if (answer != MessageBoxes::SaveAnswer::save) return answer == MessageBoxes::SaveAnswer::discard;
    const WriteOutcome written = WriteDesign(pathFromUtf8(designFile_.toStdString()), rec_);
    if (!written.ok) {
        warn(storageReason(written.error));
        return false;
    }
    return true;
}

// ---- undo and redo ---------------------------------------------------------------

void CBrevinorDlg::remember() {
    history_.record({rec_, designFile_});
    updateUndoActions();
}

void CBrevinorDlg::updateUndoActions() {
    if (!undo_) return;
    undo_->setEnabled(history_.canUndo({rec_, designFile_}));
    redo_->setEnabled(history_.canRedo());
}

void CBrevinorDlg::OnUndo() {
    takeRecord();
    if (const DesignState* before = history_.undo({rec_, designFile_})) restoreDesign(DesignState(*before));
    updateUndoActions();
}

void CBrevinorDlg::OnRedo() {
    if (const DesignState* after = history_.redo()) restoreDesign(DesignState(*after));
    updateUndoActions();
}

// A copy of the state: the calculation below records the present state again.
void CBrevinorDlg::restoreDesign(const DesignState& s) {
    rec_ = s.inputs;
    if (s.file != designFile_) {  // back to another design: its name (the mark follows)
        designFile_ = s.file;
        updateTitle();
    }
    showRecord();
    applyCorePresentation();
    selectKind(false);
    OnCalculate();
    updateModified();
}

// ---- the design sheet ------------------------------------------------------------

DesignSheet CBrevinorDlg::currentSheet() {
    const RunResult run = OnCalculate();
    takeRecord();
    const QString name = designFile_.isEmpty() ? QString::fromStdString(proposedName(rec_, ""))
                                               : QFileInfo(designFile_).fileName();
    // The steel and heating, and the rectifiers, as the window shows them.
    DesignSheet sheet = designSheet(rec_, run, &steelOutcome_, name);
    sheet.program = programTitle();
    return sheet;
}

void CBrevinorDlg::OnSavePdf() {
    const DesignSheet sheet = currentSheet();
    const QString proposed = QString::fromStdString(proposedName(rec_, ".pdf"));
    std::optional<QString> path = pickers_.savePdf(this, proposed);
    if (!path || path->isEmpty()) return;
    if (!path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) *path += QStringLiteral(".pdf");
    if (!writeDesignSheetPdf(sheet, *path))
        warn(tr("Не удалось записать файл \"%1\".").arg(*path));
}

void CBrevinorDlg::OnPrint() {
    const DesignSheet sheet = currentSheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QString::fromStdString(sheet.content.title));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    paintDesignSheet(sheet, printer);
}

// ---- the folder of the designs -------------------------------------------------

// Kept in the state file as percent-encoded UTF-8, which is ASCII whatever the name.
StateSetting CBrevinorDlg::folderSetting() const {
    return {kFolderKey, pickers_.folder().toUtf8().toPercentEncoding("/\\:").toStdString()};
}

void CBrevinorDlg::restoreFolder() {
    const std::string kept = ReadStateSetting(options_.stateFile, kFolderKey);
    const QString folder =
        !kept.empty() ? QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray::fromStdString(kept)))
                      : QString::fromStdString(options_.designFolder.string());
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) pickers_.setFolder(folder);
}

// ---- the window on the screen ----------------------------------------------------

void CBrevinorDlg::placeWindow() {
    // The window's own wish, grown by what the scroll area lacks of the whole of its
    // contents (a scroll area does not pass its contents' wish on to the window).
    // The layouts still hold what they measured before the record's fields were shown
    // or hidden by core kind: measure afresh.
    auto* grid = findChild<QScrollArea*>(QString::fromLatin1(names::grid));
    if (QLayout* inner = grid ? grid->widget()->layout() : nullptr) {
        inner->invalidate();
        inner->activate();  // also drops what the nested layouts measured
    }
    layout()->invalidate();
    layout()->activate();
    QSize natural = size().expandedTo(sizeHint());
    if (grid) natural += (grid->sizeHint() - grid->size()).expandedTo(QSize(0, 0));
    const std::optional<QRect> kept = geometryFromText(ReadStateSetting(options_.stateFile, kWindowKey));
    const QRect wanted = kept.value_or(QRect(QPoint(), natural));
    // The body and the frame the window manager puts around it both on the screen.
    const QMargins frame = frameGeometry() != geometry()
                               ? QMargins(geometry().left() - frameGeometry().left(),
                                          geometry().top() - frameGeometry().top(),
                                          frameGeometry().right() - geometry().right(),
                                          frameGeometry().bottom() - geometry().bottom())
                               : kFrameAllowance;
    const QRect fitted = fitToScreen(wanted, kept.has_value(),
                                     insideFrame(screen()->availableGeometry(), frame), minimumSizeHint());
    if (kept)
        setGeometry(fitted);
    else
        resize(fitted.size());  // the system places a window it has not seen before
    // Maximised on top of the place it had before, which it takes back when restored.
    if (ReadStateSetting(options_.stateFile, kMaximizedKey) == "1")
        setWindowState(windowState() | Qt::WindowMaximized);
}

StateSetting CBrevinorDlg::windowSetting() const {
    return {kWindowKey, geometryText(isMaximized() ? normalGeometry() : geometry())};
}

}  // namespace velmora::ui
