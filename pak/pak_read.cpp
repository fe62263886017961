#include "pak/pak.hpp"
#include "pak/pak_console.hpp"
#include "pak/pak_extract.hpp"
#include "pak/pak_files.hpp"
#include "pak/pak_names.hpp"
#include "pak/pak_reader.hpp"

namespace kvx {

namespace {

std::optional<PakReader> OpenForReading(const std::string& pakPath, bool findAppended) {
    Pak().PakFault = false;
    return PakReader::Open(pakPath, findAppended);
}

void ChooseExtractDir(const std::string& destDir) {
    PakModule& pak = Pak();
    pak.ExtractDir = WithSeparator(!destDir.empty() && FileType(destDir) == kFileDirectory ? destDir : pak.TempDir);
}

bool Writable(const PakEntry& entry) {
    return SafeEntryName(entry.name) || PakFailure("[" + entry.name + "] is not a safe file name, skipped !");
}

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    // A link under the entry's name is replaced, never written through.
    return SaveFileSafely(path, {bytes}, AtLink::kReplace) || PakFailure("Unable to write file [" + path + "] !");
}

}  // namespace

void InitPak(const std::string& path, uint8_t inMemory) {
    PakModule& pak = Pak();
    ConsolePrint("");
    if (FileType(path) == kFileRegular) {
        pak.PakPath = path;
        pak.PakInMemory = inMemory;
        PakMessage("Reading pak file [" + path + "] ...");
    } else {
        pak.PakPath = "";
        PakMessage("Unable to init pak file [" + path + "] !");
    }
}

int32_t IsPacked(const std::string& pakPath, const std::string& name) {
    std::optional<PakReader> reader = OpenForReading(pakPath, false);
    if (!reader) return 0;
    ConsolePrint("");
    PakEntry entry;
    for (int counter = 1; reader->Next(entry); ++counter) {
        if (SameNameIgnoringCase(entry.name, name)) {
            PakMessage("The file [" + name + "] is packed !");
            return 1;
        }
        reader->Skip(entry);
        PakMessage("Skiping file [" + std::to_string(counter) + "] : [" + entry.name + "] / Statut : Ok");
    }
    if (!reader->Damaged()) PakWarning("The file  [" + name + "] is not packed !");
    return 0;
}

int32_t DirPak(const std::string& pakPath) {
    std::optional<PakReader> reader = OpenForReading(pakPath, false);
    if (!reader) return 0;
    ConsolePrint("");
    PakEntry entry;
    int count = 0;
    while (reader->Next(entry)) {
        PakMessage("Dir pak [" + entry.name + "] / " + KbText(entry.size) + " Kb => " + KbText(entry.stored) + " Kb");
        reader->Skip(entry);
        ++count;
    }
    if (!reader->Damaged()) PakMessage("There is " + std::to_string(count) + " files under [" + pakPath + "]");
    return 0;
}

namespace {

struct FoundEntry {
    std::string name;  // as stored, which may differ in case from the name asked for
    std::vector<uint8_t> bytes;
};

// The first entry named `name` ignoring ASCII case; when it is to be written to a folder, only an
// entry whose stored name is safe there counts.
std::optional<FoundEntry> FindEntry(const std::string& pakPath, const std::string& name, bool toFolder) {
    std::optional<PakReader> reader = OpenForReading(pakPath, true);
    if (!reader) return std::nullopt;
    PakEntry entry;
    while (reader->Next(entry)) {
        if (!SameNameIgnoringCase(entry.name, name) || (toFolder && !Writable(entry))) {
            reader->Skip(entry);
            continue;
        }
        std::optional<std::vector<uint8_t>> bytes = reader->ReadPayload(entry);
        if (!bytes) return std::nullopt;
        return FoundEntry{entry.name, std::move(*bytes)};
    }
    return std::nullopt;
}

}  // namespace

int32_t ExtractFile(const std::string& pakPath, const std::string& name, const std::string& destDir) {
    PakModule& pak = Pak();
    ChooseExtractDir(destDir);
    std::optional<FoundEntry> found = FindEntry(pakPath, name, !pak.PakInMemory);
    if (!found) return 0;
    if (pak.PakInMemory) {
        pak.PakMemoryStream = OpenMemoryStream(std::move(found->bytes));
    } else if (!Save(pak.ExtractDir + found->name, found->bytes)) {
        return 0;
    }
    PakMessage("Unpacking file [" + name + "] ...");
    return 1;
}

std::optional<std::vector<uint8_t>> EntryForLoader(const std::string& name) {
    PakModule& pak = Pak();
    if (pak.PakPath.empty() || FileType(pak.PakPath) != kFileRegular) return std::nullopt;
    ChooseExtractDir("");
    std::optional<FoundEntry> found = FindEntry(pak.PakPath, name, false);
    if (!found) return std::nullopt;
    PakMessage("Unpacking file [" + name + "] ...");
    return std::move(found->bytes);
}

int32_t UnpackAll(const std::string& pakPath, const std::string& destDir) {
    PakModule& pak = Pak();
    ChooseExtractDir(destDir);
    std::optional<PakReader> reader = OpenForReading(pakPath, true);
    if (!reader) return 0;
    PakEntry entry;
    while (reader->Next(entry)) {
        if (!Writable(entry)) {
            reader->Skip(entry);
            continue;
        }
        std::optional<std::vector<uint8_t>> bytes = reader->ReadPayload(entry);
        if (!bytes || !Save(pak.ExtractDir + entry.name, *bytes)) break;
        PakMessage("Unpacking file [" + entry.name + "] ...");
    }
    return 0;
}

}  // namespace kvx
