#include "platform/resources.hpp"

#include <map>
#include <span>

#include "platform/files.hpp"

namespace kvx {
namespace {

std::map<std::string, std::span<const uint8_t>>& Registry() {
    static std::map<std::string, std::span<const uint8_t>> registry;
    return registry;
}

}  // namespace

void RegisterIncbin(const std::string& name, const void* bytes, size_t size) {
    Registry().emplace(name, std::span<const uint8_t>(static_cast<const uint8_t*>(bytes), size));
}

bool IncbinRegistered(const std::string& name) { return Registry().count(name) != 0; }

bool ReadResource(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes) {
    const std::string prefix = kIncbinPrefix;
    if (path.compare(0, prefix.size(), prefix) == 0) {
        auto it = Registry().find(path.substr(prefix.size()));
        if (it == Registry().end() || it->second.size() > maxBytes) return false;
        out.assign(it->second.begin(), it->second.end());
        return true;
    }
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path, maxBytes);
    if (!bytes) return false;
    out = std::move(*bytes);
    return true;
}

}  // namespace kvx
