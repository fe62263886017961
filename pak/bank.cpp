#include <zlib.h>

#include <algorithm>

#include "pak/pak.hpp"
#include "pak/pak_files.hpp"

namespace kvx {

namespace {

// No deflate stream inflates to more than 1032 times its length, so a declared size above that
// is a lie, refused before anything is allocated for it.
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr size_t kFirstOutput = 64 * 1024;

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
    z_stream zlib{};
    if (inflateInit(&zlib) != Z_OK) return std::nullopt;
    zlib.next_in = const_cast<Bytef*>(block.data() + 4);
    zlib.avail_in = uInt(streamLength);
    // The output grows only as the stream fills it, one byte past the declared size at most, so a
    // block pays for what it really holds and inflation stops as soon as it says more.
    std::vector<uint8_t> data;
    int status = Z_OK;
    while (status == Z_OK) {
        if (zlib.total_out == data.size()) {
            if (data.size() > declared) break;
            data.resize(std::min<size_t>(size_t(declared) + 1, std::max(kFirstOutput, data.size() * 2)));
        }
        zlib.next_out = data.data() + zlib.total_out;
        zlib.avail_out = uInt(data.size() - zlib.total_out);
        status = inflate(&zlib, Z_NO_FLUSH);
    }
    // The stream must fill exactly the declared size and end where the block ends.
    const bool whole = status == Z_STREAM_END && zlib.total_out == declared && zlib.avail_in == 0;
    inflateEnd(&zlib);
    if (!whole) return std::nullopt;
    data.resize(declared);
    return data;
}

std::optional<std::vector<uint8_t>> UncompressBank(std::span<const uint8_t> block, uint32_t expectedSize) {
    if (block.size() < 4 || Int32FromBytes(block.data()) != expectedSize) return std::nullopt;
    return UncompressBank(block);
}

}  // namespace kvx
