#include "studio/preferences_dialog.hpp"

#include <array>

#include "core/skin.hpp"
#include "dialogs/choice_buttons.hpp"
#include "dialogs/modal_loop.hpp"
#include "gadgets/checkbox.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/input.hpp"
#include "gadgets/label.hpp"
#include "gadgets/value.hpp"
#include "platform/platform.hpp"
#include "studio/ask_path.hpp"
#include "studio/config_folder.hpp"
#include "studio/grid_image.hpp"
#include "studio/preferences.hpp"
#include "studio/recent_files.hpp"
#include "studio/studio_state.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

constexpr int kWidth = 360, kHeight = 293, kLabelX = 10, kFieldX = 190, kRowStep = 28;
constexpr int kDialogStyle = 20, kFolderChars = 19, kFolderMaxChars = 1024, kNumberChars = 4;
constexpr int kComboWidth = 150, kCancelX = 250;
const std::array<const char*, 3> kScreenCaptions = {"Automatic", "Window", "Full screen"};

struct PreferencesForm {
    KVX_ValueRef GridStep, RecentCount;
    KVX_CheckboxRef Snap, Guides, Sounds;
    KVX_ComboRef Screen;
    KVX_InputRef Folder;
};

void Caption(const KVX_WindowRef& window, const std::string& text, int row) {
    KVX_Label::Create(window, text, kLabelX, row * kRowStep + 4, 1, KVX_SchemeColors.DialogText);
}

PreferencesForm BuildForm(const KVX_WindowRef& window, const Preferences& p) {
    PreferencesForm form;
    Caption(window, "Grid step (pixels)", 0);
    form.GridStep = KVX_Value::Create(window, "", kFieldX, 2, kNumberChars, float(p.GridStep), 1.f, float(kGridStepMin),
                                      float(kGridStepMax), 1);
    form.Snap = KVX_Checkbox::Create(window, "Moves snap to the grid", kLabelX, kRowStep + 4, p.SnapToGrid);
    form.Guides =
        KVX_Checkbox::Create(window, "Alignment guides while dragging", kLabelX, 2 * kRowStep + 4, p.AlignmentGuides);
    form.Sounds = KVX_Checkbox::Create(window, "Click sounds", kLabelX, 3 * kRowStep + 4, p.ClickSounds);
    Caption(window, "At start", 4);
    form.Screen = KVX_Combo::Create(window, kFieldX, 4 * kRowStep + 2, kComboWidth);
    for (const char* caption : kScreenCaptions) form.Screen->AddItem(caption, "");
    form.Screen->SelectItem(kScreenCaptions[size_t(p.StartScreen)], 0);
    Caption(window, "File requester opens in", 5);
    form.Folder =
        KVX_Input::Create(window, p.RequesterFolder, kLabelX, 6 * kRowStep, kFolderChars * 2, kFolderMaxChars);
    Caption(window, "Recent designs listed", 7);
    form.RecentCount = KVX_Value::Create(window, "", kFieldX, 7 * kRowStep + 2, kNumberChars, float(p.RecentCount), 1.f,
                                         float(kRecentCountMin), float(kRecentCountMax), 1);
    return form;
}

Preferences ReadForm(const PreferencesForm& form, Preferences p) {
    p.GridStep = int32_t(form.GridStep->Value);
    p.SnapToGrid = form.Snap->State == 1;
    p.AlignmentGuides = form.Guides->State == 1;
    p.ClickSounds = form.Sounds->State == 1;
    for (size_t i = 0; i < kScreenCaptions.size(); ++i) {
        if (form.Screen->SelectedText == kScreenCaptions[i]) p.StartScreen = ScreenChoice(i);
    }
    p.RequesterFolder = form.Folder->Text;
    p.RecentCount = int32_t(form.RecentCount->Value);
    return p;
}

}  // namespace

bool EditPreferences() {
    Preferences chosen = Prefs();
    bool confirmed = false;
    {
        auto window = KVX_Window::Create("Preferences", GraphicsWidth() / 2 - kWidth / 2,
                                         GraphicsHeight() / 2 - kHeight / 2, kWidth, kHeight, 0, 1, 0, kDialogStyle);
        const PreferencesForm form = BuildForm(window, chosen);
        const ChoiceButtons buttons = CreateChoiceButtons(window, "Ok", kCancelX, 8 * kRowStep + 8);
        ModalSession session(window);
        window->Activate();
        session.Run([&] {
            const bool okClicked = buttons.Confirm->Clicked() != 0 || ConfirmKeyPressed();
            const bool cancelClicked = buttons.Cancel->Clicked() != 0 || CancelKeyPressed();
            confirmed = okClicked;
            if (okClicked) chosen = ReadForm(form, chosen);
            return okClicked || cancelClicked;
        });
    }
    if (!confirmed || chosen == Prefs()) return confirmed;
    const bool gridChanged = chosen.GridStep != Prefs().GridStep;
    Prefs() = chosen;
    ApplyPreferences();
    if (gridChanged) State().GridImage = MakeGridImage();
    ShowRecentFiles(LoadRecentFiles());
    if (!SavePreferences()) {
        AskUser("Preferences", "preferences.txt|cannot be written in " + ConfigFolder() + ".", kOkOnly, kAlertIcon);
    }
    return true;
}

}  // namespace kvx::studio
