#include "gallery_windows.hpp"

#include <functional>
#include <string>

using namespace kvx;

namespace gallery {
namespace {

const std::string kDemos = "./KVX_Demos/";

void BuildMenus(Gallery& g) {
    g.fileMenu = KVX_Menu::Create("File");
    g.fileMenu->AddEntry("New", SkinPath("Icon_Document.png"));
    g.fileMenu->AddEntry("Open...", SkinPath("Icon_Folder.png"));
    g.fileMenu->AddEntry("Recent", "");
    g.fileMenu->AddEntry("[]", "");
    g.fileMenu->AddEntry("Quit", "");
    KVX_MenuRef recent = KVX_Menu::CreateSubmenu(g.fileMenu, "Recent");
    recent->AddEntry("interface.kvx", SkinPath("Icon_Document.png"));
    recent->AddEntry("dialogs.kvx", SkinPath("Icon_Document.png"));
    KVX_MenuRef view = KVX_Menu::Create("View");
    view->AddEntry("Grid", "");
    view->AddEntry("Rulers", "");
    view->AddEntry("Full screen", "");
    view->SetChecked("Grid", 1);
    view->SetEntryDisabled("Full screen", 1);
    KVX_Menu::Create("Help")->AddEntry("About...", "");
}

void BuildButtons(Gallery& g) {
    KVX_WindowRef w = KVX_Window::Create("Buttons", 10, 40, 320, 215, 1, 1, 0);
    KVX_PushButton::Create(w, "Normal", 15, 15, 90)->Tooltip = "A push button";
    KVX_PushButton::Create(w, "Wide button", 115, 15, 190)->Tooltip = "Tooltips fade in after a moment";
    KVX_PushButtonRef off = KVX_PushButton::Create(w, "Disabled", 15, 48, 90);
    off->Disabled = 1;
    g.quit = KVX_PushButton::Create(w, "Quit gallery", 115, 48, 190);
    KVX_CustomButton::Create(w, "", 15, 85, 48, 48, kDemos + "Icon_04_hi.png", kDemos + "Icon_04_un.png",
                             kDemos + "Icon_04_se.png", 0)
        ->Tooltip = "A picture button";
    KVX_CustomButton::Create(w, "Bevel", 75, 85, 90, 48, kDemos + "Icon_04_hi.png", kDemos + "Icon_04_un.png",
                             kDemos + "Icon_04_se.png", 1);
    KVX_Label::Create(w, "Labels break lines|at a bar, and align|left, centre or right.", 180, 88, 1,
                      KVX_SchemeColors.GadgetText);
    KVX_Label::Create(w, "centred caption", 160, 150, 2, KVX_YellowColor);
}

void BuildFields() {
    KVX_WindowRef w = KVX_Window::Create("Fields", 345, 40, 330, 215, 1, 1, 0);
    KVX_Input::Create(w, "Edit me", 15, 15, 20, 64);
    KVX_Input::Create(w, "A longer text that scrolls inside its box", 15, 45, 20, 255);
    KVX_Value::Create(w, "Width :", 80, 80, 8, 320, 10, 0, 1024, 1);
    KVX_Value::Create(w, "Scale :", 80, 110, 8, 1.5f, 0.25f, 0, 10, 0);
    KVX_Checkbox::Create(w, "Snap to grid", 15, 145, 1);
    KVX_Checkbox::Create(w, "Show rulers", 150, 145, 0);
    KVX_CheckboxRef off = KVX_Checkbox::Create(w, "Disabled", 15, 170, 1);
    off->Disabled = 1;
}

void BuildSliders(Gallery& g) {
    KVX_WindowRef w = KVX_Window::Create("Sliders and progress", 690, 40, 324, 215, 1, 1, 0);
    g.speed = KVX_Scrollbar::Create(w, "Speed", 15, 15, 250, 18, 40, 0, 100, 1, 0, 1);
    KVX_Scrollbar::Create(w, "Volume", 15, 43, 250, 18, 0.75f, 0, 1, 0.05f, 0, 0);
    KVX_Scrollbar::Create(w, "", 285, 15, 18, 170, 30, 0, 100, 1, 1, 1);
    g.progress = KVX_Progress::Create(w, "Loading", 15, 80, 250, 21, 0, 100);
    KVX_Progress::Create(w, "Done", 15, 110, 250, 21, 100, 100);
    KVX_Progress::Create(w, "Quarter", 15, 140, 250, 21, 25, 100);
}

void BuildPictures() {
    KVX_WindowRef w = KVX_Window::Create("Pictures", 10, 275, 320, 230, 1, 1, 0);
    KVX_Image::Create(w, kDemos + "Image_01.png", 15, 15, 160, 120, 1);
    KVX_Image::Create(w, kDemos + "Image_01.png", 190, 15, 110, 82, 2);
    const int colours[][3] = {{220, 60, 50}, {250, 170, 40}, {80, 190, 90}, {40, 140, 220}, {150, 90, 200}};
    for (int i = 0; i < 5; ++i) {
        KVX_ColorIcon::Create(w, 15 + i * 40, 150, 32, 32,
                              KVX_Color::Create(colours[i][0], colours[i][1], colours[i][2]));
    }
}

void BuildTabs() {
    KVX_WindowRef w = KVX_Window::Create("Tabs and frames", 345, 275, 330, 230, 1, 1, 0);
    KVX_TabpanelRef tabs = KVX_Tabpanel::Create(w, "General|Layout|About", 10, 8, 305, 190);
    KVX_FrameRef frame = KVX_Frame::Create(w, "Options", 10, 10, 280, 70);
    KVX_CheckboxRef autosave = KVX_Checkbox::Create(w, "Autosave every minute", 20, 30, 1);
    KVX_FrameRef names = KVX_Frame::Create(w, "Name", 10, 95, 280, 50);
    KVX_InputRef name = KVX_Input::Create(w, "Untitled", 20, 112, 30, 64);
    for (const KVX_GadgetRef& g : std::initializer_list<KVX_GadgetRef>{frame, autosave, names, name}) {
        AttachToTab(g, tabs, "General");
    }
    KVX_LabelRef layout = KVX_Label::Create(w, "Gadgets attached to a tab|show only on its page.", 140, 40, 2,
                                            KVX_SchemeColors.GadgetText);
    AttachToTab(layout, tabs, "Layout");
    KVX_LabelRef about = KVX_Label::Create(w, "Korvex gallery", 140, 40, 2, KVX_SchemeColors.GadgetText);
    AttachToTab(about, tabs, "About");
}

void BuildLists() {
    KVX_WindowRef w = KVX_Window::Create("Lists", 690, 275, 324, 230, 1, 1, 0);
    KVX_ListboxRef list = KVX_Listbox::Create(w, 15, 15, 180, 8);
    const char* files[][2] = {
        {"Projects", "Icon_Folder.png"},    {"Sounds", "Icon_Folder.png"},      {"[]", ""},
        {"photo.png", "Icon_Picture.png"},  {"chime.wav", "Icon_Sound.png"},    {"backup.zip", "Icon_Archive.png"},
        {"notes.txt", "Icon_Document.png"}, {"tool.exe", "Icon_Program.png"},   {"index.htm", "Icon_Web.png"},
        {"design.kvx", "Icon_Default.png"}, {"readme.txt", "Icon_Document.png"}};
    for (const auto& file : files) list->AddItem(file[0], file[1][0] ? SkinPath(file[1]) : "");
    list->SelectItem("chime.wav");
    KVX_ComboRef combo = KVX_Combo::Create(w, 210, 15, 100);
    for (const char* mode : {"640 x 480", "800 x 600", "1024 x 768", "1280 x 1024"}) combo->AddItem(mode, "");
    combo->SelectItem("1024 x 768", 1);
    KVX_Label::Create(w, "Open the|drop-down", 260, 50, 2, KVX_SchemeColors.GadgetText);
}

void BuildInactiveAndMinimised() {
    KVX_WindowRef minimised = KVX_Window::Create("Minimised window", 10, 525, 320, 120, 1, 1, 1);
    KVX_PushButton::Create(minimised, "Hidden while minimised", 15, 15, 200);
    minimised->ToggleMinimise();
    KVX_WindowRef notes = KVX_Window::Create("Inactive window", 345, 525, 330, 120, 1, 1, 1);
    KVX_Label::Create(notes, "Only the active window takes input;|click a window to bring it to the front.", 10, 10, 1,
                      KVX_SchemeColors.GadgetText);
}

void BuildDialogs(Gallery& g) {
    KVX_WindowRef w = KVX_Window::Create("Dialogs", 690, 525, 324, 185, 1, 1, 0);
    int y = 12;
    const auto row = [&](const std::string& caption, const std::string& tooltip) {
        DialogRow r{KVX_PushButton::Create(w, caption, 15, y, 130),
                    KVX_Label::Create(w, "-", 155, y + 4, 1, KVX_SchemeColors.GadgetText)};
        r.open->Tooltip = tooltip;
        y += 32;
        return r;
    };
    g.message = row("Message box", "Yes, No or Cancel");
    g.file = row("File requester", "Pick a design to open");
    g.path = row("Path requester", "Pick a folder");
    g.screenMode = row("Screen mode", "Reopens the display in the chosen mode");
    g.colour = row("Colour", "Mix a colour with three sliders");
}

// At most the last n characters, so a long path still fits beside its button.
std::string TailOf(const std::string& text, size_t n) {
    return text.size() <= n ? text : "..." + text.substr(text.size() - (n - 3));
}

// The requesters leave the working directory wherever the user walked; the gallery's pictures
// load from paths relative to its own folder.
std::string InGalleryFolder(const std::function<std::string()>& requester) {
    const std::string folder = CurrentDir();
    const std::string answer = requester();
    ChangeDir(folder);
    return answer.empty() ? "Cancelled" : TailOf(answer, 24);
}

// The chooser is meant to run before an interface exists, and clears the toolkit when it ends:
// the gallery's windows go first, so they are not shown behind it, and come back in the chosen
// mode, or in the gallery's own when the choice was cancelled or none was picked (the chooser
// then falls back to 640 x 480, too small for these windows).
void ChooseScreenMode(Gallery& g) {
    KVX_ClearGui();
    const int32_t answer = KVX_ScreenModeRequester("Screen mode", kDemos + "Background_01.png", 0, 0, 1, 1, 1);
    if (answer != 2 || GraphicsWidth() < 1024) {
        EndGraphics();
        OpenDisplay();
    }
    zglSetSwapInterval(0);
    g = Build();
    g.screenMode.answer->Text =
        answer == 2 ? std::to_string(GraphicsWidth()) + " x " + std::to_string(GraphicsHeight()) : "Cancelled";
}

// The chooser leaves its colour as the drawing colour; the next one starts from it.
void ChooseColour(Gallery& g) {
    KVX_ColorRequester("Colour", g.mixed[0], g.mixed[1], g.mixed[2]);
    int r = 0, gr = 0, b = 0;
    GetColor(r, gr, b);
    g.mixed = {uint8_t(r), uint8_t(gr), uint8_t(b)};
    g.colour.answer->Text = std::to_string(r) + ", " + std::to_string(gr) + ", " + std::to_string(b);
}

void StepDialogs(Gallery& g) {
    if (g.message.open->Clicked()) {
        static const char* const kAnswers[] = {"", "Yes", "No", "Cancel"};
        g.message.answer->Text = kAnswers[KVX_MessageBox("Question", "Do you like|the gallery ?", 3, 1)];
    }
    if (g.file.open->Clicked()) {
        g.file.answer->Text =
            InGalleryFolder([] { return KVX_FileRequester("Open a design", "", ".kvx|.*", ".kvx", 0); });
    }
    if (g.path.open->Clicked()) {
        g.path.answer->Text = InGalleryFolder([] { return KVX_PathRequester("Choose a folder", ""); });
    }
    if (g.colour.open->Clicked()) ChooseColour(g);
    // Last: it replaces every window, these buttons included.
    if (g.screenMode.open->Clicked()) ChooseScreenMode(g);
}

}  // namespace

void OpenDisplay() {
    // Full screen when the display has the mode, otherwise a window of that size.
    const int depth = GraphicsModeExists(1024, 768, 0, 0) ? 32 : 0;
    Graphics(1024, 768, depth, 60);
}

Gallery Build() {
    KVX_InitGUI(2);
    KVX_Background(kDemos + "Background_01.png");
    Gallery g;
    BuildMenus(g);
    BuildInactiveAndMinimised();
    BuildPictures();
    BuildTabs();
    BuildLists();
    BuildFields();
    BuildSliders(g);
    BuildButtons(g);
    BuildDialogs(g);
    return g;
}

bool Step(Gallery& g) {
    // The loading bar follows the speed slider, so the progress caption changes as you drag.
    g.progress->Value = g.speed->Value;
    if (g.quit->Clicked()) return false;
    StepDialogs(g);
    if (g.fileMenu->SelectedEntry == "Quit") return false;
    return true;
}

}  // namespace gallery
