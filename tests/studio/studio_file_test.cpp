// The studio's File page driven through its own tool window: one command per frame, "New".
#include "design/designed_gadget.hpp"
#include "studio/about_box.hpp"
#include "studio/studio_step.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;

class StudioFileTest : public testing::StudioTest {};

TEST_F(StudioFileTest, SaveAndExitAreNeverHandledInOneFrameAndTheSchemeEditorLeavesNoWindow) {
    SelectPage(studio::kFilePage);
    const studio::FilePage& f = Ui().File;
    const size_t windows = KVX_GadgetList.size();
    // The Scheme Editor runs until Close and takes its sample window with it.
    AnswerDialogs({"Close"});
    const int beforeEditor = headless::FramesPresented();
    ClickStudio(f.SchemeEditor);
    EXPECT_GT(headless::FramesPresented() - beforeEditor, 2) << "the editor ran";
    EXPECT_EQ(KVX_GadgetList.size(), windows);

    // Both clicks pending at once: Save goes first and runs its requester, which is cancelled.
    f.Save->State = 3;
    f.Exit->State = 3;
    AnswerDialogs({"Cancel"});
    const int presented = headless::FramesPresented();
    studio::StudioFrameStep();
    EXPECT_GT(headless::FramesPresented(), presented) << "the save requester ran";
    EXPECT_FALSE(studio::ExitRequested());
    EXPECT_TRUE(Frame());
    EXPECT_FALSE(studio::ExitRequested());

    ClickStudio(f.Exit);
    EXPECT_TRUE(studio::ExitRequested());
    EXPECT_FALSE(Frame()) << "the loop ends after the frame that set the flag";
}

TEST_F(StudioFileTest, AboutNamesTheVersionsAndTheSettingsFolder) {
    const std::string text = studio::AboutText();
    for (const char* part : {"Korvex Studio 0.6a", "Korvex toolkit 0.6.0", "SDL2 2.", "libpng 1.", "FreeType 2.",
                             "zlib 1.", "Lua 5.4", "/korvex-studio"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
    }
    SelectPage(studio::kFilePage);
    AnswerDialogs({"Ok"});
    const int presented = headless::FramesPresented();
    ClickStudio(Ui().File.About);
    EXPECT_GT(headless::FramesPresented() - presented, 2) << "the box ran";
}

TEST_F(StudioFileTest, NewKeepsTheDesignUnlessTheAnswerLetsItGo) {
    Place("Button", 20, 600, 120, 610);
    Place("Button", 20, 650, 120, 660);
    ASSERT_EQ(Design().DesignList.size(), 2u);
    EXPECT_EQ(Design().DesignList[1]->Handle, "Button2");
    SelectPage(studio::kFilePage);

    AnswerDialogs({"Cancel"});
    ClickStudio(Ui().File.New);
    EXPECT_EQ(Design().DesignList.size(), 2u) << "Cancel keeps the design";
    EXPECT_EQ(Design().CounterOf("Button"), 3) << "and the counters";

    AnswerDialogs({"Yes", "Cancel"});
    ClickStudio(Ui().File.New);
    EXPECT_EQ(Design().DesignList.size(), 2u) << "a cancelled save keeps the design";
    EXPECT_EQ(Design().CounterOf("Button"), 3);

    const KVX_GadgetRef live = Design().DesignList[0]->Gadget;
    AnswerDialogs({"No"});
    ClickStudio(Ui().File.New);
    EXPECT_TRUE(Design().DesignList.empty());
    EXPECT_EQ(live->Closed, 1) << "the live gadgets are freed";

    Place("Button", 20, 600, 120, 610);
    ASSERT_EQ(Design().DesignList.size(), 1u);
    EXPECT_EQ(Design().DesignList[0]->Handle, "Button1");
}

}  // namespace
}  // namespace kvx
