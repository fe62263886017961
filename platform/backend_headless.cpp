// The headless backend: no window; input comes from a script, time from the test.
#include <deque>
#include <functional>
#include <variant>

#include "platform/backend.hpp"
#include "platform/headless.hpp"
#include "platform/headless_state.hpp"

namespace kvx {
namespace {

struct Move { int x, y; };
struct Button { int button; bool down; };
struct WheelStep { int steps; };
struct Key { int key; bool down; };
struct Char { int code; };
struct Close {};
using Event = std::variant<Move, Button, WheelStep, Key, Char, Close>;

struct HeadlessState {
    std::vector<DisplayMode> modes = headless::DefaultModes();
    std::deque<Event> pending;
    int clock = 0;
    int clockStep = 0;
    int frames = 0;
    int sounds = 0;
    bool pointerVisible = true;
    std::function<void(int)> hook;
};

HeadlessState& State() {
    static HeadlessState state;
    return state;
}

void Apply(InputState& input, const Event& event) {
    std::visit(
        [&input](const auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, Move>) {
                input.mouseX = e.x;
                input.mouseY = e.y;
            } else if constexpr (std::is_same_v<T, Button>) {
                e.down ? input.PressButton(e.button) : input.ReleaseButton(e.button);
            } else if constexpr (std::is_same_v<T, WheelStep>) {
                input.mouseZ += e.steps;
            } else if constexpr (std::is_same_v<T, Key>) {
                e.down ? input.PressKey(e.key) : input.ReleaseKey(e.key);
            } else if constexpr (std::is_same_v<T, Char>) {
                input.Type(e.code);
            } else {
                input.terminate = true;
            }
        },
        event);
}

class Headless final : public DisplayBackend {
public:
    std::vector<DisplayMode> Modes() override { return State().modes; }
    bool Open(int, int, int, int) override { return true; }
    void Close() override {}
    void Present(const BackBuffer&) override {
        HeadlessState& s = State();
        ++s.frames;
        s.clock += s.clockStep;
        if (s.hook) {
            auto hook = s.hook;  // the hook may replace itself
            hook(s.frames);
        }
    }
    void SetSwapInterval(int) override {}
    void PumpEvents(InputState& input) override {
        auto& pending = State().pending;
        while (!pending.empty()) {
            Apply(input, pending.front());
            pending.pop_front();
        }
    }
    void SetPointerVisible(bool visible) override { State().pointerVisible = visible; }
    void WarpPointer(InputState& input, int x, int y) override {
        PumpEvents(input);
        input.mouseX = x;
        input.mouseY = y;
    }
    void Play(const SoundPtr& sound) override {
        if (sound) ++State().sounds;
    }
};

}  // namespace

DisplayBackend& HeadlessBackend() {
    static Headless backend;
    return backend;
}

int HeadlessClock() { return State().clock; }

namespace headless {

std::vector<DisplayMode> DefaultModes() {
    std::vector<DisplayMode> modes;
    for (auto [w, h] : {std::pair{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}}) {
        for (int depth : {16, 24, 32}) modes.push_back({w, h, depth, 60});
    }
    return modes;
}

void SetModes(std::vector<DisplayMode> modes) { State().modes = std::move(modes); }
void MoveMouse(int x, int y) { State().pending.push_back(Move{x, y}); }
void PressMouse(int button) { State().pending.push_back(Button{button, true}); }
void ReleaseMouse(int button) { State().pending.push_back(Button{button, false}); }
void Wheel(int steps) { State().pending.push_back(WheelStep{steps}); }
void PressKey(int key) { State().pending.push_back(Key{key, true}); }
void ReleaseKey(int key) { State().pending.push_back(Key{key, false}); }
void TypeChar(int code) { State().pending.push_back(Char{code}); }
void RequestClose() { State().pending.push_back(Close{}); }
void SetClock(int ms) { State().clock = ms; }
void AdvanceClock(int ms) { State().clock += ms; }
void SetClockStepPerFrame(int ms) { State().clockStep = ms; }
void SetFrameHook(std::function<void(int)> hook) { State().hook = std::move(hook); }
int FramesPresented() { return State().frames; }
int SoundsPlayed() { return State().sounds; }
void ResetSoundsPlayed() { State().sounds = 0; }

void Reset() {
    HeadlessState& s = State();
    s.pending.clear();
    s.hook = nullptr;
    s.frames = 0;
    s.sounds = 0;
    s.clock = 0;
    s.clockStep = 0;
    s.modes = DefaultModes();
    InputState& input = Input();
    input = InputState{};
}

}  // namespace headless
}  // namespace kvx
