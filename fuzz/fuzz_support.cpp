#include "fuzz/fuzz_support.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace kvx::fuzz {

const std::string& ScratchRoot() {
    static const std::string root = [] {
        // Memory-backed when the system has it: the file targets write and remove files per input.
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "kvx-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    static const bool removedAtExit = [] {
        std::atexit([] { std::filesystem::remove_all(root); });
        return true;
    }();
    (void)removedAtExit;
    return root;
}

void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) std::abort();
}

void EmptyDir(const std::string& dir) {
    for (const auto& entry : std::filesystem::directory_iterator(dir)) std::filesystem::remove_all(entry.path());
}

}  // namespace kvx::fuzz
