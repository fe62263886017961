#pragma once
// Mouse and keyboard, polled once per frame. Keys are Windows virtual-key codes. A frame sees at
// most one change of the buttons and one of each key (see input_delivery.cpp); hits and typed
// characters last for the frame that received them.
namespace kvx {

enum KeyCode : int {
    KEY_BACKSPACE = 8,
    KEY_TAB = 9,
    KEY_ENTER = 13,
    KEY_SHIFT = 16,
    KEY_CONTROL = 17,
    KEY_ALT = 18,
    KEY_PAUSE = 19,
    KEY_CAPSLOCK = 20,
    KEY_ESCAPE = 27,
    KEY_SPACE = 32,
    KEY_PAGEUP = 33,
    KEY_PAGEDOWN = 34,
    KEY_END = 35,
    KEY_HOME = 36,
    KEY_LEFT = 37,
    KEY_UP = 38,
    KEY_RIGHT = 39,
    KEY_DOWN = 40,
    KEY_INSERT = 45,
    KEY_DELETE = 46,
    KEY_0 = 48,
    KEY_A = 65,
    KEY_C = 67,
    KEY_D = 68,
    KEY_H = 72,
    KEY_M = 77,
    KEY_N = 78,
    KEY_O = 79,
    KEY_Q = 81,
    KEY_S = 83,
    KEY_V = 86,
    KEY_X = 88,
    KEY_Y = 89,
    KEY_Z = 90,
    KEY_F1 = 112,
    KEY_F5 = 116,
    KEY_F12 = 123,
    KEY_NUMLOCK = 144,
    KEY_SCROLLLOCK = 145,
};

int MouseX();
int MouseY();
int MouseZ();
bool MouseDown(int button);  // 1 left, 2 right, 3 middle
int MouseHit(int button);    // presses in this frame not yet taken by an earlier call
void MoveMouse(int x, int y);
int KeyHit(int key);  // presses in this frame not yet taken by an earlier call
bool KeyDown(int key);
// Pressed in this frame, or held long enough to repeat in it; asking does not take the press.
bool KeyTyped(int key);
int GetChar();      // next character typed in this frame (0..255), 0 when none
void FlushChars();  // forgets the characters of this frame
void FlushKeys();
void FlushMouse();

}  // namespace kvx
