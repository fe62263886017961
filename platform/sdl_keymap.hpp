#pragma once
// SDL key codes to Windows virtual-key codes (internal).
#include <SDL.h>

namespace kvx {
// 0 for keys the program has no code for.
int VirtualKeyOf(SDL_Keycode key);
}  // namespace kvx
