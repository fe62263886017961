// Windows. In the designer they are locked, since their title bar selects them, and their title
// buttons are drawn but do nothing (a design window is closed by deleting it); an application
// gets them as the toolkit makes them.
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/window.hpp"

namespace kvx::studio {
namespace {

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
                               FlagKey<&DesignedGadget::LockButton>("LockButton"),
                               FlagKey<&DesignedGadget::MinimiseButton>("MinimizeButton"),
                               FlagKey<&DesignedGadget::CloseButton>("CloseButton")};
// clang-format on

constexpr PropertyField kRows[] = {FlagRow<&DesignedGadget::LockButton>("Lock button"),
                                   FlagRow<&DesignedGadget::MinimiseButton>("Minimise button"),
                                   FlagRow<&DesignedGadget::CloseButton>("Close button")};

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Window::Create, "KVX_Window::Create", r.Caption, r.Px, r.Py, r.Tx, r.Ty, r.LockButton,
                r.MinimiseButton, r.CloseButton,
                NamedArgument<int32_t>{KVX_TitledStyle, "kvx::KVX_TitledStyle"});
};

void LockForDesigner(KVX_Gadget& live) {
    auto& window = static_cast<KVX_Window&>(live);
    window.Locked = 1;
    for (const KVX_CustomButtonRef& button : {window.CloseButton, window.MinimiseButton, window.LockButton}) {
        if (button) button->Disabled = 1;
    }
}

Creation Export(const DesignedGadget& r, const std::string&) {
    return {"KVX_Window", Arguments()
                              .Quoted(r.Caption)
                              .Add(r.Px)
                              .Add(r.Py)
                              .Add(r.Tx)
                              .Add(r.Ty)
                              .Flag(r.LockButton)
                              .Flag(r.MinimiseButton)
                              .Flag(r.CloseButton)};
}

}  // namespace

// clang-format off
const KindDescription kWindowKind{.Word = "Window", .PaletteCaption = "Window", .Keys = kKeys, .Create = LiveOf<kMake>,
                                  .CppType = "KVX_WindowRef", .CppCreate = CppOf<kMake>,
                                  .Properties = kRows, .InDesigner = LockForDesigner, .Export = Export, .IsWindow = true, .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
