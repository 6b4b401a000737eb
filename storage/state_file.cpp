#include "state_file.hpp"

#include <optional>

#include "design_file.hpp"
#include "textfile.hpp"

namespace velmora {
namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

// The value of the line when it sets the key, else nothing.
std::optional<std::string_view> setting(std::string_view line, std::string_view key) {
    size_t k = 0;
    while (k < line.size() && blank(line[k])) ++k;
    if (line.substr(k, key.size()) != key) return std::nullopt;
    k += key.size();
    while (k < line.size() && blank(line[k])) ++k;
    if (k >= line.size() || line[k] != '=') return std::nullopt;
    std::string_view value = line.substr(k + 1);
    while (!value.empty() && blank(value.front())) value.remove_prefix(1);
    while (!value.empty() && blank(value.back())) value.remove_suffix(1);
    return value;
}

}  // namespace

WriteOutcome WriteState(const std::filesystem::path& path, const Record& r,
                        std::span<const StateSetting> settings) {
    DesignText d = FormatDesign(r);
    if (!d.ok) return WriteDesign(path, r);  // refused, with the design's own reason
    for (const StateSetting& s : settings) {
        d.bytes += s.key;
        d.bytes += "\t= ";
        for (char c : s.value) d.bytes += static_cast<unsigned char>(c) < 32 ? ' ' : c;
        d.bytes += "\r\n";
    }
    return WriteFileAtomic(path, d.bytes);
}

std::string ReadStateSetting(const std::filesystem::path& path, std::string_view key) {
    const TextFile file = ReadTextFile(path);
    if (file.status != TextFile::ok || key.empty()) return {};
    const std::string_view text = file.text;
    for (size_t pos = 0; pos < text.size();) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        if (auto v = setting(text.substr(pos, end - pos), key)) return std::string(*v);
        pos = end + 1;
    }
    return {};
}

}  // namespace velmora
