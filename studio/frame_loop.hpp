#pragma once
// The designer's start-up, frame loop and shutdown.
#include <cstdint>

#include "studio/start_options.hpp"

namespace kvx::studio {

// Opens the display and initialises everything the loop needs, the tool window included, then
// opens the design the options name.
void Start(const StartOptions& options = {});
// One pass of the frame loop; false once the exit flag is set, or the window was closed and the
// user let the design go (or had nothing unsaved).
bool Frame();
void Shutdown();
void RequestExit();
bool ExitRequested();

// Start, frames until exit, shutdown; the process's exit status.
int Run(const StartOptions& options = {});

}  // namespace kvx::studio
