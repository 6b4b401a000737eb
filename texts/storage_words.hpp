// The words of storage and the catalogue: why a file was not read or written, or a
// folder not made, in the user's language.
#pragma once

#include <string>
#include <system_error>

#include "file_error.hpp"
#include "texts.hpp"

namespace velmora::texts {

// One sentence naming the file (or folder) and the reason, ending with '.'.
std::string fileError(const FileError& e, Lang lang);

// Why a design value cannot be saved: "Значение поля ... нельзя сохранить: ...".
std::string designError(const DesignError& e, Lang lang);

// Why the system refused a file operation: "нет прав на запись", "the disk is full".
std::string systemReason(const std::error_code& ec, Lang lang);

}  // namespace velmora::texts
