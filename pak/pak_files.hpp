#pragma once
// The archive's integers, and whole files written through the platform's replacements.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "platform/files.hpp"

namespace kvx {

// The archive's integers: 32 bits, little-endian.
std::array<uint8_t, 4> Int32Bytes(uint32_t value);
uint32_t Int32FromBytes(const uint8_t* bytes);

// The largest file the archive's sizes can describe.
inline constexpr size_t kMaxPakFileSize = size_t(INT32_MAX);

// Writes the parts as the new version of `path` (WriteReplacement): `path` is either the old file
// or the complete new one, and nothing else is ever written.
bool SaveFileSafely(const std::string& path, std::initializer_list<std::span<const uint8_t>> parts, AtLink atLink);

}  // namespace kvx
