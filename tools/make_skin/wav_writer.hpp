#pragma once
// Minimal PCM WAV output: the 44-byte RIFF header followed by the samples.
#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

// Interleaved 16-bit stereo samples (left, right, ...).
bool WriteStereoWav(const std::string& path, const std::vector<int16_t>& samples, int sampleRate);

}  // namespace kvx
