#include "dialogs/screen_mode_requester.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "core/skin.hpp"
#include "dialogs/choice_buttons.hpp"
#include "dialogs/modal_loop.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/menu.hpp"
#include "gadgets/push_button.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

struct ScreenMode {
    std::string Text;
    int Width, Height, Depth;
};

const std::array<std::pair<int, int>, 5> kResolutions = {
    {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}}};
const std::array<int, 3> kDepths = {16, 24, 32};
const char* const kPreselected = "Screen mode 800 - 600 - 32 Bits";
const char* const k60Hz = "Monitor frequency 60 Hz";
const char* const k75Hz = "Monitor frequency 75 Hz";

std::string ModeText(int width, int height, int depth) {
    return "Screen mode " + std::to_string(width) + " - " + std::to_string(height) + " - " + std::to_string(depth) +
           " Bits";
}

// The mode a list text names; 640x480x16 when it names none.
ScreenMode ModeNamed(const std::string& text) {
    for (auto [width, height] : kResolutions) {
        for (int depth : kDepths) {
            if (ModeText(width, height, depth) == text) return {text, width, height, depth};
        }
    }
    return {"", 640, 480, 16};
}

// Exactly that depth: the mode query lets a 32-bit mode stand for 24 bits, which would list a
// 24-bit entry the display never offered.
bool ModeOffered(int width, int height, int depth) {
    const std::vector<DisplayMode> modes = GraphicsModes();
    return std::any_of(modes.begin(), modes.end(), [&](const DisplayMode& m) {
        return m.width == width && m.height == height && m.depth == depth;
    });
}

int FrequencyNamed(const std::string& text) {
    if (text == k60Hz) return 60;
    return text == k75Hz ? 75 : 0;
}

// A full-screen mode the screen lacks would end the program; a window of that size is the
// sound stand-in (the chooser's own 640x480 is missing on many screens).
void OpenFullScreenOrWindow(int width, int height, int depth, int hz) {
    Graphics(width, height, GraphicsModeExists(width, height, 0, 0) ? depth : 0, hz);
}

}  // namespace

int32_t KVX_ScreenModeRequester(const std::string& title, const std::string& background, uint8_t allow640,
                                uint8_t allow800, uint8_t allow1024, uint8_t allow1280, uint8_t allow1600) {
    // The chooser starts the toolkit over for itself; the application's menus outlive it.
    KVX_MenuBarSet applicationMenus = KVX_TakeMenus();
    OpenFullScreenOrWindow(640, 480, 32, 60);
    zglSetSwapInterval(0);
    KVX_InitGUI(1);
    KVX_Background(background);

    int32_t choice = 3;
    std::string modeText, frequencyText;
    {
        auto window =
            KVX_Window::Create(title, GraphicsWidth() / 2 - 140, GraphicsHeight() / 2 - 150, 280, 300, 0, 1, 0, 20);
        const ChoiceButtons buttons = CreateChoiceButtons(window, "Open", 170, 245);
        auto frequency = KVX_Combo::Create(window, 10, 220, 260);
        frequency->AddItem(k60Hz, "");
        frequency->AddItem(k75Hz, "");
        frequency->SelectItem(k75Hz, 1);
        auto modes = KVX_Listbox::Create(window, 10, 10, 260, 10);
        const uint8_t allowed[] = {allow640, allow800, allow1024, allow1280, allow1600};
        for (size_t group = 0; group < kResolutions.size(); ++group) {
            if (allowed[group] != 1) continue;
            const auto [width, height] = kResolutions[group];
            for (int depth : kDepths) {
                if (!ModeOffered(width, height, depth)) continue;
                const std::string text = ModeText(width, height, depth);
                modes->AddItem(text, SkinPath("Icon_Screen.png"));
                if (text == kPreselected) modes->SelectItem(text);
            }
        }

        ModalSession session(window);
        window->Activate();
        session.Run([&] {
            int32_t clicked = 0;
            if (buttons.Confirm->Clicked() || ConfirmKeyPressed()) clicked = 2;
            if (buttons.Cancel->Clicked() || CancelKeyPressed()) clicked = 3;
            if (clicked != 0) choice = clicked;
            return clicked != 0;
        });
        modeText = modes->SelectedText;
        frequencyText = frequency->SelectedText;
    }
    const ScreenMode mode = ModeNamed(modeText);
    KVX_ClearGui();
    EndGraphics();
    OpenFullScreenOrWindow(mode.Width, mode.Height, mode.Depth, FrequencyNamed(frequencyText));
    KVX_RestoreMenus(std::move(applicationMenus));
    return choice;
}

}  // namespace kvx
