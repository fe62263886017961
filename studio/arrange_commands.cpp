#include "studio/arrange_commands.hpp"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "design/tab_pages.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/window.hpp"
#include "studio/current_file.hpp"
#include "studio/hit_area.hpp"
#include "studio/live_gadget.hpp"
#include "studio/selection.hpp"

namespace kvx::studio {
namespace {

// The selected records in design order, windows with their gadgets and tab panels with the gadgets
// on their tabs: what moves in z-order.
std::vector<DesignedGadgetRef> Moving() {
    std::vector<DesignedGadgetRef> moving = SelectionWithWindowGadgets();
    std::unordered_set<const DesignedGadget*> taken;
    for (const DesignedGadgetRef& r : moving) taken.insert(r.get());
    std::vector<DesignedGadgetRef> inOrder;
    TabPanelIndex panels;  // a panel comes before the gadgets on its tabs
    for (const DesignedGadgetRef& r : Design().DesignList) {
        const DesignedGadget* panel = panels.PanelOf(*r);
        panels.Add(*r);
        if (taken.contains(r.get()) || (panel && taken.contains(panel))) {
            taken.insert(r.get());
            inOrder.push_back(r);
        }
    }
    return inOrder;
}

// Where a record may go to the back: right after its tab panel or its window, or first for a
// window.
size_t BackMostPlace(const std::vector<DesignedGadgetRef>& list, const DesignedGadget& r) {
    if (r.Info().IsWindow || !r.ParentWindow) return 0;
    const DesignedGadgetRef panel = PanelRecordOf(r);
    for (size_t i = 0; i < list.size(); ++i) {
        if (panel ? list[i] == panel : list[i]->Gadget == r.ParentWindow) return i + 1;
    }
    return 0;
}

// The live order follows: windows in the toolkit's window list, gadgets among their siblings.
template <class List>
void MoveLiveTo(List& siblings, const KVX_GadgetRef& live, bool front, const std::vector<DesignedGadgetRef>& list) {
    const auto at = std::find(siblings.begin(), siblings.end(), live);
    if (at == siblings.end()) return;
    auto held = *at;
    siblings.erase(at);
    if (front) {
        siblings.push_back(held);
        return;
    }
    // Behind every designed sibling, in front of the studio's own.
    std::unordered_set<const KVX_Gadget*> designed;
    for (const DesignedGadgetRef& r : list) designed.insert(r->Gadget.get());
    const auto first =
        std::find_if(siblings.begin(), siblings.end(), [&](const auto& g) { return designed.contains(g.get()); });
    siblings.insert(first, held);
}

void Restack(const DesignedGadget& r, bool front) {
    const auto& list = Design().DesignList;
    if (!r.Gadget) return;
    if (r.Info().IsWindow) {
        MoveLiveTo(KVX_GadgetList, r.Gadget, front, list);
    } else if (const KVX_GadgetRef parent = r.Gadget->ParentGadget()) {
        MoveLiveTo(parent->Children, r.Gadget, front, list);
    }
}

void MoveBy(DesignedGadget& r, int dx, int dy) {
    r.Px += dx;
    r.Py += dy;
    MoveLive(r);
}

}  // namespace

void BringSelectionToFront() {
    const std::vector<DesignedGadgetRef> moving = Moving();
    if (moving.empty()) return;
    auto& list = Design().DesignList;
    const std::unordered_set<const DesignedGadget*> set = [&] {
        std::unordered_set<const DesignedGadget*> s;
        for (const DesignedGadgetRef& r : moving) s.insert(r.get());
        return s;
    }();
    std::erase_if(list, [&](const DesignedGadgetRef& r) { return set.contains(r.get()); });
    list.insert(list.end(), moving.begin(), moving.end());
    for (const DesignedGadgetRef& r : moving) Restack(*r, true);
    RejoinTabs(list);
    NoteDesignChange();
}

void SendSelectionToBack() {
    const std::vector<DesignedGadgetRef> moving = Moving();
    if (moving.empty()) return;
    auto& list = Design().DesignList;
    // Last first, each to the back-most place it may take: their order among themselves stays.
    for (auto r = moving.rbegin(); r != moving.rend(); ++r) {
        const bool inMovedWindow =
            !(*r)->Info().IsWindow && std::any_of(moving.begin(), moving.end(), [&](const auto& w) {
                return w->Info().IsWindow && w->Gadget == (*r)->ParentWindow;
            });
        if (inMovedWindow) continue;  // goes along with its window
        std::vector<DesignedGadgetRef> block{*r};
        if ((*r)->Info().IsWindow) {
            for (const DesignedGadgetRef& g : list) {
                if (!g->Info().IsWindow && g->ParentWindow == (*r)->Gadget) block.push_back(g);
            }
        }
        const std::unordered_set<const DesignedGadget*> inBlock = [&] {
            std::unordered_set<const DesignedGadget*> s;
            for (const DesignedGadgetRef& b : block) s.insert(b.get());
            return s;
        }();
        std::erase_if(list, [&](const DesignedGadgetRef& g) { return inBlock.contains(g.get()); });
        list.insert(list.begin() + long(BackMostPlace(list, **r)), block.begin(), block.end());
    }
    for (auto r = moving.rbegin(); r != moving.rend(); ++r) Restack(**r, false);
    RejoinTabs(list);
    NoteDesignChange();
}

void AlignSelection(AlignTo edge) {
    const auto& selected = Selection();
    if (selected.size() < 2) return;
    int left = BoxOf(*selected.front()).X, top = BoxOf(*selected.front()).Y, right = left, bottom = top;
    for (const DesignedGadgetRef& r : selected) {
        const HitArea b = BoxOf(*r);
        left = std::min(left, b.X);
        top = std::min(top, b.Y);
        right = std::max(right, b.X + b.W);
        bottom = std::max(bottom, b.Y + b.H);
    }
    for (const DesignedGadgetRef& r : selected) {
        const HitArea b = BoxOf(*r);
        switch (edge) {
            case AlignTo::Left: MoveBy(*r, left - b.X, 0); break;
            case AlignTo::Right: MoveBy(*r, right - (b.X + b.W), 0); break;
            case AlignTo::Top: MoveBy(*r, 0, top - b.Y); break;
            case AlignTo::Bottom: MoveBy(*r, 0, bottom - (b.Y + b.H)); break;
            case AlignTo::CentreX: MoveBy(*r, (left + right) / 2 - (b.X + b.W / 2), 0); break;
            case AlignTo::CentreY: MoveBy(*r, 0, (top + bottom) / 2 - (b.Y + b.H / 2)); break;
        }
    }
    NoteDesignChange();
}

void SpreadSelection(bool horizontally) {
    std::vector<DesignedGadgetRef> selected = Selection();
    if (selected.size() < 3) return;
    const auto start = [&](const DesignedGadgetRef& r) { return horizontally ? BoxOf(*r).X : BoxOf(*r).Y; };
    const auto extent = [&](const DesignedGadgetRef& r) { return horizontally ? BoxOf(*r).W : BoxOf(*r).H; };
    std::stable_sort(selected.begin(), selected.end(),
                     [&](const auto& a, const auto& b) { return start(a) < start(b); });
    const int first = start(selected.front());
    const int end = start(selected.back()) + extent(selected.back());
    int filled = 0;
    for (const DesignedGadgetRef& r : selected) filled += extent(r);
    const int gaps = int(selected.size()) - 1;
    const int room = end - first - filled;
    int at = first;
    for (size_t i = 0; i < selected.size(); ++i) {
        const DesignedGadgetRef& r = selected[i];
        const int delta = at - start(r);
        MoveBy(*r, horizontally ? delta : 0, horizontally ? 0 : delta);
        // The gaps share the room; the remainder goes to the first ones.
        at += extent(r) + room / gaps + (int(i) < room % gaps ? 1 : 0);
    }
    NoteDesignChange();
}

}  // namespace kvx::studio
