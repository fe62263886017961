// Colour, timer, mouse snapshot, drawing helpers and the text-editing helpers of the gadgets.
#include "core/color.hpp"
#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/text_helpers.hpp"
#include "core/timer.hpp"
#include "platform/platform.hpp"
#include "support/headless_fixture.hpp"

namespace kvx {
namespace {

using testing::HeadlessTest;

TEST(ColorTest, ChannelsWrapModulo256AndPackAsOpaqueArgb) {
    KVX_ColorRef color = KVX_Color::Create(300, 0, 0);
    EXPECT_EQ(color->Red, 44);
    EXPECT_EQ(KVX_Color::Create(-1, 256, 511)->Green, 0);
    EXPECT_EQ(ToARGB(KVX_Color::Create(1, 2, 3)), int32_t(0xFF010203u));
    EXPECT_EQ(ToARGB(nullptr), 0);
}

TEST(TextHelpersTest, DeleteAndInsertAtCharacterPositions) {
    EXPECT_EQ(DeleteChars("abcdef", 2, 1), "abdef");
    EXPECT_EQ(DeleteChars("abc", 3, 1), "abc");
    EXPECT_EQ(DeleteChars("abc", 0, 5), "");
    EXPECT_EQ(InsertString("abc", "X", 0), "Xabc");
    EXPECT_EQ(InsertString("abc", "X", 2), "abXc");
    EXPECT_EQ(InsertString("abc", "X", 5), "abcX");
    EXPECT_EQ(InsertString("abc", "X", 3), "abcX");
    EXPECT_EQ(Toggle(0), 1);
    EXPECT_EQ(Toggle(1), 0);
}

class HelpersTest : public HeadlessTest {};

TEST_F(HelpersTest, TimersRunOutInTheMillisecondAfterTheirEnd) {
    headless::SetClock(1000);
    KVX_Timer timer = KVX_Timer::Create(0);
    EXPECT_EQ(timer.Check(), 0);
    headless::AdvanceClock(1);
    EXPECT_EQ(timer.Check(), 1);
    KVX_Timer later = KVX_Timer::Create(90);
    headless::AdvanceClock(90);
    EXPECT_EQ(later.Check(), 0);
    headless::AdvanceClock(1);
    EXPECT_EQ(later.Check(), 1);
    headless::AdvanceClock(1000);
    EXPECT_EQ(later.Check(), 1);  // stays run out
}

TEST_F(HelpersTest, MouseSnapshotTracksPressesReleasesAndTheWheel) {
    KVX_Mouse = KVX_MouseState{};
    auto frame = [] {
        KVX_Mouse.Update();
        zglSwapBuffers();
    };
    headless::MoveMouse(30, 40);
    headless::PressMouse(1);
    frame();
    EXPECT_EQ(KVX_Mouse.LeftHit, 1);
    EXPECT_EQ(KVX_Mouse.LeftDown, 1);
    EXPECT_EQ(KVX_Mouse.LeftPressX, 30);
    frame();
    EXPECT_EQ(KVX_Mouse.LeftHit, 0) << "a press is seen in one frame only";
    headless::MoveMouse(35, 41);
    headless::ReleaseMouse(1);
    frame();
    EXPECT_EQ(KVX_Mouse.LeftReleased, 1);
    EXPECT_EQ(KVX_Mouse.LeftPressX, -1);
    EXPECT_EQ(KVX_Mouse.LeftReleaseX, 35);
    frame();
    EXPECT_EQ(KVX_Mouse.LeftReleased, 0);

    // A click quicker than a frame: the press, then the release, a frame each.
    headless::PressMouse(1);
    headless::ReleaseMouse(1);
    frame();
    EXPECT_EQ(KVX_Mouse.LeftHit, 1);
    EXPECT_EQ(KVX_Mouse.LeftReleased, 0);
    frame();
    EXPECT_EQ(KVX_Mouse.LeftReleased, 1);

    headless::Wheel(2);
    frame();
    EXPECT_EQ(KVX_Mouse.WheelDir, -1);
    frame();
    EXPECT_EQ(KVX_Mouse.WheelDir, -1) << "the second step in the next frame";
    headless::Wheel(-1);
    frame();
    EXPECT_EQ(KVX_Mouse.WheelDir, 1);
    frame();
    EXPECT_EQ(KVX_Mouse.WheelDir, 0);

    headless::PressMouse(2);
    frame();
    EXPECT_EQ(KVX_Mouse.RightHit, 1);
    headless::ReleaseMouse(2);
    frame();
    EXPECT_EQ(KVX_Mouse.RightReleased, 1);
    EXPECT_EQ(KVX_Mouse.RightPressX, -1);
}

TEST_F(HelpersTest, MouseInIncludesTheFarEdgeForThePointerButNotForThePress) {
    KVX_Mouse = KVX_MouseState{};
    KVX_Mouse.X = 110;
    KVX_Mouse.Y = 70;
    KVX_Mouse.LeftPressX = 110;
    KVX_Mouse.LeftPressY = 70;
    EXPECT_EQ(KVX_Mouse.MouseIn(100, 50, 10, 20, false), 1);
    EXPECT_EQ(KVX_Mouse.MouseIn(100, 50, 10, 20, true), 0);
    KVX_Mouse.LeftPressX = 109;
    KVX_Mouse.LeftPressY = 69;
    EXPECT_EQ(KVX_Mouse.MouseIn(100, 50, 10, 20, true), 1);
    KVX_Mouse.X = 111;
    EXPECT_EQ(KVX_Mouse.MouseIn(100, 50, 10, 20, false), 0);
}

TEST_F(HelpersTest, SizedImagesGetTheirBorderAndBuildingOneClearsTheScreen) {
    auto source = std::make_shared<Pixmap>(3, 3, 0xFF808080u);
    SetClsColor(0, 0, 0);
    SetColor(255, 255, 255);
    DrawRect(0, 0, 10, 10);
    const int32_t a = int32_t(0xFF0000FFu), b = int32_t(0xFFFF0000u);
    const int handle = LoadSizedImage(source, 3, 3, a, b, 1);
    EXPECT_EQ(Pixel(5, 5), 0u) << "building an image clears the back buffer";
    PixmapPtr pixels = ImageFromHandle(handle)->frames[0].pixmap;
    EXPECT_EQ(pixels->at(0, 0), uint32_t(a));
    EXPECT_EQ(pixels->at(2, 0), uint32_t(a));
    EXPECT_EQ(pixels->at(0, 2), uint32_t(a));
    EXPECT_EQ(pixels->at(2, 2), uint32_t(b));
    EXPECT_EQ(pixels->at(1, 1), 0xFF808080u);
    const int sunken = LoadSizedImage(source, 3, 3, a, b, 2);
    EXPECT_EQ(ImageFromHandle(sunken)->frames[0].pixmap->at(0, 0), uint32_t(b));
    EXPECT_EQ(ImageFromHandle(sunken)->frames[0].pixmap->at(2, 2), uint32_t(a));
    EXPECT_EQ(LoadSizedImage(std::string("missing.png"), 3, 3, a, b, 1), 0);
    EXPECT_EQ(LoadSizedImage(source, 0, 3, a, b, 1), 0);
}

TEST_F(HelpersTest, BevelsAndFrameOutlinesCoverTheirStatedPixels) {
    SetClsColor(0, 0, 0);
    Cls();
    DrawBevelRect(2, 2, 5, 4, KVX_Color::Create(10, 10, 10), KVX_Color::Create(0, 0, 200), KVX_Color::Create(200, 0, 0),
                  1);
    EXPECT_EQ(Pixel(2, 2), 0x0000C8u);  // top-left: edge A
    EXPECT_EQ(Pixel(6, 2), 0x0000C8u);  // top-right corner: A drawn last
    EXPECT_EQ(Pixel(6, 5), 0xC80000u);  // bottom-right: edge B
    EXPECT_EQ(Pixel(4, 3), 0x0A0A0Au);
    EXPECT_EQ(Pixel(7, 2), 0u);
    Cls();
    SetColor(255, 255, 255);
    DrawFrameRect(10, 10, 4, 3, false);  // covers 5 x 4 pixels
    EXPECT_EQ(Pixel(14, 13), 0xFFFFFFu);
    EXPECT_EQ(Pixel(12, 11), 0u);
    EXPECT_EQ(Pixel(15, 13), 0u);
}

TEST_F(HelpersTest, GrabbedScreenImagesAreOnePixelLargerAndMaskBlack) {
    SetClsColor(0, 0, 0);
    Cls();
    SetColor(0, 255, 0);
    DrawRect(5, 5, 1, 1);
    const int handle = GrabScreenImage(4, 4, 2, 2, true);
    ImagePtr image = ImageFromHandle(handle);
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageWidth(image), 3);
    EXPECT_EQ(ImageHeight(image), 3);
    EXPECT_EQ(image->frames[0].pixmap->at(1, 1), 0xFF00FF00u);
    EXPECT_EQ(image->frames[0].pixmap->at(0, 0) >> 24, 0u) << "cleared background is transparent";
    EXPECT_EQ(Pixel(5, 5), 0u) << "grabbing clears the back buffer";
}

}  // namespace
}  // namespace kvx
