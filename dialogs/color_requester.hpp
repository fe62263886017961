#pragma once
// The colour chooser: three sliders mix a colour that a colour icon shows as it changes.
#include <cstdint>
#include <string>

namespace kvx {

// Always 0. On return the drawing colour (SetColor) is the mixed one, whichever button closed
// the dialog, also when the application window was closed meanwhile.
int32_t KVX_ColorRequester(const std::string& title, uint8_t red, uint8_t green, uint8_t blue);

}  // namespace kvx
