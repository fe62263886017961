#include "platform/input.hpp"

#include "platform/backend.hpp"
#include "platform/input_state.hpp"
#include "platform/timing.hpp"

namespace kvx {
namespace {

bool ValidButton(int button) { return button >= 1 && button < kButtonCount; }
bool ValidKey(int key) { return key > 0 && key < kKeyCount; }

}  // namespace

InputState& Input() {
    static InputState state;
    return state;
}

void PumpInput() {
    InputState& input = Input();
    if (input.delivered) return;
    ActiveBackend().PumpEvents(input);
    input.DeliverFrame(MilliSecs());
    input.delivered = true;
}

void EndInputFrame() {
    InputState& input = Input();
    input.lastFrameTookInput = input.frameTookInput;
    input.frameTookInput = false;
    input.delivered = false;
}

int MouseX() {
    PumpInput();
    return Input().mouseX;
}

int MouseY() {
    PumpInput();
    return Input().mouseY;
}

int MouseZ() {
    PumpInput();
    return Input().mouseZ;
}

bool MouseDown(int button) {
    PumpInput();
    return ValidButton(button) && Input().buttonDown[size_t(button)];
}

int MouseHit(int button) {
    PumpInput();
    if (!ValidButton(button)) return 0;
    int hits = Input().buttonHits[size_t(button)];
    Input().buttonHits[size_t(button)] = 0;
    return hits;
}

void MoveMouse(int x, int y) { ActiveBackend().WarpPointer(Input(), x, y); }

int KeyHit(int key) {
    PumpInput();
    if (!ValidKey(key)) return 0;
    int hits = Input().keyHits[size_t(key)];
    Input().keyHits[size_t(key)] = 0;
    return hits;
}

bool KeyDown(int key) {
    PumpInput();
    return ValidKey(key) && Input().keyDown[size_t(key)];
}

bool KeyTyped(int key) {
    PumpInput();
    return ValidKey(key) && (Input().keyHits[size_t(key)] > 0 || Input().keyRepeated[size_t(key)]);
}

int GetChar() {
    PumpInput();
    auto& chars = Input().chars;
    if (chars.empty()) return 0;
    int code = chars.front();
    chars.pop_front();
    return code;
}

void FlushChars() {
    PumpInput();
    Input().chars.clear();
}

void FlushKeys() {
    PumpInput();
    Input().keyHits.fill(0);
    Input().keyRepeated.fill(false);
    Input().chars.clear();
}

void FlushMouse() {
    PumpInput();
    Input().buttonHits.fill(0);
}

}  // namespace kvx
