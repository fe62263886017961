#pragma once
// A headless 1024 x 768 display with the toolkit initialised, and frame-by-frame input helpers.
#include "core/runtime.hpp"
#include "platform/platform.hpp"
#include "support/headless_fixture.hpp"

namespace kvx::testing {

class ToolkitTest : public HeadlessTest {
protected:
    void SetUp() override {
        OpenDisplay(1024, 768);
        KVX_InitGUI(2);
    }
    void TearDown() override {
        KVX_ClearGui();
        HeadlessTest::TearDown();
    }

    // One frame of an application: clear, refresh the toolkit, present.
    static void Frame() {
        Cls();
        KVX_RefreshGui();
        zglSwapBuffers();
    }
    static void Frames(int n) {
        for (int i = 0; i < n; ++i) Frame();
    }
    static void MoveTo(int x, int y) {
        headless::MoveMouse(x, y);
        Frame();
    }
    // Press in one frame, release in the next, at x, y.
    static void Click(int x, int y) {
        headless::MoveMouse(x, y);
        headless::PressMouse(1);
        Frame();
        headless::ReleaseMouse(1);
        Frame();
    }
};

}  // namespace kvx::testing
