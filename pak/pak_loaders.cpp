#include <functional>

#include "pak/pak.hpp"
#include "pak/pak_extract.hpp"
#include "pak/pak_names.hpp"

namespace kvx {

namespace {

template <typename Resource>
std::shared_ptr<Resource> LoadFromPak(const std::string& name,
                                      const std::function<std::shared_ptr<Resource>(std::span<const uint8_t>)>& fromBytes,
                                      const std::function<std::shared_ptr<Resource>(const std::string&)>& fromFile) {
    PakModule& pak = Pak();
    if (pak.PakPath.empty() || FileType(pak.PakPath) != kFileRegular) return nullptr;
    pak.ExtractDir = WithSeparator(pak.ExtractDir);
    std::string savedPath;
    if (ExtractEntry(pak.PakPath, name, "", savedPath) != 1) return nullptr;
    if (pak.PakInMemory) {
        StreamPtr memory = std::move(pak.PakMemoryStream);
        pak.PakMemoryStream = nullptr;
        SeekStream(memory, 0);
        std::vector<uint8_t> bytes(size_t(StreamSize(memory)));
        ReadBytes(memory, bytes.data(), bytes.size());
        CloseStream(memory);
        return fromBytes(bytes);
    }
    std::shared_ptr<Resource> resource = fromFile(savedPath);
    DeleteFile(savedPath);
    return resource;
}

}  // namespace

SoundPtr LoadPakSound(const std::string& name, int flags) {
    return LoadFromPak<Sound>(
        name, [](std::span<const uint8_t> bytes) { return LoadSoundFromMemory(bytes); },
        [flags](const std::string& path) { return LoadSound(path, flags); });
}

ImagePtr LoadPakAnimImage(const std::string& name, int cellWidth, int cellHeight, int first, int count, int flags) {
    return LoadFromPak<Image>(
        name,
        [=](std::span<const uint8_t> bytes) {
            PixmapPtr pixmap = LoadPixmapFromMemory(bytes);
            return pixmap ? LoadAnimImage(pixmap, cellWidth, cellHeight, first, count, flags) : nullptr;
        },
        [=](const std::string& path) { return LoadAnimImage(path, cellWidth, cellHeight, first, count, flags); });
}

ImagePtr LoadPakImage(const std::string& name, int flags) {
    return LoadFromPak<Image>(
        name,
        [flags](std::span<const uint8_t> bytes) {
            PixmapPtr pixmap = LoadPixmapFromMemory(bytes);
            return pixmap ? LoadImage(pixmap, flags) : nullptr;
        },
        [flags](const std::string& path) { return LoadImage(path, flags); });
}

PixmapPtr LoadPakPixmap(const std::string& name) {
    return LoadFromPak<Pixmap>(
        name, [](std::span<const uint8_t> bytes) { return LoadPixmapFromMemory(bytes); },
        [](const std::string& path) { return LoadPixmap(path); });
}

}  // namespace kvx
