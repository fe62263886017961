#include "studio/keys_window.hpp"

#include <algorithm>

#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "dialogs/modal_loop.hpp"
#include "gadgets/label.hpp"
#include "gadgets/push_button.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {
namespace {

constexpr int kMargin = 15, kKeysColumn = 170, kWidth = 470, kButtonWidth = 80, kButtonRoom = 45, kTitleRoom = 25;
constexpr uint8_t kAlignedLeft = 1;

}  // namespace

const std::vector<std::pair<std::string, std::string>>& Shortcuts() {
    static const std::vector<std::pair<std::string, std::string>> list = {
        {"Ctrl+N, O, S, Q", "new, open, save, quit"},
        {"Ctrl+Z", "undo"},
        {"Ctrl+Y, Ctrl+Shift+Z", "redo"},
        {"Del", "delete the selection"},
        {"Ctrl+C, X, V", "copy, cut, paste"},
        {"Ctrl+D", "duplicate"},
        {"Ctrl+A", "select the window's gadgets"},
        {"Ctrl+click", "add to or take from the selection"},
        {"Drag on a window", "select the gadgets the band touches"},
        {"Ctrl+drag", "move the selection"},
        {"Shift+drag, handles", "resize"},
        {"Alt while dragging", "no snapping to neighbours"},
        {"Arrows", "move by a grid step (with Shift: 1 pixel)"},
        {"Ctrl+arrows", "resize by a grid step (with Shift: 1)"},
        {"Alt+arrows", "align the edges"},
        {"Alt+C, Alt+M", "align the centres, the middles"},
        {"Alt+H, Alt+V", "spread across, down"},
        {"Ctrl+Page Up, Down", "to front, to back"},
        {"Escape", "disarm the palette"},
        {"F1", "this list"},
        {"F5", "preview: the design as it runs"},
        {"Escape in preview", "back to the design"},
    };
    return list;
}

void ShowShortcuts() {
    const int lineHeight = std::max(KVX_LineHeight, 1);
    const int height = kTitleRoom + kMargin * 2 + lineHeight * int(Shortcuts().size()) + kButtonRoom;
    const KVX_WindowRef window = KVX_Window::Create("Keys", GraphicsWidth() / 2 - kWidth / 2,
                                                    GraphicsHeight() / 2 - height / 2, kWidth, height, 0, 0, 0);
    int y = kMargin;
    for (const auto& [keys, meaning] : Shortcuts()) {
        KVX_Label::Create(window, keys, kMargin, y, kAlignedLeft, KVX_SchemeColors.DialogText);
        KVX_Label::Create(window, meaning, kKeysColumn, y, kAlignedLeft, KVX_SchemeColors.DialogText);
        y += lineHeight;
    }
    const KVX_PushButtonRef ok =
        KVX_PushButton::Create(window, "Ok", kWidth / 2 - kButtonWidth / 2, y + kMargin, kButtonWidth);
    ModalSession session(window);
    session.Run([&] { return ok->Clicked() != 0 || ConfirmKeyPressed() || CancelKeyPressed(); });
}

}  // namespace kvx::studio
