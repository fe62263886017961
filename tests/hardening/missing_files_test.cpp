// The studio started where its own files are not: the skin is built in, but the fonts and the demo
// pictures are looked up from the working folder, so a user starting it from elsewhere, or with
// those files damaged, must still get a working designer.
#include <unistd.h>

#include <filesystem>

#include "core/runtime.hpp"
#include "gadgets/custom_button.hpp"
#include "gadgets/image_box.hpp"
#include "gadgets/input.hpp"
#include "design/design_reader.hpp"
#include "design/design_writer.hpp"
#include "design/designed_gadget.hpp"
#include "support/design_fixture.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

namespace fs = std::filesystem;
using studio::Design;

// The studio running with an empty scratch folder as its working folder.
class StudioElsewhereTest : public testing::StudioTest {
protected:
    void SetUp() override {
        home_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "kvx-elsewhere-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        fs::current_path(folder_);
        Populate();
        StudioTest::SetUp();
    }
    void TearDown() override {
        StudioTest::TearDown();
        fs::current_path(home_);
        fs::remove_all(folder_);
    }
    // What the working folder holds before the studio starts.
    virtual void Populate() {}

    // Places one of each kind that reads a file of its own, draws, and checks the studio still runs.
    void PlaceThePictureAndFontUsers() {
        Place("Window", 300, 100, 700, 400);
        Place("Imagebox", 320, 150, 400, 220);
        Place("CustomButton", 420, 150, 470, 200);
        Place("Inputbox", 320, 250, 450, 260);
        ASSERT_EQ(Design().DesignList.size(), 4u);
        EXPECT_EQ(std::static_pointer_cast<KVX_Image>(Design().DesignList[1]->Gadget)->ImageHandle, 0);
        EXPECT_EQ(std::static_pointer_cast<KVX_CustomButton>(Design().DesignList[2]->Gadget)->NormalImage, 0);
        EXPECT_GT(std::static_pointer_cast<KVX_Input>(Design().DesignList[3]->Gadget)->CharWidth, 1)
            << "the input box measures with the built-in font";
        for (int i = 0; i < 10; ++i) ASSERT_TRUE(Frame());

        // A round trip through a file keeps the picture paths though the pictures are absent.
        ASSERT_TRUE(studio::SaveDesignTo("ui.kvx"));
        testing::ClearDesign();
        studio::LoadDesignFrom("ui.kvx");
        ASSERT_EQ(Design().DesignList.size(), 4u);
        EXPECT_EQ(Design().DesignList[1]->Image, "./KVX_Demos/Image_01.png");
        EXPECT_TRUE(Frame());
    }

    fs::path home_, folder_;
};

TEST_F(StudioElsewhereTest, StartsWithoutFontsOrDemoPicturesAndStillDesigns) {
    EXPECT_EQ(KVX_GuiFont, nullptr) << "the fonts really were not found";
    EXPECT_EQ(KVX_BitmapFont, nullptr);
    EXPECT_GT(KVX_LineHeight, 0);
    EXPECT_GT(TextWidth("Korvex"), 0);
    EXPECT_GT(studio::SkinButtonHeight(), 0) << "the skin is built in";
    ASSERT_TRUE(Ui().StudioWindow);
    PlaceThePictureAndFontUsers();
}

class StudioWithDamagedFilesTest : public StudioElsewhereTest {
protected:
    void Populate() override {
        const fs::path sources = home_;
        // Cut short, the font still opens, but its glyphs are gone.
        const std::string ttf = testing::FileBytes((sources / "arial.ttf").string());
        ASSERT_GT(ttf.size(), 100000u);
        testing::PutFileBytes("arial.ttf", ttf.substr(0, ttf.size() / 2));
        const std::string fon = testing::FileBytes((sources / "zarvo.fon").string());
        ASSERT_GT(fon.size(), 600u);
        testing::PutFileBytes("zarvo.fon", fon.substr(0, 600));
        fs::create_directory("KVX_Demos");
        testing::PutFileBytes("KVX_Demos/KorvexStudio-1024.png", "\x89PNG\r\n\x1a\n and then nothing");
        const std::string picture = testing::FileBytes((sources / "KVX_Demos/Image_01.png").string());
        ASSERT_GT(picture.size(), 200u);
        testing::PutFileBytes("KVX_Demos/Image_01.png", picture.substr(0, picture.size() / 2));
        testing::PutFileBytes("KVX_Demos/Icon_04_un.png", std::string(5000, '\xFF'));
    }
};

TEST_F(StudioWithDamagedFilesTest, DamagedFontsAndPicturesAreRefusedAndTheStudioRuns) {
    EXPECT_EQ(KVX_GuiFont, nullptr);
    EXPECT_EQ(KVX_BitmapFont, nullptr);
    EXPECT_GT(KVX_LineHeight, 0);
    PlaceThePictureAndFontUsers();
}

TEST_F(StudioElsewhereTest, ClosingTheWindowUnderTheStudiosDialogsLosesNothing) {
    Place("Button", 20, 600, 120, 610);
    ASSERT_EQ(Design().DesignList.size(), 1u);
    SelectPage(studio::kFilePage);
    // The window is closed once the question has been shown for three frames, unanswered.
    auto shown = std::make_shared<int>(0);
    headless::SetFrameHook([shown](int) {
        if (testing::FindButton("Cancel") && ++*shown == 3) headless::RequestClose();
    });
    ClickStudio(Ui().File.New);
    EXPECT_EQ(*shown, 3) << "the question was asked and ended at the close";
    EXPECT_EQ(Design().DesignList.size(), 1u) << "the question counts as cancelled: the design stays";
    // The close still stands, and the unsaved design is not thrown away without asking.
    AnswerDialogs({"No"});
    EXPECT_FALSE(Frame()) << "the studio leaves once the user let the design go";
    EXPECT_TRUE(fs::is_empty(folder_)) << "nothing was saved on the way";
    EXPECT_EQ(KVX_ActivationAllowed, 1);
    EXPECT_NE(Design().DesignList[0]->Gadget->Closed, 1);
}

}  // namespace
}  // namespace kvx
