// Preferences: kept in the config folder, read back whole or with defaults for what is damaged,
// and edited in their dialog, where Cancel changes nothing.
#include "studio/preferences.hpp"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/audio.hpp"
#include "studio/config_folder.hpp"
#include "studio/preferences_dialog.hpp"
#include "studio/recent_files.hpp"
#include "support/design_fixture.hpp"
#include "support/dialog_script.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Prefs;

class PreferencesTest : public testing::StudioTest {
protected:
    // A config folder of this test's own, which it leaves as it found it.
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        testing::StudioTest::SetUp();
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        Prefs() = studio::Preferences{};
        studio::ApplyPreferences();
        testing::StudioTest::TearDown();
    }
    static std::string File() { return studio::ConfigFolder() + "/preferences.txt"; }

private:
    const std::string folder_ = ::testing::TempDir() + "kvx_preferences_" + std::to_string(getpid());
};

TEST_F(PreferencesTest, SavedPreferencesComeBackAndDamagedLinesKeepTheirDefaults) {
    Prefs() = {.GridStep = 10,
               .SnapToGrid = false,
               .AlignmentGuides = false,
               .ClickSounds = false,
               .StartScreen = studio::ScreenChoice::Window,
               .RequesterFolder = "/tmp/designs",
               .RecentCount = 3};
    const studio::Preferences saved = Prefs();
    ASSERT_TRUE(studio::SavePreferences());
    EXPECT_EQ(studio::LoadPreferences(), "");
    EXPECT_EQ(Prefs(), saved);

    testing::PutFileBytes(File(), "GridStep=0\r\nSnapToGrid=no\r\nJunk\r\nRecentCount=12");
    const std::string problem = studio::LoadPreferences();
    EXPECT_NE(problem.find("line 1, 3 not understood"), std::string::npos) << problem;
    EXPECT_EQ(Prefs().GridStep, 5) << "out of range: the default";
    EXPECT_FALSE(Prefs().SnapToGrid);
    EXPECT_EQ(Prefs().RecentCount, 12);
    EXPECT_TRUE(Prefs().ClickSounds) << "missing: the default";
}

TEST_F(PreferencesTest, TheGridStepAndSnappingRulePlacementAndTheRecentListLength) {
    Prefs().GridStep = 20;
    Place("Window", 103, 107, 400, 300);
    ASSERT_FALSE(studio::Design().DesignList.empty());
    EXPECT_EQ(studio::Design().DesignList.back()->Px, 100);
    Prefs().SnapToGrid = false;
    EXPECT_EQ(studio::SnapToGridStep(107), 107);

    Prefs().RecentCount = 2;
    for (const char* path : {"/a.kvx", "/b.kvx", "/c.kvx"}) studio::RememberRecentFile(path);
    EXPECT_EQ(studio::LoadRecentFiles(), (std::vector<std::string>{"/c.kvx", "/b.kvx"}));
}

TEST_F(PreferencesTest, TheDialogKeepsEverythingOnCancelAndAppliesAndSavesOnOk) {
    const studio::Preferences before = Prefs();
    {
        testing::DialogScript script;
        script.Wait().Click(KVX_KindCheckbox, "Click sounds").ClickButton("Cancel");
        EXPECT_FALSE(studio::EditPreferences());
    }
    EXPECT_EQ(Prefs(), before);
    EXPECT_FALSE(std::filesystem::exists(File()));
    {
        testing::DialogScript script;
        script.Wait().Click(KVX_KindCheckbox, "Click sounds").ClickButton("Ok");
        EXPECT_TRUE(studio::EditPreferences());
    }
    EXPECT_FALSE(Prefs().ClickSounds);
    EXPECT_FALSE(SoundsEnabled());
    EXPECT_NE(testing::FileBytes(File()).find("ClickSounds=no"), std::string::npos);
}

}  // namespace
}  // namespace kvx
