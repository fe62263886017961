#pragma once
// Everything the toolkit and the studio call of the platform layer.
#include "audio.hpp"
#include "clipboard.hpp"
#include "display.hpp"
#include "draw.hpp"
#include "files.hpp"
#include "font.hpp"
#include "handles.hpp"
#include "image.hpp"
#include "input.hpp"
#include "pixmap.hpp"
#include "resources.hpp"
#include "timing.hpp"
