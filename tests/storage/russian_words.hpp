// The Russian words of storage's refusals, which the tests look into.
#pragma once

#include <string>

#include "file_error.hpp"
#include "storage_words.hpp"

namespace velmora::testing {

inline std::string said(const FileError& e) { return texts::fileError(e, texts::Lang::ru); }
inline std::string said(const DesignError& e) { return texts::designError(e, texts::Lang::ru); }

}  // namespace velmora::testing
