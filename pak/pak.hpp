#pragma once
// The pak archive: files packed into one zlib-compressed archive, read back as files or resources,
// and an archive appended to an executable. One current archive at a time, in module-wide state.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/audio.hpp"
#include "platform/files.hpp"
#include "platform/image.hpp"
#include "platform/pixmap.hpp"

namespace kvx {

struct PakModule {
    StreamPtr PakStream;        // the archive being written between CreatePak and ClosePak, a replacement
    std::string PakPath;        // the current archive (CreatePak, InitPak)
    uint8_t PakInMemory = 0;    // 1: ExtractFile keeps the entry in memory rather than writing it
    StreamPtr PakMemoryStream;  // the last entry extracted in memory mode
    std::string TempDir;        // TEMP, else TMPDIR, else /tmp
    std::string ExtractDir;     // where the last extraction wrote
    int32_t PakOffset = 0;      // start of the archive inside an executable
    // Set when an operation met a damaged archive, refused a file or failed to write.
    // CreatePak, MergePak and every reading operation clear it when they start.
    bool PakFault = false;
};
PakModule& Pak();

void CreatePak(const std::string& path);
int32_t AddFile(const std::string& path);  // always 0
int32_t AddDir(const std::string& path);   // always 0; subdirectories are not entered
// The archive is written beside its path and takes the place of any old file there only here, once
// complete; false when it could not be written, and the old file is then as it was.
bool ClosePak();
// Drops the archive being written: the file at its path stays as it was.
void DiscardPak();
bool MergePak(const std::string& pakPath, const std::string& exePath);  // false: the executable is untouched
void InitPak(const std::string& path, uint8_t inMemory);

int32_t IsPacked(const std::string& pakPath, const std::string& name);
int32_t DirPak(const std::string& pakPath);  // always 0
int32_t ExtractFile(const std::string& pakPath, const std::string& name, const std::string& destDir);
int32_t UnpackAll(const std::string& pakPath, const std::string& destDir);  // always 0

// Resources out of the archive chosen by InitPak, decoded in memory whatever PakInMemory says;
// null when it has no such entry.
SoundPtr LoadPakSound(const std::string& name, int flags = 0);
ImagePtr LoadPakAnimImage(const std::string& name, int cellWidth, int cellHeight, int first, int count, int flags = -1);
ImagePtr LoadPakImage(const std::string& name, int flags = -1);
PixmapPtr LoadPakPixmap(const std::string& name);

// Every byte XOR the text's length: applying it twice gives the text back.
std::string ScrambleText(const std::string& text);

// A block is the int32 uncompressed size followed by the zlib stream.
std::optional<std::vector<uint8_t>> CompressBank(std::span<const uint8_t> buffer, int level);
// Null when the block is damaged or does not inflate to exactly its declared size. Memory follows
// what the stream really produces, never more than one byte past the declared size.
std::optional<std::vector<uint8_t>> UncompressBank(std::span<const uint8_t> block);
// Also null when the block declares any size but expectedSize (an entry's), before inflating.
std::optional<std::vector<uint8_t>> UncompressBank(std::span<const uint8_t> block, uint32_t expectedSize);

}  // namespace kvx
