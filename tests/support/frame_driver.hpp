#pragma once
// Mouse gestures spread over frames, for fixtures that say what one frame is (Fixture::Frame).
#include "platform/headless.hpp"

namespace kvx::testing {

template <class Fixture>
struct FrameDriver {
    static void Frames(int n) {
        for (int i = 0; i < n; ++i) Fixture::Frame();
    }
    static void MoveTo(int x, int y) {
        headless::MoveMouse(x, y);
        Fixture::Frame();
    }
    // Press at x, y and hold over one frame; Release lets go in the next.
    static void Press(int x, int y) {
        headless::MoveMouse(x, y);
        headless::PressMouse(1);
        Fixture::Frame();
    }
    static void Release() {
        headless::ReleaseMouse(1);
        Fixture::Frame();
    }
    // Press in one frame, release in the next, at x, y.
    static void Click(int x, int y) {
        headless::MoveMouse(x, y);
        headless::PressMouse(1);
        Fixture::Frame();
        headless::ReleaseMouse(1);
        Fixture::Frame();
    }
    // Press at the start, hold over one frame at the end, release there.
    static void Drag(int x0, int y0, int x1, int y1) {
        MoveTo(x0, y0);
        headless::PressMouse(1);
        Fixture::Frame();
        MoveTo(x1, y1);
        headless::ReleaseMouse(1);
        Fixture::Frame();
    }
};

}  // namespace kvx::testing
