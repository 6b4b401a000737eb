// Where the state file "Velmora.ini" lives. Start and exit ask the same question
// with the same inputs, so the last inputs come back whatever the current directory.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "file_error.hpp"

namespace velmora {

inline constexpr std::string_view kStateFileName = "Velmora.ini";
inline constexpr std::string_view kConfigFolderName = "Velmora";

struct StateLocationInputs {
    std::filesystem::path dataFolder;  // where "Провода.txt" was found
    std::filesystem::path exeDir;      // the executable's own folder
    std::filesystem::path currentDir;  // the current directory at start
    // The value of an environment variable, nothing when unset.
    std::function<std::optional<std::string>(const char* name)> env;
    // Whether a file can be created in the folder.
    std::function<bool(const std::filesystem::path& folder)> writable;
};

// The inputs of this process: its current directory, its environment and a real
// probe of the folder.
StateLocationInputs ProcessStateLocationInputs(const std::filesystem::path& dataFolder,
                                               const std::filesystem::path& exeDir);

// A portable copy (the data folder is the current directory or the executable's
// folder) whose data folder is writable keeps the state beside its data; an installed
// program keeps it in $XDG_CONFIG_HOME/Velmora, else in ~/.config/Velmora.
std::filesystem::path StateFilePath(const StateLocationInputs& in);

// Creates a probe file in the folder and removes it again.
bool FolderWritable(const std::filesystem::path& folder);

struct FolderOutcome {
    bool ok = false;
    FileError error;  // when !ok
};

// Makes sure the folder the file goes into exists, creating it (and its parents).
FolderOutcome EnsureParentFolder(const std::filesystem::path& file);

}  // namespace velmora
