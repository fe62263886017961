#pragma once
// Reading an archive entry by entry. Every size is checked against the bytes the file really
// holds before anything is skipped or allocated, so a damaged archive stops with a warning.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.hpp"

namespace kvx {

struct PakEntry {
    std::string name;  // unscrambled
    int32_t size = 0;  // uncompressed
    int32_t stored = 0;
    uint8_t compressed = 0;
    int64_t PayloadLength() const { return compressed ? stored : size; }
};

class PakReader {
public:
    // Checks the signature; null (after a warning or notification) when it is not an archive.
    // findAppended also finds an archive appended to an executable: always for an ".exe" path,
    // otherwise when the file does not start with the signature.
    static std::optional<PakReader> Open(const std::string& path, bool findAppended);
    ~PakReader() { CloseStream(stream_); }
    PakReader(PakReader&&) = default;
    PakReader& operator=(PakReader&&) = default;

    // The next entry's header; false at the end, or with a warning when the entry is damaged.
    bool Next(PakEntry& entry);
    void Skip(const PakEntry& entry);
    // The entry's bytes, inflated when compressed; null with a warning when damaged.
    std::optional<std::vector<uint8_t>> ReadPayload(const PakEntry& entry);
    bool Damaged() const { return damaged_; }

private:
    PakReader(std::string path, StreamPtr stream, int64_t end)
        : path_(std::move(path)), stream_(std::move(stream)), end_(end) {}
    bool Fail();

    std::string path_;
    StreamPtr stream_;
    int64_t end_;  // where the entries stop: the file's end, or the appended archive's trailer
    int count_ = 0;
    bool damaged_ = false;
};

}  // namespace kvx
