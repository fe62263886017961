// Input as the program reads it, frame by frame, and the headless clock.
#include <vector>

#include "platform/input_state.hpp"
#include "platform/platform.hpp"
#include "support/headless_fixture.hpp"

namespace kvx {
namespace {

using testing::HeadlessTest;

class InputTest : public HeadlessTest {};

// Events queued together are delivered over frames: one button change a frame, one change of
// each key, one wheel step; hits and characters last for their frame.
TEST_F(InputTest, AFrameTakesOneButtonChangeAndOneChangeOfEachKey) {
    auto nextFrame = [] { zglSwapBuffers(); };
    headless::MoveMouse(12, 34);
    headless::PressMouse(1);
    headless::MoveMouse(50, 60);
    headless::ReleaseMouse(1);
    headless::PressMouse(1);
    EXPECT_EQ(MouseHit(1), 1);
    EXPECT_EQ(MouseHit(1), 0) << "taken by the first call";
    EXPECT_TRUE(MouseDown(1));
    EXPECT_EQ(MouseX(), 12) << "the press is seen where it happened";
    nextFrame();
    EXPECT_FALSE(MouseDown(1)) << "the release comes a frame later";
    EXPECT_EQ(MouseX(), 50);
    EXPECT_EQ(MouseY(), 60);
    nextFrame();
    EXPECT_TRUE(MouseDown(1));
    EXPECT_EQ(MouseHit(1), 1) << "press, release, press: three frames";
    headless::ReleaseMouse(1);
    EXPECT_TRUE(MouseDown(1)) << "queued now, seen next frame";
    nextFrame();
    EXPECT_FALSE(MouseDown(1));
    nextFrame();

    headless::Wheel(3);
    headless::Wheel(-1);
    int z[5];
    for (int& step : z) {
        step = MouseZ();
        nextFrame();
    }
    EXPECT_EQ(std::vector<int>(z, z + 5), (std::vector<int>{1, 2, 3, 2, 2})) << "no wheel step lost";

    headless::PressKey(KEY_ENTER);
    headless::PressKey(KEY_SPACE);
    headless::ReleaseKey(KEY_ENTER);
    EXPECT_TRUE(KeyDown(KEY_ENTER));
    EXPECT_TRUE(KeyDown(KEY_SPACE)) << "another key changes in the same frame";
    EXPECT_TRUE(KeyTyped(KEY_ENTER));
    EXPECT_EQ(KeyHit(KEY_ENTER), 1);
    EXPECT_EQ(KeyHit(KEY_ENTER), 0);
    nextFrame();
    EXPECT_FALSE(KeyDown(KEY_ENTER)) << "a tap within a frame is held for one frame";
    EXPECT_EQ(KeyHit(KEY_SPACE), 0) << "a hit lasts for its frame only";
    headless::AdvanceClock(kKeyRepeatDelayMs);
    nextFrame();
    EXPECT_TRUE(KeyTyped(KEY_SPACE)) << "held past the delay, it repeats";
    nextFrame();
    EXPECT_FALSE(KeyTyped(KEY_SPACE));
    headless::ReleaseKey(KEY_SPACE);
    nextFrame();

    headless::TypeChar('a');
    headless::TypeChar(0xE9);
    headless::TypeChar(0x20AC);  // not 8-bit: dropped
    EXPECT_EQ(GetChar(), 'a');
    nextFrame();
    EXPECT_EQ(GetChar(), 0) << "characters nobody read in their frame are gone";
    nextFrame();
    headless::TypeChar('b');
    headless::PressKey(KEY_BACKSPACE);
    EXPECT_EQ(GetChar(), 'b');
    EXPECT_FALSE(KeyDown(KEY_BACKSPACE)) << "a key pressed after text waits for the next frame";
    nextFrame();
    EXPECT_TRUE(KeyDown(KEY_BACKSPACE));
    EXPECT_FALSE(AppTerminate());
    headless::RequestClose();
    nextFrame();
    EXPECT_TRUE(AppTerminate());
}

TEST_F(InputTest, TheClockMovesOnlyWhenTheTestSays) {
    EXPECT_EQ(MilliSecs(), 0);
    headless::AdvanceClock(25);
    EXPECT_EQ(MilliSecs(), 25);
    headless::SetClockStepPerFrame(10);
    zglSwapBuffers();
    EXPECT_EQ(MilliSecs(), 35);
    EXPECT_EQ(headless::FramesPresented(), 1);
}

}  // namespace
}  // namespace kvx
