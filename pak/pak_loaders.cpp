#include "pak/pak.hpp"
#include "pak/pak_extract.hpp"

namespace kvx {

SoundPtr LoadPakSound(const std::string& name, int /*flags: sounds have none*/) {
    const std::optional<std::vector<uint8_t>> bytes = EntryForLoader(name);
    return bytes ? LoadSoundFromMemory(*bytes) : nullptr;
}

ImagePtr LoadPakAnimImage(const std::string& name, int cellWidth, int cellHeight, int first, int count, int flags) {
    const PixmapPtr pixmap = LoadPakPixmap(name);
    return pixmap ? LoadAnimImage(pixmap, cellWidth, cellHeight, first, count, flags) : nullptr;
}

ImagePtr LoadPakImage(const std::string& name, int flags) {
    PixmapPtr pixmap = LoadPakPixmap(name);
    return pixmap ? LoadImage(std::move(pixmap), flags) : nullptr;
}

PixmapPtr LoadPakPixmap(const std::string& name) {
    const std::optional<std::vector<uint8_t>> bytes = EntryForLoader(name);
    return bytes ? LoadPixmapFromMemory(*bytes) : nullptr;
}

}  // namespace kvx
