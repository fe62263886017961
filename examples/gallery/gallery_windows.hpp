#pragma once
// The gallery's windows, one per family of gadgets, laid out like a demo worth copying.
#include "KVX_Classe/Inc_Korvex.hpp"

namespace gallery {

struct Gallery {
    kvx::KVX_MenuRef fileMenu;
    kvx::KVX_ProgressRef progress;
    kvx::KVX_ScrollbarRef speed;
    kvx::KVX_PushButtonRef quit;
};

Gallery Build();
// Per frame: reacts to the menus and buttons; false when the user asked to quit.
bool Step(Gallery& gallery);

}  // namespace gallery
