#include "studio/preview_mode.hpp"

#include <memory>
#include <utility>
#include <vector>

#include "core/frame_pacing.hpp"
#include "design/design_reader.hpp"
#include "design/designed_gadget.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/menu.hpp"
#include "platform/platform.hpp"
#include "studio/ask_path.hpp"
#include "studio/status_line.hpp"

namespace kvx::studio {
namespace {

constexpr const char* kHint = "Preview: Escape returns to the design";

// The studio's windows leave the toolkit's list and the desktop lends out the gadgets placed
// outside any window, so none of them is drawn or takes input; they come back in their order,
// with flags no preview window could change.
class ParkedStudio {
public:
    ParkedStudio()
        : windows_(std::move(KVX_GadgetList)),
          desktopGadgets_(std::move(KVX_DesktopWindow->Children)),
          desktopDisabled_(KVX_DesktopWindow->Disabled),
          desktopState_(KVX_DesktopWindow->State) {
        KVX_GadgetList = {KVX_DesktopWindow};
        KVX_DesktopWindow->Children.clear();
    }
    ~ParkedStudio() {
        KVX_GadgetList = std::move(windows_);
        KVX_DesktopWindow->Children = std::move(desktopGadgets_);
        KVX_DesktopWindow->Disabled = desktopDisabled_;
        KVX_DesktopWindow->State = desktopState_;
    }
    ParkedStudio(const ParkedStudio&) = delete;
    ParkedStudio& operator=(const ParkedStudio&) = delete;

private:
    std::vector<KVX_WindowRef> windows_;
    KVX_GadgetChildren desktopGadgets_;
    uint8_t desktopDisabled_, desktopState_;
};

// The application's gadgets of the design, made from copies: making settles sizes and sets the
// live gadget and parent window, which must not reach the designer's records.
class PreviewGadgets {
public:
    PreviewGadgets() {
        for (const DesignedGadgetRef& record : Design().DesignList) {
            auto copy = std::make_shared<DesignedGadget>(*record);
            copy->Gadget = nullptr;
            copy->ParentWindow = nullptr;
            // A gadget may keep the colour it is given and change it.
            if (copy->CustomColor) {
                const KVX_Color& c = *copy->CustomColor;
                copy->CustomColor = KVX_Color::Create(c.Red, c.Green, c.Blue);
            }
            records_.push_back(std::move(copy));
        }
        made_ = MakeLiveGadgets(records_, 0, LiveUse::Application);
    }
    ~PreviewGadgets() { FreeLiveGadgets(records_, 0); }
    PreviewGadgets(const PreviewGadgets&) = delete;
    PreviewGadgets& operator=(const PreviewGadgets&) = delete;

    bool Made() const { return made_; }

private:
    std::vector<DesignedGadgetRef> records_;
    bool made_ = false;
};

// The application's frames until Escape, or until the window manager's close, which the studio's
// own loop then answers as ever.
void RunFrames() {
    for (;;) {
        KVX_WaitWhileIdle();
        if (AppTerminate()) return;
        Cls();
        KVX_RefreshGui();
        const bool leave = KeyHit(KEY_ESCAPE) > 0;
        DrawStatusLine(kHint);
        zglSwapBuffers();
        FlushMem();
        if (leave) return;
    }
}

}  // namespace

void RunPreview() {
    // An open drop-down or menu would hold the mouse the preview needs.
    KVX_Combo::CloseAll();
    CloseAllMenus(1);
    bool made = false;
    {
        const ParkedStudio parked;
        const PreviewGadgets preview;
        made = preview.Made();
        if (made) RunFrames();
    }
    // What was pressed in the preview's last frame, its Escape included, is not the designer's.
    FlushKeys();
    if (!made) AskUser("Preview", "The preview " + OverBudgetReason() + ".", kOkOnly, kAlertIcon);
}

}  // namespace kvx::studio
