#include "studio/selection_band.hpp"

#include <algorithm>
#include <vector>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/hit_area.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {
namespace {

DesignedGadgetRef DesignWindowAt(int x, int y) {
    const KVX_WindowRef under = KVX_ActiveWindowAt(false);
    if (!under || under->Minimised || y < under->Y + under->TitleHeight || !under->Covers(x, y)) return nullptr;
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (r->Info().IsWindow && r->Gadget == under) return r;
    }
    return nullptr;
}

HitArea BandArea() {
    const StudioState& s = State();
    const int x0 = std::min(s.BandX, KVX_Mouse.X), y0 = std::min(s.BandY, KVX_Mouse.Y);
    return {x0, y0, std::abs(KVX_Mouse.X - s.BandX), std::abs(KVX_Mouse.Y - s.BandY)};
}

bool Touches(const HitArea& a, const HitArea& b) {
    return a.X <= b.X + b.W && b.X <= a.X + a.W && a.Y <= b.Y + b.H && b.Y <= a.Y + a.H;
}

void SelectTouched(const HitArea& band) {
    const KVX_Gadget* window = State().BandWindow->Gadget.get();
    std::vector<DesignedGadgetRef> picked = KeyDown(KEY_CONTROL) ? Selection() : std::vector<DesignedGadgetRef>{};
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (r->Info().IsWindow || r->ParentWindow.get() != window || !ShownOnCanvas(*r)) continue;
        if (!Touches(band, HitAreaOf(*r))) continue;
        if (std::find(picked.begin(), picked.end(), r) == picked.end()) picked.push_back(r);
    }
    SelectRecords(picked);
}

}  // namespace

void StartSelectionBand() {
    StudioState& s = State();
    s.BandWindow = DesignWindowAt(KVX_Mouse.X, KVX_Mouse.Y);
    s.BandX = KVX_Mouse.X;
    s.BandY = KVX_Mouse.Y;
}

void SelectionBandStep() {
    StudioState& s = State();
    if (!s.BandWindow) return;
    const HitArea band = BandArea();
    if (KVX_Mouse.LeftDown) {
        SetColor(0, 128, 200);
        DrawFrameRect(band.X, band.Y, band.W, band.H, false);
        return;
    }
    // The window may have gone meanwhile (an undo).
    const auto& list = Design().DesignList;
    if (std::find(list.begin(), list.end(), s.BandWindow) != list.end()) SelectTouched(band);
    s.BandWindow = nullptr;
}

}  // namespace kvx::studio
