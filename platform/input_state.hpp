#pragma once
// The input state that the backends fill and the input functions read (internal).
//
// Backends queue every event as it comes; once per frame the queue is delivered into the state
// the program reads. A person's quick click or tap lasts less than a frame, so a frame takes at
// most one change of the buttons and one of each key: a press and its release always reach the
// program in two frames, in order, each with its own pointer position.
#include <array>
#include <cstdint>
#include <deque>

namespace kvx {

struct InputEvent {
    enum class Type : uint8_t { Move, Press, Release, Wheel, KeyDown, KeyUp, Char, ReleaseAll, Close };
    Type type = Type::Move;
    int x = 0, y = 0;  // the pointer at the event (Move, Press, Release)
    int code = 0;      // the button, key, character code or wheel steps
};

// A held key acts again after a first delay, then at a steady pace, as on a desktop.
inline constexpr int kKeyRepeatDelayMs = 400;
inline constexpr int kKeyRepeatIntervalMs = 45;
inline constexpr int kButtonCount = 4;  // 1 left, 2 right, 3 middle; 0 unused
inline constexpr int kKeyCount = 256;

struct InputState {
    int mouseX = 0, mouseY = 0, mouseZ = 0;
    std::array<bool, kButtonCount> buttonDown{};
    std::array<int, kButtonCount> buttonHits{};
    std::array<bool, kKeyCount> keyDown{};
    std::array<int, kKeyCount> keyHits{};
    std::array<bool, kKeyCount> keyRepeated{};  // held long enough to act again in this frame
    std::array<int, kKeyCount> repeatDue{};     // when a held key next repeats
    std::deque<int> chars;                      // typed in this frame, not yet read
    bool terminate = false;

    std::deque<InputEvent> pending;   // queued by the backend, not yet delivered
    bool delivered = false;           // this frame's share of the queue is in the state
    bool frameTookInput = false;      // this frame's share held an event or a key repeat
    bool lastFrameTookInput = false;  // the same of the frame presented last

    void Queue(const InputEvent& event);
    void QueueMove(int x, int y) { Queue({InputEvent::Type::Move, x, y, 0}); }
    void QueueButton(int button, bool down, int x, int y) {
        Queue({down ? InputEvent::Type::Press : InputEvent::Type::Release, x, y, button});
    }
    void QueueKey(int key, bool down) {
        Queue({down ? InputEvent::Type::KeyDown : InputEvent::Type::KeyUp, 0, 0, key});
    }
    void QueueChar(int code);  // 8-bit text: codes above 255 are not queued
    void QueueWheel(int steps) { Queue({InputEvent::Type::Wheel, 0, 0, steps}); }

    // Moves this frame's events from the queue into the state; `now` times the key repeats.
    void DeliverFrame(int now);
    void ReleaseAll();
    // Milliseconds from `now` until a held key next repeats; `longest` when no key is held.
    int UntilNextRepeat(int now, int longest) const;

private:
    // Each returns whether it gave the frame anything.
    bool TakeFrameEvents(int now);
    bool RepeatHeldKeys(int now);
};

InputState& Input();

// Lets the backend queue its pending events and, at the first query of a frame, delivers them.
void PumpInput();
// The frame was presented: the next query starts the next frame's delivery.
void EndInputFrame();

}  // namespace kvx
