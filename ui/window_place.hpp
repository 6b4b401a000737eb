// The main window's place on the screen and the folder of the designs, as the state
// file keeps them.
#pragma once

#include <QDialog>
#include <filesystem>

#include "state_file.hpp"

class FilePickers;

namespace velmora::ui {

// The window sized to its contents (or to the place kept), fitted to the screen.
void placeWindow(QDialog& window, const std::filesystem::path& stateFile);
StateSetting windowSetting(const QDialog& window);

// Kept in the state file as percent-encoded UTF-8, which is ASCII whatever the name.
StateSetting folderSetting(const FilePickers& pickers);
// The folder the state file keeps, else `fallback`, when it exists.
void restoreFolder(FilePickers& pickers, const std::filesystem::path& stateFile, const std::filesystem::path& fallback);

}  // namespace velmora::ui
