// "Подобрать сердечник...": the user's list of cores with what each gives for the
// design on the screen, ranked; each core with its kind's default grade and induction
// unless the design's are chosen for all; the ranking, the heat limit (the hot spot
// against the insulation class, or a rise) and the margin to choose; cores to enter by
// their sizes, to add (the current one), edit and delete, the list saved at once; a
// core applied to the main window with "Применить" or a double click.
#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <vector>

#include "core_advisor.hpp"
#include "core_list.hpp"
#include "steel.hpp"

class MessageBoxes;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace velmora::ui {

struct AdvisorInputs {
    Record design;                     // the main window's record as the controls leave it
    WireTable wires;                   // its wire kind's sizes
    std::vector<SteelGrade> grades;    // the steel catalogue
    std::filesystem::path listPath;    // the user's "Сердечники.txt"
    std::filesystem::path dataFolder;  // where the example is
};

class AdvisorDialog : public QDialog {
    Q_OBJECT
public:
    AdvisorDialog(MessageBoxes& boxes, AdvisorInputs in, QWidget* parent = nullptr);

    // The core "Применить" chose; set when the dialog was accepted.
    const std::optional<ListedCore>& chosen() const { return chosen_; }
    const std::vector<ListedCore>& cores() const { return cores_; }
    const Advice& advice() const { return advice_; }
    bool listUsable() const { return listOk_; }

    // The commands behind the buttons (the buttons ask for a name or the sizes first).
    // No rise limit: the hot spot against the insulation class. designSteel: the
    // design's grade and Bm on every core, else each kind's own.
    void setLimits(Ranking by, std::optional<double> riseLimit, double marginPct, bool designSteel = false);
    bool designSteel() const;
    bool addCore(const ListedCore& c);     // false: no name or size, or the list was not saved
    bool addCurrent(const QString& name);  // false: no name, or the list was not saved
    bool replaceCore(int index, const ListedCore& c);
    bool deleteCore(int index);
    void applyCore(int index);  // chosen, accepted
    int selectedCore() const;   // the list index of the selected row, -1 none

private:
    void build();
    void readvise();   // the advice anew, the table refilled
    bool save(const std::vector<ListedCore>& next);
    void onNew();
    void onAdd();
    void onEdit();
    void onDelete();
    void onApply();

    MessageBoxes& boxes_;
    AdvisorInputs in_;
    std::vector<ListedCore> cores_;
    bool listOk_ = false;
    Advice advice_;
    std::optional<ListedCore> chosen_;

    QTableWidget* table_ = nullptr;
    QComboBox* ranking_ = nullptr;
    QComboBox* heat_ = nullptr;
    QCheckBox* designSteel_ = nullptr;
    QDoubleSpinBox* rise_ = nullptr;
    QSpinBox* margin_ = nullptr;
    QLabel* summary_ = nullptr;
};

// The core of a design record as a list entry (sizes by the record's number rule).
ListedCore coreOfRecord(const Record& r, const QString& name);

}  // namespace velmora::ui
