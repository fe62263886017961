#pragma once
// The demo pictures, each painted at its stored size.
#include "tools/art/canvas.hpp"
#include "tools/art/looks.hpp"

namespace kvx {

art::Canvas StudioBackground();          // 1024x768
art::Canvas AppBackground();             // 1024x768
art::Canvas IconButton(art::Look look);  // 64x64
art::Canvas Landscape();                 // 256x192

}  // namespace kvx
