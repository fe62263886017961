#include <algorithm>

#include "pak/pak.hpp"
#include "pak/pak_console.hpp"
#include "pak/pak_files.hpp"
#include "pak/pak_names.hpp"

namespace kvx {

namespace {

bool StartsWithSignature(const std::vector<uint8_t>& bytes) {
    // A longer first line cannot be the signature anyway.
    const size_t lineEnd = std::min(bytes.size(), HeldSignature().size() + 2);
    return ReadsSignature(OpenMemoryStream({bytes.begin(), bytes.begin() + ptrdiff_t(lineEnd)}));
}

bool MergeFailed(const std::string& why, const std::string& exePath) {
    if (!why.empty()) PakWarning(why);
    return PakFailure("Merge failed, [" + exePath + "] is unchanged !");
}

}  // namespace

bool MergePak(const std::string& pakPath, const std::string& exePath) {
    Pak().PakFault = false;
    ConsolePrint("");
    PakMessage("Loading exe file [" + exePath + "] ...");
    if (FileSize(exePath) > int64_t(kMaxPakFileSize))
        return MergeFailed("[" + exePath + "] is too large to carry a pak file !", exePath);
    std::optional<std::vector<uint8_t>> exe = ReadWholeFile(exePath, kMaxPakFileSize);
    if (!exe) return MergeFailed("Unable to read file [" + exePath + "] !", exePath);
    std::optional<std::vector<uint8_t>> archive = ReadWholeFile(pakPath, kMaxPakFileSize);
    if (!archive) return MergeFailed("Unable to read file [" + pakPath + "] !", exePath);
    if (!StartsWithSignature(*archive)) {
        Notify("This is not a Vorlath file !", true);
        return MergeFailed("", exePath);
    }
    PakMessage("Loading pak file [" + pakPath + "] ...");

    PakMessage("Creating output file ...");
    const std::array<uint8_t, 4> trailer = Int32Bytes(uint32_t(exe->size()));  // where the archive starts
    // The executable is replaced only by a complete merged file; a link to it stays a link.
    if (!SaveFileSafely(exePath, {*exe, *archive, trailer}, AtLink::kFollow))
        return MergeFailed("Unable to write file [" + exePath + "] !", exePath);
    PakMessage("Merge completed !");
    return true;
}

}  // namespace kvx
