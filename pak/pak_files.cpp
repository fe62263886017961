#include "pak/pak_files.hpp"

namespace kvx {

std::array<uint8_t, 4> Int32Bytes(uint32_t value) {
    return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}

uint32_t Int32FromBytes(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

bool SaveFileSafely(const std::string& path, std::initializer_list<std::span<const uint8_t>> parts, AtLink atLink) {
    const StreamPtr out = WriteReplacement(path, atLink);
    bool written = out != nullptr;
    for (std::span<const uint8_t> part : parts) written = written && WriteBytes(out, part.data(), part.size());
    return written && CommitReplacement(out);  // a stream dropped uncommitted removes its temporary
}

}  // namespace kvx
