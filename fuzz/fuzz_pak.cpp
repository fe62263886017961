// An archive file through every reading operation of the pak module: listing, lookup,
// extraction to a directory, and the resource loaders in memory mode. Afterwards nothing may
// exist outside the extraction directories.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
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

// Whatever lands outside out/ and tmp/ adds an entry to the scratch root or to one of the
// directories down to the archive's, so listing those four finds it without walking what was
// extracted.
void CheckNothingEscaped(const Sandbox& box) {
    const std::string& root = kvx::fuzz::ScratchRoot();
    static const std::pair<std::string, std::vector<std::string>> expected[] = {
        {root, {"a"}}, {root + "/a", {"b"}}, {root + "/a/b", {"c"}}, {box.dir, {"in.pak", "out", "tmp"}}};
    for (const auto& [dir, names] : expected) {
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (std::find(names.begin(), names.end(), entry.path().filename()) == names.end()) {
                std::fprintf(stderr, "fuzz_pak: written outside the destination: %s\n", entry.path().c_str());
                std::abort();
            }
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
