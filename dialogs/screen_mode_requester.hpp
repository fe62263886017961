#pragma once
// The screen-mode chooser, run before an application builds its own interface: it opens a
// 640x480 display, offers the modes the display has of a fixed set plus a refresh rate, and
// reopens the display in the chosen one. The toolkit is cleared at the end; initialise it again.
#include <cstdint>
#include <string>

namespace kvx {

// Returns 2 for "Open", 3 for "Cancel" (also when the application window is closed meanwhile);
// the display is reopened in the selected mode in every case, 640x480x16 when none is selected.
int32_t KVX_ScreenModeRequester(const std::string& title, const std::string& background, uint8_t allow640,
                                uint8_t allow800, uint8_t allow1024, uint8_t allow1280, uint8_t allow1600);

}  // namespace kvx
