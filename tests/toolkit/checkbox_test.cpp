// Check box: the press area of box and caption, the disabled look and no desktop default.
#include "gadgets/checkbox.hpp"

#include <algorithm>
#include <cstdlib>

#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

class CheckboxTest : public testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        window = KVX_Window::Create("Checks", 100, 100, 400, 300, 0, 0, 0);
        box = KVX_Checkbox::Create(window, "Enable sound", 20, 30, 0);
        Frame();
    }
    // Presses at an offset from the box's corner; returns the State seen while the button is held.
    int PressAt(int dx, int dy) {
        headless::MoveMouse(box->AbsX + dx, box->AbsY + dy);
        headless::PressMouse(1);
        Frames(2);
        headless::ReleaseMouse(1);
        Frame();
        return box->State;
    }
    // The middle of the box, drawn with the pointer out of the way.
    static unsigned BoxPixel(const KVX_CheckboxRef& box) {
        MoveTo(0, 0);
        return Pixel(box->AbsX + 8, box->AbsY + 8) & 0xFFFFFFu;
    }
    KVX_WindowRef window;
    KVX_CheckboxRef box;
};

TEST_F(CheckboxTest, PressesOnTheBoxOrTheCaptionToggleOncePerPress) {
    SetImageFont(KVX_GuiFont);
    ASSERT_EQ(box->Width, TextWidth("Enable sound"));
    EXPECT_EQ(PressAt(3, 3), 1);
    EXPECT_EQ(PressAt(16 + box->Width - 1, 15), 0) << "the far corner of the caption";
    EXPECT_EQ(PressAt(16 + box->Width, 5), 0) << "just right of the caption";
    EXPECT_EQ(PressAt(5, 16), 0) << "just below the box";
}

TEST_F(CheckboxTest, ADisabledBoxIsFadedByTwoAndAHalfAndIgnoresPresses) {
    const unsigned full = BoxPixel(box);
    EXPECT_EQ(full, ImageFromHandle(box->UncheckedImage)->frames[0].pixmap->at(8, 8) & 0xFFFFFFu);
    box->Hidden = 1;
    const unsigned behind = BoxPixel(box);
    box->Hidden = 0;
    box->Disabled = 1;
    EXPECT_EQ(PressAt(3, 3), 0);
    const unsigned faded = BoxPixel(box);
    int largest = 0;
    for (int shift : {0, 8, 16}) {
        const int a = int((full >> shift) & 0xFF), b = int((behind >> shift) & 0xFF);
        largest = std::max(largest, std::abs(a - b));
        EXPECT_NEAR(int((faded >> shift) & 0xFF), b + (a - b) / 2.5, 2.0) << "channel at bit " << shift;
    }
    ASSERT_GT(largest, 20) << "box and background must differ to tell the fading apart";
}

TEST_F(CheckboxTest, WithoutAParentTheBoxIsNeverUpdated) {
    KVX_CheckboxRef orphan = KVX_Checkbox::Create(nullptr, "Orphan", 30, 40, 1);
    EXPECT_EQ(orphan->ParentGadget(), nullptr);
    Click(35, 45);
    EXPECT_EQ(orphan->State, 1);
    EXPECT_EQ(orphan->AbsX, 0) << "no Update ever ran";
    orphan->Free();
    EXPECT_EQ(orphan->ClickSound, 0) << "its click sound is released with it";
}

}  // namespace
}  // namespace kvx
