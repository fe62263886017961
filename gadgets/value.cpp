#include "gadgets/value.hpp"

#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "gadgets/value_shared.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

constexpr int kRepeatMs = 150;
constexpr int kFieldMaxChars = 255;

KVX_CustomButtonRef MakeArrow(const KVX_ValueRef& box, int y, const std::string& direction) {
    const std::string prefix = "Arrow_" + direction;
    return KVX_CustomButton::Create(box, "", box->Width + 1, y, 16, box->Height / 2, SkinPath(prefix + "_hi.png"),
                                    SkinPath(prefix + "_un.png"), SkinPath(prefix + "_se.png"), 1);
}

}  // namespace

KVX_ValueRef KVX_Value::Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int numChar,
                               float value, float step, float minimum, float maximum, int integerOnly) {
    auto box = MakeGadget<KVX_Value>();
    box->Parent = parent;
    box->Minimum = minimum;
    box->Maximum = maximum;
    box->Step = step;
    box->Value = value;
    box->IntegerOnly = uint8_t(integerOnly);
    box->X = x;
    box->Y = y;
    // Measured in the field's own font, whichever font the caller left selected.
    SetImageFont(KVX_BitmapFont);
    box->Width = numChar * TextWidth("0") + 5;
    box->Height = KVX_LineHeight;
    box->Text = text;
    box->CaptionLabel = KVX_Label::Create(box, text, -5, 2, 3, KVX_SchemeColors.GadgetText);
    box->UpButton = MakeArrow(box, 0, "Up");
    box->DownButton = MakeArrow(box, box->Height / 2 + 1, "Down");
    box->ValueInput = KVX_Input::Create(box, ValueText(value, box->IntegerOnly), 0, 0, numChar, kFieldMaxChars);
    KVX_AddChild(parent, box);
    return box;
}

void KVX_Value::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        if (KVX_Mouse.MouseIn(ax, ay, Width, Height, false) && !Disabled && ParentAcceptsInput(parent)) {
            StepByWheel(*this);
        }
        ReadField();
        RepeatArrows();
    }
    FinishUpdate(ax, ay);
}

void KVX_Value::Increment() {
    Value += Step;
    if (!(Value <= Maximum)) Value = Maximum;
    ShowValue();
}

void KVX_Value::Decrement() {
    Value -= Step;
    if (!(Value >= Minimum)) Value = Minimum;
    ShowValue();
}

void KVX_Value::ShowValue() {
    if (ValueInput) ValueInput->Text = ValueText(Value, IntegerOnly);
}

void KVX_Value::ReadField() {
    // While the field is edited its text is the user's; it takes effect once editing ends.
    if (!ValueInput || ValueInput->State != 0) return;
    Value = ReadDecimal(ValueInput->Text);
    if (!(Value <= Maximum)) Value = Maximum;
    if (!(Value >= Minimum)) Value = Minimum;
    ShowValue();
}

void KVX_Value::RepeatArrows() {
    if (UpButton && UpButton->Pressed() && RepeatTimer.Check()) {
        Increment();
        RepeatTimer = KVX_Timer::Create(kRepeatMs);
    }
    if (DownButton && DownButton->Pressed() && RepeatTimer.Check()) {
        Decrement();
        RepeatTimer = KVX_Timer::Create(kRepeatMs);
    }
}

void KVX_Value::Free() {
    ValueInput = nullptr;
    UpButton = nullptr;
    DownButton = nullptr;
    CaptionLabel = nullptr;
    KVX_Gadget::Free();
}

}  // namespace kvx
