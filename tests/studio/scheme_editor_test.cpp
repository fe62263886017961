// The Scheme Editor: a colour changed in the chooser and confirmed shows at once and is remembered
// for the next start; a cancelled chooser leaves every colour as it was; a font size set in its
// field is used at once and remembered too.
#include "studio/scheme_editor.hpp"

#include <cstdlib>
#include <filesystem>

#include "core/gui_font.hpp"
#include "core/scheme_file.hpp"
#include "gadgets/scrollbar.hpp"
#include "gadgets/value.hpp"
#include "support/dialog_script.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using testing::ChildOf;
using testing::DialogScript;
using testing::FrontWindow;

constexpr int kEditedFontSize = 16;

class SchemeEditorTest : public testing::StudioTest {
protected:
    // A config folder of its own, so no other test starts with the scheme this one remembers.
    void SetUp() override {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) oldConfig_ = old;
        // Tests run side by side: each gets a folder of its own.
        const std::string config = ::testing::TempDir() + "scheme_editor_config_" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(config);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        StudioTest::SetUp();
    }
    void TearDown() override {
        StudioTest::TearDown();
        setenv("XDG_CONFIG_HOME", oldConfig_.c_str(), 1);
    }

    // Picks GadgetText, opens the chooser, drags Red to 0 and closes the chooser with `answer`,
    // then closes the editor.
    static void EditGadgetText(DialogScript& script, const std::string& answer) {
        script.ClickRow("GadgetText").ClickButton("Change...").Wait().Then([] {
            for (const KVX_GadgetRef& child : FrontWindow()->Children) {
                if (child->Kind() == KVX_KindScrollbar && child->Text == "Red") {
                    static_cast<KVX_Scrollbar*>(child.get())->Value = 0.f;
                }
            }
        });
        script.Wait().ClickButton(answer).Wait().ClickButton("Close");
    }

    std::string oldConfig_;
};

TEST_F(SchemeEditorTest, CancelledChangeLeavesTheColoursAndRemembersNothing) {
    const KVX_SchemeValues before = KVX_CurrentScheme();
    {
        DialogScript script;
        EditGadgetText(script, "Cancel");
        studio::ShowSchemeEditor();
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_EQ(KVX_CurrentScheme(), before);
    EXPECT_FALSE(std::filesystem::exists(studio::RememberedSchemePath()));
}

TEST_F(SchemeEditorTest, ConfirmedChangeShowsLiveAndIsLoadedAtTheNextStart) {
    const KVX_ColorRef text = KVX_SchemeColors.GadgetText;
    const uint8_t green = text->Green;
    {
        DialogScript script;
        EditGadgetText(script, "Ok");
        studio::ShowSchemeEditor();
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_EQ(text->Red, 0) << "the colour object the open labels hold changed";
    EXPECT_EQ(text->Green, green);
    ASSERT_TRUE(std::filesystem::exists(studio::RememberedSchemePath()));

    studio::Shutdown();
    studio::Start();
    EXPECT_EQ(KVX_SchemeColors.GadgetText->Red, 0);
    EXPECT_EQ(KVX_SchemeColors.GadgetText->Green, green);
}

TEST_F(SchemeEditorTest, FontSizeSetInItsFieldIsUsedAtOnceAndLoadedAtTheNextStart) {
    const int lineHeight = KVX_LineHeight;
    {
        DialogScript script;
        script.Then([] {
            const KVX_GadgetRef box = ChildOf(FrontWindow(), KVX_KindValue, "Size");
            ASSERT_TRUE(box);
            static_cast<KVX_Value*>(box.get())->ValueInput->Text = std::to_string(kEditedFontSize);
        });
        script.Wait().Then([] { EXPECT_EQ(KVX_GuiFontSize(), kEditedFontSize); }).ClickButton("Close");
        studio::ShowSchemeEditor();
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_GT(KVX_LineHeight, lineHeight);

    studio::Shutdown();
    studio::Start();
    EXPECT_EQ(KVX_GuiFontSize(), kEditedFontSize);
}

}  // namespace
}  // namespace kvx
