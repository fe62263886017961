#include "studio/resize_handles.hpp"

#include <algorithm>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "design/kinds/kind_parts.hpp"
#include "platform/platform.hpp"
#include "studio/alignment_guides.hpp"
#include "studio/current_file.hpp"
#include "studio/live_gadget.hpp"
#include "studio/placement.hpp"
#include "studio/preferences.hpp"
#include "studio/property_editor.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {
namespace {

constexpr int kHandleSize = 5;
constexpr int kGrabMargin = 2;  // a handle takes the pointer a little beyond its square

struct HeldHandle {
    bool Held = false;
    int Fx = 0, Fy = 0;
    HitArea Start;  // the box when grabbed
};
HeldHandle g_held;

// The new box from the held side to the pointer; never narrower than nothing.
HitArea DraggedBox(bool onGrid) {
    const auto OnGrid = [onGrid](int v) { return onGrid ? SnapToGridStep(v) : v; };
    const HitArea& s = g_held.Start;
    int left = s.X, top = s.Y, right = s.X + s.W, bottom = s.Y + s.H;
    if (g_held.Fx == 0) left = std::min(OnGrid(KVX_Mouse.X), right);
    if (g_held.Fx == 2) right = std::max(OnGrid(KVX_Mouse.X), left);
    if (g_held.Fy == 0) top = std::min(OnGrid(KVX_Mouse.Y), bottom);
    if (g_held.Fy == 2) bottom = std::max(OnGrid(KVX_Mouse.Y), top);
    return {left, top, right - left, bottom - top};
}

GuideLines HeldLines() {
    GuideLines lines;
    lines.Left = g_held.Fx == 0;
    lines.Right = g_held.Fx == 2;
    lines.Top = g_held.Fy == 0;
    lines.Bottom = g_held.Fy == 2;
    lines.CentreX = lines.CentreY = false;
    return lines;
}

// The held side on a neighbour's line near the pointer, else on the grid (Shift: by the pixel).
HitArea SnappedBox(const DesignedGadget& r) {
    HitArea box = DraggedBox(!KeyDown(KEY_SHIFT));
    if (!GuidesWanted()) return box;
    const HitArea raw = DraggedBox(false);
    const GuideOffset guide = NearestGuides(r, raw, HeldLines());
    const auto onGuide = [](int& start, int& length, int side, int offset) {
        if (side == 0) {
            start += offset;
            length -= offset;
        } else {
            length += offset;
        }
        length = std::max(length, 0);
    };
    if (guide.OnX) {
        box.X = raw.X;
        box.W = raw.W;
        onGuide(box.X, box.W, g_held.Fx, guide.Dx);
    }
    if (guide.OnY) {
        box.Y = raw.Y;
        box.H = raw.H;
        onGuide(box.Y, box.H, g_held.Fy, guide.Dy);
    }
    return box;
}

// The record takes the box: position by the moved corner, sizes as the kind counts them.
bool TakeBox(DesignedGadget& r, const HitArea& box) {
    const KindDescription& kind = r.Info();
    const HitArea now = BoxOf(r);
    const int32_t px = r.Px + box.X - now.X, py = r.Py + box.Y - now.Y;
    const int32_t width = kind.SizedInCharacters ? box.W / CharWidth() : box.W;
    const int32_t height = kind.HeightInLines ? LinesIn(box.H) : box.H;
    int32_t& widthField = kind.SizedInCharacters ? r.NumChar : r.Tx;
    const bool resized = (g_held.Fx != 1 && widthField != width) || (g_held.Fy != 1 && r.Ty != height);
    const bool moved = px != r.Px || py != r.Py;
    if (g_held.Fx != 1) widthField = width;
    if (g_held.Fy != 1) r.Ty = height;
    r.Px = px;
    r.Py = py;
    if (resized) RebuildLive(r);
    if (moved) MoveLive(r);
    return resized || moved;
}

}  // namespace

std::vector<ResizeHandle> ResizeHandlesOf(const DesignedGadget& r) {
    const FixedSize fixed = r.Info().Fixed ? r.Info().Fixed() : FixedSize{};
    const HitArea box = BoxOf(r);
    std::vector<ResizeHandle> handles;
    const int half = kHandleSize / 2;
    for (const int fy : {0, 1, 2}) {
        for (const int fx : {0, 1, 2}) {
            if ((fx == 1 && fy == 1) || (fixed.Width && fx != 1) || (fixed.Height && fy != 1)) continue;
            handles.push_back(
                {{box.X + box.W * fx / 2 - half, box.Y + box.H * fy / 2 - half, kHandleSize, kHandleSize}, fx, fy});
        }
    }
    return handles;
}

bool GrabResizeHandle() {
    g_held.Held = false;
    if (Selection().size() != 1 || !State().Selected) return false;
    for (const ResizeHandle& h : ResizeHandlesOf(*State().Selected)) {
        const HitArea& a = h.Area;
        if (KVX_Mouse.MouseIn(a.X - kGrabMargin, a.Y - kGrabMargin, a.W + 2 * kGrabMargin, a.H + 2 * kGrabMargin,
                              false)) {
            g_held = {true, h.Fx, h.Fy, BoxOf(*State().Selected)};
            return true;
        }
    }
    return false;
}

bool ResizeHandleStep() {
    if (!g_held.Held) return false;
    const DesignedGadgetRef& r = State().Selected;
    if (!r || (!KVX_Mouse.LeftDown && !KVX_Mouse.LeftReleased)) {
        g_held.Held = false;
        return false;
    }
    if (TakeBox(*r, SnappedBox(*r))) {
        ShowGeometry(*r);
        NoteDesignChange();
    }
    if (GuidesWanted()) DrawGuides(*r, BoxOf(*r), HeldLines());
    if (!KVX_Mouse.LeftDown) g_held.Held = false;
    return true;
}

void DrawResizeHandles(const DesignedGadget& r) {
    for (const ResizeHandle& h : ResizeHandlesOf(r)) {
        DrawRect(float(h.Area.X), float(h.Area.Y), float(h.Area.W), float(h.Area.H));
    }
}

}  // namespace kvx::studio
