#include "wav_writer.hpp"

#include <fstream>

namespace kvx {
namespace {

void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool WriteStereoWav(const std::string& path, const std::vector<int16_t>& samples, int sampleRate) {
    constexpr int kChannels = 2, kBytesPerSample = 2;
    const uint32_t dataBytes = uint32_t(samples.size() * kBytesPerSample);
    std::string bytes;
    bytes.reserve(44 + dataBytes);
    bytes += "RIFF";
    PutLE(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    PutLE(bytes, 16, 4);  // format chunk size
    PutLE(bytes, 1, 2);   // PCM
    PutLE(bytes, kChannels, 2);
    PutLE(bytes, uint32_t(sampleRate), 4);
    PutLE(bytes, uint32_t(sampleRate * kChannels * kBytesPerSample), 4);
    PutLE(bytes, kChannels * kBytesPerSample, 2);
    PutLE(bytes, 8 * kBytesPerSample, 2);
    bytes += "data";
    PutLE(bytes, dataBytes, 4);
    for (int16_t sample : samples) PutLE(bytes, uint16_t(sample), 2);

    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}

}  // namespace kvx
