#include "platform/sdl_audio.hpp"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace kvx {
namespace {

struct Voice {
    SoundPtr sound;
    size_t position = 0;  // in bytes
};

struct Mixer {
    SDL_AudioDeviceID device = 0;
    bool failed = false;
    std::vector<Voice> voices;
};

Mixer& TheMixer() {
    static Mixer mixer;
    return mixer;
}

void Mix(void*, Uint8* stream, int length) {
    std::memset(stream, 0, size_t(length));
    auto* out = reinterpret_cast<int16_t*>(stream);
    const size_t samples = size_t(length) / 2;
    auto& voices = TheMixer().voices;
    for (Voice& voice : voices) {
        const auto* in = reinterpret_cast<const int16_t*>(voice.sound->samples.data() + voice.position);
        const size_t left = (voice.sound->samples.size() - voice.position) / 2;
        const size_t n = std::min(samples, left);
        for (size_t i = 0; i < n; ++i) out[i] = int16_t(std::clamp(int(out[i]) + int(in[i]), -32768, 32767));
        voice.position += n * 2;
    }
    std::erase_if(voices, [](const Voice& v) { return v.position >= v.sound->samples.size(); });
}

bool OpenDevice(Mixer& mixer) {
    if (mixer.device) return true;
    if (mixer.failed) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        mixer.failed = true;
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16LSB;
    want.channels = 2;
    want.samples = 512;
    want.callback = Mix;
    mixer.device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (!mixer.device) {
        mixer.failed = true;
        return false;
    }
    SDL_PauseAudioDevice(mixer.device, 0);
    return true;
}

}  // namespace

void SdlPlay(const SoundPtr& sound) {
    Mixer& mixer = TheMixer();
    if (!sound || sound->samples.empty() || !OpenDevice(mixer)) return;
    SDL_LockAudioDevice(mixer.device);
    mixer.voices.push_back(Voice{sound, 0});
    SDL_UnlockAudioDevice(mixer.device);
}

void SdlCloseAudio() {
    Mixer& mixer = TheMixer();
    if (!mixer.device) return;
    SDL_CloseAudioDevice(mixer.device);
    mixer.device = 0;
    mixer.voices.clear();
}

}  // namespace kvx
