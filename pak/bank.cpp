#include <zlib.h>

#include <algorithm>

#include "pak/pak.hpp"
#include "pak/pak_files.hpp"

namespace kvx {

namespace {

// No deflate stream inflates to more than 1032 times its length, so a declared size above that
// is a lie, refused before anything is allocated for it.
constexpr uint64_t kMaxInflateRatio = 1032;

}  // namespace

std::optional<std::vector<uint8_t>> CompressBank(std::span<const uint8_t> buffer, int level) {
    const size_t n = buffer.size();
    if (n > size_t(INT32_MAX)) return std::nullopt;
    std::vector<uint8_t> block(n + n / 10 + 32);
    uLongf length = block.size() - 4;
    if (compress2(block.data() + 4, &length, buffer.data(), buffer.size(), level) != Z_OK) return std::nullopt;
    const std::array<uint8_t, 4> header = Int32Bytes(uint32_t(n));
    std::copy(header.begin(), header.end(), block.begin());
    block.resize(4 + length);
    return block;
}

std::optional<std::vector<uint8_t>> UncompressBank(std::span<const uint8_t> block) {
    if (block.size() < 4) return std::nullopt;
    const uint32_t declared = Int32FromBytes(block.data());
    const uint64_t streamLength = block.size() - 4;
    if (declared > uint32_t(INT32_MAX) || declared > streamLength * kMaxInflateRatio) return std::nullopt;
    std::vector<uint8_t> data(declared);
    uLongf length = declared;
    uLong consumed = streamLength;
    // The stream must fill the buffer exactly and end where the block ends.
    if (uncompress2(data.data(), &length, block.data() + 4, &consumed) != Z_OK || length != declared ||
        consumed != streamLength)
        return std::nullopt;
    return data;
}

}  // namespace kvx
