#include "main_dialog.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLayout>
#include <QPushButton>
#include <QTimer>

#include "design_sheet.hpp"
#include "design_view.hpp"
#include "file_pickers.hpp"
#include "fill_diagram.hpp"
#include "hints.hpp"
#include "main_controls.hpp"
#include "message_boxes.hpp"
#include "steel_group.hpp"
#include "steel_texts.hpp"
#include "window_menus.hpp"
#include "window_place.hpp"

// Resources live in the static library; the linker keeps them only when asked.
static void initVelmoraResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora::ui {

// The first calculation waits for the window to be painted, at most this long.
static constexpr int kStartWaitMs = 500;

CBrevinorDlg::CBrevinorDlg(MessageBoxes& boxes, FilePickers& pickers, DialogOptions options, QWidget* parent)
    : QDialog(parent), boxes_(boxes), pickers_(pickers), options_(std::move(options)) {
    initVelmoraResources();
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) installHintStyle(*app);
    setObjectName(QStringLiteral("CBrevinorDlg"));
    setWindowIcon(QIcon(QStringLiteral(":/res/velmora.svg")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    controls_ = std::make_unique<MainControls>(this);
    view_ = std::make_unique<DesignView>(*controls_, session_);
    menus_ = std::make_unique<WindowMenus>(*this, *controls_);
    files_ = std::make_unique<DesignFiles>(*this);
    dialogs_ = std::make_unique<WindowDialogs>(*this);

    view_->watch([this] { updateModified(); });
    view_->show();
    view_->presentCore();
    retranslate();
    // Polish and lay the window out now, so that the strip has its real width at once.
    ensurePolished();
    layout()->activate();
}

CBrevinorDlg::~CBrevinorDlg() = default;

bool CBrevinorDlg::resultsStale() const { return view_->stale(); }

const RectifierDesigns& CBrevinorDlg::rectifiers() const {
    static const RectifierDesigns none{};
    return session_.last() ? session_.last()->rectifiers : none;
}

bool CBrevinorDlg::start() {
    holding_ = true;
    const bool ok = prepare();
    if (ok) startPending_ = true;
    else releaseHeld();  // the window never shows: the catalogue's words come now
    return ok;
}

// The window is on the screen once it is first painted; a window that is never
// painted (minimised, covered) still calculates a moment after it was shown.
void CBrevinorDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (startPending_) QTimer::singleShot(kStartWaitMs, this, &CBrevinorDlg::finishStart);
}

void CBrevinorDlg::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    if (startPending_) QMetaObject::invokeMethod(this, &CBrevinorDlg::finishStart, Qt::QueuedConnection);
}

void CBrevinorDlg::finishStart() {
    if (!startPending_) return;
    startPending_ = false;
    releaseHeld();
    if (!closing_) OnCalculate();
    emit startFinished();
}

void CBrevinorDlg::releaseHeld() {
    holding_ = false;
    const std::vector<ShownMessage> held = std::move(held_);
    held_.clear();
    for (const ShownMessage& m : held) message(m);
}

bool CBrevinorDlg::prepare() {
    // The language first: everything the start has to say is said in it.
    setUiLanguage(texts::findLang(ReadStateSetting(options_.stateFile, kLanguageKey)).value_or(kDefaultLanguage));
    restoreFolder(pickers_, options_.stateFile, options_.designFolder);
    const ReadOutcome state = session_.readState(options_.stateFile);
    if (state.status == ReadOutcome::refused) warn(storageReason(state.error));
    view_->show();
    view_->presentCore();
    // Without a sound steel catalogue only the steel group stays empty.
    const SessionStep opened = session_.open(options_.dataFolder);
    if (!session_.steels().ok) warn(QString::fromStdString(texts::steelProblem(session_.steels().problem, uiTextsLang())));
    controls_->steel->setGrades(session_.steels().grades);
    for (const Message& m : opened.messages) message(m);
    if (!opened.done) return false;
    view_->showKinds();
    view_->show();
    placeWindow(*this, options_.stateFile);  // once every control holds what it shows
    started_ = true;
    return true;
}

CalculationSettings CBrevinorDlg::settings() {
    // The wire-kind list may have widened the window since it was last laid out.
    layout()->activate();
    return {uiTextsLang(), controls_->diagram->width(), kDiagramTextHeight};
}

void CBrevinorDlg::takeInputs() { view_->take(); }

RunResult CBrevinorDlg::OnCalculate() {
    view_->take();
    session_.calculate(settings());
    showCalculated();
    return session_.last()->run;
}

// Warnings and notices come while the old results are still on screen; an overfill or
// a refusal after the record and the comment are shown.
void CBrevinorDlg::showCalculated() {
    const RunResult& run = session_.last()->run;
    const bool stopped = run.status != RunStatus::ok && !run.messages.empty();
    const std::size_t before = run.messages.size() - (stopped ? 1 : 0);
    for (std::size_t i = 0; i < before; ++i) message(run.messages[i]);
    view_->showOutcome();
    updateModified();
    if (stopped) message(run.messages.back());
}

void CBrevinorDlg::afterStep(const SessionStep& step) {
    view_->show();
    view_->presentCore();
    view_->showKinds();
    for (const Message& m : step.messages) message(m);
    controls_->diagram->update();
    updateTitle();
    if (session_.last()) showCalculated();
}

void CBrevinorDlg::OnCoreChanged(int kind) {
    view_->take();
    session_.chooseCore(kind);  // its bobbin derived from its dimensions, its induction
    view_->presentCore();
    view_->show();
    view_->showStale(true);
    updateModified();
}

void CBrevinorDlg::OnSelchangeConductor(int index) {
    if (view_->exchanging() || index < 0 || index >= static_cast<int>(session_.wireKinds().size())) return;
    view_->take();
    const SessionStep step = session_.chooseKind(index);
    for (const Message& m : step.messages) message(m);
    view_->showKinds();  // the previous kind stays when the new one cannot be read
    if (step.done) OnCalculate();
}

void CBrevinorDlg::OnUndo() {
    view_->take();
    if (const SessionStep step = session_.undo(settings()); step.done) afterStep(step);
}

void CBrevinorDlg::OnRedo() {
    if (const SessionStep step = session_.redo(settings()); step.done) afterStep(step);
}

RunResult CBrevinorDlg::applyListedCore(const ListedCore& core, bool designSteel) {
    view_->take();
    session_.applyCore(core, settings(), designSteel);
    view_->presentCore();
    showCalculated();
    return session_.last()->run;
}

RunResult CBrevinorDlg::applyDesign(const Record& design) {
    session_.applyDesign(design, settings());
    view_->presentCore();
    showCalculated();
    return session_.last()->run;
}

DesignSheet CBrevinorDlg::currentSheet() { return files_->sheet(); }

void CBrevinorDlg::designIsFile() {
    pickers_.setFolder(QFileInfo(designFile()).absolutePath());
    updateTitle();
    setWindowModified(false);
}

void CBrevinorDlg::updateTitle() {
    const QString program = DesignFiles::programTitle();
    if (session_.file().empty()) setWindowTitle(program);
    else setWindowTitle(QStringLiteral("%1[*] — %2").arg(QFileInfo(designFile()).fileName(), program));
}

void CBrevinorDlg::updateModified() {
    if (view_->exchanging()) return;  // half the controls are not yet the new record's
    view_->take();
    setWindowModified(session_.modified());
    if (!menus_) return;
    menus_->action(names::undo)->setEnabled(session_.canUndo());
    menus_->action(names::redo)->setEnabled(session_.canRedo());
}

void CBrevinorDlg::OnExit() {
    if (closing_) return;
    if (started_) {
        view_->take();
        if (!fromOutside_ && !files_->offerToSave()) return;
        files_->writeState();
    }
    closing_ = true;
    QDialog::done(QDialog::Rejected);
}

void CBrevinorDlg::closeFromOutside() {
    // A modal box or picker of ours would keep its own loop running; close them first
    // (a bounded number: one that refuses to close is left). Nothing is asked then.
    fromOutside_ = true;
    for (int i = 0; i < 8; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == this) break;
        modal->close();
    }
    OnExit();
}

void CBrevinorDlg::closeEvent(QCloseEvent* e) {
    if (closing_) return e->accept();
    e->ignore();
    OnExit();
}

// Once the window is closing, what a command still had to say is no longer shown;
// during the start it waits until the window is on the screen.
void CBrevinorDlg::message(const ShownMessage& m) {
    if (closing_) return;
    if (holding_) held_.push_back(m);
    else boxes_.show(this, m.caption, m.text);
}

// The change comes back to every window as a LanguageChange: retranslate().
void CBrevinorDlg::OnLanguage(texts::Lang lang) {
    if (lang != uiLanguage()) setUiLanguage(lang);
}

void CBrevinorDlg::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(e);
}

void CBrevinorDlg::retranslate() {
    updateTitle();
    controls_->retranslate();
    view_->retranslate();
    menus_->checkLanguage();
}

void CBrevinorDlg::focusCalculate() { controls_->calculate->setFocus(Qt::OtherFocusReason); }

}  // namespace velmora::ui
