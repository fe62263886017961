#include "gadgets/custom_button.hpp"

#include "core/drawing.hpp"
#include "core/skin.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/label.hpp"
#include "platform/platform.hpp"

namespace kvx {

KVX_CustomButtonRef KVX_CustomButton::Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y,
                                             int width, int height, const std::string& imageOver,
                                             const std::string& imageNormal, const std::string& imagePress,
                                             int border) {
    auto button = MakeGadget<KVX_CustomButton>();
    const KVX_GadgetRef owner = KVX_ParentOrDesktop(parent);
    button->Parent = owner;
    button->ClickSound = HandleFromSound(LoadSound(kClickSoundPath));
    button->Text = text;
    button->Caption =
        KVX_Label::Create(button, text, width / 2, height / 2 - KVX_LineHeight / 2 + 2, 2, KVX_SchemeColors.GadgetText);
    button->Caption->Clip = KVX_ClipBox{0, 0, width, height};
    button->X = x;
    button->Y = y;
    button->Width = width;
    button->Height = height;
    const int32_t a = ToARGB(KVX_SchemeColors.CustomButtonEdgeA), b = ToARGB(KVX_SchemeColors.CustomButtonEdgeB);
    const bool bevel = border == 1;
    button->OverImage = LoadSizedImage(imageOver, width, height, a, b, bevel ? 1 : 0);
    button->NormalImage = LoadSizedImage(imageNormal, width, height, a, b, bevel ? 1 : 0);
    button->PressImage = LoadSizedImage(imagePress, width, height, a, b, bevel ? 2 : 0);
    KVX_AddChild(owner, button);
    return button;
}

void KVX_CustomButton::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        HandleMouse(parent, ax, ay);
        switch (State) {
            case 0:
                DrawImageHandle(NormalImage, ax, ay, KVX_WhiteColor, 0);
                RestartTooltipDelay();
                break;
            case 1: DrawImageHandle(OverImage, ax, ay, KVX_WhiteColor, 0); break;
            case 2: DrawImageHandle(PressImage, ax, ay, KVX_WhiteColor, 0); break;
            default: break;  // the frame a click completes shows no body
        }
    }
    FinishUpdate(ax, ay);
}

void KVX_CustomButton::Free() {
    ReleaseHandleField(NormalImage);
    ReleaseHandleField(OverImage);
    ReleaseHandleField(PressImage);
    KVX_Gadget::Free();
}

}  // namespace kvx
