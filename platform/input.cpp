#include "platform/input.hpp"

#include "platform/backend.hpp"
#include "platform/input_state.hpp"

namespace kvx {

void InputState::PressButton(int button) {
    if (button < 1 || button > 3) return;
    if (!buttonDown[size_t(button)]) ++buttonHits[size_t(button)];
    buttonDown[size_t(button)] = true;
}

void InputState::ReleaseButton(int button) {
    if (button >= 1 && button <= 3) buttonDown[size_t(button)] = false;
}

void InputState::PressKey(int key) {
    if (key <= 0 || key > 255) return;
    ++keyHits[size_t(key)];
    keyDown[size_t(key)] = true;
}

void InputState::ReleaseKey(int key) {
    if (key > 0 && key <= 255) keyDown[size_t(key)] = false;
}

void InputState::Type(int code) {
    if (code > 0 && code <= 255) chars.push_back(code);
}

void InputState::ReleaseAll() {
    buttonDown.fill(false);
    keyDown.fill(false);
}

InputState& Input() {
    static InputState state;
    return state;
}

void PumpInput() { ActiveBackend().PumpEvents(Input()); }

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
    return button >= 1 && button <= 3 && Input().buttonDown[size_t(button)];
}

int MouseHit(int button) {
    PumpInput();
    if (button < 1 || button > 3) return 0;
    int hits = Input().buttonHits[size_t(button)];
    Input().buttonHits[size_t(button)] = 0;
    return hits;
}

void MoveMouse(int x, int y) { ActiveBackend().WarpPointer(Input(), x, y); }

int KeyHit(int key) {
    PumpInput();
    if (key <= 0 || key > 255) return 0;
    int hits = Input().keyHits[size_t(key)];
    Input().keyHits[size_t(key)] = 0;
    return hits;
}

bool KeyDown(int key) {
    PumpInput();
    return key > 0 && key <= 255 && Input().keyDown[size_t(key)];
}

int GetChar() {
    PumpInput();
    auto& chars = Input().chars;
    if (chars.empty()) return 0;
    int code = chars.front();
    chars.pop_front();
    return code;
}

void FlushKeys() {
    PumpInput();
    Input().keyHits.fill(0);
    Input().chars.clear();
}

void FlushMouse() {
    PumpInput();
    Input().buttonHits.fill(0);
}

}  // namespace kvx
