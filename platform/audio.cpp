#include "platform/audio.hpp"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/backend.hpp"
#include "platform/resources.hpp"

namespace kvx {

namespace {

uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// A RIFF file whose chunks claim more bytes than it holds is refused before the decoder
// allocates what the header says.
bool ChunksFitTheFile(std::span<const uint8_t> bytes) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0) return false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const uint64_t size = Le32(bytes.data() + at + 4);
        if (at + 8 + size > bytes.size()) return false;
        at += 8 + size + (size & 1);
    }
    return true;
}

}  // namespace

// Every sound is converted once, at load, to the mixer's format: 16-bit stereo at 44100 Hz.
SoundPtr LoadSoundFromMemory(std::span<const uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > (size_t(64) << 20) || !ChunksFitTheFile(bytes)) return nullptr;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (!rw) return nullptr;
    SDL_AudioSpec wav;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &wav, &data, &length)) return nullptr;
    SDL_AudioCVT cvt;
    const int built = SDL_BuildAudioCVT(&cvt, wav.format, wav.channels, wav.freq, AUDIO_S16LSB, 2, 44100);
    // A tiny rate converted up to 44100 Hz multiplies the data: refuse what would not fit in
    // about 25 minutes of converted sound rather than allocate gigabytes.
    constexpr size_t kConvertedLimit = size_t(256) << 20;
    SoundPtr sound;
    if (built >= 0 && size_t(length) * size_t(std::max(cvt.len_mult, 1)) <= kConvertedLimit) {
        sound = std::make_shared<Sound>();
        sound->frequency = 44100;
        sound->channels = 2;
        sound->bitsPerSample = 16;
        sound->samples.assign(size_t(length) * size_t(cvt.len_mult), 0);
        std::copy(data, data + length, sound->samples.begin());
        cvt.len = int(length);
        cvt.buf = sound->samples.data();
        if (built == 0 || SDL_ConvertAudio(&cvt) == 0) {
            sound->samples.resize(built == 0 ? length : size_t(cvt.len_cvt));
        } else {
            sound = nullptr;
        }
    }
    SDL_FreeWAV(data);
    return sound;
}

SoundPtr LoadSound(const std::string& path, int) {
    // A sound is never changed once loaded, so the skin's clicks are decoded once for all gadgets.
    return MadeOnceIfEmbedded<SoundPtr>(path, [](const std::string& p) {
        std::vector<uint8_t> bytes;
        return ReadResource(p, bytes, size_t(64) << 20) ? LoadSoundFromMemory(bytes) : nullptr;
    });
}

namespace {
bool g_soundsEnabled = true;
}  // namespace

void PlaySound(const SoundPtr& sound) {
    if (sound && g_soundsEnabled) ActiveBackend().Play(sound);
}

void SetSoundsEnabled(bool enabled) { g_soundsEnabled = enabled; }
bool SoundsEnabled() { return g_soundsEnabled; }

}  // namespace kvx
