// Colour chooser: cancelling keeps the starting colour; closing the window ends it at once.
#include "core/runtime.hpp"
#include "dialogs/color_requester.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

class ChoosersTest : public ToolkitTest {};

TEST_F(ChoosersTest, CancelledColourChooserLeavesTheStartingColour) {
    int frames = 0;
    headless::SetFrameHook([&](int) {
        ++frames;
        const KVX_WindowRef window = KVX_GadgetList.back();
        for (const KVX_GadgetRef& child : window->Children) {
            if (child->Kind() != KVX_KindPushButton || child->Text != "Cancel") continue;
            if (frames == 1) {
                headless::MoveMouse(child->AbsX + child->Width / 2, child->AbsY + child->Height / 2);
                headless::PressMouse(1);
            }
            if (frames == 2) headless::ReleaseMouse(1);
        }
        if (frames > 50) headless::RequestClose();
    });
    EXPECT_EQ(KVX_ColorRequester("Colour", 10, 20, 30), 0);
    EXPECT_LE(frames, 3);
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(g, 20);
    EXPECT_EQ(b, 30);
    EXPECT_EQ(KVX_ActivationAllowed, 1);
}

TEST_F(ChoosersTest, ClosingTheWindowEndsTheColourChooser) {
    const size_t windows = KVX_GadgetList.size();
    headless::RequestClose();
    EXPECT_EQ(KVX_ColorRequester("Colour", 1, 2, 3), 0);
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 6);
    EXPECT_EQ(KVX_GadgetList.size(), windows);
    EXPECT_EQ(KVX_ActivationAllowed, 1);
}

}  // namespace
}  // namespace kvx
