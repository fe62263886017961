#include "platform/resources.hpp"

#include <cstdio>
#include <map>
#include <span>

namespace kvx {
namespace {

std::map<std::string, std::span<const uint8_t>>& Registry() {
    static std::map<std::string, std::span<const uint8_t>> registry;
    return registry;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(file) : -1;
    ok = ok && size >= 0 && size_t(size) <= maxBytes && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        out.resize(size_t(size));
        ok = std::fread(out.data(), 1, out.size(), file) == out.size();
    }
    std::fclose(file);
    return ok;
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
    return ReadWholeFile(path, out, maxBytes);
}

}  // namespace kvx
