#pragma once
// Keyboard steps for gadgets that read keys at a fixed pace: each step lets the pace run out first.
#include <string>

#include "support/toolkit_fixture.hpp"

namespace kvx::testing {

class KeyboardTest : public ToolkitTest {
protected:
    static constexpr int kKeyPaceMs = 90;

    // One frame in which a paced reader takes the key, then the key is let go.
    static void Tap(int key) {
        headless::PressKey(key);
        headless::AdvanceClock(kKeyPaceMs + 1);
        Frame();
        headless::ReleaseKey(key);
        Frame();
    }
    static void Type(const std::string& text) {
        for (char c : text) {
            headless::TypeChar(static_cast<unsigned char>(c));
            headless::AdvanceClock(kKeyPaceMs + 1);
            Frame();
        }
    }
};

}  // namespace kvx::testing
