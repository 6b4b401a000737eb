// CBrevinorDlg: the main window. It binds every control to its field of the design
// record through the field table, runs the calculation and shows what it returns,
// and holds the commands of the buttons and the menu. Its own words go through tr(),
// what the engine returns through ui_texts, and all of them follow a change of the
// language at once. Message boxes and file pickers come in through interfaces, so
// tests answer them.
#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculation.hpp"
#include "language.hpp"
#include "record.hpp"
#include "rectifier_design.hpp"
#include "steels.hpp"
#include "state_file.hpp"
#include "ui_texts.hpp"
#include "undo_history.hpp"

class FilePickers;
class MessageBoxes;
class QAction;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {
struct ListedCore;
}

namespace velmora::ui {

struct DesignSheet;
class CorePicture;
class SteelGroup;
class FillDiagram;

struct DialogOptions {
    std::filesystem::path dataFolder;  // where "Провода.txt" and "ReadMe.txt" are
    // "Velmora.ini": read at start, written at exit; the design, then the language
    // unless it is the default.
    std::filesystem::path stateFile;
    // Where the design pickers start when the state file keeps no folder: the user's
    // documents for an installed program; empty: the current directory.
    std::filesystem::path designFolder;
};

// objectNames of the controls that are no field: the buttons by their command ids,
// the labels that follow the core kind, the comment box, the strip, the picture.
// The state file's key of the designs' folder.
inline constexpr std::string_view kFolderKey = "folder";

namespace names {
inline constexpr const char* calculate = "1";   // "Рассчитать"
inline constexpr const char* exit = "2";        // "Выход"
inline constexpr const char* load = "3";        // "Загрузить"
inline constexpr const char* save = "4";        // "Сохранить"
inline constexpr const char* saveReport = "5";  // "Сохранить в файле"
inline constexpr const char* help = "help";     // menu "Помощь"
inline constexpr const char* about = "about";   // menu "О программе..."
inline constexpr const char* advise = "advise"; // menu "Подобрать сердечник..."
// The menu "Язык / Language"; its items are "lang_" + the language's code.
inline constexpr const char* language = "language";
inline constexpr const char* print = "print";  // menu "Файл"
inline constexpr const char* pdf = "pdf";
inline constexpr const char* undo = "undo";  // menu "Правка"
inline constexpr const char* redo = "redo";
inline constexpr const char* comment = "comment";
inline constexpr const char* diagram = "diagram";
inline constexpr const char* grid = "grid";  // the scroll area of the inputs and results
inline constexpr const char* picture = "picture";
// Labels over the dimension edits and beside the bobbin sizes; each core radio
// button is "core" + its kind ("core0" .. "core4").
inline constexpr const char* lstLabel = "lst_label";
inline constexpr const char* hstLabel = "hst_label";
inline constexpr const char* lokLabel = "lok_label";
inline constexpr const char* hokLabel = "hok_label";
inline constexpr const char* hkarPrefix = "hkar_prefix";
inline constexpr const char* hkar1Prefix = "hkar1_prefix";
}  // namespace names

class CBrevinorDlg : public QDialog {
    Q_OBJECT
public:
    CBrevinorDlg(MessageBoxes& boxes, FilePickers& pickers, DialogOptions options,
                 QWidget* parent = nullptr);
    ~CBrevinorDlg() override;

    // The set-up once the controls exist: the state file, the record shown, the core
    // presentation and the wire kinds. False when the catalogue is incomplete: its
    // message has been shown, and the program ends without writing the state file.
    // Otherwise the first calculation runs once the window is on the screen, and what
    // the start has to say comes with it, after the window: then startFinished().
    bool start();
    bool startPending() const { return startPending_; }

    // Whether the results on screen belong to inputs edited since (shown in grey).
    bool resultsStale() const { return stale_; }

    const Record& record() const { return rec_; }
    const std::vector<std::string>& wireKinds() const { return kinds_; }
    const WireTable& wires() const { return wires_; }

    // Commands.
    RunResult OnCalculate();  // "Рассчитать", Enter
    void OnExit();            // "Выход", Esc, the close box: the state file, then close
    void OnLoad();            // "Загрузить"
    void OnSave();            // "Сохранить"
    void OnSaveReport();      // "Сохранить в файле"
    void OnHelp();
    void OnAbout();
    void OnCoreChanged(int kind);          // a core radio button clicked
    void OnSelchangeConductor(int index);  // a wire kind picked from the list
    void OnRazmery();                      // "Задать размеры каркаса" clicked
    void OnLanguage(Language lang);        // a language picked in the menu
    // "Выпрямитель..." under secondary 0..4: its dialog; "Применить" puts the rectifier
    // into the design and calculates.
    void OnRectifier(int secondary);
    // What the rectifier helper came to in the last calculation.
    const RectifierDesigns& rectifiers() const { return rectifiers_; }
    void OnAdviseCore();                   // "Подобрать сердечник...": the advisor dialog
    void OnDesign();                       // "Спроектировать...": the designer dialog
    RunResult applyDesign(const Record& design);  // the designer's choice, calculated
    // A core of the list put into the window as typing it would, then calculated.
    RunResult applyListedCore(const ListedCore& c);
    void OnUndo();                         // "Отменить", Ctrl+Z: the design before
    void OnRedo();                         // "Повторить", Ctrl+Y: the design undone
    void OnPrint();                        // "Печать...", Ctrl+P
    void OnSavePdf();                      // "Сохранить в PDF..."

    // The design sheet of the inputs on screen, calculated afresh.
    DesignSheet currentSheet();

    // The design file the inputs came from or went to last; empty before any.
    const QString& designFile() const { return designFile_; }

    // Loads a design as "Загрузить" does once a file is chosen, then calculates. A
    // file that cannot be opened changes nothing; `tellIfMissing` says so in a box
    // (a file named on the command line, not one that vanished from the picker).
    void loadDesign(const QString& file, bool tellIfMissing);
    // A request to end the program from outside: the boxes open are closed, then the
    // window closes as with "Выход".
    void closeFromOutside();
    bool closed() const { return closing_; }

signals:
    void startFinished();

protected:
    void reject() override;  // Esc
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;  // a new language: retranslate()

private:
    struct Binding {
        const Field* field;
        QWidget* widget;
    };

    void buildControls();
    // Every text of the window in the present language: the window's own words, the
    // texts the engine and the catalogue give, and the last calculation's comment and
    // tips. The controls' contents are data and stay.
    void retranslate();
    // A text of the window, set by retranslate().
    void keepText(std::function<void()> set) { retranslators_.push_back(std::move(set)); }
    bool prepare();       // start() up to the first calculation
    void finishStart();   // the held messages and the first calculation
    void releaseHeld();
    void showStale(bool stale);
    QWidget* control(std::string_view name) const;
    QWidget* controlById(int id) const;

    // The two exchanges; notifications raised while they run are ignored.
    void takeRecord();
    void showRecord();

    void applyCorePresentation();  // labels, hints, the hidden and disabled edits, picture
    void applyCoreLabels();        // labels, the hidden and disabled edits
    void applyCoreHints();
    void markImpossibleSizes();  // the core and bobbin sizes the kind cannot work with
    void applyDiagram(int overfilled);
    void applyStartHints();
    void applyHints(const std::vector<Hint>& hints);
    bool selectKind(bool atStart);  // the combo box and the size table for Conductor
    void focusCalculate();
    void message(const Message& m);
    void message(const ShownMessage& m);
    void warn(const QString& text);

    // The rectifier buttons and marks under the secondaries' columns, from `row` on.
    void buildRectifierControls(QGridLayout* windings, int row);
    void applyRectifierMarks();
    // A hand edit of U2_i or I2_i detaches the secondary from its rectifier.
    void onSecondaryEdited(int secondary);

    // A dimension edit typed into: derive the bobbin sizes.
    void onDimensionEdited(void (*derive)(Record&));
    void onBobbinEdited();

    // window_commands.cpp: title, unsaved changes, undo, the window's place.
    void buildEditMenu();
    void watchInputs();
    QString programTitle() const;  // the title without a design
    void updateTitle();
    void updateModified();
    void designIsFile(const QString& file);  // loaded from or saved to it
    bool offerToSave();  // false: the window stays open
    void remember();
    void updateUndoActions();
    void restoreDesign(const DesignState& s);
    void placeWindow();
    StateSetting windowSetting() const;
    StateSetting folderSetting() const;
    void restoreFolder();  // the folder of the designs, as the state file keeps it

    MessageBoxes& boxes_;
    FilePickers& pickers_;
    DialogOptions options_;

    Record rec_;
    WireTable wires_;
    std::vector<std::string> kinds_;
    int kindIndex_ = -1;
    bool exchanging_ = false;
    bool started_ = false;
    bool closing_ = false;
    bool startPending_ = false;
    bool stale_ = false;
    bool holding_ = false;        // messages wait in held_ until the window is shown
    std::vector<ShownMessage> held_;
    std::optional<RunResult> lastRun_;  // its comment and tips follow the language
    RectifierDesigns rectifiers_{};
    std::array<QLabel*, kSecondaries> rectifierMarks_{};
    QString designFile_;
    std::map<QString, Record> savedFiles_;  // the inputs each file loaded or saved holds
    bool fromOutside_ = false;  // closing on a request from outside: nothing is asked
    UndoHistory history_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;

    std::vector<Binding> bindings_;
    std::vector<std::function<void()>> retranslators_;
    std::vector<std::pair<Language, QAction*>> languageActions_;
    std::map<std::string, QWidget*, std::less<>> byName_;
    std::map<int, QWidget*> byId_;
    QButtonGroup* coreGroup_ = nullptr;
    QComboBox* conductor_ = nullptr;
    QPlainTextEdit* comment_ = nullptr;
    QPushButton* calculate_ = nullptr;
    CorePicture* picture_ = nullptr;
    SteelGroup* steel_ = nullptr;
    SteelCatalogue steels_;
    SteelOutcome steelOutcome_;  // of the last calculation, for the report
    FillDiagram* diagram_ = nullptr;
};

}  // namespace velmora::ui
