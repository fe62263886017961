#pragma once
// Little-endian byte output with back-patching, the shape of every Windows font structure.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvx {

class ByteWriter {
public:
    size_t Size() const { return bytes_.size(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

    void U8(unsigned value) { bytes_.push_back(uint8_t(value)); }
    void U16(unsigned value) {
        U8(value & 0xFF);
        U8(value >> 8 & 0xFF);
    }
    void U32(uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Append(std::span<const uint8_t> data) {
        for (uint8_t byte : data) bytes_.push_back(byte);
    }
    void Text(const std::string& text) {
        for (char c : text) bytes_.push_back(uint8_t(c));
    }
    // Zero-terminated.
    void CText(const std::string& text) {
        Text(text);
        U8(0);
    }
    // Length byte, then the characters (NE name tables); at most 255 characters.
    void CountedText(const std::string& text) {
        const std::string kept = text.substr(0, 255);
        U8(unsigned(kept.size()));
        Text(kept);
    }
    // Exactly width bytes: truncated, or padded with zeros.
    void FixedText(const std::string& text, size_t width) {
        Text(text.substr(0, width));
        Zeros(width - std::min(width, text.size()));
    }
    void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void PadTo(size_t size) { Zeros(size - std::min(size, Size())); }
    void AlignTo(size_t unit) { PadTo((Size() + unit - 1) / unit * unit); }

    void PatchU16(size_t at, unsigned value) {
        bytes_[at] = uint8_t(value & 0xFF);
        bytes_[at + 1] = uint8_t(value >> 8 & 0xFF);
    }
    void PatchU32(size_t at, uint32_t value) {
        PatchU16(at, value & 0xFFFF);
        PatchU16(at + 2, value >> 16);
    }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace kvx
