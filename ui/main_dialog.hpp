// CBrevinorDlg: the main window. It binds every control to its field of the design
// record through the field table, runs the calculation and shows what it returns,
// and holds the commands of the buttons and the menu. Message boxes and file pickers
// come in through interfaces, so tests answer them.
#pragma once

#include <QDialog>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calculation.hpp"
#include "record.hpp"
#include "texts.hpp"

class FilePickers;
class MessageBoxes;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora::ui {

class CorePicture;
class FillDiagram;

struct DialogOptions {
    std::filesystem::path dataFolder;  // where "Провода.txt" and "ReadMe.txt" are
    std::filesystem::path stateFile;   // "Velmora.ini": read at start, written at exit
};

// objectNames of the controls that are no field: the buttons by their command ids,
// the labels that follow the core kind, the comment box, the strip, the picture.
namespace names {
inline constexpr const char* calculate = "1";   // "Рассчитать"
inline constexpr const char* exit = "2";        // "Выход"
inline constexpr const char* load = "3";        // "Загрузить"
inline constexpr const char* save = "4";        // "Сохранить"
inline constexpr const char* saveReport = "5";  // "Сохранить в файле"
inline constexpr const char* help = "help";     // menu "Помощь"
inline constexpr const char* about = "about";   // menu "О программе..."
inline constexpr const char* comment = "comment";
inline constexpr const char* diagram = "diagram";
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

private:
    struct Binding {
        const Field* field;
        QWidget* widget;
    };

    void buildControls();
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
    void applyDiagram(int overfilled);
    void applyHints(const std::vector<Hint>& hints);
    bool selectKind(bool atStart);  // the combo box and the size table for Conductor
    void focusCalculate();
    void message(const Message& m);     // worded in the interface's language
    void showBox(const texts::Shown& box);
    void warn(const std::string& text);

    // A dimension edit typed into: derive the bobbin sizes.
    void onDimensionEdited(void (*derive)(Record&));
    void onBobbinEdited();

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
    std::vector<texts::Shown> held_;
    texts::Lang lang_ = texts::Lang::ru;  // of the texts the engine's data is worded in

    std::vector<Binding> bindings_;
    std::map<std::string, QWidget*, std::less<>> byName_;
    std::map<int, QWidget*> byId_;
    QButtonGroup* coreGroup_ = nullptr;
    QComboBox* conductor_ = nullptr;
    QPlainTextEdit* comment_ = nullptr;
    QPushButton* calculate_ = nullptr;
    CorePicture* picture_ = nullptr;
    FillDiagram* diagram_ = nullptr;
};

}  // namespace velmora::ui
