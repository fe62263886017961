#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "parts.hpp"
#include "tools/art/noise.hpp"

namespace kvx {
namespace {

constexpr float kRate = 44100.0f;
constexpr float kTwoPi = 2 * std::numbers::pi_v<float>;
constexpr int kBytesPerFrame = 4;  // two 16-bit channels

struct StereoSample {
    float left, right;
};

// Scales the signal to the given peak and fades its last milliseconds, so
// nothing clips and the sound ends on silence.
std::vector<int16_t> Finish(std::vector<StereoSample> frames, float peak, float fadeSeconds) {
    float loudest = 1e-6f;
    for (const StereoSample& s : frames) loudest = std::max({loudest, std::abs(s.left), std::abs(s.right)});
    const size_t fade = std::min(frames.size(), size_t(fadeSeconds * kRate));
    std::vector<int16_t> samples;
    samples.reserve(frames.size() * 2);
    for (size_t i = 0; i < frames.size(); ++i) {
        const size_t left = frames.size() - i;
        const float gain = peak / loudest * (left < fade ? float(left) / float(fade) : 1.0f);
        samples.push_back(int16_t(std::lround(frames[i].left * gain * 32767.0f)));
        samples.push_back(int16_t(std::lround(frames[i].right * gain * 32767.0f)));
    }
    return samples;
}

// A soft tick: a damped high partial over a short low thump and a breath of noise.
std::vector<int16_t> Click() {
    std::vector<StereoSample> frames(21248 / kBytesPerFrame);
    float noise = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        const float t = float(i) / kRate;
        const float attack = std::min(1.0f, t / 0.0008f);
        noise += 0.35f * ((art::Hash(int(i), 0, 77u) - 0.5f) - noise);  // gently low-passed
        const float tick = std::sin(kTwoPi * 2400 * t) * std::exp(-t / 0.006f);
        const float thump = std::sin(kTwoPi * 640 * t) * std::exp(-t / 0.012f);
        const float value = attack * (0.55f * tick + 0.45f * thump + 0.6f * noise * std::exp(-t / 0.004f));
        frames[i] = {value, value * 0.92f};
    }
    return Finish(std::move(frames), 0.42f, 0.01f);
}

// One bell-like note: a fundamental with a few soft, slightly stretched partials.
float Bell(float t, float frequency, float decay) {
    if (t < 0) return 0;
    const float attack = std::min(1.0f, t / 0.004f);
    const float tone = std::sin(kTwoPi * frequency * t) +
                       0.32f * std::sin(kTwoPi * 2.0f * frequency * t) * std::exp(-t / 0.09f) +
                       0.12f * std::sin(kTwoPi * 3.01f * frequency * t) * std::exp(-t / 0.05f);
    return attack * tone * std::exp(-t / decay);
}

// Two rising notes a fifth apart, the first a little to the left, the second to the right.
std::vector<int16_t> Chime() {
    std::vector<StereoSample> frames(88496 / kBytesPerFrame);
    for (size_t i = 0; i < frames.size(); ++i) {
        const float t = float(i) / kRate;
        const float low = Bell(t, 880.0f, 0.16f), high = Bell(t - 0.13f, 1318.5f, 0.15f);
        frames[i] = {low * 0.9f + high * 0.65f, low * 0.65f + high * 0.9f};
    }
    return Finish(std::move(frames), 0.6f, 0.04f);
}

}  // namespace

void WriteSounds(SkinWriter& out) {
    out.Sound("Button_Click.wav", Click());
    out.Sound("Message_Alert.wav", Chime());
}

}  // namespace kvx
