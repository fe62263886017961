// Designed windows: placed and loaded locked, since in the designer their title bar selects them.
#include "gadgets/window.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

template <KVX_CustomButtonRef KVX_Window::*Button>
std::string WriteHasButton(DesignedGadget& r) {
    const auto live = LiveAs<KVX_Window>(r, KVX_KindWindow);
    return BooleanText(live && (*live).*Button);
}

constexpr KeyFormat kKeys[] = {
    kGlobalKey, kHandleKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
    {"LockButton", WriteHasButton<&KVX_Window::LockButton>, nullptr},
    {"MinimizeButton", WriteHasButton<&KVX_Window::MinimiseButton>, nullptr},
    {"CloseButton", WriteHasButton<&KVX_Window::CloseButton>, nullptr},
};

// Whatever the file says of its buttons, a designed window has all three.
KVX_GadgetRef MakeWindow(DesignedGadget& r) {
    const KVX_WindowRef window = KVX_Window::Create(r.Handle, r.Px, r.Py, r.Tx, r.Ty, 1, 1, 1, KVX_TitledStyle);
    window->Locked = 1;
    return window;
}

Creation Export(const DesignedGadget& r, const std::string&) {
    Arguments a;
    a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
    return {"KVX_Window", a, ",True,True,True)"};
}

}  // namespace

const KindDescription kWindowKind{.Word = "Window", .PaletteCaption = "Window", .Keys = kKeys,
                                  .Place = [](DesignedGadget& r, const Band&) { return MakeWindow(r); },
                                  .Load = MakeWindow, .Export = Export, .IsWindow = true, .CaptionIsHandle = true};

}  // namespace kvx::studio
