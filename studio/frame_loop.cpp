#include "studio/frame_loop.hpp"

#include <string>

#include "core/fps.hpp"
#include "core/runtime.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {
namespace {

bool g_exit = false;

void DrawStatusLine() {
    SetColor(255, 255, 255);
    DrawText("FPS : " + std::to_string(KVX_Fps) + " / Memory used : " + std::to_string(MemAlloced()), 10,
             float(GraphicsHeight() - 55));
}

}  // namespace

void RequestExit() { g_exit = true; }

void Start() {
    g_exit = false;
    Graphics(1024, 768, 32, 75);
    KVX_InitGUI(2);
    KVX_Background("./KVX_Demos/KorvexStudio-1024.png");
    zglSetSwapInterval(0);
}

bool Frame() {
    if (g_exit || AppTerminate()) return false;
    Cls();
    KVX_RefreshGui();
    DrawStatusLine();
    zglSwapBuffers();
    FlushMem();
    return true;
}

void Shutdown() {
    KVX_FreeBackground();
    KVX_ClearGui();
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
