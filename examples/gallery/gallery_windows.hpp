#pragma once
// The gallery's windows, one per family of gadgets, laid out like a demo worth copying.
#include <array>
#include <cstdint>

#include "KVX_Classe/Inc_Korvex.hpp"

namespace gallery {

// A button that opens one standard dialog, and the label that shows its last answer.
struct DialogRow {
    kvx::KVX_PushButtonRef open;
    kvx::KVX_LabelRef answer;
};

struct Gallery {
    kvx::KVX_MenuRef fileMenu;
    kvx::KVX_ProgressRef progress;
    kvx::KVX_ScrollbarRef speed;
    kvx::KVX_PushButtonRef quit;
    DialogRow message, file, path, screenMode, colour;
    std::array<uint8_t, 3> mixed = {200, 120, 60};  // the colour chooser's last colour
};

// Opens the gallery's 1024 x 768 display: full screen when the display has the mode.
void OpenDisplay();
// Initialises the toolkit on the open display and builds every window.
Gallery Build();
// Per frame: reacts to the menus and buttons; false when the user asked to quit.
bool Step(Gallery& gallery);

}  // namespace gallery
