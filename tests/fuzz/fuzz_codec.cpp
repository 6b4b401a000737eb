// The encodings: decoding never yields invalid UTF-8; Windows-1251 text survives the
// trip through UTF-8 and back.
#include "codec.hpp"
#include "fuzz_support.hpp"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string decoded = decodeFileText(bytes);
    if (!isValidUtf8(decoded)) fuzz::broken("decoded text is not UTF-8");
    if (decoded.find('\0') != std::string::npos) fuzz::broken("zero byte survived");

    std::string utf8 = cp1251ToUtf8(bytes);
    if (!isValidUtf8(utf8)) fuzz::broken("cp1251 decoding gave invalid UTF-8");
    if (auto back = utf8ToCp1251(utf8); back && *back != bytes) fuzz::broken("cp1251 round trip");

    if (isValidUtf8(bytes)) {
        auto encoded = utf8ToCp1251(bytes);
        if (encoded.has_value() != fitsCp1251(bytes)) fuzz::broken("fitsCp1251 disagrees");
        if (encoded && cp1251ToUtf8(*encoded) != bytes) fuzz::broken("UTF-8 round trip");
    }
    return 0;
}
