#pragma once
// Short PCM sounds decoded from WAV, each play on a fresh channel.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kvx {

struct Sound {
    int frequency = 0;
    int channels = 0;
    int bitsPerSample = 0;
    std::vector<uint8_t> samples;  // raw PCM as stored in the WAV data chunk
};
using SoundPtr = std::shared_ptr<Sound>;

SoundPtr LoadSound(const std::string& path, int flags = 0);
SoundPtr LoadSoundFromMemory(std::span<const uint8_t> bytes);
void PlaySound(const SoundPtr& sound);
// While off, PlaySound plays nothing (the toolkit's click sounds included); on at start.
void SetSoundsEnabled(bool enabled);
bool SoundsEnabled();

}  // namespace kvx
