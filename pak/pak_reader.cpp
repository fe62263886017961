#include "pak/pak_reader.hpp"

#include "pak/pak.hpp"
#include "pak/pak_console.hpp"
#include "pak/pak_names.hpp"

namespace kvx {

namespace {

bool HasExeExtension(const std::string& path) {
    const std::string name = NameWithoutDir(path);
    const size_t dot = name.rfind('.');
    return dot != std::string::npos && SameNameIgnoringCase(name.substr(dot + 1), "exe");
}

bool SignatureAt(const StreamPtr& stream, int64_t pos, int64_t end) {
    return SeekStream(stream, pos) && ReadsSignature(stream) && StreamPos(stream) <= end;
}

}  // namespace

std::optional<PakReader> PakReader::Open(const std::string& path, bool findAppended) {
    PakModule& pak = Pak();
    pak.PakOffset = 0;
    StreamPtr stream = ReadFile(path);
    if (!stream) {
        PakFailure("Unable to open pak file [" + path + "] !");
        return std::nullopt;
    }
    const int64_t size = StreamSize(stream);
    int64_t start = 0;
    int64_t end = size;
    if (findAppended && (HasExeExtension(path) || !SignatureAt(stream, 0, end))) {
        // The last four bytes hold the executable's own size, where the archive starts.
        int32_t offset = -1;
        end = size - 4;
        if (end < 0 || !SeekStream(stream, end) || !ReadInt(stream, offset) || offset > end) offset = -1;
        start = offset;
        pak.PakOffset = offset < 0 ? 0 : offset;
    }
    if (start < 0 || !SignatureAt(stream, start, end)) {
        Notify("This is not a Vorlath file !", true);
        pak.PakFault = true;
        CloseStream(stream);
        return std::nullopt;
    }
    return PakReader(path, std::move(stream), end);
}

bool PakReader::Fail() {
    damaged_ = true;
    return PakFailure("Pak file [" + path_ + "] is damaged at entry [" + std::to_string(count_) + "] !");
}

bool PakReader::Next(PakEntry& entry) {
    if (damaged_ || StreamPos(stream_) >= end_) return false;
    ++count_;
    std::string line;
    int32_t size = 0;
    int32_t stored = 0;
    uint8_t flag = 0;
    if (!ReadTextLine(stream_, line, kMaxEntryNameLength) || !ReadInt(stream_, size) || !ReadInt(stream_, stored) ||
        ReadBytes(stream_, &flag, 1) != 1 || StreamPos(stream_) > end_)
        return Fail();
    entry = {ScrambleText(line), size, stored, flag};
    if (size < 0 || stored < 0 || flag > 1 || entry.PayloadLength() > end_ - StreamPos(stream_)) return Fail();
    return true;
}

void PakReader::Skip(const PakEntry& entry) { SeekStream(stream_, StreamPos(stream_) + entry.PayloadLength()); }

std::optional<std::vector<uint8_t>> PakReader::ReadPayload(const PakEntry& entry) {
    std::vector<uint8_t> bytes(size_t(entry.PayloadLength()));
    if (ReadBytes(stream_, bytes.data(), bytes.size()) != bytes.size()) {
        Fail();
        return std::nullopt;
    }
    if (!entry.compressed) return bytes;
    std::optional<std::vector<uint8_t>> inflated = UncompressBank(bytes, uint32_t(entry.size));
    if (!inflated) {
        Fail();
        return std::nullopt;
    }
    return inflated;
}

}  // namespace kvx
