#include "steel_group.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "steel_texts.hpp"
#include "ui_texts.hpp"

namespace velmora::ui {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

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
        grid->addWidget(names_[k], static_cast<int>(k) + 1, 0);
        grid->addWidget(values_[k], static_cast<int>(k) + 1, 1);
    }
    warnings_ = new QLabel(this);
    warnings_->setObjectName(QStringLiteral("steel_warnings"));
    warnings_->setWordWrap(true);
    QPalette red = warnings_->palette();
    red.setColor(QPalette::WindowText, QColor(190, 0, 0));
    warnings_->setPalette(red);
    grid->addWidget(warnings_, static_cast<int>(values_.size()) + 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    connect(grade_, &QComboBox::activated, this, [this] {
        if (!filling_) emit gradeChosen();
    });
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
    for (std::size_t k = 0; k < names_.size(); ++k)
        names_[k]->setText(qs(texts::figureLabel(figures_[k]->id, lang)));
    if (last_) showOutcome(*last_);
}

}  // namespace velmora::ui
