// What the main window's parts share: the options it starts with and the objectNames
// of its controls that are no field.
#pragma once

#include <filesystem>
#include <string_view>

namespace velmora::ui {

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
// The banner above the results when the design cannot work.
inline constexpr const char* banner = "cannot_work";
}  // namespace names

}  // namespace velmora::ui
