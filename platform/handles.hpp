#pragma once
// Integer handles for images and sounds: positive, unique while the object lives, 0 = none.
#include <memory>

#include "audio.hpp"
#include "image.hpp"

namespace kvx {

int HandleFromImage(const ImagePtr& image);  // 0 for a null image
int HandleFromSound(const SoundPtr& sound);  // 0 for a null sound
ImagePtr ImageFromHandle(int handle);        // null for 0, unknown or released handles
SoundPtr SoundFromHandle(int handle);
void ReleaseHandle(int handle);  // drops the registry's hold; unknown handles are ignored
int LiveHandleCount();

// Gadget handles are plain serial numbers: they hold nothing.
int NewObjectHandle();

}  // namespace kvx
