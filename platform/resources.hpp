#pragma once
// Embedded resources: bytes compiled into the executable, read through "incbin::" + name.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace kvx {

inline constexpr const char* kIncbinPrefix = "incbin::";

// Registering a name twice keeps the first registration.
void RegisterIncbin(const std::string& name, const void* bytes, size_t size);
bool IncbinRegistered(const std::string& name);

// The bytes behind a loader path: a registered "incbin::" entry or a whole file.
// False when the file is missing, unreadable, or larger than maxBytes.
bool ReadResource(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes = size_t(1) << 30);

// make(path), kept and handed out again when path names an embedded resource, whose bytes never
// change; a file may, so it is made afresh. Failures are not kept: a design may name any number
// of missing resources.
template <class Ptr, class Make>
Ptr MadeOnceIfEmbedded(const std::string& path, Make make) {
    if (!path.starts_with(kIncbinPrefix)) return make(path);
    static std::unordered_map<std::string, Ptr> made;
    if (const auto it = made.find(path); it != made.end()) return it->second;
    Ptr result = make(path);
    if (result) made.emplace(path, result);
    return result;
}

}  // namespace kvx
