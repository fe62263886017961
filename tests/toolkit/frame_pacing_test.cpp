// Frame loops sleep while nothing happens, until input or the cursor's next step; never in the
// uncapped mode; and the FPS figure leaves the sleep out.
#include "core/frame_pacing.hpp"

#include "core/fps.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

class FramePacingTest : public testing::ToolkitTest {
protected:
    void TearDown() override {
        KVX_SetFrameWaiting(true);
        ToolkitTest::TearDown();
    }
    // A frame of a loop that waits at its top, as the studio's and the dialogs' do.
    static void PacedFrame() {
        KVX_WaitWhileIdle();
        Frame();
    }
};

TEST_F(FramePacingTest, AnIdleLoopWaitsForTheNextDeadlineOrInputAndTheUncappedOneNever) {
    headless::SetClock(5000);
    MoveTo(500, 400);
    Frames(3);  // the cursor steps on its first frames, then the screen holds still
    const int waits = headless::WaitsAsked();
    PacedFrame();
    EXPECT_EQ(headless::WaitsAsked(), waits + 1) << "nothing moved: the loop waits";
    const KVX_Cursor& cursor = KVX_Cursors[0];
    EXPECT_EQ(headless::LastWaitTimeout(), cursor.FrameTimer.End + 1 - MilliSecs()) << "until the cursor's next step";

    // The cursor's step is due: the frame that shows it does not wait, nor the one after it.
    headless::AdvanceClock(cursor.Delay + 1);
    PacedFrame();
    PacedFrame();
    EXPECT_EQ(headless::WaitsAsked(), waits + 1);

    // Input that arrived while nothing drew wakes the next frame at once.
    PacedFrame();
    headless::MoveMouse(510, 400);
    const int before = headless::WaitsAsked();
    PacedFrame();
    PacedFrame();
    EXPECT_EQ(headless::WaitsAsked(), before) << "input is waiting, and the frame it moved changed the screen";

    KVX_SetFrameWaiting(false);
    const int uncapped = headless::WaitsAsked();
    for (int i = 0; i < 5; ++i) PacedFrame();
    EXPECT_EQ(headless::WaitsAsked(), uncapped);
}

TEST_F(FramePacingTest, TheFpsFigureCountsTheTimeSpentDrawingNotTheTimeAsleep) {
    headless::AdvanceClock(100000);
    Frame();  // a long pause ends the counter's interval: the next one starts here
    headless::SetClockStepPerFrame(2);
    KVX_FpsWaited(600000);
    for (int i = 0; i <= 500; ++i) Frame();
    // 500 frames in a second, 0.6 s of it asleep: 1 250 frames per second of drawing.
    EXPECT_NEAR(KVX_Fps, 1250, 3);
}

}  // namespace
}  // namespace kvx
