#pragma once
// A small mixer on one SDL audio device: every play is a new voice (internal).
#include "platform/audio.hpp"

namespace kvx {
// Starts the sound on a fresh voice; without an audio device it is silently skipped.
void SdlPlay(const SoundPtr& sound);
void SdlCloseAudio();
}  // namespace kvx
