// Colour schemes: a saved scheme loads back the same colours, tints and font, a damaged file keeps
// the defaults for what it lacks (the font in use for a font it cannot load) and says why, the
// default scheme draws exactly what no scheme draws, and a tint changes only its own gadgets.
#include <fstream>
#include <vector>

#include "core/gui_font.hpp"
#include "core/scheme_file.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/scheme_sample.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

constexpr int kScreenW = 1024, kScreenH = 768;
const std::string kTestFont = std::string(KVX_TEST_FONT_DIR) + "/arial.ttf";
constexpr int kTestFontSize = 17;

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
    struct Changes {
        int inside = 0, outside = 0;
    };
    // The pixels two screens differ in, inside the gadget's box less `inset` on each side and outside it.
    static Changes ChangesAround(const std::vector<unsigned>& a, const std::vector<unsigned>& b, const KVX_Gadget& g,
                                 int inset) {
        Changes changes;
        for (int y = 0; y < kScreenH; ++y) {
            for (int x = 0; x < kScreenW; ++x) {
                if (a[size_t(y * kScreenW + x)] == b[size_t(y * kScreenW + x)]) continue;
                const bool inside = x >= g.AbsX + inset && x < g.AbsX + g.Width - inset && y >= g.AbsY + inset &&
                                    y < g.AbsY + g.Height - inset;
                ++(inside ? changes.inside : changes.outside);
            }
        }
        return changes;
    }
};

TEST_F(SchemeTest, SavedSchemeLoadsBackTheSameColours) {
    KVX_SchemeColors.GadgetText->Red = 12;
    KVX_SchemeColors.ListSelection->Blue = 34;
    KVX_SchemeColors.DialogText->Green = 56;
    KVX_SchemeColors.ButtonTint->Green = 78;
    KVX_SchemeColors.MenuTint->Red = 90;
    const int defaultLineHeight = KVX_LineHeight;
    ASSERT_TRUE(KVX_SetGuiFont(kTestFont, kTestFontSize));
    const KVX_SchemeValues edited = KVX_CurrentScheme();
    const std::string path = TempPath("round_trip.scheme");
    ASSERT_TRUE(KVX_SaveScheme(path));
    KVX_ResetScheme();
    KVX_LoadDefaultGuiFont();
    ASSERT_NE(KVX_CurrentScheme(), edited);
    const KVX_SchemeLoad load = KVX_LoadScheme(path);
    EXPECT_TRUE(load.Ok()) << load.Error();
    EXPECT_EQ(load.ColorsRead(), int(KVX_SchemeEntries().size()));
    EXPECT_EQ(KVX_CurrentScheme(), edited);
    EXPECT_EQ(KVX_GuiFontPath(), kTestFont);
    EXPECT_EQ(KVX_GuiFontSize(), kTestFontSize);
    EXPECT_GT(KVX_LineHeight, defaultLineHeight) << "the line height follows the larger font";
}

TEST_F(SchemeTest, DamagedLinesAreSkippedAndReportedTheRestKeepsItsDefaults) {
    const KVX_SchemeValues defaults = KVX_CurrentScheme();
    KVX_SchemeColors.ListText->Red = 1;  // not named in the file: the load puts the default back
    const std::string path = TempPath("damaged.scheme");
    WriteText(path,
              "# comment\n\n GadgetText = 1, 2 ,3\r\nNoSuchColour=1,2,3\nTabText=300,0,0\nMenuText=1,2\n"
              "garbage\nInputText=4,5,6\nListTint=7,8,9\nTabTint=1,2,x\nFontSize=200\nFont=" +
                  path + "\n");
    ASSERT_TRUE(KVX_SetGuiFont(kTestFont, kTestFontSize));
    const FontPtr font = KVX_GuiFont;
    const KVX_SchemeLoad load = KVX_LoadScheme(path);
    EXPECT_FALSE(load.Ok());
    EXPECT_NE(load.Error().find(path), std::string::npos);
    EXPECT_NE(load.Error().find("line 4"), std::string::npos) << load.Error();
    EXPECT_NE(load.Error().find("7 lines skipped"), std::string::npos) << load.Error();
    EXPECT_EQ(load.ColorsRead(), 3);
    EXPECT_EQ(KVX_GuiFont, font) << "a file that is no font keeps the font in use";
    EXPECT_EQ(KVX_GuiFontPath(), kTestFont);
    KVX_SchemeValues expected = defaults;
    auto set = [&](const char* name, std::array<uint8_t, 3> rgb) {
        for (size_t i = 0; i < KVX_SchemeEntries().size(); ++i) {
            if (std::string(KVX_SchemeEntries()[i].Name) == name) expected[i] = rgb;
        }
    };
    set("GadgetText", {1, 2, 3});
    set("InputText", {4, 5, 6});
    set("ListTint", {7, 8, 9});
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
    const Changes changes = ChangesAround(before, TwoFrames(), *button, 2);
    EXPECT_GT(changes.inside, 20);
    EXPECT_EQ(changes.outside, 0);
}

TEST_F(SchemeTest, DefaultTintsDrawTodaysPixelsAndAButtonTintShowsLiveOnlyInButtons) {
    const KVX_WindowRef sample = KVX_SchemeSampleWindow(100, 100);
    KVX_Mouse = KVX_MouseState{};
    headless::MoveMouse(0, 0);
    const std::vector<unsigned> byDefault = TwoFrames();

    // Before tints the pieces were drawn in the white colour object itself.
    KVX_Scheme& s = KVX_SchemeColors;
    const KVX_Scheme scheme = s;
    for (KVX_ColorRef* tint :
         {&s.WindowFrameTint, &s.WindowBodyTint, &s.ButtonTint, &s.FieldTint, &s.ListTint, &s.TabTint, &s.MenuTint}) {
        *tint = KVX_WhiteColor;
    }
    EXPECT_TRUE(TwoFrames() == byDefault);
    s = scheme;

    const std::string path = TempPath("button_tint.scheme");
    WriteText(path, "ButtonTint=255,0,0\n");
    ASSERT_TRUE(KVX_LoadScheme(path).Ok());
    std::vector<const KVX_Gadget*> buttons;
    for (const KVX_GadgetRef& child : sample->Children) {
        if (child->Kind() == KVX_KindPushButton) buttons.push_back(child.get());
    }
    ASSERT_EQ(buttons.size(), 1u);
    const KVX_Gadget& button = *buttons.front();
    const Changes changes = ChangesAround(byDefault, TwoFrames(), button, 0);
    EXPECT_GT(changes.inside, button.Width * button.Height / 2);
    EXPECT_EQ(changes.outside, 0);
}

}  // namespace
}  // namespace kvx
