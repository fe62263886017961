#pragma once
// A headless 1024 x 768 display with the toolkit initialised, and frame-by-frame input helpers.
#include "core/mouse.hpp"
#include "gadgets/gui.hpp"
#include "platform/platform.hpp"
#include "support/frame_driver.hpp"
#include "support/headless_fixture.hpp"

namespace kvx::testing {

class ToolkitTest : public HeadlessTest, protected FrameDriver<ToolkitTest> {
    friend FrameDriver<ToolkitTest>;

protected:
    // Every test starts from a still mouse with no drop-down or menu open.
    void SetUp() override {
        OpenDisplay(1024, 768);
        KVX_InitGUI(2);
        KVX_Mouse = KVX_MouseState{};
        ComboOpen = MenuOpen = 0;
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
};

}  // namespace kvx::testing
