// The headless backend: no window; input comes from a script, time from the test.
#include <functional>

#include "platform/backend.hpp"
#include "platform/headless.hpp"
#include "platform/headless_state.hpp"

namespace kvx {
namespace {

struct HeadlessState {
    std::vector<DisplayMode> modes = headless::DefaultModes();
    int clock = 0;
    int clockStep = 0;
    int frames = 0;
    int sounds = 0;
    bool pointerVisible = true;
    int pointerX = 0, pointerY = 0;  // where the script last moved the pointer
    std::string title;
    std::function<void(int)> hook;
    std::function<void()> watcher;
    int waits = 0;
    int lastWaitTimeout = -1;
};

HeadlessState& State() {
    static HeadlessState state;
    return state;
}

class Headless final : public DisplayBackend {
public:
    std::vector<DisplayMode> Modes() override { return State().modes; }
    bool Open(int, int, int, int) override { return true; }
    void Close() override {}
    void Present(const BackBuffer&, const std::vector<Box>&) override {
        HeadlessState& s = State();
        ++s.frames;
        if (s.watcher) s.watcher();
        s.clock += s.clockStep;
        if (s.hook) {
            auto hook = s.hook;  // the hook may replace itself
            hook(s.frames);
        }
    }
    void SetSwapInterval(int) override {}
    // The script queues straight into the input state.
    void PumpEvents(InputState&) override {}
    // Time moves only when the test says: a wait is noted and returns at once.
    void WaitForEvent(int timeoutMs) override {
        ++State().waits;
        State().lastWaitTimeout = timeoutMs;
    }
    void SetPointerVisible(bool visible) override { State().pointerVisible = visible; }
    void SetTitle(const std::string& title) override { State().title = title; }
    void WarpPointer(InputState& input, int x, int y) override {
        State().pointerX = x;
        State().pointerY = y;
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
// Buttons act where the last scripted move left the pointer, as a real press does.
void MoveMouse(int x, int y) {
    State().pointerX = x;
    State().pointerY = y;
    Input().QueueMove(x, y);
}
void PressMouse(int button) { Input().QueueButton(button, true, State().pointerX, State().pointerY); }
void ReleaseMouse(int button) { Input().QueueButton(button, false, State().pointerX, State().pointerY); }
void Wheel(int steps) { Input().QueueWheel(steps); }
void PressKey(int key) { Input().QueueKey(key, true); }
void ReleaseKey(int key) { Input().QueueKey(key, false); }
void TypeChar(int code) { Input().QueueChar(code); }
void RequestClose() { Input().Queue({InputEvent::Type::Close}); }
void SetClock(int ms) { State().clock = ms; }
void AdvanceClock(int ms) { State().clock += ms; }
void SetClockStepPerFrame(int ms) { State().clockStep = ms; }
void SetFrameHook(std::function<void(int)> hook) { State().hook = std::move(hook); }
void SetPresentWatcher(std::function<void()> watcher) { State().watcher = std::move(watcher); }
int FramesPresented() { return State().frames; }
const std::string& WindowTitle() { return State().title; }
int SoundsPlayed() { return State().sounds; }
int WaitsAsked() { return State().waits; }
int LastWaitTimeout() { return State().lastWaitTimeout; }
void ResetSoundsPlayed() { State().sounds = 0; }

void Reset() {
    HeadlessState& s = State();
    s.hook = nullptr;
    s.watcher = nullptr;
    s.pointerX = s.pointerY = 0;
    s.frames = 0;
    s.sounds = 0;
    s.clock = 0;
    s.clockStep = 0;
    s.waits = 0;
    s.lastWaitTimeout = -1;
    s.modes = DefaultModes();
    InputState& input = Input();
    input = InputState{};
}

}  // namespace headless
}  // namespace kvx
