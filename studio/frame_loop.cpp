#include "studio/frame_loop.hpp"

#include <string>

#include "core/fps.hpp"
#include "core/skin.hpp"
#include "gadgets/gui.hpp"
#include "platform/platform.hpp"
#include "studio/designed_gadget.hpp"
#include "studio/grid_image.hpp"
#include "studio/property_editor.hpp"
#include "studio/studio_state.hpp"
#include "studio/studio_step.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

bool g_exit = false;

void DrawStatusLine() {
    SetColor(255, 255, 255);
    DrawText("FPS : " + std::to_string(KVX_Fps) + " / Memory used : " + std::to_string(MemAlloced()), 10,
             float(GraphicsHeight() - 55));
}

}  // namespace

int32_t SkinButtonHeight() { return ImageHeight(LoadImage(SkinPath("Button_left_hi.png"))); }

void RequestExit() { g_exit = true; }
bool ExitRequested() { return g_exit; }

void Start() {
    g_exit = false;
    Design().DesignList.clear();
    Design().ResetCounters();
    ResetStudioState();
    Graphics(1024, 768, 32, 75);
    KVX_InitGUI(2);
    KVX_Background("./KVX_Demos/KorvexStudio-1024.png");
    BuildStudioInterface();
    ShowInEditor(nullptr);
    Design().ButtonSkinHeight = SkinButtonHeight();
    State().GridImage = MakeGridImage();
    zglSetSwapInterval(0);
}

bool Frame() {
    if (g_exit || AppTerminate()) return false;
    Cls();
    KVX_RefreshGui();
    StudioFrameStep();
    DrawStatusLine();
    zglSwapBuffers();
    FlushMem();
    return true;
}

void Shutdown() {
    KVX_FreeBackground();
    KVX_ClearGui();
    // The records and the tool window's references would keep freed gadgets alive.
    Design().DesignList.clear();
    Studio() = StudioUi{};
    State().GridImage = nullptr;
    EndGraphics();
}

int Run() {
    Start();
    while (Frame()) {
    }
    Shutdown();
    return 0;
}

}  // namespace kvx::studio
