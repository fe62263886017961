#pragma once
// The input state that the backends fill and the input functions read (internal).
#include <array>
#include <deque>

namespace kvx {

struct InputState {
    int mouseX = 0, mouseY = 0, mouseZ = 0;
    std::array<bool, 4> buttonDown{};
    std::array<int, 4> buttonHits{};
    std::array<bool, 256> keyDown{};
    std::array<int, 256> keyHits{};
    std::deque<int> chars;
    bool terminate = false;

    void PressButton(int button);
    void ReleaseButton(int button);
    void PressKey(int key);
    void ReleaseKey(int key);
    void Type(int code);  // 8-bit text: codes above 255 are not queued
    void ReleaseAll();
};

InputState& Input();

// Lets the backend apply its pending events; called by every input query.
void PumpInput();

}  // namespace kvx
