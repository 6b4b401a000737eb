// Design files (*.sav) and the state file: the 39 input fields as key/value lines,
// "key\t= value\r\n", in Windows-1251.
#pragma once

#include <filesystem>
#include <string>

#include "atomic_file.hpp"
#include "record.hpp"

namespace velmora {

// The bytes WriteDesign writes, or why a field cannot be saved:
// Windows-1251 has no code for it, or it holds "key =" of a later field and would
// capture that field's value on reading.
struct DesignText {
    bool ok = false;
    std::string bytes;
    DesignError error;
};
DesignText FormatDesign(const Record& r);

WriteOutcome WriteDesign(const std::filesystem::path& path, const Record& r);

struct ReadOutcome {
    enum Status { ok, cannotOpen, refused } status = cannotOpen;
    FileError error;  // when refused
};

// Sets all 39 input fields from the file; the record is unchanged unless ok. Refused:
// a file over 1 MiB, one with a zero byte before more data (damaged, or no text),
// one with no line setting a field (empty, or another kind of file), and one with a
// core kind outside 0..4.
ReadOutcome ReadDesign(const std::filesystem::path& path, Record& r);

}  // namespace velmora
