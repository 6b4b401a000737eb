// Where the user's list of cores lives and how it is kept: beside the state file (the
// data folder of a portable copy, the configuration folder of an installed program),
// made on first use from the example the program ships, written atomically.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "atomic_file.hpp"
#include "core_list.hpp"
#include "state_location.hpp"

namespace velmora {

std::filesystem::path CoreListPath(const StateLocationInputs& in);

struct CoreListOpened {
    CoreList list;
    bool created = false;  // the example was copied to the path just now
    // The copy failed: the list is the example itself, read from the data folder, and
    // saving it will try the path again. The write's reason; none when the example
    // itself could not be read (the list then says why).
    std::optional<FileError> copyError;
};

// Reads the list at `path`; where there is no file yet, first copies the example
// "Сердечники.txt" of `dataFolder` there byte for byte.
CoreListOpened OpenCoreList(const std::filesystem::path& path, const std::filesystem::path& dataFolder);

// Writes the list in Windows-1251, atomically, making its folder when needed.
WriteOutcome SaveCoreList(const std::filesystem::path& path, const std::vector<ListedCore>& cores);

}  // namespace velmora
