#include "gadgets/push_button.hpp"

#include <algorithm>

#include "core/drawing.hpp"
#include "core/skin.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/label.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

int LoadCap(const std::string& file) { return LoadSkinPiece(SkinPath(file)); }

int LoadMiddle(const std::string& file, int width, int height) { return LoadSkinPiece(SkinPath(file), width, height); }

}  // namespace

KVX_PushButtonRef KVX_PushButton::Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y,
                                         int width) {
    auto button = MakeGadget<KVX_PushButton>();
    const KVX_GadgetRef owner = KVX_ParentOrDesktop(parent);
    button->Parent = owner;
    button->ClickSound = HandleFromSound(LoadSound(kClickSoundPath));
    button->X = x;
    button->Y = y;
    button->Width = std::max(width, KVX_PushButtonMinWidth);
    button->OverLeft = LoadCap("Button_left_hi.png");
    const ImagePtr cap = ImageFromHandle(button->OverLeft);
    button->Height = ImageHeight(cap);
    button->CapWidth = ImageWidth(cap);
    const int middle = button->Width - 2 * button->CapWidth;
    button->OverRight = LoadCap("Button_right_hi.png");
    button->OverMiddle = LoadMiddle("Button_middle_hi.png", middle, button->Height);
    button->NormalLeft = LoadCap("Button_left_un.png");
    button->NormalRight = LoadCap("Button_right_un.png");
    button->NormalMiddle = LoadMiddle("Button_middle_un.png", middle, button->Height);
    button->PressLeft = LoadCap("Button_left_se.png");
    button->PressRight = LoadCap("Button_right_se.png");
    button->PressMiddle = LoadMiddle("Button_middle_se.png", middle, button->Height);
    button->Text = text;
    button->Caption = KVX_Label::Create(button, text, button->Width / 2, button->Height / 2 - KVX_LineHeight / 2 + 2, 2,
                                        KVX_SchemeColors.GadgetText);
    button->Caption->Clip = KVX_ClipBox{0, 0, button->Width, button->Height};
    KVX_AddChild(owner, button);
    return button;
}

void KVX_PushButton::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        HandleMouse(parent, ax, ay);
        auto drawLook = [&](int left, int middle, int right) {
            DrawImageHandle(left, ax, ay, KVX_SchemeColors.ButtonTint, 0);
            DrawImageHandle(middle, ax + CapWidth, ay, KVX_SchemeColors.ButtonTint, 0);
            DrawImageHandle(right, ax + Width - CapWidth, ay, KVX_SchemeColors.ButtonTint, 0);
        };
        switch (State) {
            case 0:
                drawLook(NormalLeft, NormalMiddle, NormalRight);
                RestartTooltipDelay();
                break;
            case 1: drawLook(OverLeft, OverMiddle, OverRight); break;
            case 2: drawLook(PressLeft, PressMiddle, PressRight); break;
            default: break;  // the frame a click completes shows no body
        }
    }
    FinishUpdate(ax, ay);
}

void KVX_PushButton::Free() {
    for (int32_t* image : {&NormalLeft, &NormalMiddle, &NormalRight, &OverLeft, &OverMiddle, &OverRight, &PressLeft,
                           &PressMiddle, &PressRight}) {
        ReleaseHandleField(*image);
    }
    KVX_Gadget::Free();
}

}  // namespace kvx
