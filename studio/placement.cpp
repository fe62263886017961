#include "studio/placement.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "design/kind_table.hpp"
#include "gadgets/gui.hpp"
#include "platform/platform.hpp"
#include "studio/placed_record.hpp"
#include "studio/preferences.hpp"
#include "studio/studio_state.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

void StretchBand() {
    StudioState& s = State();
    Band& band = s.PlacementBand;
    if (KVX_Mouse.LeftHit) {
        band.X = SnapToGridStep(KVX_Mouse.LeftPressX);
        band.Y = SnapToGridStep(KVX_Mouse.LeftPressY);
    }
    band.W = SnapToGridStep(KVX_Mouse.X) - band.X;
    band.H = SnapToGridStep(KVX_Mouse.Y) - band.Y;
    // Only a positive height makes a band; a width that is not positive is placed as 0.
    band.W = std::max(band.W, 0);
    s.Placing = band.H > 0 ? 1 : 0;
    band.H = std::max(band.H, 0);
    if (const KindDescription* kind = FindKind(s.PendingKind)) ApplyFixedSize(*kind, band.W, band.H);
}

void DrawCrosshair() {
    const float sx = float(SnapToGridStep(KVX_Mouse.X)), sy = float(SnapToGridStep(KVX_Mouse.Y));
    SetColor(128, 128, 128);
    DrawLine(sx, 0, sx, float(GraphicsHeight()), true);
    DrawLine(0, sy, float(GraphicsWidth()), sy, true);
    SetColor(255, 0, 0);
    for (const auto& [dx, dy] : {std::pair{0, 0}, {-5, 0}, {5, 0}, {0, -5}, {0, 5}})
        Plot(sx + float(dx), sy + float(dy));
}

void DrawBandAndSizeTip() {
    const Band& band = State().PlacementBand;
    SetColor(255, 0, 0);
    DrawFrameRect(band.X, band.Y, band.W, band.H, false);
    const int tipX = KVX_Mouse.X + 25, tipY = KVX_Mouse.Y + 30;
    SetColor(255, 255, 128);
    DrawRect(float(tipX), float(tipY), 120, 16);
    SetColor(254, 222, 1);
    DrawFrameRect(tipX, tipY, 120, 16, false);
    SetColor(5, 5, 5);
    DrawText("Tx : " + std::to_string(band.W) + " | Ty : " + std::to_string(band.H), float(KVX_Mouse.X + 30),
             float(tipY));
}

void ShowToolWindow(bool shown) {
    StudioUi& ui = Studio();
    ui.StudioWindow->Alpha = shown ? 1.0f : 0.3f;
    ui.StudioTabs->Disabled = shown ? 0 : 1;
}

// A band dragged over the tool window fades it so that the design behind shows.
void FadeToolWindow() {
    const bool overTool = KVX_ActiveWindowAt(false) == Studio().StudioWindow && KVX_Mouse.LeftDown;
    ShowToolWindow(!overTool);
}

}  // namespace

void PlacementStep() {
    StudioState& s = State();
    if (KVX_Mouse.LeftDown) StretchBand();
    DrawCrosshair();
    if (KVX_Mouse.LeftDown && s.Placing) DrawBandAndSizeTip();
    if (s.Placing && !s.PendingKind.empty()) FadeToolWindow();
    if (s.Placing && KVX_Mouse.LeftReleased) {
        // Dropped on the tool window, a gadget belongs to no design window.
        KVX_WindowRef under = KVX_ActiveWindowAt(false);
        if (under == Studio().StudioWindow) under = nullptr;
        PlaceInDesign(s.PendingKind, s.PlacementBand, under);
        s.PendingKind.clear();
        s.Placing = 0;
    }
}

void CancelPlacement() {
    State().PendingKind.clear();
    State().Placing = 0;
    ShowToolWindow(true);
}

}  // namespace kvx::studio
