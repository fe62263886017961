#include "studio/studio_window.hpp"

#include "core/skin.hpp"
#include "design/designed_gadget.hpp"
#include "design/kind_table.hpp"
#include "gadgets/frame.hpp"
#include "platform/platform.hpp"
#include "studio/current_file.hpp"
#include "studio/property_rows.hpp"

namespace kvx::studio {
namespace {

constexpr int kButtonX = 20, kButtonWidth = 140;
constexpr int kPaletteTop = 20, kPaletteStep = 25;
constexpr int kRecentLines = 5;
constexpr int kWindowHeight = 760, kTabsHeight = 730, kPageFrameHeight = 691;
constexpr int kCommandsFrameTop = kPropertyFrameTop + kPropertyFrameHeight + 10, kCommandsFrameHeight = 206;

KVX_PushButtonRef PageButton(const std::string& caption, int y) {
    return KVX_PushButton::Create(Studio().StudioWindow, caption, kButtonX, y, kButtonWidth);
}

void Attach(const KVX_GadgetRef& gadget, const std::string& page) { AttachToTab(gadget, Studio().StudioTabs, page); }

KVX_ValueRef NumberBox(const std::string& caption, int y, int maximum) {
    return KVX_Value::Create(Studio().StudioWindow, caption, 45, y, 12, 0, 1.0f, 0, float(maximum), 1);
}

void BuildFilePage() {
    StudioUi& ui = Studio();
    const KVX_FrameRef frame = KVX_Frame::Create(ui.StudioWindow, "Options", 10, 5, 160, kPageFrameHeight);
    FilePage& f = ui.File;
    f.New = PageButton("New", 20);
    f.Open = PageButton("Open", 45);
    f.Save = PageButton("Save", 70);
    f.SaveAs = PageButton("Save as...", 95);
    f.Export = PageButton("Export to .bmx", 120);
    f.ExportCpp = PageButton("Export to C++", 145);
    f.Preferences = PageButton("Preferences", 170);
    f.SchemeEditor = PageButton("Scheme Editor", 195);
    f.About = PageButton("About...", 245);
    f.Exit = PageButton("Exit", 270);
    const KVX_LabelRef recentTitle =
        KVX_Label::Create(ui.StudioWindow, "Recent designs", kButtonX, 305, 1, KVX_SchemeColors.FrameText);
    f.Recent = KVX_Listbox::Create(ui.StudioWindow, kButtonX - 5, 325, kButtonWidth + 10, kRecentLines);
    for (const KVX_GadgetRef& g :
         std::initializer_list<KVX_GadgetRef>{frame, f.New, f.Open, f.Save, f.SaveAs, f.Export, f.ExportCpp,
                                              f.Preferences, f.SchemeEditor, f.About, f.Exit, recentTitle, f.Recent}) {
        Attach(g, "File");
    }
}

void BuildCreatePage() {
    StudioUi& ui = Studio();
    Attach(KVX_Frame::Create(ui.StudioWindow, "Gadget", 10, 5, 160, kPageFrameHeight), "Create");
    for (size_t i = 0; i < Kinds().size(); ++i) {
        const KindDescription& kind = *Kinds()[i];
        ui.CreateButtons[i] = {kind.Word, PageButton(kind.PaletteCaption, kPaletteTop + kPaletteStep * int(i))};
        Attach(ui.CreateButtons[i].Button, "Create");
    }
}

// Two columns of small buttons inside the Modify page's lower frame.
void BuildEditButtons() {
    constexpr int kLeftColumn = 17, kRightColumn = 92, kColumnWidth = 70, kRowStep = 23;
    constexpr int kTop = kCommandsFrameTop + 15;
    Attach(KVX_Frame::Create(Studio().StudioWindow, "Commands", 10, kCommandsFrameTop, 160, kCommandsFrameHeight),
           "Modify");
    EditButtons& c = Studio().Commands;
    int row = 0;
    const auto pair = [&](KVX_PushButtonRef& left, const char* leftCaption, KVX_PushButtonRef& right,
                          const char* rightCaption) {
        const int y = kTop + kRowStep * row++;
        left = KVX_PushButton::Create(Studio().StudioWindow, leftCaption, kLeftColumn, y, kColumnWidth);
        right = KVX_PushButton::Create(Studio().StudioWindow, rightCaption, kRightColumn, y, kColumnWidth);
        Attach(left, "Modify");
        Attach(right, "Modify");
    };
    pair(c.Delete, "Delete", c.Help, "Keys ?");
    pair(c.Undo, "Undo", c.Redo, "Redo");
    pair(c.ToFront, "To front", c.ToBack, "To back");
    pair(c.AlignLeft, "Left", c.AlignRight, "Right");
    pair(c.AlignTop, "Top", c.AlignBottom, "Bottom");
    pair(c.CentreX, "Centre H", c.CentreY, "Centre V");
    pair(c.SpreadX, "Spread H", c.SpreadY, "Spread V");
    c.Preview = KVX_PushButton::Create(Studio().StudioWindow, "Preview (F5)", kLeftColumn, kTop + kRowStep * row,
                                       kRightColumn + kColumnWidth - kLeftColumn);
    Attach(c.Preview, "Modify");
}

void BuildModifyPage() {
    StudioUi& ui = Studio();
    PropertyEditor& e = ui.Editor;
    const KVX_WindowRef& w = ui.StudioWindow;
    const KVX_FrameRef handleFrame = KVX_Frame::Create(w, "Handle", 10, 6, 160, 60);
    e.HandleBox = KVX_Input::Create(w, "Handle", 20, 20, 17, 255);
    e.GlobalBox = KVX_Checkbox::Create(w, "Global", 20, 45, 0);
    e.HandleProblem = KVX_Label::Create(w, "", 165, 43, 3, KVX_Color::Create(255, 110, 90));
    const KVX_FrameRef positionFrame = KVX_Frame::Create(w, "Position", 10, 75, 160, 60);
    e.PxBox = NumberBox("Px :", 90, GraphicsWidth());
    e.PyBox = NumberBox("Py :", 115, GraphicsHeight());
    const KVX_FrameRef sizeFrame = KVX_Frame::Create(w, "Size", 10, 145, 160, 60);
    e.TxBox = NumberBox("Tx :", 160, GraphicsWidth());
    e.TyBox = NumberBox("Ty :", 185, GraphicsHeight());
    const KVX_FrameRef captionFrame = KVX_Frame::Create(w, "Caption", 10, 215, 160, 35);
    e.CaptionBox = KVX_Input::Create(w, "Caption", 20, 230, 17, 255);
    const KVX_FrameRef propertiesFrame = KVX_Frame::Create(w, "Proprieties", 10, kPropertyFrameTop, 160, kPropertyFrameHeight);
    for (const KVX_GadgetRef& g : std::initializer_list<KVX_GadgetRef>{
             handleFrame, e.HandleBox, e.GlobalBox, e.HandleProblem, positionFrame, e.PxBox, e.PyBox, sizeFrame,
             e.TxBox, e.TyBox, captionFrame, e.CaptionBox, propertiesFrame}) {
        Attach(g, "Modify");
    }
    BuildEditButtons();
}

}  // namespace

StudioUi& Studio() {
    static StudioUi ui;
    return ui;
}

void BuildStudioInterface() {
    StudioUi& ui = Studio();
    ui = StudioUi{};
    ui.StudioWindow = KVX_Window::Create(std::string("Korvex Studio ") + kVersionText, GraphicsWidth() - 192, 2, 190,
                                         kWindowHeight, 1, 1, 0, 20);
    ui.StudioTabs = KVX_Tabpanel::Create(ui.StudioWindow, "File|Create|Modify", 5, 5, 180, kTabsHeight);
    BuildFilePage();
    BuildCreatePage();
    BuildModifyPage();
}

void ShowRecentFiles(const std::vector<std::string>& paths) {
    FilePage& f = Studio().File;
    if (!f.Recent || paths == f.RecentPaths) return;
    f.Recent->ClearItems();
    for (const std::string& path : paths) f.Recent->AddItem(FileNameOf(path), SkinPath("Icon_Document.png"));
    f.RecentPaths = paths;
}

KVX_PushButtonRef CreateButtonOf(const std::string& kindWord) {
    for (const KindButton& entry : Studio().CreateButtons) {
        if (entry.KindWord == kindWord) return entry.Button;
    }
    return nullptr;
}

}  // namespace kvx::studio
