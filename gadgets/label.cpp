#include "gadgets/label.hpp"

#include <algorithm>

#include "core/drawing.hpp"
#include "gadgets/gui.hpp"
#include "platform/draw.hpp"

namespace kvx {
namespace {

// The viewport narrowed to the box.
void ClipToBox(int x, int y, int w, int h) {
    int vx = 0, vy = 0, vw = 0, vh = 0;
    GetViewport(vx, vy, vw, vh);
    const int left = std::max(x, vx), top = std::max(y, vy);
    const int right = std::min(x + w, vx + vw), bottom = std::min(y + h, vy + vh);
    SetViewport(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

}  // namespace

KVX_LabelRef KVX_Label::Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int align,
                               const KVX_ColorRef& color) {
    auto label = MakeGadget<KVX_Label>();
    const KVX_GadgetRef owner = KVX_ParentOrDesktop(parent);
    label->Parent = owner;
    label->Text = text;
    label->Align = uint8_t(align);
    label->X = x;
    label->Y = y;
    label->Color = color;
    KVX_AddChild(owner, label);
    return label;
}

void KVX_Label::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        if (Clip) ClipToBox(parent->AbsX + Clip->X, parent->AbsY + Clip->Y, Clip->W, Clip->H);
        DrawMultiline(MaxChars != 0 ? Text.substr(0, size_t(std::max(MaxChars, 0))) : Text, ax, ay, Align, 0, Color);
    }
    FinishUpdate(ax, ay);
}

void KVX_Label::Free() {
    Closed = 1;
    KVX_FreeChildren(Children);
}

void DrawMultiline(std::string text, int x, int y, int align, int areaWidth, const KVX_ColorRef& color) {
    SetImageFont(KVX_GuiFont);
    if (text.empty() || text.back() != '|') text += '|';
    std::string line;
    int offset = 0;
    for (char c : text) {
        if (c != '|') {
            line += c;
            continue;
        }
        int px = x;
        if (align == 2) px = x - TextWidth(line) / 2;
        if (align == 3) px = x + areaWidth - TextWidth(line);
        if (align >= 1 && align <= 3) DrawColoredText(line, px, y + offset, color, KVX_GuiFont);
        offset += KVX_MultilineStep();
        line.clear();
    }
}

}  // namespace kvx
