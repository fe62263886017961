#include "studio/alignment_guides.hpp"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/drawing.hpp"
#include "gadgets/gui.hpp"
#include "platform/platform.hpp"
#include "studio/preferences.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {
namespace {

constexpr uint8_t kGuideRed = 255, kGuideGreen = 0, kGuideBlue = 160;

// A box's lines along one axis: its start, centre and end, each with whether it takes part.
struct AxisLines {
    int Value[3];
    bool Used[3];
};
AxisLines AcrossX(const HitArea& b, const GuideLines& l) {
    return {{b.X, b.X + b.W / 2, b.X + b.W}, {l.Left, l.CentreX, l.Right}};
}
AxisLines AcrossY(const HitArea& b, const GuideLines& l) {
    return {{b.Y, b.Y + b.H / 2, b.Y + b.H}, {l.Top, l.CentreY, l.Bottom}};
}

std::vector<HitArea> NeighbourBoxes(const DesignedGadget& dragged) {
    std::vector<HitArea> boxes;
    const bool window = dragged.Info().IsWindow;
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (r.get() == &dragged || IsSelected(*r) || r->Info().IsWindow != window) continue;
        if (!window && r->ParentWindow != dragged.ParentWindow) continue;
        if (window && r->Gadget && static_cast<const KVX_Window&>(*r->Gadget).Minimised) continue;
        if (!ShownOnCanvas(*r) || r->Info().OnMenuBar) continue;
        boxes.push_back(BoxOf(*r));
    }
    return boxes;
}

// The shortest move, within the snap distance, that puts one of the box's lines on a neighbour's.
bool NearestOnAxis(const AxisLines& box, const std::vector<AxisLines>& neighbours, int& offset) {
    int best = kGuideSnapDistance + 1;
    for (const AxisLines& n : neighbours) {
        for (int i = 0; i < 3; ++i) {
            if (!box.Used[i]) continue;
            for (const int line : n.Value) {
                const int d = line - box.Value[i];
                if (std::abs(d) < best) {
                    best = std::abs(d);
                    offset = d;
                }
            }
        }
    }
    return best <= kGuideSnapDistance;
}

}  // namespace

bool GuidesWanted() { return Prefs().AlignmentGuides && !KeyDown(KEY_ALT); }

GuideOffset NearestGuides(const DesignedGadget& dragged, const HitArea& box, const GuideLines& lines) {
    std::vector<AxisLines> xs, ys;
    for (const HitArea& n : NeighbourBoxes(dragged)) {
        xs.push_back(AcrossX(n, {}));
        ys.push_back(AcrossY(n, {}));
    }
    GuideOffset offset;
    offset.OnX = NearestOnAxis(AcrossX(box, lines), xs, offset.Dx);
    offset.OnY = NearestOnAxis(AcrossY(box, lines), ys, offset.Dy);
    return offset;
}

void DrawGuides(const DesignedGadget& dragged, const HitArea& box, const GuideLines& lines) {
    SetColor(kGuideRed, kGuideGreen, kGuideBlue);
    const AxisLines bx = AcrossX(box, lines), by = AcrossY(box, lines);
    for (const HitArea& n : NeighbourBoxes(dragged)) {
        const AxisLines nx = AcrossX(n, {}), ny = AcrossY(n, {});
        const int top = std::min(box.Y, n.Y), bottom = std::max(box.Y + box.H, n.Y + n.H);
        const int left = std::min(box.X, n.X), right = std::max(box.X + box.W, n.X + n.W);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                if (bx.Used[i] && bx.Value[i] == nx.Value[j]) {
                    DrawLine(float(bx.Value[i]), float(top), float(bx.Value[i]), float(bottom), true);
                }
                if (by.Used[i] && by.Value[i] == ny.Value[j]) {
                    DrawLine(float(left), float(by.Value[i]), float(right), float(by.Value[i]), true);
                }
            }
        }
    }
}

}  // namespace kvx::studio
