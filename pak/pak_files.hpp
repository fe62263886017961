#pragma once
// Whole files in and out, through the platform's streams.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvx {

// The archive's integers: 32 bits, little-endian.
std::array<uint8_t, 4> Int32Bytes(uint32_t value);
uint32_t Int32FromBytes(const uint8_t* bytes);

std::optional<std::vector<uint8_t>> LoadWholeFile(const std::string& path);
// Writes the parts to a file next to `path` and renames it into place only when all of it
// reached the disk, so `path` is either the old file or the complete new one.
// permissions < 0 keeps the default of a new file.
bool SaveFileSafely(const std::string& path, std::initializer_list<std::span<const uint8_t>> parts,
                    int permissions = -1);

}  // namespace kvx
