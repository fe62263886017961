#include "dialogs/message_box.hpp"

#include <algorithm>

#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "dialogs/modal_loop.hpp"
#include "dialogs/text_pieces.hpp"
#include "gadgets/image_box.hpp"
#include "gadgets/label.hpp"
#include "gadgets/push_button.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

// Runs `measure` over the lines with the labels' font selected, then selects the previous one.
template <class Measure>
void MeasureInLabelFont(const std::string& text, Measure measure) {
    const FontPtr previous = GetImageFont();
    SetImageFont(KVX_GuiFont);
    for (const std::string& line : SplitPieces(text)) measure(line);
    SetImageFont(previous);
}

const char* IconFile(int32_t icon) {
    switch (icon) {
        case 1: return "Messagebox_Ask.png";
        case 2: return "Messagebox_Alert.png";
        case 3: return "Messagebox_Warning.png";
        default: return nullptr;
    }
}

}  // namespace

int32_t TextBlockWidth(const std::string& text) {
    int32_t widest = 0;
    MeasureInLabelFont(text, [&](const std::string& line) { widest = std::max(widest, int32_t(TextWidth(line))); });
    return widest;
}

int32_t TextBlockHeight(const std::string& text) {
    // As the label draws the lines: a line step each.
    return int32_t(SplitPieces(text).size()) * KVX_MultilineStep();
}

int32_t KVX_MessageBox(const std::string& title, const std::string& text, uint8_t buttons, int32_t icon) {
    // Without a button the box could never be answered.
    if (buttons < 1 || buttons > 3) buttons = 1;
    const int textWidth = TextBlockWidth(text);
    const int w = textWidth < 80 ? 220 : textWidth + 100;
    const int h = TextBlockHeight(text) + 100;
    auto window =
        KVX_Window::Create(title, GraphicsWidth() / 2 - w / 2, GraphicsHeight() / 2 - h / 2, w, h, 0, 1, 0, 20);
    window->ClickSound = HandleFromSound(LoadSound(kAlertSoundPath));

    const int bw = w / 3 - 10, by = h - 55;
    KVX_PushButtonRef ok, yes, no, cancel;
    if (buttons == 1) {
        ok = KVX_PushButton::Create(window, "Ok", w / 2 - bw / 2, by, bw);
    } else {
        yes = KVX_PushButton::Create(window, "Yes", 10, by, bw);
        if (buttons == 2) {
            no = KVX_PushButton::Create(window, "No", w - (bw + 10), by, bw);
        } else {
            no = KVX_PushButton::Create(window, "No", w / 2 - bw / 2, by, bw);
            cancel = KVX_PushButton::Create(window, "Cancel", w - (bw + 10), by, bw);
        }
    }
    KVX_Label::Create(window, text, w / 2, 20, 2, KVX_SchemeColors.DialogText);
    if (const char* file = IconFile(icon)) KVX_Image::Create(window, SkinPath(file), 10, h / 2 - 42, 32, 32, 0);

    int32_t result = 0;
    ModalSession session(window);
    const bool answered = session.Run([&] {
        // In this order, so a later button wins a frame in which two report a click.
        if (ok && ok->Clicked()) result = 1;
        if (yes && yes->Clicked()) result = 1;
        if (no && no->Clicked()) result = 2;
        if (cancel && cancel->Clicked()) result = 3;
        // Enter says Ok or Yes; Escape the last answer of the set, as closing the window does.
        if (result == 0 && ConfirmKeyPressed()) result = 1;
        if (result == 0 && CancelKeyPressed()) result = int32_t(buttons);
        return result != 0;
    });
    return answered ? result : int32_t(buttons);
}

}  // namespace kvx
