// Saving and loading .kvx design files: exact lines per kind, the reader's rules, round trips,
// saves that fail part way, and hand-edited or damaged files.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "core/skin.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/image_box.hpp"
#include "gadgets/label.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/scrollbar.hpp"
#include "gadgets/tabpanel.hpp"
#include "gadgets/value.hpp"
#include "design/design_edits.hpp"
#include "design/design_reader.hpp"
#include "design/design_writer.hpp"
#include "studio/file_ending.hpp"
#include "support/design_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::DesignedGadgetRef;
using testing::CrLfLines;
using testing::FileBytes;
using testing::PlaceDesigned;
using testing::PutFileBytes;

const std::vector<std::string> kBanner = {";-------------------------------------------------",
                                          ";KVX Studio File - Dremond (C) - version 0.6a",
                                          ";-------------------------------------------------"};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A header and its key lines, padded with empty lines to `count`.
std::vector<std::string> Section(const std::string& header, std::vector<std::string> lines, size_t count) {
    lines.resize(count);
    lines.insert(lines.begin(), header);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& end) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + end;
    return bytes;
}

class DesignFileTest : public testing::DesignTest {
protected:
    // A file holding the banner and then the sections, one CR LF line each.
    std::string DesignFile(const std::vector<std::vector<std::string>>& sections) {
        std::vector<std::string> lines = kBanner;
        for (const auto& section : sections) lines = Concat(lines, section);
        const std::string bytes = Joined(lines, "\r\n");
        const std::string path = PathIn("hand.kvx");
        PutFileBytes(path, bytes);
        return path;
    }
    const DesignedGadgetRef& Record(size_t i) { return Design().DesignList.at(i); }
};

TEST_F(DesignFileTest, EmptyDesignAndWindowWithButtonSaveExactlyTheirLines) {
    const std::string path = PathIn("ui.kvx");
    ASSERT_TRUE(studio::SaveDesignTo(path));
    EXPECT_EQ(FileBytes(path), kBanner[0] + "\r\n" + kBanner[1] + "\r\n" + kBanner[2] + "\r\n");

    auto window = PlaceDesigned("Window", 100, 100, 300, 200);
    const int title = std::static_pointer_cast<KVX_Window>(window->Gadget)->TitleHeight;
    PlaceDesigned("Button", 110, 100 + title + 40, 80, 10, window);
    ASSERT_TRUE(studio::SaveDesignTo(path));
    const std::vector<std::string> expected = Concat(kBanner, {";=======================",
                                                               "[WINDOW]",
                                                               "Global=True",
                                                               "Handle=Window1",
                                                               "Px=100",
                                                               "Py=100",
                                                               "Tx=300",
                                                               "Ty=200",
                                                               "Caption=Window1",
                                                               "LockButton=True",
                                                               "MinimizeButton=True",
                                                               "CloseButton=True",
                                                               ";=======================",
                                                               "[BUTTON]",
                                                               "Global=True",
                                                               "Handle=Button1",
                                                               "Parent=Window1",
                                                               "Px=10",
                                                               "Py=40",
                                                               "Tx=80",
                                                               "Caption=Button1"});
    const std::string bytes = FileBytes(path);
    EXPECT_EQ(CrLfLines(bytes), expected);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1) << "every line ends in CR LF";
}

TEST_F(DesignFileTest, GadgetOutsideAnyWindowSavesParentFalseAndKeepsIt) {
    auto local = PlaceDesigned("Checkbox", 30, 30, 0, 0);
    local->Global = 0;
    ASSERT_EQ(local->Parent, "");
    ASSERT_TRUE(studio::SaveDesignTo(PathIn("ui.kvx")));
    const std::vector<std::string> lines = CrLfLines(FileBytes(PathIn("ui.kvx")));
    const std::vector<std::string> section(lines.begin() + 3, lines.end());
    EXPECT_EQ(section,
              (std::vector<std::string>{";=======================", "[CHECKBOX]", "Global=False", "Handle=Checkbox1",
                                        "Parent=False", "Px=0", "Py=0", "Caption=Checkbox1", "State="}));
    EXPECT_EQ(local->Parent, "False");
}

TEST_F(DesignFileTest, RangesAreSavedAsTheRecordHoldsThemAndReadBackExactly) {
    auto bar = PlaceDesigned("Scrollbar", 0, 0, 100, 20);
    EXPECT_EQ(std::static_pointer_cast<KVX_Scrollbar>(bar->Gadget)->Maximum, 100.f) << "placed from 0 to 100";
    bar->IntegerOnly = 0;
    bar->Minimum = 0;
    bar->Maximum = 1;
    bar->Value = 0.375f;
    bar->Step = 0.25f;
    PlaceDesigned("Scrollbar", 0, 0, 20, 20);  // square: vertical
    auto below = PlaceDesigned("Value", 0, 0, 50, 10);
    below->Minimum = -5;
    below->Maximum = 0;
    below->Value = -2;
    ASSERT_TRUE(studio::SaveDesignTo(PathIn("ui.kvx")));
    const std::vector<std::string> lines = CrLfLines(FileBytes(PathIn("ui.kvx")));
    const std::vector<std::string> reals(lines.begin() + 3 + 2 + 8, lines.begin() + 3 + 2 + 14);
    EXPECT_EQ(reals, (std::vector<std::string>{"Integer=False", "Value=0.375000000", "Minimum=0.00000000",
                                               "Maximum=1.00000000", "Increment=0.250000000", "Vertical=False"}));
    const std::vector<std::string> whole(lines.begin() + 21 + 8, lines.begin() + 21 + 14);
    EXPECT_EQ(whole, (std::vector<std::string>{"Integer=True", "Value=50", "Minimum=0", "Maximum=100", "Increment=1",
                                               "Vertical=True"}));
    const std::vector<std::string> negative(lines.begin() + 37 + 7, lines.end());
    EXPECT_EQ(negative,
              (std::vector<std::string>{"Integer=True", "Value=-2", "Minimum=-5", "Maximum=0", "Increment=1"}));

    testing::ClearDesign();
    studio::LoadDesignFrom(PathIn("ui.kvx"));
    ASSERT_EQ(Design().DesignList.size(), 3u);
    EXPECT_EQ(Record(0)->Value, 0.375f) << "reals keep their fraction";
    EXPECT_EQ(Record(0)->Step, 0.25f);
    EXPECT_EQ(Record(0)->IntegerOnly, 0);
    EXPECT_EQ(std::static_pointer_cast<KVX_Scrollbar>(Record(0)->Gadget)->Value, 0.375f);
    EXPECT_EQ(Record(1)->Vertical, 1);
    EXPECT_EQ(std::static_pointer_cast<KVX_Scrollbar>(Record(1)->Gadget)->Vertical, 1);
    EXPECT_EQ(Record(2)->Value, -2.f);
    EXPECT_EQ(std::static_pointer_cast<KVX_Value>(Record(2)->Gadget)->Minimum, -5.f);
}

TEST_F(DesignFileTest, LoadingAppendsUnderHandlesOfItsOwnAndResolvesParentsByHandle) {
    auto window = PlaceDesigned("Window", 100, 100, 300, 200);
    PlaceDesigned("Button", 110, 150, 80, 10, window);
    PlaceDesigned("Button", 5, 5, 80, 10);
    studio::Rename(*window, "Main");
    ASSERT_TRUE(studio::SaveDesignTo(PathIn("ui.kvx")));
    EXPECT_NE(FileBytes(PathIn("ui.kvx")).find("Parent=Main\r\n"), std::string::npos) << "the gadget follows";

    // Opened twice: the second copy takes the next free handles, its gadgets follow its window.
    testing::ClearDesign();
    EXPECT_TRUE(studio::LoadDesignFrom(PathIn("ui.kvx")).Ok);
    EXPECT_EQ(studio::LoadDesignFrom(PathIn("ui.kvx")).Added, 3u);
    ASSERT_EQ(Design().DesignList.size(), 6u);
    std::vector<std::string> handles;
    for (const DesignedGadgetRef& r : Design().DesignList) handles.push_back(r->Handle);
    EXPECT_EQ(handles, (std::vector<std::string>{"Main", "Button1", "Button2", "Window2", "Button3", "Button4"}));
    EXPECT_EQ(Record(1)->ParentWindow, Record(0)->Gadget);
    EXPECT_EQ(Record(4)->Parent, "Window2");
    EXPECT_EQ(Record(4)->ParentWindow, Record(3)->Gadget);
    EXPECT_EQ(Record(5)->ParentWindow, nullptr);
    EXPECT_EQ(std::static_pointer_cast<KVX_Window>(Record(3)->Gadget)->Locked, 1);
    EXPECT_EQ(Design().CounterOf("Frame"), 1);
}

TEST_F(DesignFileTest, ReaderTakesKnownKeysOfTheKindInTheSectionsLinesOnly) {
    const std::string path = DesignFile({
        {"text outside any section", "Handle=Stray", "[button]", ";======================="},
        Section("[WINDOW]",
                {"Caption=a=b", "Handle=Main", "Tx=300", "Ty= 200", "Px=$1F", "Py=%101", "Parent=Nobody",
                 "LockButton=False", "no equals sign"},
                10),
        Section("[LABELTEXT]", {"Handle=Left", "Parent=Main", "Px=12.5", "Py=abc", "Align=True", "Caption=", "Tx=99"},
                7),
        Section("[LABELTEXT]", {"Handle=Off", "Parent=Main", "Align=true", "Global=TRUE"}, 7),
        Section("[CHECKBOX]", {"Tx=99", "Ty=99", "Parent=Later", "Caption=Box"}, 7),
        Section("[LISTBOX]", {"Caption=List", "LineNumber=4", "Tx=120", "Items=a|b"}, 8),
        {"[TABPANEL]", "[MENU]"},
        Section("[INPUTBOX]", {"NumChar=10", "MaxChar=20", "Handle=In", "Parent=Main"}, 8),
        Section("[IMAGEBOX]", {"Border=1", "Image=", "Tx=10", "Ty=10"}, 9),
        Section("[CUSTOMBUTTON]", {"Border=True", "ImageOver=a b.png"}, 12),
        {"[WINDOW]", "Handle=Later"},
    });
    studio::LoadDesignFrom(path);
    ASSERT_EQ(Design().DesignList.size(), 11u);
    const DesignedGadgetRef& window = Record(0);
    EXPECT_EQ(window->Kind, "Window");
    EXPECT_EQ(window->Caption, "a=b");
    EXPECT_EQ(window->Handle, "Main");
    EXPECT_EQ(window->Ty, 200);
    EXPECT_EQ(window->Px, 31);
    EXPECT_EQ(window->Py, 5);
    EXPECT_EQ(window->Parent, "") << "a window has no Parent key";
    EXPECT_EQ(std::static_pointer_cast<KVX_Window>(window->Gadget)->LockButton, nullptr) << "LockButton=False is kept";
    EXPECT_EQ(window->Gadget->Text, "a=b") << "the live gadget shows the caption";

    const DesignedGadgetRef& left = Record(1);
    EXPECT_EQ(left->Px, 12);
    EXPECT_EQ(left->Py, 0);
    EXPECT_EQ(left->Align, 1);
    EXPECT_EQ(std::static_pointer_cast<KVX_Label>(left->Gadget)->Align, 1);
    EXPECT_EQ(left->Tx, KVX_LineHeight + 1);
    EXPECT_EQ(left->Ty, KVX_LineHeight + 1);
    EXPECT_EQ(left->ParentWindow, window->Gadget);
    EXPECT_EQ(Record(2)->Align, 0) << "only the exact text True is true";
    EXPECT_EQ(Record(2)->Global, 0);

    const DesignedGadgetRef& box = Record(3);
    EXPECT_EQ(box->Tx, 16);
    EXPECT_EQ(box->Ty, 16);
    EXPECT_EQ(box->Caption, "Box");
    EXPECT_EQ(box->Parent, "Later") << "kept even though it names no window";
    EXPECT_EQ(box->ParentWindow, nullptr) << "a window whose section comes later is no parent";

    const DesignedGadgetRef& list = Record(4);
    EXPECT_EQ(list->Caption, "") << "a list box has no caption key";
    EXPECT_EQ(list->Ty, KVX_ListboxMinLines) << "the record holds what the toolkit draws";
    EXPECT_EQ(list->Tx, 120);
    EXPECT_EQ(list->Items, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(std::static_pointer_cast<KVX_Listbox>(list->Gadget)->ItemList.size(), 2u) << "the live list shows them";

    EXPECT_EQ(Record(5)->Kind, "Tabpanel") << "a header cuts the section before it short";
    EXPECT_EQ(Record(6)->Kind, "Menu");
    const DesignedGadgetRef& input = Record(7);
    EXPECT_EQ(input->Kind, "Inputbox") << "read whole after the short ones";
    EXPECT_EQ(input->NumChar, 10);
    EXPECT_EQ(input->Tx, 10 * TextWidth("0") + 5);
    EXPECT_EQ(input->Ty, KVX_LineHeight + 1);
    EXPECT_EQ(input->Gadget->ParentGadget(), window->Gadget);

    EXPECT_EQ(Record(8)->ImageBorder, 1);
    EXPECT_EQ(Record(8)->Border, 0);
    EXPECT_EQ(Record(9)->Border, 1);
    EXPECT_EQ(Record(9)->ImageOver, "a b.png");
    EXPECT_EQ(Record(10)->Handle, "Later") << "past the end a section reads empty lines";
    EXPECT_EQ(Design().CounterOf("Labeltext"), 3);
}

TEST_F(DesignFileTest, EveryKindSurvivesSaveLoadSave) {
    auto window = PlaceDesigned("Window", 40, 40, 700, 600);
    const auto& live = std::static_pointer_cast<KVX_Window>(window->Gadget);
    const int top = 40 + live->TitleHeight;
    PlaceDesigned("Frame", 50, top + 10, 200, 100, window);
    PlaceDesigned("Checkbox", 60, top + 30, 0, 0, window);
    PlaceDesigned("Button", 60, top + 60, 90, 0, window);
    PlaceDesigned("CustomButton", 300, top + 10, 40, 40, window);
    PlaceDesigned("ColorIcon", 350, top + 10, 20, 20, window);
    PlaceDesigned("Scrollbar", 50, top + 150, 150, 20, window);
    PlaceDesigned("Scrollbar", 250, top + 150, 20, 150, window);
    PlaceDesigned("Progressbar", 50, top + 200, 150, 20, window);
    PlaceDesigned("Listbox", 300, top + 100, 150, 7 * KVX_LineHeight, window);
    PlaceDesigned("Combobox", 300, top + 250, 120, 0, window);
    PlaceDesigned("Inputbox", 50, top + 250, 100, 0, window);
    PlaceDesigned("Value", 50, top + 300, 80, 0, window);
    PlaceDesigned("Labeltext", 50, top + 350, 0, 0, window);
    PlaceDesigned("Imagebox", 400, top + 300, 100, 80, window);
    PlaceDesigned("Button", 800, 700, 60, 0);  // outside every window
    auto unaligned = PlaceDesigned("Labeltext", 50, top + 400, 0, 0, window);
    unaligned->Align = 0;
    std::static_pointer_cast<KVX_Label>(unaligned->Gadget)->Align = 0;
    auto panel = PlaceDesigned("Tabpanel", 450, top + 400, 200, 120, window);
    std::static_pointer_cast<KVX_Tabpanel>(panel->Gadget)->SelectedTab = 2;
    PlaceDesigned("Button", 460, top + 460, 60, 0, window);  // on the tab shown
    PlaceDesigned("Menu", 10, 5, 10, 10)->Items = {"Open", ">*Recent \\ |", "-", "~Quit"};
    ASSERT_EQ(Record(9)->Ty, 6) << "a band seven lines high makes six lines";
    // Values edited after placing.
    Record(6)->IntegerOnly = 0;
    Record(6)->Value = 12.625f;
    Record(8)->Value = 30;
    Record(12)->Value = 7;
    Record(5)->CustomColor = KVX_Color::Create(1, 128, 255);
    Record(2)->Checked = 1;
    Record(9)->Items = {"a|b", "c\\", "two\nlines"};
    Record(10)->Items = {"x"};
    Record(0)->CloseButton = 0;
    Record(13)->Align = 3;  // right
    Record(13)->CustomColor = KVX_Color::Create(10, 20, 30);

    ASSERT_TRUE(studio::SaveDesignTo(PathIn("first.kvx")));
    const std::string first = FileBytes(PathIn("first.kvx"));
    for (const char* header :
         {"[WINDOW]", "[FRAME]", "[CHECKBOX]", "[BUTTON]", "[CUSTOMBUTTON]", "[COLORICON]", "[SCROLLBAR]",
          "[PROGRESSBAR]", "[LISTBOX]", "[COMBOBOX]", "[INPUTBOX]", "[VALUE]", "[LABELTEXT]", "[IMAGEBOX]",
          "[TABPANEL]", "[TABPAGE]", "[MENU]"}) {
        EXPECT_NE(first.find("\r\n" + std::string(header) + "\r\n"), std::string::npos) << header;
    }
    testing::ClearDesign();
    studio::LoadDesignFrom(PathIn("first.kvx"));
    ASSERT_EQ(Design().DesignList.size(), 20u);
    ASSERT_TRUE(studio::SaveDesignTo(PathIn("second.kvx")));
    EXPECT_EQ(FileBytes(PathIn("second.kvx")), first);
    EXPECT_EQ(Design().CounterOf("Scrollbar"), 3);

    EXPECT_EQ(Record(13)->Tx, KVX_LineHeight + 1) << "a label's own size is not in the file";
    ASSERT_NE(Record(5)->CustomColor, nullptr);
    EXPECT_EQ(ToARGB(Record(5)->CustomColor) & 0xFFFFFF, 0x0180FF) << "the icon keeps its colour";
    EXPECT_EQ(Record(6)->Gadget->Value, 12.625f);
    EXPECT_EQ(Record(8)->Gadget->Value, 30.f) << "the bar keeps its value";
    EXPECT_EQ(Record(8)->Gadget->Maximum, 100.f);
    EXPECT_EQ(Record(12)->Gadget->Value, 7.f);
    EXPECT_EQ(Record(2)->Gadget->State, 1) << "the box stays checked";
    EXPECT_EQ(Record(9)->Items, (std::vector<std::string>{"a|b", "c\\", "two\nlines"}));
    EXPECT_EQ(std::static_pointer_cast<KVX_Combo>(Record(10)->Gadget)->ItemCount, 1);
    EXPECT_EQ(std::static_pointer_cast<KVX_Window>(Record(0)->Gadget)->CloseButton, nullptr);
    EXPECT_EQ(Record(15)->Parent, "False");
    EXPECT_EQ(Record(15)->ParentWindow, nullptr);
    EXPECT_EQ(std::static_pointer_cast<KVX_Label>(Record(13)->Gadget)->Align, 3);
    EXPECT_EQ(ToARGB(std::static_pointer_cast<KVX_Label>(Record(13)->Gadget)->Color) & 0xFFFFFF, 0x0A141Eu);
    EXPECT_EQ(Record(16)->Align, 0);
    EXPECT_EQ(std::static_pointer_cast<KVX_Label>(Record(16)->Gadget)->Align, 0);
    for (size_t i = 1; i < 15; ++i) EXPECT_EQ(Record(i)->ParentWindow, Record(0)->Gadget) << Record(i)->Kind;
    EXPECT_EQ(Record(18)->TabPanel, "Tabpanel1");
    EXPECT_EQ(Record(18)->Tab, 2);
    EXPECT_EQ(Record(18)->Gadget->TabPanel, Record(17)->Gadget) << "the live button is on the live tab";
    EXPECT_EQ(Record(19)->Items, (std::vector<std::string>{"Open", ">*Recent \\ |", "-", "~Quit"}));
}

TEST_F(DesignFileTest, AFailedSaveLeavesThePreviousFileAsItWas) {
    const std::string path = PathIn("ui.kvx");
    PutFileBytes(path, "the previous design\r\n");
    auto window = PlaceDesigned("Window", 100, 100, 300, 200);
    for (int i = 0; i < 40; ++i) PlaceDesigned("Button", 110, 150 + i, 80, 0, window);

    // A file size limit makes the writes fail part way through.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{300, 300};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(studio::SaveDesignTo(path) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the oversized write must fail, not kill the process";
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the save reports the failure";
    EXPECT_EQ(FileBytes(path), "the previous design\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1) << "no temporary file is left";

    // A target that cannot be replaced, and a folder that does not exist.
    std::filesystem::create_directory(PathIn("taken.kvx"));
    EXPECT_FALSE(studio::SaveDesignTo(PathIn("taken.kvx")));
    EXPECT_TRUE(std::filesystem::is_directory(PathIn("taken.kvx")));
    EXPECT_FALSE(studio::SaveDesignTo(PathIn("missing/ui.kvx")));

    // A save that works replaces the file and keeps its access rights.
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_TRUE(studio::SaveDesignTo(path));
    EXPECT_EQ(CrLfLines(FileBytes(path)).size(), 3u + 12 + 40 * 9);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 2);
}

TEST_F(DesignFileTest, DamagedAndHostileFilesLoadWithinBounds) {
    // Absurd numbers: bounded before any gadget is made; pictures of no size are not made.
    studio::LoadDesignFrom(DesignFile({
        Section("[WINDOW]", {"Px=-99999999999", "Py=99999999999", "Tx=1000000", "Ty=-7"}, 10),
        Section("[IMAGEBOX]", {"Tx=-5", "Ty=50", "Image=./KVX_Demos/Image_01.png", "Px=$FFFFFFFFFF"}, 9),
        Section("[INPUTBOX]", {"NumChar=2147483647", "MaxChar=-3"}, 8),
        Section("[LISTBOX]", {"LineNumber=99999999", "Tx=-1"}, 8),
        Section("[PROGRESSBAR]", {"Value=4294967296", "Maximum=-2147483649", "Tx=0", "Ty=0"}, 10),
        Section("[CUSTOMBUTTON]", {"Tx=0", "Ty=-1", "ImageNormal=./KVX_Demos/Icon_04_un.png"}, 12),
    }));
    ASSERT_EQ(Design().DesignList.size(), 6u);
    EXPECT_EQ(Record(0)->Px, -studio::kPositionLimit);
    EXPECT_EQ(Record(0)->Py, studio::kPositionLimit);
    EXPECT_EQ(Record(0)->Tx, studio::kExtentLimit);
    EXPECT_EQ(Record(0)->Ty, 0);
    EXPECT_EQ(Record(1)->Tx, 0);
    EXPECT_EQ(std::static_pointer_cast<KVX_Image>(Record(1)->Gadget)->ImageHandle, 0);
    EXPECT_EQ(Record(1)->Px, -1) << "hexadecimal keeps the low 32 bits";
    EXPECT_LE(Record(2)->Tx, studio::kExtentLimit + 5);
    EXPECT_GT(Record(2)->NumChar, 0);
    EXPECT_EQ(Record(2)->MaxChar, 0);
    EXPECT_LE(Record(3)->Ty * KVX_LineHeight, studio::kExtentLimit);
    EXPECT_GT(Record(3)->Ty, 0);
    EXPECT_EQ(Record(4)->Value, float(studio::kNumberLimit));
    EXPECT_EQ(Record(4)->Maximum, -float(studio::kNumberLimit));
    EXPECT_EQ(std::static_pointer_cast<KVX_CustomButton>(Record(5)->Gadget)->NormalImage, 0);
    testing::ClearDesign();

    // A section cut short ends at the next header, which is read as one.
    PutFileBytes(PathIn("cut.kvx"), "[BUTTON]\r\nHandle=Cut\r\n[BUTTON]\r\nHandle=Kept\r\n");
    studio::LoadDesignFrom(PathIn("cut.kvx"));
    ASSERT_EQ(Design().DesignList.size(), 2u);
    EXPECT_EQ(Record(0)->Handle, "Cut");
    EXPECT_EQ(Record(1)->Handle, "Kept");
    testing::ClearDesign();

    // NUL ends a line; CR alone ends none, so a file of CR line ends is one unknown line.
    const char nul[] = "[COMBOBOX]\0Handle=ab\0cd\nTx=70\n\n\n\n\n";
    PutFileBytes(PathIn("nul.kvx"), std::string(nul, sizeof nul - 1));
    studio::LoadDesignFrom(PathIn("nul.kvx"));
    ASSERT_EQ(Design().DesignList.size(), 1u);
    EXPECT_EQ(Record(0)->Handle, "ab");
    EXPECT_EQ(Record(0)->Tx, 70);
    testing::ClearDesign();
    PutFileBytes(PathIn("cr.kvx"), "[BUTTON]\rHandle=X\rTx=5\r\r\r\r\r\r");
    studio::LoadDesignFrom(PathIn("cr.kvx"));
    EXPECT_TRUE(Design().DesignList.empty());

    // A caption of a megabyte, and a hundred thousand sections the reader skips.
    const std::string longCaption(1 << 20, 'x');
    std::string big = Joined(Section("[FRAME]", {"Caption=" + longCaption, "Tx=50", "Ty=20"}, 8), "\n");
    for (int i = 0; i < 100000; ++i) big += "[SLIDER]\nHandle=M\n";
    big += Joined(Section("[LABELTEXT]", {"Handle=End"}, 7), "\n");
    PutFileBytes(PathIn("big.kvx"), big);
    studio::LoadDesignFrom(PathIn("big.kvx"));
    ASSERT_EQ(Design().DesignList.size(), 2u);
    EXPECT_EQ(Record(0)->Caption, longCaption);
    EXPECT_EQ(Record(1)->Handle, "End");
    testing::ClearDesign();

    // Random bytes with headers strewn among them.
    std::mt19937 random(8);
    std::string garbage;
    int headers = 0;
    const char* const kinds[] = {"[WINDOW]",    "[FRAME]",     "[CHECKBOX]",    "[BUTTON]",  "[CUSTOMBUTTON]",
                                 "[COLORICON]", "[SCROLLBAR]", "[PROGRESSBAR]", "[LISTBOX]", "[COMBOBOX]",
                                 "[INPUTBOX]",  "[VALUE]",     "[LABELTEXT]",   "[IMAGEBOX]"};
    for (int block = 0; block < 400; ++block) {
        garbage += std::string("\n") + kinds[block % 14] + "\n";
        ++headers;
        for (int i = 0; i < 300; ++i) garbage += char(random() & 0xFF);
        if (block % 3 == 0)
            garbage += "\nTx=" + std::to_string(int32_t(random())) + "\nNumChar=" + std::to_string(int32_t(random()));
    }
    PutFileBytes(PathIn("garbage.kvx"), garbage);
    studio::LoadDesignFrom(PathIn("garbage.kvx"));
    EXPECT_GT(Design().DesignList.size(), 0u);
    EXPECT_LE(Design().DesignList.size(), size_t(headers));
    for (const DesignedGadgetRef& record : Design().DesignList) {
        EXPECT_LE(std::abs(record->Px), studio::kPositionLimit);
        EXPECT_LE(record->Tx, studio::kExtentLimit + 5);
        EXPECT_GE(record->Tx, 0);
        EXPECT_NE(record->Gadget, nullptr);
    }
    Frames(2);  // and the toolkit draws what was made
}

TEST_F(DesignFileTest, NamesWithoutTheEndingAreSavedWithItButNotLoaded) {
    EXPECT_EQ(studio::WithEnding("ui", ".kvx"), "ui.kvx");
    EXPECT_EQ(studio::WithEnding("ui.kvx", ".kvx"), "ui.kvx");
    EXPECT_EQ(studio::WithEnding("ui.KVX", ".kvx"), "ui.KVX.kvx");
    EXPECT_EQ(studio::WithEnding("", ".kvx"), ".kvx");
    EXPECT_TRUE(studio::HasEnding("a.kvx", ".kvx"));
    EXPECT_FALSE(studio::HasEnding("a", ".kvx"));
    EXPECT_FALSE(studio::HasEnding("kvx", ".kvx"));
    EXPECT_FALSE(studio::HasEnding("a.Kvx", ".kvx"));
}

}  // namespace
}  // namespace kvx
