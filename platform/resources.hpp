#pragma once
// Embedded resources: bytes compiled into the executable, read through "incbin::" + name.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvx {

inline constexpr const char* kIncbinPrefix = "incbin::";

// Registering a name twice keeps the first registration.
void RegisterIncbin(const std::string& name, const void* bytes, size_t size);
bool IncbinRegistered(const std::string& name);

// The bytes behind a loader path: a registered "incbin::" entry or a whole file.
// False when the file is missing, unreadable, or larger than maxBytes.
bool ReadResource(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes = size_t(1) << 30);

}  // namespace kvx
