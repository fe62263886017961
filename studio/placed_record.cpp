#include "studio/placed_record.hpp"

#include "design/design_edits.hpp"
#include "design/kind_table.hpp"
#include "design/tab_pages.hpp"
#include "studio/current_file.hpp"
#include "studio/tab_membership.hpp"

namespace kvx::studio {
namespace {

// Positions relative to the window's body, or absolute for a window.
void Position(DesignedGadget& r, const KindDescription& kind, const Band& band) {
    if (kind.IsWindow) {
        r.Px = band.X;
        r.Py = band.Y;
        return;
    }
    if (const KVX_WindowRef& parent = r.ParentWindow) {
        r.Px = band.X - parent->X;
        r.Py = band.Y - parent->Y - parent->TitleHeight - kind.BandInsetY;
    }
}

}  // namespace

DesignedGadgetRef PlaceInDesign(const std::string& word, Band band, const KVX_WindowRef& window) {
    const KindDescription* kind = FindKind(word);
    if (!kind || !kind->Create) return nullptr;
    ApplyFixedSize(*kind, band.W, band.H);
    auto record = std::make_shared<DesignedGadget>();
    DesignedGadget& r = *record;
    r.Kind = word;
    r.Handle = FreshHandle(word);
    r.Tx = band.W;
    r.Ty = band.H;
    r.Global = 1;
    if (kind->CaptionIsHandle) r.Caption = r.Handle;
    if (!kind->IsWindow && !kind->OnMenuBar) r.ParentWindow = window;
    Position(r, *kind, band);
    if (kind->Defaults) kind->Defaults(r, band);
    FollowPanelUnder(r);
    // Made as a load makes it, so that saving and reading it back change nothing.
    r.Gadget = CreateLive(r, LiveUse::Designer);
    if (!kind->IsWindow) r.Parent = WindowHandleOf(r.ParentWindow.get());
    Design().DesignList.push_back(record);
    RejoinTabs(Design().DesignList);
    NoteDesignChange();
    return record;
}

}  // namespace kvx::studio
