// The studio never loses work and says what happened, through its own frames: the caption's mark,
// the close of the window with unsaved changes, the keyboard in dialogs and the Ctrl shortcuts,
// and what the command line asks at start.
#include <filesystem>

#include "platform/headless.hpp"
#include "studio/current_file.hpp"
#include "design/design_writer.hpp"
#include "design/designed_gadget.hpp"
#include "studio/recent_files.hpp"
#include "studio/studio_window.hpp"
#include "studio/start_options.hpp"
#include "support/design_fixture.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;

class StudioSafetyTest : public testing::StudioTest {
protected:
    // Presses and lets go of a key, Ctrl held when asked, a frame each.
    static void Key(int key, bool control = false) {
        if (control) headless::PressKey(KEY_CONTROL);
        headless::PressKey(key);
        headless::ReleaseKey(key);
        if (control) headless::ReleaseKey(KEY_CONTROL);
        Frames(4);
    }
};

TEST_F(StudioSafetyTest, ClosingTheWindowAsksForUnsavedChangesAndCancelKeepsTheStudio) {
    EXPECT_EQ(Ui().StudioWindow->Text, "Untitled");
    Place("Button", 20, 600, 120, 610);
    Frame();
    EXPECT_EQ(Ui().StudioWindow->Text, "Untitled *") << "a changed design is marked";
    EXPECT_EQ(headless::WindowTitle(), "Korvex Studio 0.6a - Untitled *");

    headless::RequestClose();
    AnswerDialogs({"Cancel"});
    EXPECT_TRUE(Frame()) << "Cancel: the studio goes on";
    EXPECT_TRUE(Frame());
    EXPECT_EQ(Design().DesignList.size(), 1u);
    headless::RequestClose();
    AnswerDialogs({"No"});
    EXPECT_FALSE(Frame()) << "No: the design is let go and the studio ends";
}

TEST_F(StudioSafetyTest, EscapeCancelsEnterConfirmsAndCtrlShortcutsWorkEvenInAField) {
    Place("Button", 20, 600, 120, 610);
    // Ctrl+N asks about the changes; Escape answers Cancel.
    auto pressWhenAsked = [](int key) {
        auto pressed = std::make_shared<bool>(false);
        headless::SetFrameHook([pressed, key](int) {
            if (*pressed || !testing::FindButton("Cancel")) return;
            headless::PressKey(key);
            headless::ReleaseKey(key);
            *pressed = true;
        });
    };
    pressWhenAsked(KEY_ESCAPE);
    Key(KEY_N, true);
    EXPECT_EQ(Design().DesignList.size(), 1u) << "Escape cancelled New";
    const int frames = headless::FramesPresented();
    pressWhenAsked(KEY_ESCAPE);
    Key(KEY_O, true);
    EXPECT_GT(headless::FramesPresented() - frames, 4) << "Ctrl+O opened the file requester";
    EXPECT_EQ(Design().DesignList.size(), 1u) << "and Escape closed it";

    // With a field holding the keys, Ctrl+S still saves, through the file requester, whose name
    // field takes the typed name at once and Enter confirms it.
    SelectPage(studio::kModifyPage);
    ClickStudio(Ui().Editor.CaptionBox);
    const std::string path = "/tmp/kvx_keys_" + std::to_string(getpid()) + ".kvx";
    auto typeNameAndConfirm = std::make_shared<int>(0);
    headless::SetFrameHook([typeNameAndConfirm, path](int) {
        if (!testing::FindButton("Save") || (*typeNameAndConfirm)++ != 2) return;
        for (char c : path) headless::TypeChar(c);
        headless::PressKey(KEY_ENTER);
        headless::ReleaseKey(KEY_ENTER);
    });
    Key(KEY_S, true);
    headless::SetFrameHook(nullptr);
    ASSERT_TRUE(std::filesystem::exists(path)) << "Ctrl+S saved, Enter confirmed the typed name";
    std::filesystem::remove(path);
    EXPECT_EQ(studio::CurrentPath(), path);
    EXPECT_EQ(Ui().StudioWindow->Text, std::filesystem::path(path).filename().string()) << "no mark once saved";
}

TEST_F(StudioSafetyTest, TheFilePageOffersTheLastDesignsAndAClickOpensOne) {
    setenv("XDG_CONFIG_HOME", ("/tmp/kvx_recent_" + std::to_string(getpid())).c_str(), 1);
    const std::string path = "/tmp/kvx_recent_" + std::to_string(getpid()) + "/ui.kvx";
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    Place("Button", 20, 600, 120, 610);
    ASSERT_TRUE(studio::SaveDesignTo(path));
    studio::MarkSavedAs(path);
    ASSERT_TRUE(studio::RememberRecentFile(path));
    studio::ShowRecentFiles(studio::LoadRecentFiles());
    Frame();  // the list's own pass took this frame's input
    SelectPage(studio::kFilePage);
    ClickStudio(Ui().File.New);
    ASSERT_TRUE(Design().DesignList.empty());
    const KVX_Listbox& recent = *Ui().File.Recent;
    ASSERT_EQ(recent.ItemCount, 1);
    EXPECT_EQ(recent.ItemList[0].ItemText, "ui.kvx");
    Click(recent.AbsX + 30, recent.AbsY + KVX_LineHeight / 2);
    Frame();
    EXPECT_EQ(Design().DesignList.size(), 1u) << "the click opened it";
    EXPECT_EQ(studio::CurrentPath(), path);
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}

TEST(StudioStartOptionsTest, TheCommandLineChoosesTheScreenAndTheDesign) {
    std::string problem;
    const char* window[] = {"korvex-studio", "--window", "ui.kvx", "--benchmark"};
    const auto options = studio::ParseStartOptions(4, const_cast<char**>(window), problem);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->Screen, studio::ScreenChoice::Window);
    EXPECT_EQ(options->Design, "ui.kvx");
    EXPECT_TRUE(options->Benchmark);
    const char* help[] = {"korvex-studio", "--help"};
    EXPECT_FALSE(studio::ParseStartOptions(2, const_cast<char**>(help), problem));
    EXPECT_EQ(problem, "") << "help is no problem";
    const char* wrong[] = {"korvex-studio", "--fast"};
    EXPECT_FALSE(studio::ParseStartOptions(2, const_cast<char**>(wrong), problem));
    EXPECT_EQ(problem, "unknown option --fast");
}

class StudioStartTest : public testing::HeadlessTest {};

TEST_F(StudioStartTest, AScreenWithoutTheModeGetsAWindowAndTheNamedDesignOpens) {
    UseBackend(Backend::Headless);
    headless::Reset();
    headless::SetModes({{800, 600, 32, 60}});
    const std::string path = "/tmp/kvx_start_" + std::to_string(getpid()) + ".kvx";
    testing::PutFileBytes(path, "[BUTTON]\r\nHandle=Go\r\nPx=10\r\nPy=10\r\nTx=80\r\n\r\n\r\n");
    studio::StartOptions options;
    options.Design = path;
    studio::Start(options);
    EXPECT_EQ(GraphicsWidth(), 1024) << "rather than ending for want of the full-screen mode";
    EXPECT_EQ(GraphicsDepth(), 0) << "a window";
    ASSERT_EQ(Design().DesignList.size(), 1u);
    EXPECT_EQ(Design().DesignList[0]->Handle, "Go");
    EXPECT_EQ(studio::CurrentPath(), path);
    studio::Shutdown();
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace kvx
