#include "steel_group.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "heating_words.hpp"
#include "hints.hpp"
#include "input_marks.hpp"
#include "numtext.hpp"
#include "say.hpp"
#include "steel_texts.hpp"
#include "ui_texts.hpp"
#include "winding_heat.hpp"

namespace velmora::ui {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The class a record's text names (a letter or the limit in °C), -1 none.
int classIndex(const std::string& text) {
    for (std::size_t k = 0; k < kClassLetter.size(); ++k)
        if (text == std::string(1, kClassLetter[k]) || text == std::string(1, static_cast<char>(kClassLetter[k] + 32)) ||
            text == std::to_string(static_cast<int>(kClassLimit[k])))
            return static_cast<int>(k);
    return -1;
}

}  // namespace

SteelGroup::SteelGroup(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("steel_group"));
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    gradeLabel_ = new QLabel(this);
    grade_ = new QComboBox(this);
    grade_->setObjectName(QStringLiteral("Steel"));
    grade_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(gradeLabel_, 0, 0);
    grid->addWidget(grade_, 0, 1);
    // The heating inputs: the appended keys of the design file, named as they are.
    ambientLabel_ = new QLabel(this);
    ambient_ = new QLineEdit(this);
    ambient_->setObjectName(QStringLiteral("Tamb"));
    ambient_->setFixedWidth(ambient_->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12);
    insulationLabel_ = new QLabel(this);
    insulation_ = new QComboBox(this);
    insulation_->setObjectName(QStringLiteral("Insulation"));
    for (std::size_t k = 0; k < kClassLetter.size(); ++k) insulation_->addItem(QString());  // named in retranslate
    impregnated_ = new QCheckBox(this);
    impregnated_->setObjectName(QStringLiteral("Impregnated"));
    ambientLabel_->setWordWrap(true);  // as the figures' names: the column keeps its width
    insulationLabel_->setWordWrap(true);
    grid->addWidget(ambientLabel_, 1, 0);
    grid->addWidget(ambient_, 1, 1);
    grid->addWidget(insulationLabel_, 2, 0);
    grid->addWidget(insulation_, 2, 1);
    grid->addWidget(impregnated_, 3, 0, 1, 2);
    constexpr int kFirstFigureRow = 4;
    for (const SteelFigure& f : kSteelFigures)
        if (f.inGroup) figures_.push_back(&f);
    for (std::size_t k = 0; k < figures_.size(); ++k) {
        names_.push_back(new QLabel(this));
        values_.push_back(new QLabel(this));
        values_[k]->setObjectName(QString::fromLatin1(figures_[k]->control.data(),
                                                      static_cast<qsizetype>(figures_[k]->control.size())));
        values_[k]->setFrameShape(QFrame::StyledPanel);
        values_[k]->setFrameShadow(QFrame::Sunken);
        values_[k]->setAlignment(Qt::AlignCenter);
        values_[k]->setMinimumWidth(values_[k]->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12);
        values_[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // One column, as the totals above it: the window keeps its width on a small
        // screen (the grid scrolls vertically there).
        names_[k]->setWordWrap(true);
        grid->addWidget(names_[k], static_cast<int>(k) + kFirstFigureRow, 0);
        grid->addWidget(values_[k], static_cast<int>(k) + kFirstFigureRow, 1);
    }
    warnings_ = new QLabel(this);
    warnings_->setObjectName(QStringLiteral("steel_warnings"));
    warnings_->setWordWrap(true);
    QPalette red = warnings_->palette();
    red.setColor(QPalette::WindowText, QColor(190, 0, 0));
    warnings_->setPalette(red);
    grid->addWidget(warnings_, static_cast<int>(values_.size()) + kFirstFigureRow, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    connect(grade_, &QComboBox::activated, this, [this] {
        if (!filling_) emit gradeChosen();
    });
    connect(ambient_, &QLineEdit::textEdited, this, [this] {
        markIfMisread(ambient_);
        emit heatingEdited();
    });
    connect(insulation_, &QComboBox::activated, this, &SteelGroup::heatingEdited);
    connect(impregnated_, &QCheckBox::clicked, this, &SteelGroup::heatingEdited);
    retranslate();
}

void SteelGroup::setGrades(std::vector<SteelGrade> grades) {
    grades_ = std::move(grades);
    filling_ = true;
    grade_->clear();
    for (const SteelGrade& g : grades_) grade_->addItem(qs(g.name));
    filling_ = false;
}

void SteelGroup::showGrade(const std::string& asked, int core) {
    asked_ = asked;
    const SteelChoice c = ChooseSteel(grades_, asked, core);
    defaultGrade_ = std::string(defaultSteelGrade(core));
    filling_ = true;
    grade_->setCurrentIndex(c.index);
    filling_ = false;
}

std::string SteelGroup::chosenGrade() const {
    const int k = grade_->currentIndex();
    if (k < 0 || k >= static_cast<int>(grades_.size())) return asked_;
    const std::string& name = grades_[static_cast<std::size_t>(k)].name;
    return name == defaultGrade_ ? std::string() : name;
}

void SteelGroup::showHeating(const Record& r) {
    filling_ = true;
    if (ambient_->text().toStdString() != r.Tamb) ambient_->setText(qs(r.Tamb));
    markIfMisread(ambient_);
    insulationAsked_ = r.Insulation;
    const int k = classIndex(r.Insulation);
    insulation_->setCurrentIndex(k);  // none shown for a text that names no class
    impregnated_->setChecked(r.Impregnated != 0);
    filling_ = false;
}

void SteelGroup::takeHeating(Record& r) const {
    r.Tamb = ambient_->text().toStdString();
    const int k = insulation_->currentIndex();
    // The record's own text stays while it names the class shown ("155" for F).
    r.Insulation = k < 0 || classIndex(insulationAsked_) == k ? insulationAsked_
                                                                : std::string(1, kClassLetter[static_cast<std::size_t>(k)]);
    r.Impregnated = impregnated_->isChecked() ? 1 : 0;
}

void SteelGroup::showOutcome(const SteelOutcome& outcome) {
    last_ = outcome;
    const texts::Lang lang = uiTextsLang();
    const bool shown = outcome.result && outcome.result->status == SteelStatus::ok && outcome.choice.grade;
    QStringList notes;
    for (std::size_t k = 0; k < values_.size(); ++k) {
        const SteelFigure& f = *figures_[k];
        values_[k]->setText(shown ? qs(texts::figureValue(f, *outcome.result)) : QString());
        values_[k]->setToolTip(shown ? qs(texts::figureTip(f.id, *outcome.result, *outcome.choice.grade, lang))
                                     : QString());
        const bool has = shown ? figureShown(f, *outcome.result) : !f.onlyWhenAvailable;
        names_[k]->setVisible(has);
        values_[k]->setVisible(has);
    }
    for (const std::string& note : texts::steelNotes(outcome, lang)) notes << qs(note);
    warnings_->setText(notes.join(QLatin1Char('\n')));
    warnings_->setVisible(!notes.isEmpty() && !notes.join(QString()).isEmpty());
}

void SteelGroup::setStale(bool stale) {
    for (QLabel* v : values_) {
        QPalette p = v->palette();
        p.setColor(QPalette::WindowText, stale ? QColor(128, 128, 128) : palette().color(QPalette::WindowText));
        v->setPalette(p);
    }
}

void SteelGroup::retranslate() {
    const texts::Lang lang = uiTextsLang();
    setTitle(qs(texts::steelGroupTitle(lang)));
    gradeLabel_->setText(qs(texts::steelGradeLabel(lang)));
    grade_->setToolTip(qs(texts::steelGradeTip(lang)));
    ambientLabel_->setText(fieldLabel(*findField("Tamb")));
    insulationLabel_->setText(fieldLabel(*findField("Insulation")));
    impregnated_->setText(fieldLabel(*findField("Impregnated")));
    setHint(ambient_, qs(texts::heatingText(texts::HeatingText::ambientTip, lang)));
    insulation_->setToolTip(qs(texts::heatingText(texts::HeatingText::insulationTip, lang)));
    for (std::size_t k = 0; k < kClassLetter.size(); ++k)
        insulation_->setItemText(static_cast<int>(k), qs(texts::fill(texts::heatingText(texts::HeatingText::insulationOption, lang),
                                                                     {std::string(1, kClassLetter[k]), shortest(kClassLimit[k])})));
    impregnated_->setToolTip(qs(texts::heatingText(texts::HeatingText::impregnatedTip, lang)));
    for (std::size_t k = 0; k < names_.size(); ++k)
        names_[k]->setText(qs(texts::figureLabel(figures_[k]->id, lang)));
    if (last_) showOutcome(*last_);
}

}  // namespace velmora::ui
