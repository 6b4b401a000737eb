// "Спроектировать...": the designer for the loads on the screen. The goal and the
// limits to choose, the best design of every candidate core in a table sortable by
// each column, the trade-off of mass against loss as a chart; a row (a double click,
// "Применить") or a point of the chart (a click) chooses the design for the window.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "designer.hpp"
#include "steel.hpp"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;

namespace velmora::ui {

class ChartView;

struct DesignerInputs {
    Record design;                    // the main window's record as the controls leave it
    WireTable wires;                  // its wire kind's sizes
    std::vector<SteelGrade> grades;   // the steel catalogue
    std::vector<ListedCore> cores;    // the candidates: the built-in series and the user's list
};

class DesignerDialog : public QDialog {
    Q_OBJECT
public:
    explicit DesignerDialog(DesignerInputs in, QWidget* parent = nullptr);

    // The design chosen; set when the dialog was accepted.
    const std::optional<Record>& chosen() const { return chosen_; }
    const DesignOutcome& outcome() const { return outcome_; }
    const std::vector<ListedCore>& cores() const { return in_.cores; }

    void setRequest(const DesignRequest& q);  // the controls set to it
    DesignRequest request() const;            // as the controls stand
    void redesign();                          // the designer run, the table and chart refilled
    void choose(int row);                     // a row of the outcome: chosen, accepted
    int selectedRow() const;                  // of the outcome; -1 none

private:
    void build();
    void fill();

    DesignerInputs in_;
    DesignOutcome outcome_;
    std::optional<Record> chosen_;
    QComboBox* goal_ = nullptr;
    QCheckBox* withinClass_ = nullptr;
    QDoubleSpinBox *hot_ = nullptr, *rise_ = nullptr, *regulation_ = nullptr, *noLoad_ = nullptr,
                   *fill_ = nullptr, *jMin_ = nullptr, *jMax_ = nullptr;
    QTableWidget* table_ = nullptr;
    ChartView* chart_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace velmora::ui
