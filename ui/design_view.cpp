#include "design_view.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>
#include <map>

#include "core_picture.hpp"
#include "core_presentation.hpp"
#include "core_typing.hpp"
#include "fill_diagram.hpp"
#include "heating_words.hpp"
#include "hints.hpp"
#include "input_marks.hpp"
#include "main_controls.hpp"
#include "numtext.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"
#include "result_text.hpp"
#include "steel_group.hpp"
#include "steel_texts.hpp"
#include "ui_texts.hpp"

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

// A text role of the widget in grey (results that belong to inputs edited since), or
// back to what it inherits.
void grey(QWidget* w, QPalette::ColorRole role, bool on) {
    if (!on) {
        w->setPalette(QPalette());
        return;
    }
    QPalette p = w->palette();
    p.setColor(role, QColor(128, 128, 128));
    w->setPalette(p);
}

QLineEdit* editOf(const MainControls& c, std::string_view name) { return static_cast<QLineEdit*>(c.control(name)); }

}  // namespace

DesignView::DesignView(MainControls& controls, DesignSession& session) : c_(controls), session_(session) {}

void DesignView::watch(std::function<void()> changed) {
    QObject* w = c_.window;
    const std::array<std::pair<const char*, void (*)(Record&)>, 4> dimensions{
        {{"lst", deriveFromLst}, {"hst", deriveFromHst}, {"lok", deriveFromLok}, {"hok", deriveFromHok}}};
    for (auto [name, derive] : dimensions)
        QObject::connect(editOf(c_, name), &QLineEdit::textChanged, w, [this, derive = derive] { onDimension(derive); });
    for (const char* name : {"lkar", "hkar1", "hkar"})
        QObject::connect(editOf(c_, name), &QLineEdit::textChanged, w, [this] {
            if (exchanging_) return;
            take();
            session_.record().razmery = 1;
            show();
        });
    QObject::connect(static_cast<QCheckBox*>(c_.control("razmery")), &QCheckBox::clicked, w, [this](bool on) {
        c_.control("lkar")->setEnabled(lkarEnabledFor(session_.record().core));
        session_.record().razmery = on ? 1 : 0;
        markImpossibleSizes();
    });
    // A hand edit of U2_i or I2_i detaches the secondary from its rectifier.
    for (int i = 0; i < kSecondaries; ++i)
        for (const char* key : {"U2_", "I2_"})
            QObject::connect(editOf(c_, key + std::to_string(i + 1)), &QLineEdit::textChanged, w, [this, i] {
                if (!exchanging_ && session_.detachRectifier(i)) rectifierMarks();
            });
    for (const char* name : {"U1nom", "U1max"})
        QObject::connect(editOf(c_, name), &QLineEdit::textChanged, w, [this] {
            if (!exchanging_) take();
            markSupply();
        });
    // Any input the user changes: the results no longer belong to the inputs; a text
    // that is no number is marked whoever put it there.
    for (const MainControls::Binding& b : c_.bindings) {
        if (b.field->role == FieldRole::result || !b.widget) continue;
        if (auto* e = qobject_cast<QLineEdit*>(b.widget)) {
            QObject::connect(e, &QLineEdit::textChanged, w, [this, e, changed] {
                markIfMisread(e);
                if (exchanging_) return;
                showStale(true);
                changed();
            });
        } else if (auto* box = qobject_cast<QCheckBox*>(b.widget)) {
            QObject::connect(box, &QCheckBox::clicked, w, [this, changed] {
                showStale(true);
                changed();
            });
        }
    }
    QObject::connect(c_.steel, &SteelGroup::heatingEdited, w, [this, changed] {
        showStale(true);
        changed();
    });
}

void DesignView::onDimension(void (*derive)(Record&)) {
    if (exchanging_) return;
    take();
    derive(session_.record());
    show();
}

void DesignView::take() {
    Guard g(exchanging_);
    Record& rec = session_.record();
    for (const MainControls::Binding& b : c_.bindings) {
        const Field& f = *b.field;
        switch (f.control) {
            case ControlKind::edit: f.textIn(rec) = static_cast<QLineEdit*>(b.widget)->text().toStdString(); break;
            case ControlKind::label: f.textIn(rec) = resultText(static_cast<QLabel*>(b.widget)).toStdString(); break;
            case ControlKind::check: f.intIn(rec) = static_cast<QCheckBox*>(b.widget)->isChecked() ? 1 : 0; break;
            case ControlKind::radio: f.intIn(rec) = c_.coreGroup->checkedId(); break;  // -1 when none
            case ControlKind::combo:
            case ControlKind::none: break;
        }
    }
    rec.Steel = c_.steel->chosenGrade();
    c_.steel->takeHeating(rec);
}

void DesignView::show() {
    Guard g(exchanging_);
    const Record& rec = session_.record();
    for (const MainControls::Binding& b : c_.bindings) {
        const Field& f = *b.field;
        switch (f.control) {
            case ControlKind::edit: {
                // Only a different text is put in, so the cursor and the undo history
                // of the edit being typed into stay.
                auto* e = static_cast<QLineEdit*>(b.widget);
                const QString v = qs(f.textIn(rec));
                if (e->text() != v) e->setText(v);
                break;
            }
            case ControlKind::label: showResult(static_cast<QLabel*>(b.widget), qs(f.textIn(rec))); break;
            case ControlKind::check: static_cast<QCheckBox*>(b.widget)->setChecked(f.intIn(rec) != 0); break;
            case ControlKind::radio:
                if (QAbstractButton* button = c_.coreGroup->button(f.intIn(rec))) {
                    button->setChecked(true);
                } else {
                    c_.coreGroup->setExclusive(false);
                    for (QAbstractButton* other : c_.coreGroup->buttons()) other->setChecked(false);
                    c_.coreGroup->setExclusive(true);
                }
                break;
            case ControlKind::combo:
            case ControlKind::none: break;
        }
    }
    c_.steel->showGrade(rec.Steel, rec.core);
    c_.steel->showHeating(rec);
    markImpossibleSizes();
    markSupply();
}

void DesignView::showKinds() {
    Guard g(exchanging_);
    if (c_.conductor->count() != static_cast<int>(session_.wireKinds().size())) {
        c_.conductor->clear();
        for (const std::string& k : session_.wireKinds()) c_.conductor->addItem(qs(k));
    }
    c_.conductor->setCurrentIndex(session_.kindIndex());
}

// Every size the core kind cannot work with is marked as soon as it is shown, saying
// what it must be, rather than when "Рассчитать" refuses the first of them.
void DesignView::markImpossibleSizes() {
    const Record& rec = session_.record();
    std::map<std::string_view, QString> why;
    const std::vector<Message> problems = ImpossibleSizes(rec);
    for (const Message& m : problems) {
        const QString sentence = refusalSentence(m);
        why.try_emplace(m.field, sentence);
        if (m.why == Refusal::ringDiameters) why.try_emplace("hst", sentence);  // d as much as D
    }
    // A bobbin derived from impossible sizes comes out below zero: it says their cause.
    if (!problems.empty() && rec.razmery == 0)
        for (std::string_view name : {"hkar", "hkar1", "lkar"})
            if (textToDouble(editOf(c_, name)->text().toStdString()) < 0)
                why.try_emplace(name, refusalSentence(problems.front()));
    for (std::string_view name : {"lst", "hst", "lok", "hok", "hkar", "hkar1", "lkar"}) {
        const auto it = why.find(name);
        markImpossible(editOf(c_, name), it == why.end() ? QString() : it->second);
    }
}

// A mains that never reaches the nominal voltage cannot feed the design: said on U1nom
// as soon as both are typed.
void DesignView::markSupply() {
    const Record& rec = session_.record();
    const bool both = !misread(rec.U1nom).has_value() && !misread(rec.U1max).has_value() && !rec.U1nom.empty() &&
                      !rec.U1max.empty();
    const bool above = both && textToDouble(rec.U1nom) > textToDouble(rec.U1max);
    markImpossible(editOf(c_, "U1nom"),
                   above ? qs(texts::heatingText(texts::HeatingText::nominalAboveMax, uiTextsLang())) : QString());
}

void DesignView::coreLabels() {
    const CorePresentation& p = presentationFor(session_.record().core);
    static_cast<QLabel*>(c_.control(names::lstLabel))->setText(presentationText(p.lstLabel));
    static_cast<QLabel*>(c_.control(names::hstLabel))->setText(presentationText(p.hstLabel));
    static_cast<QLabel*>(c_.control(names::lokLabel))->setText(presentationText(p.lokLabel));
    static_cast<QLabel*>(c_.control(names::hokLabel))->setText(presentationText(p.hokLabel));
    static_cast<QLabel*>(c_.control(names::hkarPrefix))->setText(qs(p.hkarPrefix));
    static_cast<QLabel*>(c_.control(names::hkar1Prefix))->setText(qs(p.hkar1Prefix));
    c_.control("hok")->setVisible(p.hokVisible);
    c_.control("lkar")->setEnabled(p.lkarEnabled);
}

void DesignView::coreHints() {
    const CorePresentation& p = presentationFor(session_.record().core);
    setHint(c_.control("lst"), presentationText(p.lstHint));
    setHint(c_.control("hst"), presentationText(p.hstHint));
    setHint(c_.control("lok"), presentationText(p.lokHint));
}

void DesignView::presentCore() {
    coreLabels();
    coreHints();
    c_.picture->setCore(session_.record().core);
}

void DesignView::startHints() {
    for (const HintText& h : ui::startHints())
        if (QWidget* w = c_.byId(h.id)) setHint(w, hintText(h.text));
    for (int id : kWireDiameterStatics) setHint(c_.byId(id), hintText(kWireDiameterHint));
    for (int id : kWireMassStatics) setHint(c_.byId(id), hintText(kWireMassHint));
}

// The mark says what the secondary was set for; its tip, what the helper came to.
void DesignView::rectifierMarks() {
    const Record& rec = session_.record();
    const texts::Lang lang = uiTextsLang();
    for (int i = 0; i < kSecondaries; ++i) {
        QLabel* mark = c_.rectifierMarks[static_cast<std::size_t>(i)];
        if (!hasRectifier(rec, i)) {
            mark->clear();
            setHint(mark, QString());
            continue;
        }
        const RectifierInputs s = rectifierInputs(rec, i);
        const RectifierDesign d = session_.last() ? session_.last()->rectifiers[static_cast<std::size_t>(i)]
                                                  : RectifierDesign{};
        mark->setText(qs(texts::rectifierMark(s, lang)));
        setHint(mark, qs(texts::rectifierMarkTip(d, s, lang)));
    }
}

// Above the results: why the design cannot work, when it cannot.
void DesignView::banner() {
    const std::optional<Evaluation>& e = session_.last();
    const SteelResult* r = e && e->steel.result ? &*e->steel.result : nullptr;
    if (!r || r->work.feasible) {
        c_.banner->hide();
        return;
    }
    const texts::Lang lang = uiTextsLang();
    QStringList lines{qs(texts::heatingText(texts::HeatingText::cannotWorkHeading, lang))};
    for (SteelReason why : r->work.reasons) lines << qs(texts::steelReason(why, r->work, lang));
    c_.banner->setText(lines.join(QLatin1Char('\n')));
    c_.banner->show();
}

void DesignView::showOutcome() {
    const Evaluation& e = *session_.last();
    c_.comment->setPlainText(commentText(session_.record(), e.run));
    for (const Hint& h : e.run.hints)
        if (const Field* f = findField(h.field))
            if (QWidget* w = c_.byId(f->id)) setHint(w, resultHint(h));
    show();
    rectifierMarks();
    const Record& rec = session_.record();
    c_.diagram->setExtents({rec.ext1, rec.ext2, rec.core, rec.kfree, e.run.overfilled, rec.diag_width, e.run.figures.room});
    c_.picture->setCore(rec.core);
    c_.steel->showOutcome(e.steel);
    banner();
    showStale(false);
}

void DesignView::showStale(bool stale) {
    if (stale == stale_) return;
    stale_ = stale;
    for (const MainControls::Binding& b : c_.bindings)
        if (b.field->role == FieldRole::result && b.widget) grey(b.widget, QPalette::WindowText, stale);
    grey(c_.comment, QPalette::Text, stale);
    c_.steel->setStale(stale);
}

void DesignView::retranslate() {
    c_.steel->retranslate();
    startHints();
    coreLabels();
    coreHints();
    rectifierMarks();
    if (const std::optional<Evaluation>& e = session_.last()) {
        c_.comment->setPlainText(commentText(session_.record(), e->run));
        for (const Hint& h : e->run.hints)
            if (const Field* f = findField(h.field))
                if (QWidget* w = c_.byId(f->id)) setHint(w, resultHint(h));
        banner();
    }
    // The notices of the inputs that are no number.
    for (const MainControls::Binding& b : c_.bindings)
        if (b.field->role == FieldRole::input && b.field->control == ControlKind::edit)
            markIfMisread(static_cast<QLineEdit*>(b.widget));
    markImpossibleSizes();
    markSupply();
}

}  // namespace velmora::ui
