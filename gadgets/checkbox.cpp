#include "gadgets/checkbox.hpp"

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "core/text_helpers.hpp"
#include "gadgets/label.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

constexpr int kBoxSize = 16;
// A disabled check box fades further than the other gadgets.
constexpr float kDisabledAlphaDivisor = 2.5f;

int LoadBox(const std::string& file) { return LoadSizedImage(SkinPath(file), kBoxSize, kBoxSize, 0, 0, 0); }

}  // namespace

KVX_CheckboxRef KVX_Checkbox::Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int checked) {
    auto box = MakeGadget<KVX_Checkbox>();
    box->Parent = parent;
    box->ClickSound = HandleFromSound(LoadSound(kClickSoundPath));
    box->X = x;
    box->Y = y;
    box->Width = TextWidth(text);
    box->Height = kBoxSize;
    box->State = uint8_t(checked);
    box->Text = text;
    box->Caption = KVX_Label::Create(box, text, kBoxSize + 1, kBoxSize / 2 - KVX_LineHeight / 2 + 1, 1,
                                     KVX_SchemeColors.GadgetText);
    box->UncheckedImage = LoadBox("Checkbox_un.png");
    box->CheckedImage = LoadBox("Checkbox_se.png");
    KVX_AddChild(parent, box);
    return box;
}

void KVX_Checkbox::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha(kDisabledAlphaDivisor));
        if (Caption) Caption->Text = Text;
        SetImageFont(KVX_GuiFont);
        Width = TextWidth(Text);
        if (parent->Disabled == 0) {
            if (KVX_Mouse.LeftHit && KVX_Mouse.MouseIn(ax, ay, Width + kBoxSize, Height, true) && !Disabled) {
                // While a combo list or menu is open the press belongs to it.
                if (!ComboOpen && !MenuOpen) {
                    State = uint8_t(Toggle(State));
                    if (ClickSound && !ClickLatch) {
                        PlaySound(SoundFromHandle(ClickSound));
                        ClickLatch = 1;
                    }
                }
            } else {
                ClickLatch = 0;
            }
        }
        DrawImageHandle(State == 1 ? CheckedImage : UncheckedImage, ax, ay, KVX_WhiteColor, 0);
    }
    FinishUpdate(ax, ay);
}

void KVX_Checkbox::Free() {
    ReleaseHandleField(CheckedImage);
    ReleaseHandleField(UncheckedImage);
    KVX_Gadget::Free();
}

}  // namespace kvx
