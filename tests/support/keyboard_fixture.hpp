#pragma once
// Keyboard steps, a frame each, as a person types them.
#include <string>

#include "support/toolkit_fixture.hpp"

namespace kvx::testing {

class KeyboardTest : public ToolkitTest {
protected:
    // The key pressed in one frame and let go in the next.
    static void Tap(int key) {
        headless::PressKey(key);
        Frame();
        headless::ReleaseKey(key);
        Frame();
    }
    static void Type(const std::string& text) {
        for (char c : text) {
            headless::TypeChar(static_cast<unsigned char>(c));
            Frame();
        }
    }
};

}  // namespace kvx::testing
