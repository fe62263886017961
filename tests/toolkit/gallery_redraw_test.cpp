// The gallery's frames drawn again only where they changed give the pixels of the same frames
// drawn whole, over a session that hovers, drags a window, types, scrolls a list, opens the
// drop-down, a menu and two dialogs, with the cursor animating and the FPS figure changing.
#include <optional>
#include <string>

#include "examples/gallery/gallery_windows.hpp"
#include "support/dialog_script.hpp"
#include "support/frame_driver.hpp"
#include "support/redraw_check.hpp"

namespace kvx {
namespace {

// Every frame moves the clock: the cursor steps through its strip and the FPS figure changes.
constexpr int kClockStepMs = 9;

class GalleryRedrawTest : public ::testing::Test, protected testing::FrameDriver<GalleryRedrawTest> {
    friend testing::FrameDriver<GalleryRedrawTest>;

protected:
    void SetUp() override {
        UseBackend(Backend::Headless);
        headless::Reset();
        headless::SetClock(1000);
        headless::SetClockStepPerFrame(kClockStepMs);
        gallery::OpenDisplay();
        gallery_.emplace(gallery::Build());
        Frames(2);
    }
    void TearDown() override {
        headless::SetFrameHook(nullptr);
        gallery_.reset();
        KVX_ClearGui();
        EndGraphics();
        headless::Reset();
    }

    // One frame of the gallery's own loop.
    static bool Frame() {
        Cls();
        KVX_RefreshGui();
        const bool going = gallery::Step(*gallery_);
        SetColor(255, 255, 255);
        DrawText("FPS : " + std::to_string(KVX_Fps), 10, 750);
        zglSwapBuffers();
        FlushMem();
        return going;
    }
    static void Key(int key) {
        headless::PressKey(key);
        Frame();
        headless::ReleaseKey(key);
        Frame();
    }

    static inline std::optional<gallery::Gallery> gallery_;
};

TEST_F(GalleryRedrawTest, ASessionDrawnInPartsShowsWhatFullRedrawsShow) {
    const testing::RedrawCheck check;
    // Hover over buttons long enough for a tooltip to fade in, then across other windows.
    for (int x = 20; x < 300; x += 12) MoveTo(x, 70);
    Frames(40);
    for (int y = 60; y < 700; y += 25) MoveTo(500, y);
    // Drag the "Buttons" window by its title, over its neighbours.
    Press(60, 48);
    for (int step = 1; step <= 12; ++step) MoveTo(60 + step * 23, 48 + step * 17);
    Release();
    // Type into a field and edit it.
    Click(420, 80);
    for (char c : std::string(" and more")) headless::TypeChar(c);
    Frame();
    Key(KEY_BACKSPACE);
    Key(KEY_HOME);
    // Scroll the list with the wheel and its scroll bar, open the drop-down and pick a line.
    Click(760, 375);
    for (int i = 0; i < 4; ++i) {
        headless::Wheel(-1);
        Frames(2);
    }
    Click(990, 320);
    MoveTo(950, 350);
    Click(950, 350);
    // Open the File menu and leave it by a click beside it.
    Click(20, 10);
    MoveTo(30, 40);
    Click(600, 720);
    // A message box and a colour chooser, each answered by Escape after a few frames.
    testing::DialogScript script;
    script.Wait().Wait().Wait().Then([] { headless::PressKey(KEY_ESCAPE); }).Then([] {
        headless::ReleaseKey(KEY_ESCAPE);
    });
    const KVX_PushButton& ask = *gallery_->message.open;
    Click(ask.AbsX + ask.Width / 2, ask.AbsY + ask.Height / 2);
    Frames(3);
    EXPECT_TRUE(script.Finished());

    EXPECT_GT(check.Frames(), 100);
    EXPECT_LT(check.Recomposed(), int64_t(check.Frames()) * GraphicsWidth() * GraphicsHeight() / 4)
        << "most frames should draw far less than the whole screen again";

    // With the clock still and no input, nothing is drawn again.
    headless::SetClockStepPerFrame(0);
    Frames(3);
    EXPECT_EQ(PixelsRecomposed(), 0);
}

}  // namespace
}  // namespace kvx
