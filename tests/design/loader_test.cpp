// A design used from C++: the header kvx-export generated at build time and KVX_LoadDesign of the
// same file make the same gadgets, pixel for pixel; hostile files make nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Inc_Korvex.hpp"
#include "design/design_reader.hpp"
#include "design/source_export.hpp"
#include "every_kind_edited.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

const std::string kDesign = std::string(KVX_TEST_DESIGN_DIR) + "/every_kind_edited.kvx";

class DesignLoaderTest : public testing::ToolkitTest {
protected:
    // The frame an application shows once its design is made, after a hover settles.
    static std::vector<unsigned> Shown() {
        headless::MoveMouse(100, 200);
        Frames(3);
        std::vector<unsigned> pixels;
        for (int y = 0; y < GraphicsHeight(); ++y) {
            for (int x = 0; x < GraphicsWidth(); ++x) pixels.push_back(Pixel(x, y));
        }
        return pixels;
    }
    static size_t GadgetsMade() { return KVX_GadgetList.size() + KVX_DesktopWindow->Children.size(); }
    void Restart() {
        KVX_ClearGui();
        KVX_InitGUI(2);
    }
    static std::string Bytes(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::string Written(const std::string& name, const std::string& bytes) {
        const std::string path = ::testing::TempDir() + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

TEST_F(DesignLoaderTest, TheGeneratedHeaderAndTheLoaderShowTheSamePixels) {
    EveryKindEdited generated;
    generated.Create();
    const std::vector<unsigned> fromHeader = Shown();
    Restart();
    const KVX_LoadedDesign loaded = KVX_LoadDesign(kDesign);
    ASSERT_TRUE(loaded.Ok()) << loaded.Error();
    const std::vector<unsigned> fromLoader = Shown();
    ASSERT_EQ(fromHeader.size(), fromLoader.size());
    size_t differing = 0;
    for (size_t i = 0; i < fromHeader.size(); ++i) differing += fromHeader[i] != fromLoader[i];
    EXPECT_EQ(differing, 0u);

    // Windows are an application's: movable, with working title buttons.
    const auto window = loaded.Get<KVX_Window>("Window1");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Locked, 0);
    EXPECT_EQ(window->CloseButton->Disabled, 0);
    EXPECT_EQ(window->Text, "Say \"hi\" \\ caf\xe9 ?\?=");
}

TEST_F(DesignLoaderTest, EveryHandleIsFoundAsItsKind) {
    const KVX_LoadedDesign loaded = KVX_LoadDesign(kDesign);
    ASSERT_TRUE(loaded.Ok()) << loaded.Error();
    EXPECT_EQ(loaded.Gadgets().size(), 25u);
    for (const auto& [handle, gadget] : loaded.Gadgets()) {
        EXPECT_TRUE(loaded.Find(handle)) << handle;
    }
    EXPECT_TRUE(loaded.Get<KVX_PushButton>("2nd button"));
    EXPECT_EQ(loaded.Get<KVX_PushButton>("Button1")->Text, "Press \\n me") << "a repeated handle finds the first";
    EXPECT_FALSE(loaded.Get<KVX_Label>("Button1")) << "another kind gives null";
    EXPECT_FALSE(loaded.Find("Nobody"));
    const auto scroll = loaded.Get<KVX_Scrollbar>("Scrollbar1");
    ASSERT_TRUE(scroll);
    EXPECT_FLOAT_EQ(scroll->Value, 12.5f);
    EXPECT_EQ(loaded.Get<KVX_Progress>("Progressbar1")->Value, 37);
    EXPECT_FALSE(loaded.Get<KVX_Checkbox>("Loose")->ParentGadget() == loaded.Find("Window1"));

    const auto right = loaded.Get<KVX_Label>("Create");
    EXPECT_EQ(right->Align, 3);
    EXPECT_EQ(ToARGB(right->Color) & 0xFFFFFF, 0xC86432u) << "a label's own colour";

    // Gadgets on tabs keep their place in the window; menus go on the bar with their sub-menus.
    const auto panel = loaded.Get<KVX_Tabpanel>("Tabpanel1");
    const auto second = loaded.Get<KVX_Checkbox>("OnSecondTab");
    ASSERT_TRUE(panel && second);
    EXPECT_EQ(second->TabPanel, panel);
    EXPECT_EQ(second->TabIndex, 2);
    EXPECT_EQ(second->X, 20);
    EXPECT_EQ(loaded.Get<KVX_PushButton>("OnFirstTab")->TabIndex, 1);
    const auto menu = loaded.Get<KVX_Menu>("Menu1");
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->Text, "File \"main\"");
    ASSERT_EQ(menu->Entries.size(), 5u);
    ASSERT_TRUE(menu->Entries[1].Submenu);
    const KVX_Menu& recent = *menu->Entries[1].Submenu;
    ASSERT_EQ(recent.Entries.size(), 2u);
    EXPECT_EQ(recent.Entries[1].Checked, 1);
    ASSERT_TRUE(recent.Entries[1].Submenu);
    EXPECT_EQ(recent.Entries[1].Submenu->Entries.at(0).EntryText, "Deeper");
    EXPECT_TRUE(menu->Entries[2].IsSeparator());
    EXPECT_EQ(menu->Entries[3].Disabled, 1);
    EXPECT_EQ(menu->Entries[4].EntryText, "*Starred") << "a backslash lets a text start with a mark";
    EXPECT_EQ(AllMenus.size(), 4u) << "two titles and two sub-menus";
}

TEST_F(DesignLoaderTest, HostileFilesMakeNothingAndSayWhy) {
    std::string huge;
    for (int i = 0; i < 40; ++i)
        huge += "[WINDOW]\nHandle=H\nTx=" + std::to_string(4096 - i) + "\nTy=4096\n\n\n\n\n\n\n\n";
    const struct {
        std::string path, reason;
    } cases[] = {
        {"/no/such/design.kvx", "does not exist"},
        {Written("png.kvx", "\x89PNG\r\n\x1a\n not a design"), "is not a Korvex design"},
        {Written("huge.kvx", huge), "needs more than"},
        {::testing::TempDir(), "is a folder"},
    };
    const size_t before = GadgetsMade();
    for (const auto& hostile : cases) {
        const KVX_LoadedDesign loaded = KVX_LoadDesign(hostile.path);
        EXPECT_FALSE(loaded.Ok()) << hostile.path;
        EXPECT_NE(loaded.Error().find(hostile.path + " " + hostile.reason), std::string::npos) << loaded.Error();
        EXPECT_TRUE(loaded.Gadgets().empty());
        EXPECT_EQ(GadgetsMade(), before) << hostile.path;

        // The converter refuses the same files and writes nothing.
        const std::string header = ::testing::TempDir() + "hostile.hpp";
        std::filesystem::remove(header);
        const std::string command =
            std::string(KVX_EXPORT_TOOL) + " --cpp '" + hostile.path + "' -o " + header + " 2>/dev/null";
        EXPECT_NE(std::system(command.c_str()), 0) << hostile.path;
        EXPECT_FALSE(std::filesystem::exists(header));
    }
}

TEST_F(DesignLoaderTest, TheConvertersBmxIsTheStudiosExport) {
    ASSERT_TRUE(studio::LoadDesignFrom(kDesign).Ok);
    const std::string fromStudio = ::testing::TempDir() + "studio.bmx", fromTool = ::testing::TempDir() + "tool.bmx";
    ASSERT_TRUE(studio::ExportSourceTo(fromStudio));
    studio::Design().DesignList.clear();
    const std::string command = std::string(KVX_EXPORT_TOOL) + " --bmx " + kDesign + " -o " + fromTool;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Bytes(fromTool), Bytes(fromStudio));
}

TEST_F(DesignLoaderTest, TheHeaderLoadsTheSchemeItWasExportedWith) {
    const KVX_SchemeLoad scheme = EveryKindEdited::LoadScheme();
    EXPECT_TRUE(scheme.Ok()) << scheme.Error();
    EXPECT_EQ(ToARGB(KVX_SchemeColors.GadgetText) & 0xFFFFFF, 0x0A141Eu);
    KVX_ResetScheme();
}

TEST_F(DesignLoaderTest, FreeingTheDesignLeavesNoGadget) {
    const size_t before = GadgetsMade();
    KVX_LoadedDesign loaded = KVX_LoadDesign(kDesign);
    ASSERT_GT(GadgetsMade(), before);
    loaded.Free();
    Frame();
    EXPECT_EQ(GadgetsMade(), before);
    EXPECT_TRUE(AllMenus.empty()) << "the menus leave the bar";
    EXPECT_EQ(MenuBarExists, 0);
    EXPECT_FALSE(loaded.Find("Window1"));
}

}  // namespace
}  // namespace kvx
