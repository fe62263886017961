// Check box: the press area of box and caption, the disabled look and no desktop default.
#include <algorithm>
#include <cstdlib>

#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "gadgets/checkbox.hpp"
#include "gadgets/label.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

class CheckboxTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        KVX_Mouse = KVX_MouseState{};
        ComboOpen = MenuOpen = 0;
        window = KVX_Window::Create("Checks", 100, 100, 400, 300, 0, 0, 0);
        box = KVX_Checkbox::Create(window, "Enable sound", 20, 30, 0);
        Frame();
    }
    void TearDown() override {
        ComboOpen = MenuOpen = 0;
        ToolkitTest::TearDown();
    }
    // Presses and releases at an offset from the box's corner; returns the State seen while held.
    int PressAt(int dx, int dy) {
        headless::MoveMouse(box->AbsX + dx, box->AbsY + dy);
        headless::PressMouse(1);
        Frame();
        const int held = box->State;
        Frame();
        headless::ReleaseMouse(1);
        Frame();
        return held;
    }
    // The pixel in the middle of the box, drawn with the pointer out of the way.
    static unsigned BoxPixel(const KVX_CheckboxRef& box) {
        MoveTo(0, 0);
        return Pixel(box->AbsX + 8, box->AbsY + 8) & 0xFFFFFFu;
    }
    static unsigned ImagePixel(int image) { return ImageFromHandle(image)->frames[0].pixmap->at(8, 8) & 0xFFFFFFu; }
    static int Channel(unsigned pixel, int shift) { return int((pixel >> shift) & 0xFF); }
    KVX_WindowRef window;
    KVX_CheckboxRef box;
};

TEST_F(CheckboxTest, PressesOnTheBoxOrTheCaptionToggleOncePerPress) {
    SetImageFont(KVX_GuiFont);
    ASSERT_EQ(box->Width, TextWidth("Enable sound"));
    EXPECT_EQ(box->Height, 16);
    EXPECT_EQ(box->Caption->X, 17);

    EXPECT_EQ(PressAt(3, 3), 1) << "toggled on the press, not the release";
    EXPECT_EQ(box->State, 1) << "holding does not toggle again";
    EXPECT_EQ(PressAt(16 + box->Width - 1, 15), 0) << "the far corner of the caption";
    EXPECT_EQ(PressAt(16 + box->Width, 5), 0) << "just right of the caption";
    EXPECT_EQ(PressAt(5, 16), 0) << "just below the box";
    EXPECT_EQ(box->State, 0);

    // Longer text widens the area in the next frame.
    box->Text = "Enable sound effects";
    Frame();
    SetImageFont(KVX_GuiFont);
    EXPECT_EQ(box->Width, TextWidth("Enable sound effects"));
    EXPECT_EQ(box->Caption->Text, "Enable sound effects");
    EXPECT_EQ(PressAt(16 + box->Width - 1, 5), 1);

    ComboOpen = 1;
    EXPECT_EQ(PressAt(3, 3), 1) << "an open combo list takes the press";
}

TEST_F(CheckboxTest, ADisabledBoxIsFadedByTwoAndAHalfAndIgnoresPresses) {
    ASSERT_NE(box->UncheckedImage, 0);
    const unsigned full = BoxPixel(box);
    EXPECT_EQ(full, ImagePixel(box->UncheckedImage));
    box->Hidden = 1;
    const unsigned behind = BoxPixel(box);
    box->Hidden = 0;
    ASSERT_NE(full, behind);

    box->Disabled = 1;
    EXPECT_EQ(PressAt(3, 3), 0);
    EXPECT_EQ(box->State, 0);
    const unsigned faded = BoxPixel(box);
    int largest = 0;
    for (int shift : {0, 8, 16}) {
        const int a = Channel(full, shift), b = Channel(behind, shift);
        largest = std::max(largest, std::abs(a - b));
        EXPECT_NEAR(Channel(faded, shift), b + (a - b) / 2.5, 2.0) << "channel at bit " << shift;
    }
    ASSERT_GT(largest, 20) << "box and background must differ to tell the fading apart";

    KVX_CheckboxRef checked = KVX_Checkbox::Create(window, "On", 20, 60, 1);
    Frame();
    EXPECT_EQ(checked->State, 1);
    EXPECT_EQ(BoxPixel(checked), ImagePixel(checked->CheckedImage)) << "checked from the first frame";
}

TEST_F(CheckboxTest, WithoutAParentTheBoxIsNeverUpdated) {
    KVX_CheckboxRef orphan = KVX_Checkbox::Create(nullptr, "Orphan", 30, 40, 0);
    EXPECT_EQ(orphan->ParentGadget(), nullptr);
    for (const KVX_GadgetRef& child : KVX_DesktopWindow->Children) EXPECT_NE(child, orphan);
    headless::MoveMouse(30 + 5, 40 + 5);
    headless::PressMouse(1);
    Frame();
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(orphan->State, 0);
    EXPECT_EQ(orphan->AbsX, 0) << "no Update ever ran";

    orphan->Free();
    EXPECT_EQ(orphan->CheckedImage, 0);
    EXPECT_EQ(orphan->ClickSound, 0) << "its click sound is released with it";
    EXPECT_EQ(orphan->Closed, 1);
}

}  // namespace
}  // namespace kvx
