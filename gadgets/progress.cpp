#include "gadgets/progress.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/drawing.hpp"
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "gadgets/label.hpp"
#include "platform/draw.hpp"

namespace kvx {
namespace {

// Value / Maximum scaled by factor and truncated; 0 for a maximum of 0, so an unset range shows
// an empty bar instead of dividing by zero.
int ScaledShare(float value, float maximum, double factor) {
    if (maximum == 0.f) return 0;
    const double share = std::trunc(double(value) * factor / double(maximum));
    if (std::isnan(share)) return 0;
    return int(std::clamp(share, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

}  // namespace

KVX_ProgressRef KVX_Progress::Create(const KVX_GadgetRef& parent, const std::string& caption, int x, int y, int width,
                                     int height, int value, int maximum) {
    auto bar = MakeGadget<KVX_Progress>();
    bar->Parent = parent;
    bar->Text = caption;
    bar->X = x;
    bar->Y = y;
    bar->Width = width;
    bar->Height = height;
    bar->Value = float(value);
    bar->Maximum = float(maximum);
    bar->Caption = KVX_Label::Create(bar, caption, width / 2, height / 2 - KVX_LineHeight / 2 + 2, 2,
                                     KVX_SchemeColors.ProgressText);
    bar->Caption->Clip = KVX_ClipBox{0, 0, bar->Width, bar->Height};
    const KVX_Scheme& s = KVX_SchemeColors;
    bar->BodyImage = LoadSizedImage(SkinPath("Progress_Body.png"), width, height, ToARGB(s.ProgressEdgeA),
                                    ToARGB(s.ProgressEdgeB), 2);
    bar->BarImage = LoadSizedImage(SkinPath("Progress_Bar.png"), width - 2, height - 2, 0, 0, 0);
    KVX_AddChild(parent, bar);
    return bar;
}

void KVX_Progress::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        DrawImageHandle(BodyImage, ax, ay, KVX_WhiteColor, 0);
        SetViewport(ax + 1, ay, Width - 2, Height);
        // Past either end of the range the bar shows empty or full, never filled from the right.
        const int fill = std::clamp(ScaledShare(Value, Maximum, Width), 0, Width);
        if (Caption) Caption->Text = Text + " " + std::to_string(ScaledShare(Value, Maximum, 100.0)) + "%";
        DrawImageHandle(BarImage, ax + 1 + fill, ay + 1, KVX_WhiteColor, 0);
    }
    FinishUpdate(ax, ay);
}

void KVX_Progress::Free() {
    ReleaseHandleField(BodyImage);
    ReleaseHandleField(BarImage);
    KVX_Gadget::Free();
}

}  // namespace kvx
