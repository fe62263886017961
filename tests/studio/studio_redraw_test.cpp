// The studio's frames drawn again only where they changed give the pixels of the same frames drawn
// whole, over a session that places, hovers, drags, types, scrolls and opens the file requester,
// with the cursor animating and the status line's figures changing.
#include "design/designed_gadget.hpp"
#include "studio/hit_area.hpp"
#include "support/redraw_check.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

constexpr int kClockStepMs = 11;

class StudioRedrawTest : public testing::StudioTest {};

TEST_F(StudioRedrawTest, ASessionDrawnInPartsShowsWhatFullRedrawsShow) {
    const testing::RedrawCheck check;
    headless::SetClockStepPerFrame(kClockStepMs);
    Place("Window", 100, 100, 500, 450);
    Place("Listbox", 120, 150, 300, 300);
    Place("Inputbox", 320, 150, 480, 160);
    Place("Button", 320, 200, 450, 210);
    // Hover across the design and the tool window.
    for (int x = 90; x < 1000; x += 30) MoveTo(x, 260);
    // Move the button with Ctrl held, a step a frame.
    headless::PressKey(KEY_CONTROL);
    Press(330, 205);
    for (int step = 1; step <= 8; ++step) MoveTo(330 + step * 5, 205 + step * 7);
    Release();
    headless::ReleaseKey(KEY_CONTROL);
    // Select the window and type a new caption into the editor's field.
    SelectPage(studio::kModifyPage);
    const studio::HitArea area = studio::HitAreaOf(*studio::Design().DesignList[0]);
    Click(area.X + 3, area.Y + 3);
    ClickStudio(Ui().Editor.CaptionBox);
    for (char c : std::string("Renamed")) headless::TypeChar(c);
    Frames(2);
    headless::PressKey(KEY_ENTER);
    headless::ReleaseKey(KEY_ENTER);
    Frames(2);
    // Scroll the placed list with the wheel.
    MoveTo(200, 220);
    for (int i = 0; i < 3; ++i) {
        headless::Wheel(-1);
        Frames(2);
    }
    // The file requester, shown and cancelled.
    SelectPage(studio::kFilePage);
    AnswerDialogs({"Cancel"});
    ClickStudio(Ui().File.Open);
    Frames(2);

    EXPECT_GT(check.Frames(), 100);
    EXPECT_LT(check.Recomposed(), int64_t(check.Frames()) * GraphicsWidth() * GraphicsHeight() / 4)
        << "most frames should draw far less than the whole screen again";
}

}  // namespace
}  // namespace kvx
