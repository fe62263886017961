#include "gadgets/color_icon.hpp"

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/gui.hpp"
#include "platform/audio.hpp"
#include "platform/draw.hpp"
#include "platform/handles.hpp"

namespace kvx {

KVX_ColorIconRef KVX_ColorIcon::Create(const KVX_GadgetRef& parent, int x, int y, int width, int height,
                                       const KVX_ColorRef& color) {
    auto icon = MakeGadget<KVX_ColorIcon>();
    const KVX_GadgetRef owner = KVX_ParentOrDesktop(parent);
    icon->Parent = owner;
    icon->ClickSound = HandleFromSound(LoadSound(kClickSoundPath));
    icon->X = x;
    icon->Y = y;
    icon->Width = width;
    icon->Height = height;
    icon->FillColor = color;
    KVX_AddChild(owner, icon);
    return icon;
}

void KVX_ColorIcon::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        HandleMouse(parent, ax, ay);
        // Pressed swaps the edges; the frame a click completes shows nothing.
        if (State != 3) {
            DrawBevelRect(ax, ay, Width, Height, FillColor, KVX_SchemeColors.ColorIconEdgeA,
                          KVX_SchemeColors.ColorIconEdgeB, State == 2 ? 2 : 1);
        }
    }
    FinishUpdate(ax, ay);
}

}  // namespace kvx
