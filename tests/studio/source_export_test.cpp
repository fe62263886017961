// Exporting the design as a .bmx program: head and tail, declaration and creation lines per kind.
#include "design/source_export.hpp"

#include <algorithm>

#include "studio/file_ending.hpp"
#include "support/design_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using testing::CrLfLines;
using testing::FileBytes;
using testing::PlaceDesigned;

constexpr size_t kHeadLines = 31;
constexpr size_t kTailLines = 39;

class SourceExportTest : public testing::DesignTest {
protected:
    // The lines written for the gadgets, between the head and the tail.
    std::vector<std::string> GadgetLines() {
        EXPECT_TRUE(studio::ExportSourceTo(PathIn("ui.bmx")));
        const std::vector<std::string> lines = CrLfLines(FileBytes(PathIn("ui.bmx")));
        if (lines.size() < kHeadLines + kTailLines) return {};
        return {lines.begin() + kHeadLines, lines.end() - kTailLines};
    }
    // The creation line of the one gadget with this handle.
    std::string CreationOf(const std::string& handle) {
        for (const std::string& line : GadgetLines()) {
            if (line.starts_with(handle + "=")) return line;
        }
        return "";
    }
};

TEST_F(SourceExportTest, EmptyDesignWritesTheHeadThenTheTail) {
    ASSERT_TRUE(studio::ExportSourceTo(PathIn("ui.bmx")));
    const std::string bytes = FileBytes(PathIn("ui.bmx"));
    const std::vector<std::string> lines = CrLfLines(bytes);
    ASSERT_EQ(lines.size(), kHeadLines + kTailLines);
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "End\r\n");
    EXPECT_EQ(lines[0], "'" + std::string(45, '='));
    EXPECT_EQ(lines[6], lines[0]);
    EXPECT_EQ(lines[3], "'\tKorvex Studio 0.6a - Dremond (C) - Interface export");
    EXPECT_EQ(lines[13], "Include \"./KVX_Classe/Inc_Korvex.bmx\"");
    EXPECT_EQ(lines[18], "Graphics 1024,768,32,75 '/!\\ FrameRate") << "the surface's own size";
    EXPECT_EQ(lines[24], "KVX_InitGUI(1)");
    EXPECT_EQ(lines[30], "'----------------------------");
    EXPECT_EQ(lines[kHeadLines], "") << "the tail follows the head directly";
    EXPECT_EQ(lines[kHeadLines + 4], "zglSetSwapInterval(0) ");
    EXPECT_EQ(lines[kHeadLines + 9], "While Not KeyHit(KEY_ESCAPE)");
    EXPECT_EQ(lines[kHeadLines + 24], "\tDrawText \"FPS : \"+KVX_Fps+\" / Memory used : \"+MemAlloced(),10,10");
    EXPECT_EQ(lines[kHeadLines + 36], "KVX_ClearGui()");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "\t' -----------------------------"), 2);

    // A smaller surface is written as it is.
    EndGraphics();
    Graphics(640, 480, 0, 60);
    ASSERT_TRUE(studio::ExportSourceTo(PathIn("small.bmx")));
    EXPECT_EQ(CrLfLines(FileBytes(PathIn("small.bmx")))[18], "Graphics 640,480,32,75 '/!\\ FrameRate");
}

TEST_F(SourceExportTest, WindowAndButtonGiveTheirDeclarationAndCreationLines) {
    auto window = PlaceDesigned("Window", 100, 100, 300, 200);
    window->Global = 0;
    const int title = std::static_pointer_cast<KVX_Window>(window->Gadget)->TitleHeight;
    PlaceDesigned("Button", 110, 100 + title + 40, 80, 0, window);
    EXPECT_EQ(GadgetLines(),
              (std::vector<std::string>{
                  "Local Window1:KVX_Window", "Window1=KVX_Window.Create(\"Window1\",100,100,300,200,True,True,True)",
                  "Global Button1:KVX_PushButton", "Button1=KVX_PushButton.Create(Window1,\"Button1\",10,40,80)"}));

    // The parent is looked up through the live window, so an edited handle is exported.
    window->Handle = "Main";
    window->Caption = "Say \"hi\"";
    EXPECT_EQ(CreationOf("Button1"), "Button1=KVX_PushButton.Create(Main,\"Button1\",10,40,80)");
    EXPECT_EQ(CreationOf("Main"), "Main=KVX_Window.Create(\"Say \"hi\"\",100,100,300,200,True,True,True)")
        << "quotes in captions are not escaped";
}

TEST_F(SourceExportTest, EachKindWritesItsArgumentsInOrder) {
    auto window = PlaceDesigned("Window", 0, 0, 800, 700);
    const int top = std::static_pointer_cast<KVX_Window>(window->Gadget)->TitleHeight;
    PlaceDesigned("Frame", 10, top + 15, 100, 50, window);
    PlaceDesigned("Checkbox", 10, top + 20, 0, 0);
    auto custom = PlaceDesigned("CustomButton", 30, top + 30, 40, 45, window);
    custom->Border = 1;
    auto icon = PlaceDesigned("ColorIcon", 50, top + 50, 20, 25, window);
    icon->Global = 0;
    PlaceDesigned("Scrollbar", 10, top + 70, 100, 20, window);
    auto progress = PlaceDesigned("Progressbar", 10, top + 90, 100, 20, window);
    progress->Value = 2.9f;
    progress->Maximum = -7.9f;
    PlaceDesigned("Listbox", 10, top + 110, 120, 7 * KVX_LineHeight, window);
    PlaceDesigned("Combobox", 10, top + 130, 90, 0, window);
    PlaceDesigned("Inputbox", 10, top + 150, 10 * TextWidth("0"), 0, window);
    PlaceDesigned("Value", 10, top + 170, 4 * TextWidth("0"), 0, window);
    auto label = PlaceDesigned("Labeltext", 10, top + 190, 0, 0, window);
    label->Align = 0;
    PlaceDesigned("Imagebox", 10, top + 210, 64, 48, window);

    const std::vector<std::string> lines = GadgetLines();
    const std::vector<std::string> expected = {
        "Global Window1:KVX_Window",
        "Window1=KVX_Window.Create(\"Window1\",0,0,800,700,True,True,True)",
        "Global Frame1:KVX_Frame",
        "Frame1=KVX_Frame.Create(Window1,\"Frame1\",10,10,100,50)",
        "Global Checkbox1:KVX_Checkbox",
        "Checkbox1=KVX_Checkbox.Create(,\"Checkbox1\",0,0,False)",
        "Global CustomButton1:KVX_CustomButton",
        "CustomButton1=KVX_CustomButton.Create(Window1,\"CustomButton1\",30,30,40,45,\"./KVX_Demos/Icon_04_hi.png\","
        "\"./KVX_Demos/Icon_04_un.png\",\"./KVX_Demos/Icon_04_se.png\",True)",
        "Local ColorIcon1:KVX_ColorIcon",
        "Local My_ColorIcon1:KVX_Color",
        "My_ColorIcon1=KVX_Color.Create(Rnd(0,255),Rnd(0,255),Rnd(0,255))",
        "ColorIcon1=KVX_ColorIcon.Create(Window1,50,50,20,25,My_ColorIcon1)",
        "Global Scrollbar1:KVX_Scrollbar",
        "Scrollbar1=KVX_Scrollbar.Create(Window1,\"Scrollbar1\",10,70,100,20,50,0,100,1,False,True)",
        "Global Progressbar1:KVX_Progress",
        "Progressbar1=KVX_Progress.Create(Window1,\"Progressbar1\",10,90,100,20,2,-7)",
        "Global Listbox1:KVX_Listbox",
        "Listbox1=KVX_Listbox.Create(Window1,10,110,120,6)",
        "Global Combobox1:KVX_Combo",
        "Combobox1=KVX_Combo.Create(Window1,10,130,90)",
        "Global Inputbox1:KVX_Input",
        "Inputbox1=KVX_Input.Create(Window1,\"Inputbox1\",10,150,10,255)",
        "Global Value1:KVX_Value",
        "Value1=KVX_Value.Create(Window1,\"Value1\",10,170,4,128,1,0,255,True)",
        "Global Labeltext1:KVX_Label",
        "Labeltext1=KVX_Label.Create(Window1,\"Labeltext1\",10,190,False,KVX_BlackColor)",
        "Global Imagebox1:KVX_Image",
        "Imagebox1=KVX_Image.Create(Window1,\"./KVX_Demos/Image_01.png\",10,210,64,48,2)"};
    EXPECT_EQ(lines, expected);
}

TEST_F(SourceExportTest, NumbersFollowTheRecordsIntegerFlag) {
    auto bar = PlaceDesigned("Scrollbar", 0, 0, 20, 100);
    bar->IntegerOnly = 0;
    bar->Value = 0.5f;
    bar->Minimum = 0;
    bar->Maximum = 1;
    bar->Step = 0.25f;
    auto whole = PlaceDesigned("Value", 0, 0, 50, 0);
    whole->Value = 2.7f;
    whole->Step = -2.7f;
    whole->Minimum = -1e30f;
    whole->Maximum = 1e30f;
    EXPECT_EQ(CreationOf("Scrollbar1"),
              "Scrollbar1=KVX_Scrollbar.Create(,\"Scrollbar1\",0,0,20,100,0.500000000,0.00000000,1.00000000,"
              "0.250000000,True,False)");
    EXPECT_EQ(CreationOf("Value1"), "Value1=KVX_Value.Create(,\"Value1\",0,0," + std::to_string(whole->NumChar) +
                                        ",2,-2,-9223372036854775808,9223372036854775807,True)")
        << "integers truncate toward zero and saturate";
    whole->IntegerOnly = 0;
    EXPECT_NE(CreationOf("Value1").find(",2.70000005,-2.70000005,-1.00000002e+30,1.00000002e+30,False)"),
              std::string::npos);
}

TEST_F(SourceExportTest, EndingRuleAndFailedExports) {
    EXPECT_EQ(studio::WithEnding("ui.bmx", ".bmx"), "ui.bmx");
    EXPECT_EQ(studio::WithEnding("ui", ".bmx"), "ui.bmx");
    EXPECT_EQ(studio::WithEnding("ui.BMX", ".bmx"), "ui.BMX.bmx");

    testing::PutFileBytes(PathIn("ui.bmx"), "previous");
    std::filesystem::create_directory(PathIn("taken.bmx"));
    PlaceDesigned("Button", 0, 0, 50, 0);
    EXPECT_FALSE(studio::ExportSourceTo(PathIn("taken.bmx")));
    EXPECT_FALSE(studio::ExportSourceTo(PathIn("missing/ui.bmx")));
    EXPECT_EQ(FileBytes(PathIn("ui.bmx")), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 2);
}

}  // namespace
}  // namespace kvx
