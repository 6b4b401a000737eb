// Shared pieces of the fuzz targets: splitting the input, a scratch folder, a plain
// table of wires.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "calculation.hpp"

namespace velmora::fuzz {

// The input cut at a separator byte into at most n parts.
inline std::vector<std::string> split(const std::uint8_t* data, size_t size, char sep, size_t n) {
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        char c = static_cast<char>(data[i]);
        if (c == sep && parts.size() < n) parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

// A folder of this process for the files a target writes.
inline const std::filesystem::path& scratch() {
    static const std::filesystem::path dir = [] {
        auto base = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                        : std::filesystem::temp_directory_path();
        auto d = base / ("velmora-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

inline void writeBytes(const std::filesystem::path& p, std::string_view bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc).write(bytes.data(),
                                                              static_cast<std::streamsize>(bytes.size()));
}

// Copper from 0.1 to 1.95 mm in steps of 0.05, enamel 10 % + 0.01 mm, 8.89 g/cm3.
inline const WireTable& plainWires() {
    static const WireTable w = [] {
        WireTable t;
        for (double d = 0.1; d < 2.0; d += 0.05) {
            t.D.push_back(d);
            t.Diz.push_back(d * 1.1 + 0.01);
            t.S.push_back(d * d * 0.7853981633974483);
            t.M.push_back(8.89 * t.S.back());
        }
        return t;
    }();
    return w;
}

[[noreturn]] inline void broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace velmora::fuzz
