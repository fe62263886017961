#pragma once
// A window with one gadget of each common kind, to see a colour scheme on: the studio's Scheme
// Editor shows it, and a program can draw the same to check a scheme it loaded.
#include "gadgets/window.hpp"

namespace kvx {

inline constexpr int KVX_SchemeSampleW = 330, KVX_SchemeSampleH = 410;

// Made with the scheme and font in use, its top left corner at x, y.
KVX_WindowRef KVX_SchemeSampleWindow(int x, int y);

}  // namespace kvx
