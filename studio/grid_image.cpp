#include "studio/grid_image.hpp"

#include "core/drawing.hpp"
#include "core/skin.hpp"
#include "platform/platform.hpp"
#include "studio/preferences.hpp"

namespace kvx::studio {

ImagePtr MakeGridImage() {
    ImagePtr grid = CreateImage(GraphicsWidth(), GraphicsHeight(), 1, kDynamicImage);
    const PixmapPtr pixels = LockImage(grid);
    if (!pixels) return grid;
    const uint32_t dot = uint32_t(ToARGB(KVX_BlackColor));
    const int step = Prefs().GridStep;
    for (int y = 0; y < pixels->height; y += step) {
        for (int x = 0; x < pixels->width; x += step) pixels->at(x, y) = dot;
    }
    UnlockImage(grid);
    return grid;
}

void DrawGridInto(const KVX_Window& window, const ImagePtr& grid) {
    const int top = window.Y + window.TitleHeight;
    SetViewport(window.X, top, window.Width, window.Height);
    DrawImage(grid, float(window.X), float(top), 0);
    ResetDrawState();
}

}  // namespace kvx::studio
