// The group "Сталь и нагрев": the steel grade and the heating inputs (the ambient, the
// insulation class, the impregnation), and what the steel model says of the design on
// the screen (core loss, no-load current, efficiency, rise, hot spot, masses), each
// result with a tool-tip of what it assumes, and the model's warnings in the group.
#pragma once

#include <QGroupBox>
#include <optional>
#include <string>
#include <vector>

#include "figures.hpp"
#include "record.hpp"
#include "steels.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QLabel;

namespace velmora::ui {

class SteelGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit SteelGroup(QWidget* parent = nullptr);

    void setGrades(std::vector<SteelGrade> grades);
    // The grade a record asks for ("" the kind's default), shown for that core kind.
    void showGrade(const std::string& asked, int core);
    // The grade the user chose: "" while the kind's default stands.
    std::string chosenGrade() const;
    // The appended heating inputs of the record, shown and taken back.
    void showHeating(const Record& r);
    void takeHeating(Record& r) const;
    void showOutcome(const SteelOutcome& outcome);  // none: the results are emptied
    void setStale(bool stale);
    void retranslate();  // the language changed: labels, tips and the last outcome

    const std::vector<SteelGrade>& grades() const { return grades_; }

signals:
    void gradeChosen();
    void heatingEdited();  // by the user

private:
    QComboBox* grade_ = nullptr;
    QLabel* gradeLabel_ = nullptr;
    QLabel *ambientLabel_ = nullptr, *insulationLabel_ = nullptr;
    QLineEdit* ambient_ = nullptr;
    QComboBox* insulation_ = nullptr;
    QCheckBox* impregnated_ = nullptr;
    std::string insulationAsked_;  // the record's text, kept while the class shown is its
    // One name and one value per figure of the group (kSteelFigures in the group).
    std::vector<const SteelFigure*> figures_;
    std::vector<QLabel*> names_;
    std::vector<QLabel*> values_;
    QLabel* warnings_ = nullptr;
    std::vector<SteelGrade> grades_;
    std::string defaultGrade_;  // of the kind on the screen
    std::string asked_;         // what the record asked for, kept while no grade shows it
    std::optional<SteelOutcome> last_;
    bool filling_ = false;
};

}  // namespace velmora::ui
