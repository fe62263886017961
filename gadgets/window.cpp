#include "gadgets/window.hpp"

#include <algorithm>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/label.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

int LoadTitlePiece(const std::string& file, int width, int height) {
    return LoadSkinPiece(SkinPath(file), width, height);
}

constexpr int kTitleHeight = 20;
constexpr int kTitleCapWidth = 15;

// Placed by LayOutTitle.
KVX_CustomButtonRef MakeTitleButton(const KVX_WindowRef& window, const std::string& piece, const std::string& tooltip) {
    const int size = window->TitleHeight - 2;
    auto button = KVX_CustomButton::Create(
        window, "", 0, -window->TitleHeight, size, size, SkinPath("Window_" + piece + "_hi.png"),
        SkinPath("Window_" + piece + "_un.png"), SkinPath("Window_" + piece + "_se.png"), 0);
    button->Tooltip = tooltip;
    return button;
}

}  // namespace

KVX_WindowRef KVX_Window::Create(const std::string& caption, int x, int y, int width, int height, int lockButton,
                                 int minimiseButton, int closeButton, int style) {
    auto window = MakeGadget<KVX_Window>();
    window->Text = caption;
    window->Style = style;
    window->TitleHeight = kTitleHeight;
    window->X = x;
    window->Y = y;
    window->Width = width;
    window->Height = height - window->TitleHeight;
    if (closeButton == 1) window->CloseButton = MakeTitleButton(window, "Close", "Close");
    if (minimiseButton == 1) window->MinimiseButton = MakeTitleButton(window, "Minimize", "Minimize");
    if (lockButton == 1) window->LockButton = MakeTitleButton(window, "Lock", "Lock");
    window->Caption = KVX_Label::Create(window, caption, 0, 0, 2, KVX_SchemeColors.WindowCaptionActive);
    window->BuildPictures();
    window->LayOutTitle();
    KVX_DeactivateWindows();
    window->State = 1;
    // A window opened in answer to a click stays in front: that click is spent.
    KVX_ClickedWindow = 0;
    KVX_GadgetList.push_back(window);
    return window;
}

void KVX_Window::SetTitleButtons(int lockButton, int minimiseButton, int closeButton) {
    const KVX_WindowRef self = std::static_pointer_cast<KVX_Window>(shared_from_this());
    const auto keep = [&](KVX_CustomButtonRef& button, int wanted, const char* piece) {
        if (wanted == 1 && !button) button = MakeTitleButton(self, piece, piece);
        if (wanted != 1 && button) {
            button->Free();
            button = nullptr;
        }
    };
    keep(CloseButton, closeButton, "Close");
    keep(MinimiseButton, minimiseButton, "Minimize");
    keep(LockButton, lockButton, "Lock");
    LayOutTitle();
}

void KVX_Window::Resize(int width, int height) {
    if (width == Width && height == Height) return;
    Width = width;
    Height = height;
    BuildPictures();
    LayOutTitle();
}

void KVX_Window::BuildPictures() {
    for (int32_t* image :
         {&TitleLeft, &TitleMiddle, &TitleRight, &TitleLeftOff, &TitleMiddleOff, &TitleRightOff, &BodyImage}) {
        ReleaseHandleField(*image);
    }
    if (Style == KVX_DesktopStyle) return;
    const int th = TitleHeight;
    TitleLeft = LoadTitlePiece("Window_title_left_se.png", kTitleCapWidth, th);
    CapWidth = ImageWidth(ImageFromHandle(TitleLeft));
    const int middle = Width - 2 * CapWidth;
    TitleMiddle = LoadTitlePiece("Window_title_middle_se.png", middle, th);
    TitleRight = LoadTitlePiece("Window_title_right_se.png", kTitleCapWidth, th);
    TitleLeftOff = LoadTitlePiece("Window_title_left_un.png", kTitleCapWidth, th);
    TitleMiddleOff = LoadTitlePiece("Window_title_middle_un.png", middle, th);
    TitleRightOff = LoadTitlePiece("Window_title_right_un.png", kTitleCapWidth, th);
    BodyImage = LoadSizedImage(SkinPath("Window_Body.png"), Width, Height, ToARGB(KVX_SchemeColors.WindowBodyEdgeA),
                               ToARGB(KVX_SchemeColors.WindowBodyEdgeB), 1);
}

// Close at the right end, minimise left of it, lock at the left; the caption centred and kept
// within the title bar.
void KVX_Window::LayOutTitle() {
    const int th = TitleHeight;
    if (CloseButton) CloseButton->X = Width - (th + 4);
    if (MinimiseButton) MinimiseButton->X = CloseButton ? Width - 2 * (th + 1) - 2 : Width - (th + 4);
    if (LockButton) LockButton->X = 5;
    if (Caption) {
        Caption->X = Width / 2;
        Caption->Y = th / 2 - KVX_LineHeight / 2 - th;
        Caption->Clip = KVX_ClipBox{0, -th, Width, th};
    }
}

void KVX_Window::Update(KVX_Gadget*) {
    if (Hidden) return;
    if (ClickSound && !ClickLatch) {
        PlaySound(SoundFromHandle(ClickSound));
        ClickLatch = 1;
    }
    DetectClick();
    if (!Locked) Drag();
    Draw();
    if (Caption) {
        Caption->Text = Text;
        Caption->Color = Disabled ? KVX_SchemeColors.WindowCaptionInactive : KVX_SchemeColors.WindowCaptionActive;
    }
    // Keep this window alive while its close button frees it.
    const KVX_GadgetRef self = shared_from_this();
    HandleTitleButtons();
    AbsX = X;
    AbsY = Y + TitleHeight + 1;
    KVX_UpdateChildren(Children, this);
    ResetDrawState();
}

void KVX_Window::DetectClick() {
    const int area = Minimised ? TitleHeight : Height + TitleHeight;
    if (KVX_Mouse.MouseIn(X, Y, Width, area, false) && KVX_Mouse.LeftHit && !ComboOpen && !MenuOpen) {
        State = 0;
        KVX_ClickedWindow = Handle;
        ClickedInBody = KVX_Mouse.Y > Y + TitleHeight ? 1 : 0;
    } else {
        State = 1;
    }
}

void KVX_Window::Drag() {
    if (Dragging == 1 && Style != KVX_DesktopStyle && !MenuOpen) {
        X = KVX_Mouse.X - DragDX;
        Y = KVX_Mouse.Y - DragDY;
        KVX_WindowDragging = 1;
    } else {
        DragDX = KVX_Mouse.X - X;
        DragDY = KVX_Mouse.Y - Y;
        KVX_WindowDragging = 0;
    }
    // Below a menu bar titled windows stay at y >= 20; the pointer is held back only while it
    // drags the window, and the desktop never moves.
    if (MenuBarExists == 1 && Y < 20 && Style != KVX_DesktopStyle) {
        Y = 20;
        if (Dragging == 1) MoveMouse(KVX_Mouse.X, 20);
    }
    const int left = X + (LockButton ? TitleHeight + 1 : 0);
    int width = Width;
    if (MinimiseButton) width = CloseButton ? Width - 2 * TitleHeight : Width - TitleHeight;
    Dragging = KVX_Mouse.MouseIn(left, Y, width, TitleHeight, false) && KVX_Mouse.LeftDown && !Disabled &&
                       !ClickedInBody && KVX_PressReleased == 1
                   ? 1
                   : 0;
}

void KVX_Window::Draw() {
    SetBlend(kAlphaBlend);
    if (Caption) Caption->Alpha = Alpha;
    for (const KVX_CustomButtonRef& button : {CloseButton, MinimiseButton, LockButton}) {
        if (button) button->Alpha = Alpha;
    }
    if (Style == KVX_DesktopStyle) return;
    SetAlpha(Alpha / 4);
    if (!Minimised) DrawImageHandle(BodyImage, X + 4, Y + TitleHeight + 4, KVX_BlackColor, 0);
    DrawImageHandle(TitleLeftOff, X + 4, Y + 4, KVX_BlackColor, 0);
    DrawImageHandle(TitleMiddleOff, X + CapWidth + 4, Y + 4, KVX_BlackColor, 0);
    DrawImageHandle(TitleRightOff, X + Width - CapWidth + 4, Y + 4, KVX_BlackColor, 0);
    SetAlpha(Alpha);
    if (!Minimised) DrawImageHandle(BodyImage, X, Y + TitleHeight, KVX_SchemeColors.WindowBodyTint, 0);
    const bool off = Disabled == 1;
    DrawImageHandle(off ? TitleLeftOff : TitleLeft, X, Y, KVX_SchemeColors.WindowFrameTint, 0);
    DrawImageHandle(off ? TitleMiddleOff : TitleMiddle, X + CapWidth, Y, KVX_SchemeColors.WindowFrameTint, 0);
    DrawImageHandle(off ? TitleRightOff : TitleRight, X + Width - CapWidth, Y, KVX_SchemeColors.WindowFrameTint, 0);
}

void KVX_Window::HandleTitleButtons() {
    if (CloseButton && CloseButton->Clicked()) Free();
    if (MinimiseButton && MinimiseButton->Clicked()) ToggleMinimise();
    if (LockButton && LockButton->Clicked()) ToggleLock();
}

bool KVX_Window::Covers(int x, int y) const {
    const int area = Minimised ? TitleHeight : Height + TitleHeight;
    return !Hidden && x >= X && x <= X + Width && y >= Y && y <= Y + area;
}

void KVX_ActivateWindowUnderPress() {
    const KVX_MouseState& m = KVX_Mouse;
    if (!m.LeftHit || KVX_ActivationAllowed != 1 || ComboOpen || MenuOpen) return;
    if (MenuBarExists && m.Y <= KVX_MenuBarHeight) return;  // the press belongs to the bar
    for (auto w = KVX_GadgetList.rbegin(); w != KVX_GadgetList.rend(); ++w) {
        if (!(*w)->Covers(m.X, m.Y)) continue;
        // Keep the window alive: activating moves it within the list.
        const KVX_WindowRef window = *w;
        if (window->Disabled) window->Activate();
        return;
    }
}

void KVX_Window::ToggleMinimise() {
    Minimised = 1 - Minimised;
    KVX_SetChildrenHidden(Children, uint8_t(Minimised));
    if (Caption) Caption->Hidden = 0;
    for (const KVX_CustomButtonRef& button : {CloseButton, MinimiseButton, LockButton}) {
        if (button) button->Hidden = 0;
    }
}

void KVX_Window::ToggleLock() { Locked = 1 - Locked; }

void KVX_Window::Activate() {
    KVX_DeactivateWindows();
    if (Style != KVX_DesktopStyle) {
        const KVX_WindowRef self = std::static_pointer_cast<KVX_Window>(shared_from_this());
        std::erase(KVX_GadgetList, self);
        KVX_GadgetList.push_back(self);
    }
    Disabled = 0;
}

void KVX_Window::Free() {
    for (int32_t* image : {&TitleLeft, &TitleMiddle, &TitleRight, &TitleLeftOff, &TitleMiddleOff, &TitleRightOff,
                           &BodyImage, &ClickSound}) {
        ReleaseHandleField(*image);
    }
    Caption = nullptr;
    CloseButton = MinimiseButton = LockButton = nullptr;
    Closed = 1;
    KVX_FreeChildren(Children);
    const KVX_GadgetRef self = shared_from_this();
    std::erase_if(KVX_GadgetList, [&](const KVX_WindowRef& w) { return w == self; });
}

}  // namespace kvx
