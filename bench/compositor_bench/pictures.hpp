#pragma once
// Synthetic skin-like pictures for the benchmark frame, deterministic and straight ARGB.
#include "platform/pixmap.hpp"

namespace kvx::bench {

PixmapPtr BackgroundPicture(int width, int height);
PixmapPtr WindowBodyPicture(int size, int hue);
// A title-bar end, rounded on its outer top corner; mirrored for the right end.
PixmapPtr TitleCapPicture(bool right);
PixmapPtr TitleMiddlePicture();
// Small partly transparent pictures: a 15x23 tab-like shape and a 20x20 round icon.
PixmapPtr TallIconPicture(int variant);
PixmapPtr RoundIconPicture(int variant);

}  // namespace kvx::bench
