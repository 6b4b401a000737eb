// Windows-1251 <-> UTF-8, and the detection of a file's encoding. Text inside the
// program is UTF-8; files are written in Windows-1251. Byte 0x98, which the code page
// leaves unassigned, reads as U+0098 and is written back as 0x98, so every byte string
// survives a read and a write.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

std::string cp1251ToUtf8(std::string_view bytes);
// Nothing when the text holds a character Windows-1251 has no code for (or is not
// valid UTF-8).
std::optional<std::string> utf8ToCp1251(std::string_view utf8);
bool isValidUtf8(std::string_view bytes);
bool fitsCp1251(std::string_view utf8);
// Byte offset of the first character Windows-1251 cannot hold (or of the first
// malformed sequence), npos when the whole text fits.
std::size_t cp1251Misfit(std::string_view utf8);

// A file's bytes as UTF-8 text: the text ends at the first zero byte; it is read as
// UTF-8 when it is valid UTF-8 holding non-ASCII (a leading BOM is dropped), else
// as Windows-1251.
std::string decodeFileText(std::string_view bytes);

}  // namespace velmora
