// The wire catalogue: the kind list "Провода.txt" and one size file per kind,
// found in the data folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calculation.hpp"

namespace velmora {

inline constexpr std::string_view kKindListFile = "Провода.txt";

// The data folder: where "Провода.txt" is, looked up in the current directory, then
// in exeDir, then in the installed data folder (exeDir/../share/velmora).
std::optional<std::filesystem::path> FindDataFolder(const std::filesystem::path& exeDir);

struct WireKinds {
    bool ok = false;
    std::vector<std::string> names;  // sorted case-insensitively
    Message message;                 // why the program cannot go on, when !ok
};

// Reads the kind list of the folder and (with `check`) checks that every kind's size
// file exists and is sound. Any failure (no list, no kind, a missing or refused size
// file) is !ok. A single calculation needs only the list and its own kind's file.
enum class SizeFiles { check, unread };
WireKinds LoadWireKinds(const std::filesystem::path& folder, SizeFiles sizeFiles = SizeFiles::check);

struct WireSizes {
    bool ok = false;
    WireTable table;
    Message message;  // what is wrong, when !ok (file missing or refused)
};

// Reads "<folder>/<kind>.txt" into a size table. Refuses a table without entries, with
// copper diameters not strictly ascending or below 0.001 mm, a diameter over the
// enamel below the copper one, a negative mass, or a value that is no finite number:
// the message names the file and the entry.
WireSizes LoadWireSizes(const std::filesystem::path& folder, const std::string& kind);

struct KindSelection {
    int index = -1;            // entry of names selected
    std::string conductor;     // the full name of that entry
    std::optional<Message> message;  // when Conductor matched no entry
};

// The first entry that begins with conductor (case-insensitive); when none does, the
// first kind, with a message saying which kind was missing and which one is used.
KindSelection SelectKind(const std::vector<std::string>& names, const std::string& conductor);

// The American Wire Gauge of a copper diameter in mm: the nearest gauge by the
// gauge's definition (ASTM B258: No. 36 is 0.0050 in, No. 0000 is 0.4600 in, 39
// geometric steps between them), or 0 when the diameter lies more than 4 % from it.
// Neighbouring gauges differ by 12 %, so 4 % takes rounded table values and nothing
// else. The size files of the kinds named "AWG ..." get a gauge for every entry.
int AwgGauge(double copper_mm);

// Lower-case of Latin and Cyrillic letters (Ё included), for comparisons.
std::string lowerCase(std::string_view utf8);

}  // namespace velmora
