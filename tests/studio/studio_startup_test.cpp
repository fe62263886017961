// What the studio's start-up builds: the tool window and its pages, the grid, the button height.
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "design/designed_gadget.hpp"
#include "studio/studio_state.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

class StudioStartupTest : public testing::StudioTest {};

TEST_F(StudioStartupTest, ToolWindowPagesGridAndButtonHeight) {
    const KVX_Window& tool = *Ui().StudioWindow;
    EXPECT_EQ(tool.Text, "Untitled");
    EXPECT_EQ(tool.X, 832);
    EXPECT_EQ(tool.Y, 2);
    EXPECT_NE(tool.LockButton, nullptr);
    EXPECT_NE(tool.MinimiseButton, nullptr);
    EXPECT_EQ(tool.CloseButton, nullptr) << "the tool window cannot be closed";
    EXPECT_EQ(Ui().StudioTabs->Text, "File|Create|Modify");
    EXPECT_EQ(Ui().StudioTabs->SelectedTab, studio::kFilePage);

    const int pageTop = Ui().StudioTabs->Y + Ui().StudioTabs->TabHeight + 5;
    EXPECT_EQ(Ui().File.Export->Text, "Export to .bmx");
    EXPECT_EQ(Ui().File.Exit->Y, pageTop + 270);
    EXPECT_EQ(Ui().File.Exit->TabIndex, studio::kFilePage);
    EXPECT_EQ(studio::CreateButtonOf("Menu")->Text, "Menu - Popup");
    EXPECT_EQ(studio::CreateButtonOf("ColorIcon")->Y, pageTop + 395);
    EXPECT_EQ(studio::CreateButtonOf("ColorIcon")->TabIndex, studio::kCreatePage);
    EXPECT_EQ(Ui().Editor.TyBox->TabIndex, studio::kModifyPage);
    EXPECT_EQ(Ui().Editor.TyBox->Maximum, 768.f);
    EXPECT_TRUE(Ui().File.New->Hidden == 0 && studio::CreateButtonOf("Window")->Hidden == 1)
        << "only the File page shows at start";

    EXPECT_EQ(studio::SkinButtonHeight(), ImageHeight(LoadImage(SkinPath("Button_left_hi.png"))));
    EXPECT_GT(studio::SkinButtonHeight(), 0);

    const ImagePtr& grid = studio::State().GridImage;
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(ImageWidth(grid), 1024);
    EXPECT_EQ(ImageHeight(grid), 768);
    const PixmapPtr pixels = LockImage(grid, 0, true, false);
    EXPECT_EQ(ReadPixel(pixels, 0, 0), 0xFF000000u);
    EXPECT_EQ(ReadPixel(pixels, 1015, 765), 0xFF000000u);
    EXPECT_EQ(ReadPixel(pixels, 5, 7) >> 24, 0u);
    EXPECT_EQ(ReadPixel(pixels, 7, 5) >> 24, 0u);
    UnlockImage(grid);
}

}  // namespace
}  // namespace kvx
