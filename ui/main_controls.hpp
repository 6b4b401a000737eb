// The controls of the main window and their places, made from the field table: what
// the window binds and shows, by field name and by control id, and the texts of the
// window's own words, set again whenever the language changes.
#pragma once

#include <QCoreApplication>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "record.hpp"
#include "window_names.hpp"

class QButtonGroup;
class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace velmora::ui {

class CorePicture;
class FillDiagram;
class SteelGroup;

class MainControls {
    Q_DECLARE_TR_FUNCTIONS(velmora::ui::CBrevinorDlg)
public:
    struct Binding {
        const Field* field;
        QWidget* widget;  // null for the core kind's radio buttons
    };

    explicit MainControls(QDialog* window);

    QWidget* control(std::string_view name) const;
    QWidget* byId(int id) const;
    // A text of the window, set now and at every change of the language.
    void keepText(std::function<void()> set);
    void retranslate();

    QDialog* window;
    std::vector<Binding> bindings;
    QButtonGroup* coreGroup = nullptr;
    QComboBox* conductor = nullptr;
    QPlainTextEdit* comment = nullptr;
    QLabel* banner = nullptr;
    QPushButton *calculate = nullptr, *load = nullptr, *save = nullptr, *report = nullptr, *exit = nullptr;
    CorePicture* picture = nullptr;
    SteelGroup* steel = nullptr;
    FillDiagram* diagram = nullptr;
    QMenuBar* menu = nullptr;
    std::array<QPushButton*, kSecondaries> rectifierButtons{};
    std::array<QLabel*, kSecondaries> rectifierMarks{};

private:
    void placeRectifierControls(QGridLayout* windings, int row);

    std::map<std::string, QWidget*, std::less<>> byName_;
    std::map<int, QWidget*> byId_;
    std::vector<std::function<void()>> retranslators_;
};

}  // namespace velmora::ui
