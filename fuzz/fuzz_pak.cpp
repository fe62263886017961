// An archive file through every reading operation of the pak module: listing, lookup,
// extraction to a directory, and the resource loaders in memory mode. Afterwards nothing may
// exist outside the extraction directories.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.hpp"
#include "pak/pak.hpp"
#include "pak/pak_reader.hpp"

namespace {

namespace fs = std::filesystem;

// The archive sits a few levels below the scratch root, so a name climbing out with "../"
// still lands somewhere the check below sees.
struct Sandbox {
    std::string dir = kvx::fuzz::ScratchRoot() + "/a/b/c";
    std::string archive = dir + "/in.pak";
    std::string out = dir + "/out";
    std::string temp = dir + "/tmp";

    Sandbox() {
        fs::create_directories(out);
        fs::create_directories(temp);
        fs::current_path(dir);
        kvx::Pak().TempDir = temp;
    }
};

bool Expected(const fs::path& path, const Sandbox& box) {
    const std::string text = path.string();
    auto below = [&](const std::string& dir) { return text == dir || text.starts_with(dir + "/"); };
    const std::string& root = kvx::fuzz::ScratchRoot();
    return text == root + "/a" || text == root + "/a/b" || text == box.dir || text == box.archive ||
           below(box.out) || below(box.temp);
}

void CheckNothingEscaped(const Sandbox& box) {
    for (const auto& entry : fs::recursive_directory_iterator(kvx::fuzz::ScratchRoot())) {
        if (!Expected(entry.path(), box)) {
            std::fprintf(stderr, "fuzz_pak: written outside the destination: %s\n", entry.path().c_str());
            std::abort();
        }
    }
}

std::vector<std::string> EntryNames(const std::string& archive) {
    std::vector<std::string> names;
    std::optional<kvx::PakReader> reader = kvx::PakReader::Open(archive, true);
    kvx::PakEntry entry;
    while (reader && names.size() < 4 && reader->Next(entry)) {
        names.push_back(entry.name);
        reader->Skip(entry);
    }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Sandbox box;
    kvx::fuzz::WriteWholeFile(box.archive, data, size);
    const std::vector<std::string> names = EntryNames(box.archive);
    const std::string first = names.empty() ? "a.png" : names.front();

    kvx::DirPak(box.archive);
    kvx::IsPacked(box.archive, first);
    kvx::ExtractFile(box.archive, first, box.out);
    kvx::UnpackAll(box.archive, box.out);
    kvx::InitPak(box.archive, 1);
    for (const std::string& name : names) {
        kvx::LoadPakPixmap(name);
        kvx::LoadPakSound(name);
    }
    CheckNothingEscaped(box);

    kvx::fuzz::EmptyDir(box.out);
    kvx::fuzz::EmptyDir(box.temp);
    return 0;
}
