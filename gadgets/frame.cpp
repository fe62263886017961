#include "gadgets/frame.hpp"

#include "core/drawing.hpp"
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"

namespace kvx {
namespace {

constexpr int kCaptionIndent = 15;

void HorizontalLine(int x1, int x2, int y) { DrawLine(float(x1), float(y), float(x2), float(y), true); }
void VerticalLine(int x, int y1, int y2) { DrawLine(float(x), float(y1), float(x), float(y2), true); }

}  // namespace

int32_t BuildFrameImage(int x, int y, int width, int height, const std::string& caption) {
    ResetDrawState();  // opaque lines whatever the caller's drawing state
    SetImageFont(KVX_GuiFont);
    const int th = TextHeight(caption), tw = TextWidth(caption);
    Cls();
    KVX_SchemeColors.FrameLineA->Set();
    HorizontalLine(x, x + 12, y);
    // Drawn backwards this segment would run past the right edge; a caption that reaches the edge
    // leaves no segment instead.
    if (16 + tw <= width) HorizontalLine(x + 16 + tw, x + width, y);
    if (tw > width) HorizontalLine(x + width - 10, x + width, y);
    VerticalLine(x, y, y + height);
    KVX_SchemeColors.FrameLineB->Set();
    HorizontalLine(x, x + width, y + height);
    VerticalLine(x + width, y, y + height);
    return GrabScreenImage(x, y - th / 2, width + 1, height + th / 2 + 2, true);
}

KVX_FrameRef KVX_Frame::Create(const KVX_GadgetRef& parent, const std::string& caption, int x, int y, int width,
                               int height) {
    auto frame = MakeGadget<KVX_Frame>();
    frame->Parent = parent;
    frame->Text = caption;
    frame->X = x;
    frame->Y = y;
    frame->Width = width;
    frame->Height = height;
    frame->FrameImage = BuildFrameImage(x, y, width, height, caption);
    KVX_AddChild(parent, frame);
    return frame;
}

void KVX_Frame::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        // A caption longer than the frame is cut at its right edge.
        SetViewport(ax, ay - KVX_LineHeight, Width, KVX_LineHeight * 2);
        DrawColoredText(Text, ax + kCaptionIndent, ay - KVX_LineHeight / 4, KVX_SchemeColors.FrameText, KVX_GuiFont);
        SetViewport(0, 0, GraphicsWidth(), GraphicsHeight());
        DrawImageHandle(FrameImage, ax, ay, KVX_WhiteColor, 0);
    }
    FinishUpdate(ax, ay);
}

void KVX_Frame::Free() {
    ReleaseHandleField(FrameImage);
    KVX_Gadget::Free();
}

}  // namespace kvx
