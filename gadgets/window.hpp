#pragma once
// Top-level windows: a draggable skinned title bar with close, minimise and lock buttons, a body
// with a drop shadow, and the gadgets inside. The desktop is the invisible full-screen window.
#include "core/gadget.hpp"
#include "core/runtime.hpp"
#include "gadgets/custom_button.hpp"

namespace kvx {

class KVX_Window;
using KVX_WindowRef = std::shared_ptr<KVX_Window>;

// Window styles, as Style holds them.
inline constexpr int32_t KVX_DesktopStyle = 10;
inline constexpr int32_t KVX_TitledStyle = 20;

// State is 0 in a frame the window took a press, else 1.
class KVX_Window : public KVX_Gadget {
public:
    uint8_t ClickedInBody = 0;
    int32_t TitleLeft = 0, TitleMiddle = 0, TitleRight = 0;
    int32_t TitleLeftOff = 0, TitleMiddleOff = 0, TitleRightOff = 0;
    int32_t BodyImage = 0;
    int32_t CapWidth = 0;
    int32_t TitleHeight = 0;
    int32_t Dragging = 0;
    int32_t DragDX = 0, DragDY = 0;
    int32_t Minimised = 0;
    int32_t Locked = 0;
    KVX_CustomButtonRef CloseButton, MinimiseButton, LockButton;

    uint8_t Kind() const override { return KVX_KindWindow; }
    static KVX_WindowRef Create(const std::string& caption, int x, int y, int width, int height, int lockButton,
                                int minimiseButton, int closeButton, int style = KVX_TitledStyle);
    void Update(KVX_Gadget* unused) override;
    bool Folded() const override { return Minimised != 0; }
    // Whether the point is on the window as drawn: title bar, and body unless minimised.
    bool Covers(int x, int y) const;
    // Gives the title bar these buttons (1 to have one), keeping those it has already.
    void SetTitleButtons(int lockButton, int minimiseButton, int closeButton);
    // A new size of the body (the title bar keeps its height): pictures rebuilt, title laid out.
    void Resize(int width, int height);
    void ToggleMinimise();
    void ToggleLock();
    void Activate();
    void Free() override;

private:
    void BuildPictures();
    void LayOutTitle();
    void DetectClick();
    void Drag();
    void Draw();
    void HandleTitleButtons();
};

// A press on an inactive window activates it before any gadget sees the press, so that the same
// press also acts on the gadget under it. Not while a dialog is modal or a drop-down or menu
// holds the mouse.
void KVX_ActivateWindowUnderPress();

}  // namespace kvx
