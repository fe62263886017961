#include "gadgets/scrollbar.hpp"

#include <cmath>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/label.hpp"
#include "gadgets/value_shared.hpp"
#include "platform/platform.hpp"

namespace kvx {

KVX_ScrollbarRef KVX_Scrollbar::Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int width,
                                       int height, float value, float minimum, float maximum, float step, int vertical,
                                       int integerOnly) {
    auto bar = MakeGadget<KVX_Scrollbar>();
    const KVX_GadgetRef owner = KVX_ParentOrDesktop(parent);
    bar->Parent = owner;
    bar->X = x;
    bar->Y = y;
    bar->Width = width;
    bar->Height = height;
    bar->Minimum = minimum;
    bar->Maximum = maximum;
    bar->Step = step;
    bar->Value = value;
    bar->Vertical = uint8_t(vertical);
    bar->IntegerOnly = uint8_t(integerOnly);
    // A vertical bar has no room for a caption.
    bar->ThumbSize = bar->Vertical ? height / 4 : width / 4;
    bar->Text = bar->Vertical ? std::string() : text;
    bar->Caption = KVX_Label::Create(bar, bar->Text, width / 2, height / 2 - KVX_LineHeight / 2 + 2, 2,
                                     KVX_SchemeColors.ScrollText);
    bar->Caption->Clip = KVX_ClipBox{0, 0, bar->Width, bar->Height};
    bar->BodyImage =
        LoadSizedImage(SkinPath(bar->Vertical ? "Scrollbar_Vertical_Body.png" : "Scrollbar_Horizontal_Body.png"), width,
                       height, ToARGB(KVX_SchemeColors.ScrollEdgeA), ToARGB(KVX_SchemeColors.ScrollEdgeB), 2);
    KVX_AddChild(owner, bar);
    return bar;
}

float KVX_Scrollbar::ValueFromPosition(int position, int length) const {
    const int travel = length - ThumbSize;
    // A thumb as long as the bar cannot move: it stays at the minimum.
    if (travel == 0) return Minimum;
    return Minimum + float(position - ThumbSize / 2) * (Maximum - Minimum) / float(travel);
}

float KVX_Scrollbar::PositionFromValue(float value, float length) const {
    const float range = std::fabs(Maximum - Minimum);
    // An empty range has one position, the first.
    if (range == 0.f) return float(ThumbSize / 2);
    return std::fabs(value - Minimum) * (length - float(ThumbSize)) / range + float(ThumbSize / 2);
}

void KVX_Scrollbar::Increment() {
    Value += Step;
    ThumbValid = 0.f;
}

void KVX_Scrollbar::Decrement() {
    Value -= Step;
    ThumbValid = 0.f;
}

void KVX_Scrollbar::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    const int length = Vertical ? Height : Width;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        if (ThumbValid == 0.f) {
            ThumbPos = PositionFromValue(Value, float(length));
            ThumbValid = 1.f;
        }
        State = 0;
        if (parent->Disabled == 0) Drag(ax, ay, length);
        ClampThumbAndValue(length);
        Draw(ax, ay);
    }
    FinishUpdate(ax, ay);
}

void KVX_Scrollbar::Drag(int ax, int ay, int length) {
    if (KVX_Mouse.LeftDown && KVX_Mouse.MouseIn(ax, ay, Width, Height, true) && !Disabled && !ComboOpen && !MenuOpen) {
        State = 1;
    }
    if (KVX_Mouse.MouseIn(ax, ay, Width, Height, false)) StepByWheel(*this);
    // A wheel step in this frame moves the thumb next frame instead.
    if (State == 1 && ThumbValid == 1.f) {
        ThumbPos = float(Vertical ? KVX_Mouse.Y - ay : KVX_Mouse.X - ax);
        Value = ValueFromPosition(int(ThumbPos), length);
        if (IntegerOnly == 1) Value = std::trunc(Value);
    }
}

void KVX_Scrollbar::ClampThumbAndValue(int length) {
    const float first = float(ThumbSize / 2), last = float(length - ThumbSize / 2);
    if (!(ThumbPos >= first)) ThumbPos = first;
    if (!(ThumbPos <= last)) ThumbPos = last;
    if (!(Value >= Minimum)) Value = Minimum;
    if (!(Value <= Maximum)) Value = Maximum;
}

void KVX_Scrollbar::Draw(int ax, int ay) {
    DrawImageHandle(BodyImage, ax, ay, KVX_WhiteColor, 0);
    // The thumb is drawn at twice the gadget's alpha, also while disabled.
    SetAlpha(Alpha / 0.5f);
    const KVX_Scheme& s = KVX_SchemeColors;
    const float start = ThumbPos - float(ThumbSize / 2);
    if (Vertical) {
        DrawBevelRect(ax + 1, int(float(ay + 1) + start), Width - 2, ThumbSize - 2, s.ScrollThumbFill,
                      s.ScrollThumbLight, s.ScrollThumbDark, 1);
        if (Caption) Caption->Text = "";
    } else {
        DrawBevelRect(int(float(ax + 1) + start), ay + 1, ThumbSize - 2, Height - 2, s.ScrollThumbFill,
                      s.ScrollThumbLight, s.ScrollThumbDark, 1);
        if (Caption && ShowValue == 1) Caption->Text = Text + " " + ValueText(Value, IntegerOnly);
    }
}

void KVX_Scrollbar::Free() {
    ReleaseHandleField(BodyImage);
    KVX_Gadget::Free();
}

}  // namespace kvx
