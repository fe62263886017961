// The gallery: every kind of gadget in a few windows, the visual check of the toolkit.
// Run it from the folder that holds KVX_Demos/ and the two font files.
#include <string>

#include "gallery_windows.hpp"

using namespace kvx;

int main() {
    gallery::OpenDisplay();
    gallery::Gallery g = gallery::Build();
    zglSetSwapInterval(0);
    for (;;) {
        KVX_WaitWhileIdle();
        if (AppTerminate() || KeyHit(KEY_ESCAPE)) break;
        Cls();
        KVX_RefreshGui();
        if (!gallery::Step(g)) break;
        SetColor(255, 255, 255);
        DrawText("FPS : " + std::to_string(KVX_Fps), 10, 750);
        zglSwapBuffers();
        FlushMem();
    }
    KVX_ClearGui();
    EndGraphics();
    return 0;
}
