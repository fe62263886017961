#include "studio/scheme_editor.hpp"

#include <cstdio>

#include "core/gui_font.hpp"
#include "core/scheme_file.hpp"
#include "dialogs/color_requester.hpp"
#include "dialogs/message_box.hpp"
#include "dialogs/modal_loop.hpp"
#include "gadgets/color_icon.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/label.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/value.hpp"
#include "platform/platform.hpp"
#include "studio/ask_path.hpp"
#include "studio/config_folder.hpp"
#include "studio/property_editor.hpp"
#include "studio/scheme_sample.hpp"

namespace kvx::studio {
namespace {

constexpr const char* kSchemeFilters = ".txt|.*";
constexpr const char* kSchemeEnding = ".txt";
constexpr const char* kFontFilters = ".ttf|.otf|.fon|.pcf|.*";
constexpr const char* kFontEnding = ".ttf";
constexpr int kEditorW = 330, kEditorH = 400, kListLines = 14, kListW = 200;
constexpr int kButtonW = 100, kButtonX = kListW + 20;
constexpr int kFontNameY = 195, kFontButtonY = 215, kSizeY = 250, kSizeX = kButtonX + 45, kSizeChars = 3;
constexpr int kFontNameChars = 14;

struct EditorGadgets {
    KVX_ListboxRef Names;
    KVX_ColorIconRef Swatch;
    KVX_LabelRef Values;
    KVX_PushButtonRef Change, Load, Save, Close;
    KVX_LabelRef FontName;
    KVX_PushButtonRef Font;
    KVX_ValueRef FontSize;
};

// What the editor changes: the colours and the font.
struct SchemeState {
    KVX_SchemeValues Colors = KVX_CurrentScheme();
    std::string FontPath = KVX_GuiFontPath();
    int FontSize = KVX_GuiFontSize();
    bool operator==(const SchemeState&) const = default;
};

// The file's name without its folders, cut to what fits beside the list.
std::string ShownFontName() {
    const std::string& path = KVX_GuiFontPath();
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.size() > size_t(kFontNameChars) ? name.substr(0, kFontNameChars - 1) + "~" : name;
}

// The colour whose name is chosen in the list; null when none is.
KVX_ColorRef* ChosenColor(const EditorGadgets& g) {
    for (const KVX_SchemeEntry& entry : KVX_SchemeEntries()) {
        if (g.Names->SelectedText == entry.Name) return &(KVX_SchemeColors.*(entry.Member));
    }
    return nullptr;
}

// The swatch holds the scheme's own colour object, so it follows every change.
void ShowChosen(const EditorGadgets& g) {
    const KVX_ColorRef* color = ChosenColor(g);
    g.Swatch->FillColor = color ? *color : nullptr;
    g.Values->Text = color && *color ? std::to_string((*color)->Red) + ", " + std::to_string((*color)->Green) + ", " +
                                           std::to_string((*color)->Blue)
                                     : "";
}

EditorGadgets BuildEditor(const KVX_WindowRef& window) {
    EditorGadgets g;
    g.Names = KVX_Listbox::Create(window, 10, 10, kListW, kListLines);
    for (const KVX_SchemeEntry& entry : KVX_SchemeEntries()) g.Names->AddItem(entry.Name, "");
    g.Names->SelectItem(KVX_SchemeEntries().front().Name);
    g.Swatch = KVX_ColorIcon::Create(window, kButtonX, 10, kButtonW, 40, nullptr);
    g.Values = KVX_Label::Create(window, "", kButtonX + kButtonW / 2, 55, 2, KVX_SchemeColors.DialogText);
    g.Change = KVX_PushButton::Create(window, "Change...", kButtonX, 80, kButtonW);
    g.Load = KVX_PushButton::Create(window, "Load...", kButtonX, 130, kButtonW);
    g.Save = KVX_PushButton::Create(window, "Save...", kButtonX, 155, kButtonW);
    g.FontName = KVX_Label::Create(window, "", kButtonX + kButtonW / 2, kFontNameY, 2, KVX_SchemeColors.DialogText);
    g.Font = KVX_PushButton::Create(window, "Font...", kButtonX, kFontButtonY, kButtonW);
    g.FontSize = KVX_Value::Create(window, "Size", kSizeX, kSizeY, kSizeChars, float(KVX_GuiFontSize()), 1.f,
                                   float(KVX_MinGuiFontSize), float(KVX_MaxGuiFontSize), 1);
    g.Close = KVX_PushButton::Create(window, "Close", kButtonX, kEditorH - 60, kButtonW);
    ShowChosen(g);
    return g;
}

void ChangeChosen(const EditorGadgets& g) {
    KVX_ColorRef* color = ChosenColor(g);
    if (!color || !*color) return;
    KVX_ColorRequester(g.Names->SelectedText, (*color)->Red, (*color)->Green, (*color)->Blue);
    int r = 0, gr = 0, b = 0;
    GetColor(r, gr, b);  // the chooser leaves the starting colour when cancelled
    (*color)->Red = uint8_t(r);
    (*color)->Green = uint8_t(gr);
    (*color)->Blue = uint8_t(b);
}

void ShowFont(const EditorGadgets& g) {
    g.FontName->Text = ShownFontName();
    ShowNumber(g.FontSize, KVX_GuiFontSize());
}

void UseFont(const std::string& path, int size) {
    if (KVX_SetGuiFont(path, size)) return;
    AskUser(
        "Scheme",
        path + " at size " + std::to_string(size) + "|is not a font that can be drawn with;|the font in use is kept.",
        kOkOnly, kAlertIcon);
}

void ChooseFont() {
    const std::string path = AskDesignPath("Choose Font...", kFontFilters, kFontEnding, 0);
    if (!path.empty()) UseFont(path, KVX_GuiFontSize());
}

void LoadFromFile() {
    const std::string path = AskDesignPath("Load Colour Scheme...", kSchemeFilters, kSchemeEnding, 0);
    if (path.empty()) return;
    const KVX_SchemeLoad load = KVX_LoadScheme(path);
    if (!load.Ok()) AskUser("Scheme", load.Error(), kOkOnly, kNoIcon);
}

void SaveToFile() {
    const std::string path = AskDesignPath("Save Colour Scheme...", kSchemeFilters, kSchemeEnding, 1);
    if (path.empty() || KVX_SaveScheme(path)) return;
    AskUser("Scheme", path + ": could not be saved", kOkOnly, kNoIcon);
}

}  // namespace

std::string RememberedSchemePath() {
    const std::string folder = ConfigFolder();
    return folder.empty() ? "" : folder + "/scheme.txt";
}

void LoadRememberedScheme() {
    const std::string path = RememberedSchemePath();
    if (path.empty() || FileType(path) != kFileRegular) return;
    const KVX_SchemeLoad load = KVX_LoadScheme(path);
    if (!load.Ok()) std::fprintf(stderr, "korvex-studio: %s\n", load.Error().c_str());
}

void ShowSchemeEditor() {
    const SchemeState opened;
    {
        SchemeSample sample;
        const KVX_WindowRef window =
            KVX_Window::Create("Scheme Editor", GraphicsWidth() / 2 - kEditorW / 2 + 100,
                               GraphicsHeight() / 2 - kEditorH / 2, kEditorW, kEditorH, 0, 0, 0, 20);
        const EditorGadgets g = BuildEditor(window);
        ShowFont(g);
        ModalSession session(window);
        window->Activate();
        std::string shown = g.Names->SelectedText;
        session.Run([&] {
            const SchemeState before;
            // Every button is read every frame, so no click lingers into a nested dialog.
            const bool change = g.Change->Clicked() != 0, load = g.Load->Clicked() != 0;
            const bool save = g.Save->Clicked() != 0, font = g.Font->Clicked() != 0;
            const bool close = g.Close->Clicked() != 0 || CancelKeyPressed();
            const bool sized = int(g.FontSize->Value) != before.FontSize;
            if (sized) UseFont(before.FontPath, int(g.FontSize->Value));
            if (change) ChangeChosen(g);
            if (load) LoadFromFile();
            if (save) SaveToFile();
            if (font) ChooseFont();
            const SchemeState after;
            const bool changed = after != before;
            if (changed) sample.Rebuild();
            // The editor back in front of the nested dialog and of the sample made again.
            if (change || load || save || font || sized || changed) session.Resume();
            if (changed || g.Names->SelectedText != shown) ShowChosen(g);
            // A refused size goes back to the one in use.
            if (sized || after.FontPath != before.FontPath || after.FontSize != before.FontSize) ShowFont(g);
            shown = g.Names->SelectedText;
            return close;
        });
    }
    const std::string remembered = RememberedSchemePath();
    if (SchemeState() != opened && !remembered.empty()) KVX_SaveScheme(remembered);
}

}  // namespace kvx::studio
