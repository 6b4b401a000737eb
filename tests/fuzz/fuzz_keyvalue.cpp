// GetKeyValue on arbitrary bytes: the value is a trimmed run without control bytes,
// and a key that does not stand whole in the text has no value.
#include "fuzz_support.hpp"
#include "textfile.hpp"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    auto parts = fuzz::split(data, size, '\n', 2);
    if (parts.size() < 2 || parts[0].size() > 40) return 0;
    const std::string& key = parts[0];
    const std::string& text = parts[1];
    std::string v = GetKeyValue(text, key);
    if (v.empty()) return 0;
    if (v.front() == ' ' || v.back() == ' ') fuzz::broken("value not trimmed");
    for (unsigned char c : v)
        if (c < 32) fuzz::broken("control byte in a value");
    if (key.empty() || text.find(key) == std::string::npos) fuzz::broken("value of an absent key");
    if (text.find(v) == std::string::npos) fuzz::broken("value not taken from the text");
    return 0;
}
