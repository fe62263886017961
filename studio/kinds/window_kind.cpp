// Designed windows: locked, since in the designer their title bar selects them, and with title
// buttons that are drawn but do nothing (a design window is closed by deleting it).
#include "gadgets/window.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

// What the file says of a window's buttons is what a designed window always has: all three.
std::string WriteHasButton(DesignedGadget&) { return BooleanText(true); }

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
                               {"LockButton", WriteHasButton, nullptr},
                               {"MinimizeButton", WriteHasButton, nullptr},
                               {"CloseButton", WriteHasButton, nullptr}};
// clang-format on

KVX_GadgetRef Create(DesignedGadget& r) {
    const KVX_WindowRef window = KVX_Window::Create(r.Caption, r.Px, r.Py, r.Tx, r.Ty, 1, 1, 1, KVX_TitledStyle);
    window->Locked = 1;
    for (const KVX_CustomButtonRef& button : {window->CloseButton, window->MinimiseButton, window->LockButton}) {
        button->Disabled = 1;
    }
    return window;
}

Creation Export(const DesignedGadget& r, const std::string&) {
    return {"KVX_Window", Arguments().Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty), ",True,True,True)"};
}

}  // namespace

// clang-format off
const KindDescription kWindowKind{.Word = "Window", .PaletteCaption = "Window", .Keys = kKeys, .Create = Create,
                                  .Export = Export, .IsWindow = true, .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
