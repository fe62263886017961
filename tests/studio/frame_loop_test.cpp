// The studio's frame loop, headless: it runs, shows its status line, and ends only on its exit flag.
#include "studio/frame_loop.hpp"

#include "platform/platform.hpp"
#include "support/headless_fixture.hpp"

namespace kvx {
namespace {

bool WhiteTextIn(int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (BackBufferPixel(x, y) == 0xFFFFFFu) return true;
    return false;
}

class FrameLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseBackend(Backend::Headless);
        headless::Reset();
        headless::SetClockStepPerFrame(5);
    }
    void TearDown() override { headless::Reset(); }
};

TEST_F(FrameLoopTest, RunsAHundredFramesWithTheStatusLineInWhite) {
    studio::Start();
    EXPECT_EQ(GraphicsWidth(), 1024);
    EXPECT_EQ(GraphicsHeight(), 768);
    int frames = 0;
    bool statusEveryFrame = true;
    while (frames < 100 && studio::Frame()) {
        ++frames;
        statusEveryFrame = statusEveryFrame && WhiteTextIn(10, 713, 300, 713 + 16);
    }
    EXPECT_EQ(frames, 100);
    EXPECT_TRUE(statusEveryFrame) << "the status line is drawn at (10, 713) from the first frame on";
    EXPECT_EQ(headless::FramesPresented(), 100);
    studio::Shutdown();
}

TEST_F(FrameLoopTest, EscapeDoesNotEndTheLoopButTheExitFlagAndTheWindowCloseDo) {
    studio::Start();
    headless::PressKey(KEY_ESCAPE);
    EXPECT_TRUE(studio::Frame());
    EXPECT_TRUE(studio::Frame());
    studio::RequestExit();
    EXPECT_FALSE(studio::Frame());
    studio::Shutdown();

    studio::Start();
    EXPECT_TRUE(studio::Frame());
    headless::RequestClose();
    EXPECT_FALSE(studio::Frame());
    studio::Shutdown();
}

}  // namespace
}  // namespace kvx
