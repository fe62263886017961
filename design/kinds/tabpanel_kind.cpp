// Tab panels: a row of tabs over a page; the pointer takes them by their tabs, and a press on a
// tab shows its page, with the gadgets placed on it.
#include <algorithm>
#include <strings.h>

#include "core/mouse.hpp"
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/tabpanel.hpp"

namespace kvx::studio {
namespace {

constexpr char kTitleSeparator = '|';
constexpr int32_t kMinimumWidth = 40, kMinimumHeight = 40;

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kItemsKey};
// clang-format on

constexpr PropertyField kRows[] = {{"Tabs", PropertyField::Type::Items}};

std::string Titles(const DesignedGadget& r) {
    std::string titles;
    for (const std::string& title : r.Items) titles += (titles.empty() ? "" : "|") + title;
    return titles;
}

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Tabpanel::Create, "KVX_Tabpanel::Create", ParentArgument{r}, Titles(r), r.Px, r.Py, r.Tx, r.Ty);
};

// The toolkit splits the titles at "|" and attaches gadgets by title, ignoring case.
std::string Refusal(const DesignedGadget& r) {
    if (r.Items.empty()) return "A tab panel needs a tab";
    for (size_t i = 0; i < r.Items.size(); ++i) {
        const std::string& title = r.Items[i];
        if (title.find(kTitleSeparator) != std::string::npos) return "A tab title cannot hold |";
        for (size_t j = 0; j < i; ++j) {
            if (strcasecmp(title.c_str(), r.Items[j].c_str()) == 0) return "Two tabs are titled " + title;
        }
    }
    return "";
}

void Settle(DesignedGadget& r) {
    r.Tx = std::max(r.Tx, kMinimumWidth);
    r.Ty = std::max(r.Ty, kMinimumHeight);
}

void ShowPressedTab(DesignedGadget& r) {
    auto* panel = static_cast<KVX_Tabpanel*>(r.Gadget.get());
    if (!panel) return;
    if (const int32_t tab = panel->TabAt(KVX_Mouse.X, KVX_Mouse.Y)) panel->SelectedTab = tab;
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Tabpanel", Arguments().Add(parent).Quoted(Titles(r)).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty)};
}

}  // namespace

// clang-format off
const KindDescription kTabpanelKind{
    .Word = "Tabpanel", .PaletteCaption = "Tabpanel", .Keys = kKeys,
    .Defaults = [](DesignedGadget& r, const Band&) { r.Items = {"Tab 1", "Tab 2"}; }, .Settle = Settle,
    .Create = LiveOf<kMake>, .CppType = "KVX_TabpanelRef", .CppCreate = CppOf<kMake>,
    .Properties = kRows, .Refusal = Refusal, .Export = Export,
    .HitHeight = [](const DesignedGadget& r) {
        return r.Gadget ? static_cast<const KVX_Tabpanel&>(*r.Gadget).TabHeight : r.Ty; },
    .Pressed = ShowPressedTab};
// clang-format on

}  // namespace kvx::studio
