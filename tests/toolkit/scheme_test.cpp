// Colour schemes: a saved scheme loads back the same, a damaged file keeps the defaults for what it
// lacks and says why, and the default scheme draws exactly what no scheme draws.
#include <fstream>
#include <vector>

#include "core/scheme_file.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

constexpr int kScreenW = 1024, kScreenH = 768;

class SchemeTest : public ToolkitTest {
protected:
    static std::string TempPath(const char* name) { return ::testing::TempDir() + name; }
    static void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    static std::vector<unsigned> Screen() {
        std::vector<unsigned> pixels;
        for (int y = 0; y < kScreenH; ++y) {
            for (int x = 0; x < kScreenW; ++x) pixels.push_back(Pixel(x, y));
        }
        return pixels;
    }
    static std::vector<unsigned> TwoFrames() {
        Frame();
        Frame();
        return Screen();
    }
};

TEST_F(SchemeTest, SavedSchemeLoadsBackTheSameColours) {
    KVX_SchemeColors.GadgetText->Red = 12;
    KVX_SchemeColors.ListSelection->Blue = 34;
    KVX_SchemeColors.DialogText->Green = 56;
    const KVX_SchemeValues edited = KVX_CurrentScheme();
    const std::string path = TempPath("round_trip.scheme");
    ASSERT_TRUE(KVX_SaveScheme(path));
    KVX_ResetScheme();
    ASSERT_NE(KVX_CurrentScheme(), edited);
    const KVX_SchemeLoad load = KVX_LoadScheme(path);
    EXPECT_TRUE(load.Ok()) << load.Error();
    EXPECT_EQ(load.ColorsRead(), int(KVX_SchemeEntries().size()));
    EXPECT_EQ(KVX_CurrentScheme(), edited);
}

TEST_F(SchemeTest, DamagedLinesAreSkippedAndReportedTheRestKeepsItsDefaults) {
    const KVX_SchemeValues defaults = KVX_CurrentScheme();
    KVX_SchemeColors.ListText->Red = 1;  // not named in the file: the load puts the default back
    const std::string path = TempPath("damaged.scheme");
    WriteText(path,
              "# comment\n\n GadgetText = 1, 2 ,3\r\nNoSuchColour=1,2,3\nTabText=300,0,0\nMenuText=1,2\n"
              "garbage\nInputText=4,5,6");
    const KVX_SchemeLoad load = KVX_LoadScheme(path);
    EXPECT_FALSE(load.Ok());
    EXPECT_NE(load.Error().find(path), std::string::npos);
    EXPECT_NE(load.Error().find("line 4"), std::string::npos) << load.Error();
    EXPECT_NE(load.Error().find("4 lines skipped"), std::string::npos) << load.Error();
    EXPECT_EQ(load.ColorsRead(), 2);
    KVX_SchemeValues expected = defaults;
    auto set = [&](const char* name, std::array<uint8_t, 3> rgb) {
        for (size_t i = 0; i < KVX_SchemeEntries().size(); ++i) {
            if (std::string(KVX_SchemeEntries()[i].Name) == name) expected[i] = rgb;
        }
    };
    set("GadgetText", {1, 2, 3});
    set("InputText", {4, 5, 6});
    EXPECT_EQ(KVX_CurrentScheme(), expected);

    // A file that cannot be read changes nothing.
    const KVX_SchemeLoad missing = KVX_LoadScheme(TempPath("no_such.scheme"));
    EXPECT_FALSE(missing.Ok());
    EXPECT_NE(missing.Error().find("no_such.scheme"), std::string::npos);
    EXPECT_EQ(KVX_CurrentScheme(), expected);
}

TEST_F(SchemeTest, DefaultSchemeDrawsTodaysPixelsAndTextColourChangesOnlyLabels) {
    const KVX_WindowRef window = KVX_Window::Create("Sample", 100, 100, 300, 200, 0, 0, 1);
    const KVX_PushButtonRef button = KVX_PushButton::Create(window, "Press", 20, 20, 100);
    const KVX_ListboxRef list = KVX_Listbox::Create(window, 20, 60, 150, 4);
    list->AddItem("Line one", "");
    KVX_Mouse = KVX_MouseState{};
    headless::MoveMouse(0, 0);
    const std::vector<unsigned> before = TwoFrames();

    const std::string path = TempPath("default.scheme");
    ASSERT_TRUE(KVX_SaveScheme(path));
    ASSERT_TRUE(KVX_LoadScheme(path).Ok());
    EXPECT_TRUE(TwoFrames() == before);

    // The open window shows the new caption colour; the list's text and every edge stay.
    WriteText(path, "GadgetText=255,0,0\n");
    ASSERT_TRUE(KVX_LoadScheme(path).Ok());
    const std::vector<unsigned> after = TwoFrames();
    int changed = 0, outsideButton = 0;
    for (int y = 0; y < kScreenH; ++y) {
        for (int x = 0; x < kScreenW; ++x) {
            if (after[size_t(y * kScreenW + x)] == before[size_t(y * kScreenW + x)]) continue;
            ++changed;
            const bool inButton = x >= button->AbsX + 2 && x < button->AbsX + button->Width - 2 &&
                                  y >= button->AbsY + 2 && y < button->AbsY + button->Height - 2;
            if (!inButton) ++outsideButton;
        }
    }
    EXPECT_GT(changed, 20);
    EXPECT_EQ(outsideButton, 0);
}

}  // namespace
}  // namespace kvx
