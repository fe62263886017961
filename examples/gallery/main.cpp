// The gallery: every kind of gadget in a few windows, the visual check of the toolkit.
// Run it from the folder that holds KVX_Demos/ and the two font files.
#include <string>

#include "gallery_windows.hpp"

using namespace kvx;

int main() {
    // Full screen when the display has the mode, otherwise a window of that size.
    const int depth = GraphicsModeExists(1024, 768, 0, 0) ? 32 : 0;
    Graphics(1024, 768, depth, 60);
    KVX_InitGUI(2);
    KVX_Background("./KVX_Demos/Background_01.png");
    gallery::Gallery g = gallery::Build();
    zglSetSwapInterval(0);
    while (!AppTerminate() && !KeyHit(KEY_ESCAPE)) {
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
