// Image boxes: built-in bevels, reloading at a changed size, pictures that do not load.
#include "gadgets/image_box.hpp"

#include <unistd.h>

#include <filesystem>

#include "core/skin.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

constexpr uint32_t kPictureColor = 0xC8140Au;  // 200, 20, 10

unsigned Rgb(const KVX_ColorRef& color) { return unsigned(ToARGB(color)) & 0xFFFFFFu; }

class ImageBoxTest : public testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        folder_ = std::filesystem::temp_directory_path() / ("kvx_image_box_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        picture_ = (folder_ / "solid.png").string();
        ASSERT_TRUE(SavePixmapPNG(Pixmap(8, 8, 0xFF000000u | kPictureColor), picture_));
    }
    void TearDown() override {
        ToolkitTest::TearDown();
        std::filesystem::remove_all(folder_);
    }

    KVX_ImageRef MakeBox(int x, int y, int border, const std::string& path = "") {
        return KVX_Image::Create(KVX_DesktopWindow, path.empty() ? picture_ : path, x, y, 40, 30, border);
    }

    std::filesystem::path folder_;
    std::string picture_;
};

TEST_F(ImageBoxTest, RaisedAndSunkenBordersAreBuiltIntoThePicture) {
    const KVX_ImageRef none = MakeBox(20, 40, 0), raised = MakeBox(100, 40, 1), sunken = MakeBox(180, 40, 2),
                       unknown = MakeBox(260, 40, 3);
    Frame();
    const unsigned a = Rgb(KVX_SchemeColors.ImageEdgeA), b = Rgb(KVX_SchemeColors.ImageEdgeB);
    struct Edges {
        unsigned top, left, bottom, right;
    };
    auto edgesOf = [](const KVX_ImageRef& box) {
        const int x = box->AbsX, y = box->AbsY, w = box->Width, h = box->Height;
        return Edges{BackBufferPixel(x + 10, y), BackBufferPixel(x, y + 10), BackBufferPixel(x + 10, y + h - 1),
                     BackBufferPixel(x + w - 1, y + 10)};
    };
    const Edges up = edgesOf(raised), down = edgesOf(sunken);
    EXPECT_EQ(up.top, a);
    EXPECT_EQ(up.left, a);
    EXPECT_EQ(up.bottom, b);
    EXPECT_EQ(up.right, b);
    EXPECT_EQ(down.top, b);
    EXPECT_EQ(down.left, b);
    EXPECT_EQ(down.bottom, a);
    EXPECT_EQ(down.right, a);
    for (const KVX_ImageRef& plain : {none, unknown}) {
        const Edges e = edgesOf(plain);
        EXPECT_EQ(e.top, kPictureColor);
        EXPECT_EQ(e.left, kPictureColor);
        EXPECT_EQ(e.bottom, kPictureColor);
        EXPECT_EQ(e.right, kPictureColor);
    }
    for (const KVX_ImageRef& box : {none, raised, sunken, unknown}) {
        EXPECT_EQ(BackBufferPixel(box->AbsX + 10, box->AbsY + 10), kPictureColor);
        EXPECT_EQ(BackBufferPixel(box->AbsX + box->Width, box->AbsY + 10), 0u) << "drawn past its width";
    }
}

TEST_F(ImageBoxTest, SetImageLoadsAtTheCurrentSizeWithTheSameBorder) {
    const KVX_ImageRef box = MakeBox(100, 60, 1);
    const int oldHandle = box->ImageHandle;
    box->Width = 70;
    box->Height = 20;
    Frame();
    EXPECT_EQ(ImageWidth(ImageFromHandle(box->ImageHandle)), 40) << "the old picture keeps its size until then";
    EXPECT_EQ(BackBufferPixel(box->AbsX + 50, box->AbsY + 5), 0u);

    box->SetImage(picture_);
    EXPECT_EQ(ImageFromHandle(oldHandle), nullptr) << "the old picture is released";
    const ImagePtr image = ImageFromHandle(box->ImageHandle);
    EXPECT_EQ(ImageWidth(image), 70);
    EXPECT_EQ(ImageHeight(image), 20);
    Frame();
    EXPECT_EQ(BackBufferPixel(box->AbsX + 50, box->AbsY + 5), kPictureColor);
    EXPECT_EQ(BackBufferPixel(box->AbsX + 50, box->AbsY + 19), Rgb(KVX_SchemeColors.ImageEdgeB));
    EXPECT_EQ(BackBufferPixel(box->AbsX + 69, box->AbsY + 5), Rgb(KVX_SchemeColors.ImageEdgeB));
}

TEST_F(ImageBoxTest, AnUnloadablePathLeavesNoPictureAndDrawsNothing) {
    const std::string missing = (folder_ / "missing.png").string();
    const KVX_ImageRef absent = MakeBox(100, 60, 1, missing);
    EXPECT_EQ(absent->ImageHandle, 0);

    const KVX_ImageRef replaced = MakeBox(200, 60, 2);
    const int oldHandle = replaced->ImageHandle;
    replaced->SetImage(missing);
    EXPECT_EQ(replaced->ImageHandle, 0);
    EXPECT_EQ(ImageFromHandle(oldHandle), nullptr);

    Frame();
    for (const KVX_ImageRef& box : {absent, replaced}) {
        EXPECT_EQ(BackBufferPixel(box->AbsX, box->AbsY), 0u);
        EXPECT_EQ(BackBufferPixel(box->AbsX + 10, box->AbsY + 10), 0u);
    }
}

TEST_F(ImageBoxTest, ParentAsPassedDisabledHalfAlphaAndFree) {
    const KVX_ImageRef orphan = KVX_Image::Create(nullptr, picture_, 0, 0, 10, 10, 0);
    EXPECT_TRUE(orphan->ParentGadget() == nullptr);
    for (const KVX_GadgetRef& child : KVX_DesktopWindow->Children) EXPECT_NE(child, orphan);

    const KVX_ImageRef box = MakeBox(100, 60, 0);
    box->Disabled = 1;
    Frame();
    const unsigned half = BackBufferPixel(box->AbsX + 10, box->AbsY + 10);
    EXPECT_NEAR(int(half >> 16), 100, 1);
    EXPECT_NEAR(int((half >> 8) & 255), 10, 1);

    const int handle = box->ImageHandle;
    box->Free();
    EXPECT_EQ(box->ImageHandle, 0);
    EXPECT_EQ(ImageFromHandle(handle), nullptr);
    Frame();
    EXPECT_EQ(BackBufferPixel(box->AbsX + 10, box->AbsY + 10), 0u);
    for (const KVX_GadgetRef& child : KVX_DesktopWindow->Children) EXPECT_NE(child, box);
}

}  // namespace
}  // namespace kvx
