#pragma once
// Shared by the fuzz targets: a scratch folder in memory-backed storage, made once per process.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace vx::fuzz {

inline const std::filesystem::path& ScratchDir() {
    static const std::filesystem::path dir = [] {
        std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                         ? "/dev/shm"
                                         : std::filesystem::temp_directory_path();
        std::string pattern = (base / "vxfuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        std::filesystem::path made = pattern;
        std::atexit([] { std::filesystem::remove_all(ScratchDir()); });
        return made;
    }();
    return dir;
}

inline void WriteWhole(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        std::abort();
}

inline std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A property that does not hold: report it and let libFuzzer record the input.
#define VX_FUZZ_CHECK(condition)                                                                   \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

} // namespace vx::fuzz
