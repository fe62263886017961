#include <algorithm>

#include "pak/pak.hpp"
#include "pak/pak_console.hpp"
#include "pak/pak_files.hpp"
#include "pak/pak_names.hpp"

namespace kvx {

namespace {

// The archive being written, or the old file it is to replace: never packed into itself.
bool IsTheArchive(const std::string& path) {
    const PakModule& pak = Pak();
    return SameFile(pak.PakStream, path) || SameFile(path, pak.PakPath);
}

std::string ItselfMessage(const std::string& name) { return "[" + name + "] is the pak file itself, skipped !"; }

bool Acceptable(const std::string& path, const std::string& name) {
    if (FileType(path) != kFileRegular) return PakFailure("Unable to read file [" + path + "] !");
    if (!SafeEntryName(name) || !NameReadsBack(name))
        return PakFailure("[" + name + "] cannot be stored under this name, skipped !");
    if (IsTheArchive(path)) return PakFailure(ItselfMessage(name));
    if (FileSize(path) > int64_t(kMaxPakFileSize))
        return PakFailure("[" + name + "] is too large for a pak file, skipped !");
    return true;
}

void ForgetArchive() {
    PakModule& pak = Pak();
    pak.PakStream = nullptr;
    pak.PakPath = "";
    pak.ExtractDir = pak.TempDir;
}

}  // namespace

void CreatePak(const std::string& path) {
    PakModule& pak = Pak();
    if (pak.PakStream) ClosePak();
    pak.PakFault = false;
    // A link named as the archive is followed, like any file the user names.
    pak.PakStream = WriteReplacement(path, AtLink::kFollow);
    if (!pak.PakStream) {
        PakFailure("Unable to create pak file [" + path + "] !");
        return;
    }
    pak.PakPath = path;
    WriteLine(pak.PakStream, ScrambleText(HeldSignature()));
    ConsolePrint("");
    PakMessage("Create pak file [" + path + "] ...");
}

int32_t AddFile(const std::string& path) {
    PakModule& pak = Pak();
    if (!pak.PakStream) {
        Notify("You must create pak before add file !", true);
        pak.PakFault = true;
        return 0;
    }
    const std::string name = NameWithoutDir(path);
    if (!Acceptable(path, name)) return 0;
    std::optional<std::vector<uint8_t>> data = ReadWholeFile(path, kMaxPakFileSize);
    if (!data) {
        PakFailure("Unable to read file [" + path + "] !");
        return 0;
    }
    SeekStream(pak.PakStream, StreamSize(pak.PakStream));
    const auto size = int32_t(data->size());
    PakMessage("Opening file [" + name + "] ...");

    std::optional<std::vector<uint8_t>> block = CompressBank(*data, 9);
    int32_t stored = block ? int32_t(block->size()) : size;
    const int64_t saved = int64_t(size) - stored;
    PakMessage("Packing file [" + name + "] / " + KbText(size) + " Kb => " + KbText(stored) + " Kb / " + KbText(saved) +
               " Kb");
    uint8_t compressed = 1;
    if (saved <= 0) {
        PakWarning("[" + name + "] cannot be compressed !");
        stored = 0;
        compressed = 0;
    }
    PakMessage("Writing file [" + name + "] ...");
    const std::vector<uint8_t>& payload = compressed ? *block : *data;
    WriteLine(pak.PakStream, ScrambleText(name));
    WriteInt(pak.PakStream, size);
    WriteInt(pak.PakStream, stored);
    WriteBytes(pak.PakStream, &compressed, 1);
    WriteBytes(pak.PakStream, payload.data(), payload.size());
    return 0;
}

int32_t AddDir(const std::string& path) {
    const std::string dir = WithSeparator(path);
    std::vector<std::string> names;
    DirPtr listing = ReadDir(dir);
    for (std::string name = NextFile(listing); !name.empty(); name = NextFile(listing)) {
        const std::string path = dir + name;
        // The archive's own temporary is no file of the user's.
        if (name != "." && name != ".." && FileType(path) == kFileRegular && !SameFile(Pak().PakStream, path))
            names.push_back(name);
    }
    CloseDir(listing);
    // Sorted, so the same directory always gives the same archive.
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        // Expected when packing the folder that holds the archive: no mistake.
        if (IsTheArchive(dir + name))
            PakWarning(ItselfMessage(name));
        else
            AddFile(dir + name);
    }
    return 0;
}

bool ClosePak() {
    PakModule& pak = Pak();
    PakMessage("Closing pak file [" + pak.PakPath + "] ...");
    // A cut-off archive never takes the old file's place.
    const bool written = !pak.PakStream || CommitReplacement(pak.PakStream) ||
                         PakFailure("Unable to write pak file [" + pak.PakPath + "] !");
    ForgetArchive();
    return written;
}

void DiscardPak() {
    PakModule& pak = Pak();
    if (pak.PakStream) PakWarning("Pak file [" + pak.PakPath + "] is left as it was !");
    ForgetArchive();  // the dropped stream removes its temporary
}

}  // namespace kvx
