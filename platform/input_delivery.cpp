// How queued events become one frame's input.
//
// Events are delivered in the order they came, and the frame's share ends before an event that
// the program could not tell apart from an earlier one of the same frame:
//   - a button change ends the frame (a press and its release take two frames; press, release,
//     press takes three), and nothing after it joins that frame, so the pointer a gadget sees
//     with a press is the press's own;
//   - a key changes at most once a frame (down and up of a quick tap take two frames);
//   - a key press after characters of this frame waits, so an editing key never overtakes text
//     typed before it;
//   - the wheel moves one step a frame; further steps wait, none is lost.
// What the previous frame delivered and nobody read (hits, characters) is dropped: a keystroke
// made while nothing listened must not surface later in whatever listens next.
#include <algorithm>
#include <bitset>

#include "platform/input_state.hpp"

namespace kvx {
namespace {

bool ValidButton(int button) { return button >= 1 && button < kButtonCount; }
bool ValidKey(int key) { return key > 0 && key < kKeyCount; }

int Sign(int value) { return value < 0 ? -1 : 1; }

}  // namespace

void InputState::Queue(const InputEvent& event) { pending.push_back(event); }

void InputState::QueueChar(int code) {
    if (code > 0 && code <= 255) Queue({InputEvent::Type::Char, 0, 0, code});
}

void InputState::ReleaseAll() {
    buttonDown.fill(false);
    keyDown.fill(false);
}

void InputState::DeliverFrame(int now) {
    buttonHits.fill(0);
    keyHits.fill(0);
    keyRepeated.fill(false);
    chars.clear();
    const bool took = TakeFrameEvents(now);
    frameTookInput = RepeatHeldKeys(now) || took;
}

bool InputState::TakeFrameEvents(int now) {
    const size_t queued = pending.size();
    std::bitset<kKeyCount> keysChanged;
    bool wheelMoved = false;
    bool typed = false;
    auto tookAny = [&] { return pending.size() != queued || wheelMoved; };
    while (!pending.empty()) {
        InputEvent& e = pending.front();
        using T = InputEvent::Type;
        switch (e.type) {
            case T::Move:
                mouseX = e.x;
                mouseY = e.y;
                break;
            case T::Press:
            case T::Release:
                mouseX = e.x;
                mouseY = e.y;
                if (ValidButton(e.code)) {
                    const bool down = e.type == T::Press;
                    if (down && !buttonDown[size_t(e.code)]) ++buttonHits[size_t(e.code)];
                    buttonDown[size_t(e.code)] = down;
                }
                pending.pop_front();
                return tookAny();
            case T::Wheel:
                if (wheelMoved) return tookAny();
                wheelMoved = true;
                if (e.code == 0) break;
                mouseZ += Sign(e.code);
                e.code -= Sign(e.code);
                if (e.code != 0) return tookAny();  // the rest of this movement waits for the next frames
                break;
            case T::KeyDown:
            case T::KeyUp:
                if (!ValidKey(e.code)) break;
                if (keysChanged[size_t(e.code)] || (e.type == T::KeyDown && typed)) return tookAny();
                keysChanged[size_t(e.code)] = true;
                if (e.type == T::KeyDown) {
                    if (!keyDown[size_t(e.code)]) repeatDue[size_t(e.code)] = now + kKeyRepeatDelayMs;
                    ++keyHits[size_t(e.code)];
                    keyDown[size_t(e.code)] = true;
                } else {
                    keyDown[size_t(e.code)] = false;
                }
                break;
            case T::Char:
                chars.push_back(e.code);
                typed = true;
                break;
            case T::ReleaseAll: ReleaseAll(); break;
            case T::Close: terminate = true; break;
        }
        pending.pop_front();
    }
    return tookAny();
}

bool InputState::RepeatHeldKeys(int now) {
    bool repeated = false;
    for (size_t key = 1; key < size_t(kKeyCount); ++key) {
        if (!keyDown[key] || keyHits[key] > 0 || now < repeatDue[key]) continue;
        keyRepeated[key] = true;
        repeatDue[key] = now + kKeyRepeatIntervalMs;
        repeated = true;
    }
    return repeated;
}

int InputState::UntilNextRepeat(int now, int longest) const {
    int until = longest;
    for (size_t key = 1; key < size_t(kKeyCount); ++key) {
        if (keyDown[key]) until = std::clamp(repeatDue[key] - now, 0, until);
    }
    return until;
}

}  // namespace kvx
