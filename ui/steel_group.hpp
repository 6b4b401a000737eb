// The group "Сталь и нагрев": the steel grade and what the steel model says of the
// design on the screen (core loss, no-load current, efficiency, rise, masses), each
// result with a tool-tip of what it assumes, and the model's warnings in the group.
#pragma once

#include <QGroupBox>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "steels.hpp"

class QComboBox;
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
    void showOutcome(const SteelOutcome& outcome);  // none: the results are emptied
    void setStale(bool stale);
    void retranslate();  // the language changed: labels, tips and the last outcome

    const std::vector<SteelGrade>& grades() const { return grades_; }

signals:
    void gradeChosen();

private:
    QComboBox* grade_ = nullptr;
    QLabel* gradeLabel_ = nullptr;
    std::array<QLabel*, 8> names_{};
    std::array<QLabel*, 8> values_{};
    QLabel* warnings_ = nullptr;
    std::vector<SteelGrade> grades_;
    std::string defaultGrade_;  // of the kind on the screen
    std::string asked_;         // what the record asked for, kept while no grade shows it
    std::optional<SteelOutcome> last_;
    bool filling_ = false;
};

}  // namespace velmora::ui
