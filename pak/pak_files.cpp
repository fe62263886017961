#include "pak/pak_files.hpp"

#include "platform/files.hpp"

namespace kvx {

std::array<uint8_t, 4> Int32Bytes(uint32_t value) {
    return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}

uint32_t Int32FromBytes(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

std::optional<std::vector<uint8_t>> LoadWholeFile(const std::string& path) {
    StreamPtr in = ReadFile(path);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes(size_t(StreamSize(in)));
    const bool complete = ReadBytes(in, bytes.data(), bytes.size()) == bytes.size() && Eof(in);
    CloseStream(in);
    if (!complete) return std::nullopt;
    return bytes;
}

bool SaveFileSafely(const std::string& path, std::initializer_list<std::span<const uint8_t>> parts,
                    int permissions) {
    const std::string temp = path + ".kvx-part";
    DeleteFile(temp);  // never write through whatever already stands under that name
    StreamPtr out = WriteFile(temp);
    if (!out) return false;
    bool ok = true;
    for (std::span<const uint8_t> part : parts) ok = ok && WriteBytes(out, part.data(), part.size());
    ok = CloseStream(out) && ok;
    ok = ok && (permissions < 0 || SetFilePermissions(temp, permissions));
    ok = ok && RenameFile(temp, path);
    if (!ok) DeleteFile(temp);
    return ok;
}

}  // namespace kvx
