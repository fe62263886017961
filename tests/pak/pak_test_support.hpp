#pragma once
// Shared pieces of the pak tests: a scratch directory, file helpers, crafted archives.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include "pak/pak.hpp"

namespace kvx::test {

namespace fs = std::filesystem;

inline void WriteText(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::string Int32Text(int32_t value) {
    auto bits = uint32_t(value);
    return {char(bits), char(bits >> 8), char(bits >> 16), char(bits >> 24)};
}

// Names in a directory, without "." and "..".
inline std::set<std::string> Listing(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
}

// Runs `body` in a child process whose address space is capped, so an allocation the size of a
// lying header fails there. True when the child finished normally and `body` returned true.
inline bool RunWithMemoryCap(size_t extraBytes, const std::function<bool()>& body) {
    fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        if (!freopen("/dev/null", "w", stdout)) _exit(2);
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's shadow memory needs more address space than any cap
        std::ifstream statm("/proc/self/statm");
        size_t pages = 0;
        statm >> pages;
        rlimit cap{};
        cap.rlim_cur = cap.rlim_max = pages * size_t(sysconf(_SC_PAGESIZE)) + extraBytes;
        setrlimit(RLIMIT_AS, &cap);
#else
        (void)extraBytes;
#endif
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class PakTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kvx-pak-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        fs::create_directory(dir_ / "temp");
        PakModule& pak = Pak();
        if (pak.PakStream) ClosePak();
        pak.PakPath = "";
        pak.PakInMemory = 0;
        pak.PakMemoryStream = nullptr;
        pak.TempDir = (dir_ / "temp").string();
        pak.ExtractDir = pak.TempDir;
        pak.PakFault = false;
    }
    void TearDown() override {
        if (Pak().PakStream) ClosePak();
        fs::remove_all(dir_);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Put(const std::string& name, const std::string& bytes) const {
        WriteText(dir_ / name, bytes);
        return Path(name);
    }
    std::string MakeDir(const std::string& name) const {
        fs::create_directories(dir_ / name);
        return Path(name);
    }

    // The signature line as CreatePak writes it, CR LF included.
    std::string SignatureLine() const {
        const std::string path = Path("signature.pak");
        CreatePak(path);
        ClosePak();
        std::string text = ReadText(path);
        fs::remove(path);
        return text;
    }

    fs::path dir_;
};

// An archive written byte by byte, so tests can say anything in its headers.
struct CraftedArchive {
    std::string bytes;

    CraftedArchive& Entry(const std::string& name, int32_t size, int32_t stored, uint8_t flag,
                          const std::string& payload) {
        return Line(ScrambleText(name), size, stored, flag, payload);
    }
    CraftedArchive& Line(const std::string& nameLine, int32_t size, int32_t stored, uint8_t flag,
                         const std::string& payload) {
        bytes += nameLine + "\r\n" + Int32Text(size) + Int32Text(stored) + char(flag) + payload;
        return *this;
    }
    CraftedArchive& Raw(const std::string& name, const std::string& content) {
        return Entry(name, int32_t(content.size()), 0, 0, content);
    }
};

}  // namespace kvx::test
