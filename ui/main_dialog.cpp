#include "main_dialog.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "about_dialog.hpp"
#include "core_picture.hpp"
#include "core_presentation.hpp"
#include "design_file.hpp"
#include "file_pickers.hpp"
#include "fill_diagram.hpp"
#include "help_dialog.hpp"
#include "hints.hpp"
#include "steel_group.hpp"
#include "steel_texts.hpp"
#include "input_marks.hpp"
#include "message_boxes.hpp"
#include "pipeline.hpp"
#include "numtext.hpp"
#include "rectifier_fields.hpp"
#include "result_text.hpp"
#include "state_file.hpp"
#include "wires.hpp"

// Resources live in the static library; the linker keeps them only when asked.
static void initVelmoraResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Sets a flag for the life of a scope and puts back what it was (exchanges nest).
class Guard {
public:
    explicit Guard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Guard() { flag_ = old_; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    bool& flag_;
    bool old_;
};

constexpr std::array<int, 6> kWireDiameterStatics{1015, 1032, 1033, 1034, 1044, 1052};
constexpr std::array<int, 6> kWireMassStatics{1063, 1058, 1059, 1060, 1061, 1062};

// Results that belong to inputs edited since are shown in this colour.
const QColor kStaleText(128, 128, 128);

// A text role of the widget in grey, or back to what it inherits.
void grey(QWidget* w, QPalette::ColorRole role, bool on) {
    if (!on) {
        w->setPalette(QPalette());
        return;
    }
    QPalette p = w->palette();
    p.setColor(role, kStaleText);
    w->setPalette(p);
}

// The first calculation waits for the window to be painted, at most this long.
constexpr int kStartWaitMs = 500;

}  // namespace

CBrevinorDlg::CBrevinorDlg(MessageBoxes& boxes, FilePickers& pickers, DialogOptions options,
                           QWidget* parent)
    : QDialog(parent), boxes_(boxes), pickers_(pickers), options_(std::move(options)) {
    initVelmoraResources();
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        installHintStyle(*app);

    setObjectName(QStringLiteral("CBrevinorDlg"));
    setWindowIcon(QIcon(QStringLiteral(":/res/velmora.svg")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    buildControls();
    buildEditMenu();

    // What the user does; the exchanges' own changes are ignored.
    connect(coreGroup_, &QButtonGroup::idClicked, this, &CBrevinorDlg::OnCoreChanged);
    const std::array<std::pair<const char*, void (*)(Record&)>, 4> dimensions{
        {{"lst", deriveFromLst}, {"hst", deriveFromHst}, {"lok", deriveFromLok}, {"hok", deriveFromHok}}};
    for (auto [name, derive] : dimensions)
        connect(static_cast<QLineEdit*>(control(name)), &QLineEdit::textChanged, this,
                [this, derive = derive] { onDimensionEdited(derive); });
    for (const char* name : {"lkar", "hkar1", "hkar"})
        connect(static_cast<QLineEdit*>(control(name)), &QLineEdit::textChanged, this,
                &CBrevinorDlg::onBobbinEdited);
    connect(static_cast<QCheckBox*>(control("razmery")), &QCheckBox::clicked, this,
            &CBrevinorDlg::OnRazmery);
    connect(conductor_, &QComboBox::activated, this, &CBrevinorDlg::OnSelchangeConductor);
    connect(steel_, &SteelGroup::gradeChosen, this, [this] { OnCalculate(); });
    // Any input the user changes: the results no longer belong to the inputs; a text
    // that is no number is marked whoever put it there.
    for (const Binding& b : bindings_) {
        if (b.field->role != FieldRole::input || !b.widget) continue;
        if (b.field->control == ControlKind::edit) {
            auto* e = static_cast<QLineEdit*>(b.widget);
            connect(e, &QLineEdit::textChanged, this, [this, e] {
                markIfMisread(e);
                if (!exchanging_) showStale(true);
            });
        } else if (b.field->control == ControlKind::check) {
            connect(static_cast<QCheckBox*>(b.widget), &QCheckBox::clicked, this,
                    [this] { showStale(true); });
        }
    }

    watchInputs();

    showRecord();
    retranslate();
    picture_->setCore(rec_.core);
    // Polish and lay the window out now, so that the strip has its real width at once.
    ensurePolished();
    layout()->activate();
}

CBrevinorDlg::~CBrevinorDlg() = default;

QWidget* CBrevinorDlg::control(std::string_view name) const {
    if (auto it = byName_.find(name); it != byName_.end()) return it->second;
    return findChild<QWidget*>(qs(name));
}

QWidget* CBrevinorDlg::controlById(int id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

bool CBrevinorDlg::start() {
    holding_ = true;
    const bool ok = prepare();
    if (ok)
        startPending_ = true;
    else
        releaseHeld();  // the window never shows: the catalogue's words come now
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
    if (startPending_)
        QMetaObject::invokeMethod(this, &CBrevinorDlg::finishStart, Qt::QueuedConnection);
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
    const std::optional<texts::Lang> chosen =
        texts::findLang(ReadStateSetting(options_.stateFile, kLanguageKey));
    setUiLanguage(chosen.value_or(kDefaultLanguage));
    restoreFolder();
    const ReadOutcome state = ReadDesign(options_.stateFile, rec_);
    if (state.status == ReadOutcome::refused) warn(storageReason(state.error));
    showRecord();
    applyCorePresentation();

    // Without a sound steel catalogue only the steel group stays empty.
    steels_ = LoadSteels(options_.dataFolder);
    if (!steels_.ok) warn(QString::fromStdString(texts::steelProblem(steels_.problem, uiTextsLang())));
    steel_->setGrades(steels_.grades);
    steel_->showGrade(rec_.Steel, rec_.core);

    WireKinds kinds = LoadWireKinds(options_.dataFolder);
    if (!kinds.ok) {
        message(kinds.message);
        return false;
    }
    kinds_ = std::move(kinds.names);
    {
        Guard g(exchanging_);
        conductor_->clear();
        for (const std::string& k : kinds_) conductor_->addItem(qs(k));
    }
    if (!selectKind(true)) return false;
    placeWindow();  // once every control holds what it shows, so its wish is known
    started_ = true;
    return true;
}

// The kind that Conductor begins with, or the first kind with a word why; then its
// size table. At start a table that cannot be read ends the program; later the
// previous kind and table stay.
bool CBrevinorDlg::selectKind(bool atStart) {
    const KindSelection sel = SelectKind(kinds_, rec_.Conductor);
    if (sel.message) message(*sel.message);
    if (sel.index < 0) return !atStart;
    WireSizes sizes = LoadWireSizes(options_.dataFolder, sel.conductor);
    if (!sizes.ok) {
        message(sizes.message);
        if (atStart) return false;
        if (kindIndex_ >= 0) rec_.Conductor = kinds_[static_cast<std::size_t>(kindIndex_)];
    } else {
        rec_.Conductor = sel.conductor;
        wires_ = std::move(sizes.table);
        kindIndex_ = sel.index;
    }
    Guard g(exchanging_);
    conductor_->setCurrentIndex(kindIndex_);
    return true;
}

// ---- the exchanges ---------------------------------------------------------------

void CBrevinorDlg::takeRecord() {
    Guard g(exchanging_);
    for (const Binding& b : bindings_) {
        const Field& f = *b.field;
        switch (f.control) {
            case ControlKind::edit:
                f.textIn(rec_) = static_cast<QLineEdit*>(b.widget)->text().toStdString();
                break;
            case ControlKind::label:
                f.textIn(rec_) = resultText(static_cast<QLabel*>(b.widget)).toStdString();
                break;
            case ControlKind::check:
                f.intIn(rec_) = static_cast<QCheckBox*>(b.widget)->isChecked() ? 1 : 0;
                break;
            case ControlKind::radio:
                f.intIn(rec_) = coreGroup_->checkedId();  // -1 when none is checked
                break;
            case ControlKind::combo:
            case ControlKind::none:
                break;
        }
    }
    rec_.Steel = steel_->chosenGrade();
}

void CBrevinorDlg::showRecord() {
    Guard g(exchanging_);
    for (const Binding& b : bindings_) {
        const Field& f = *b.field;
        switch (f.control) {
            case ControlKind::edit: {
                // Only a different text is put in, so the cursor and the undo history
                // of the edit being typed into stay.
                auto* e = static_cast<QLineEdit*>(b.widget);
                const QString v = qs(f.textIn(rec_));
                if (e->text() != v) e->setText(v);
                break;
            }
            case ControlKind::label: {
                showResult(static_cast<QLabel*>(b.widget), qs(f.textIn(rec_)));
                break;
            }
            case ControlKind::check:
                static_cast<QCheckBox*>(b.widget)->setChecked(f.intIn(rec_) != 0);
                break;
            case ControlKind::radio: {
                const int core = f.intIn(rec_);
                if (QAbstractButton* button = coreGroup_->button(core)) {
                    button->setChecked(true);
                } else {
                    coreGroup_->setExclusive(false);
                    for (QAbstractButton* other : coreGroup_->buttons()) other->setChecked(false);
                    coreGroup_->setExclusive(true);
                }
                break;
            }
            case ControlKind::combo:
            case ControlKind::none:
                break;
        }
    }
    steel_->showGrade(rec_.Steel, rec_.core);
    markImpossibleSizes();
}

// ---- core kind and dimensions ----------------------------------------------------

// Every size the core kind cannot work with is marked as soon as it is shown, saying
// what it must be, rather than when "Рассчитать" refuses the first of them.
void CBrevinorDlg::markImpossibleSizes() {
    std::map<std::string_view, QString> why;
    const std::vector<Message> problems = ImpossibleSizes(rec_);
    for (const Message& m : problems) {
        const QString sentence = refusalSentence(m);
        why.try_emplace(m.field, sentence);
        if (m.why == Refusal::ringDiameters) why.try_emplace("hst", sentence);  // d as much as D
    }
    // A bobbin derived from impossible sizes comes out below zero: it says their cause.
    if (!problems.empty() && rec_.razmery == 0)
        for (std::string_view name : {"hkar", "hkar1", "lkar"})
            if (textToDouble(static_cast<QLineEdit*>(control(name))->text().toStdString()) < 0)
                why.try_emplace(name, refusalSentence(problems.front()));
    for (std::string_view name : {"lst", "hst", "lok", "hok", "hkar", "hkar1", "lkar"}) {
        const auto it = why.find(name);
        markImpossible(static_cast<QLineEdit*>(control(name)), it == why.end() ? QString() : it->second);
    }
}

void CBrevinorDlg::applyCoreLabels() {
    const CorePresentation& p = presentationFor(rec_.core);
    static_cast<QLabel*>(control(names::lstLabel))->setText(presentationText(p.lstLabel));
    static_cast<QLabel*>(control(names::hstLabel))->setText(presentationText(p.hstLabel));
    static_cast<QLabel*>(control(names::lokLabel))->setText(presentationText(p.lokLabel));
    static_cast<QLabel*>(control(names::hokLabel))->setText(presentationText(p.hokLabel));
    static_cast<QLabel*>(control(names::hkarPrefix))->setText(qs(p.hkarPrefix));
    static_cast<QLabel*>(control(names::hkar1Prefix))->setText(qs(p.hkar1Prefix));
    control("hok")->setVisible(p.hokVisible);
    control("lkar")->setEnabled(p.lkarEnabled);
}

void CBrevinorDlg::applyCoreHints() {
    const CorePresentation& p = presentationFor(rec_.core);
    setHint(control("lst"), presentationText(p.lstHint));
    setHint(control("hst"), presentationText(p.hstHint));
    setHint(control("lok"), presentationText(p.lokHint));
}

void CBrevinorDlg::applyCorePresentation() {
    applyCoreLabels();
    applyCoreHints();
    picture_->setCore(rec_.core);
}

void CBrevinorDlg::OnCoreChanged(int kind) {
    takeRecord();
    chooseCore(rec_, kind);  // its bobbin derived from its dimensions, its induction
    applyCoreLabels();
    picture_->setCore(kind);
    showRecord();
    applyCoreHints();
    showStale(true);
    remember();
}

void CBrevinorDlg::onDimensionEdited(void (*derive)(Record&)) {
    if (exchanging_) return;
    takeRecord();
    derive(rec_);
    showRecord();
}

void CBrevinorDlg::onBobbinEdited() {
    if (exchanging_) return;
    takeRecord();
    rec_.razmery = 1;
    showRecord();
}

void CBrevinorDlg::OnRazmery() {
    control("lkar")->setEnabled(lkarEnabledFor(rec_.core));
    rec_.razmery = static_cast<QCheckBox*>(control("razmery"))->isChecked() ? 1 : 0;
    markImpossibleSizes();
}

// ---- calculation -----------------------------------------------------------------

RunResult CBrevinorDlg::OnCalculate() {
    takeRecord();
    // The wire-kind list may have widened the window since it was last laid out.
    layout()->activate();
    EvaluationInputs in;
    in.wires = &wires_;
    in.steels = &steels_;
    in.lang = uiTextsLang();
    in.diagWidth = diagram_->width();
    in.diagTextHeight = kDiagramTextHeight;
    Evaluation e = evaluate(rec_, in);
    rectifiers_ = e.rectifiers;
    steelOutcome_ = std::move(e.steel);
    RunResult run = std::move(e.run);

    // Warnings and notices come while the old results are still on screen; an
    // overfill or a refusal after the record and the comment are shown.
    const bool stopped = run.status != RunStatus::ok && !run.messages.empty();
    const std::size_t before = run.messages.size() - (stopped ? 1 : 0);
    for (std::size_t i = 0; i < before; ++i) message(run.messages[i]);
    comment_->setPlainText(commentText(rec_, run));
    applyHints(run.hints);
    lastRun_ = run;
    showRecord();
    applyRectifierMarks();
    applyDiagram(run.overfilled);
    steel_->showOutcome(steelOutcome_);
    showStale(false);
    remember();
    if (stopped) message(run.messages.back());
    return run;
}

void CBrevinorDlg::showStale(bool stale) {
    if (stale == stale_) return;
    stale_ = stale;
    for (const Binding& b : bindings_)
        if (b.field->role == FieldRole::result && b.widget) grey(b.widget, QPalette::WindowText, stale);
    grey(comment_, QPalette::Text, stale);
    steel_->setStale(stale);
}

void CBrevinorDlg::applyStartHints() {
    for (const HintText& h : startHints())
        if (QWidget* w = controlById(h.id)) setHint(w, hintText(h.text));
    for (int id : kWireDiameterStatics) setHint(controlById(id), hintText(kWireDiameterHint));
    for (int id : kWireMassStatics) setHint(controlById(id), hintText(kWireMassHint));
}

void CBrevinorDlg::applyHints(const std::vector<Hint>& hints) {
    for (const Hint& h : hints)
        if (const Field* f = findField(h.field))
            if (QWidget* w = controlById(f->id)) setHint(w, resultHint(h));
}

void CBrevinorDlg::applyDiagram(int overfilled) {
    diagram_->setExtents({rec_.ext1, rec_.ext2, rec_.core, rec_.kfree, overfilled, rec_.diag_width,
                          lastRun_ ? lastRun_->figures.room : 0.0});
    picture_->setCore(rec_.core);
}

void CBrevinorDlg::OnSelchangeConductor(int index) {
    if (exchanging_ || index < 0 || index >= static_cast<int>(kinds_.size())) return;
    takeRecord();
    const std::string& kind = kinds_[static_cast<std::size_t>(index)];
    WireSizes sizes = LoadWireSizes(options_.dataFolder, kind);
    if (!sizes.ok) {
        // The previous kind stays, in the list and in the record.
        message(sizes.message);
        Guard g(exchanging_);
        conductor_->setCurrentIndex(kindIndex_);
        return;
    }
    rec_.Conductor = kind;
    wires_ = std::move(sizes.table);
    kindIndex_ = index;
    showRecord();
    OnCalculate();
}

// ---- help, about, messages -------------------------------------------------------

void CBrevinorDlg::OnHelp() {
    const HelpText help = readHelpText(options_.dataFolder, std::string(texts::language(uiLanguage()).helpFile).c_str());
    if (!help.ok) {
        boxes_.show(this, help.caption, help.message);
        return;
    }
    CHelpDlg dlg(help.text, this);
    dlg.exec();
}

void CBrevinorDlg::OnAbout() {
    CAboutDlg dlg(this);
    dlg.exec();
}

void CBrevinorDlg::message(const Message& m) { message(shownMessage(m)); }

// Once the window is closing, what a command still had to say is no longer shown;
// during the start it waits until the window is on the screen.
void CBrevinorDlg::message(const ShownMessage& m) {
    if (closing_) return;
    if (holding_)
        held_.push_back(m);
    else
        boxes_.show(this, m.caption, m.text);
}

void CBrevinorDlg::warn(const QString& text) { message(ShownMessage{warningCaption(), text}); }

// ---- language --------------------------------------------------------------------

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
    for (const auto& set : retranslators_) set();
    steel_->retranslate();
    applyStartHints();
    applyCoreLabels();
    applyCoreHints();
    applyRectifierMarks();
    if (lastRun_) {
        comment_->setPlainText(commentText(rec_, *lastRun_));
        applyHints(lastRun_->hints);
    }
    // The notices of the inputs that are no number.
    for (const Binding& b : bindings_)
        if (b.field->role == FieldRole::input && b.field->control == ControlKind::edit)
            markIfMisread(static_cast<QLineEdit*>(b.widget));
    markImpossibleSizes();
    for (auto [lang, action] : languageActions_) action->setChecked(lang == uiLanguage());
}

void CBrevinorDlg::focusCalculate() { calculate_->setFocus(Qt::OtherFocusReason); }

}  // namespace velmora::ui
