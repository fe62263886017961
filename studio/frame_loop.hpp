#pragma once
// The designer's start-up, frame loop and shutdown.
#include <cstdint>

namespace kvx::studio {

// Opens the display and initialises everything the loop needs, the tool window included.
void Start();
// One pass of the frame loop; false once the exit flag is set or the window was closed.
bool Frame();
void Shutdown();
void RequestExit();
bool ExitRequested();
// The default height of new buttons: that of the button skin's left cap.
int32_t SkinButtonHeight();

// Start, frames until exit, shutdown; the process's exit status.
int Run();

}  // namespace kvx::studio
