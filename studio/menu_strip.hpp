#pragma once
// The design's menu bar as the designer shows it: the titles along the top of the screen where an
// application's bar has them, each menu record placed on its title so that the pointer takes it.
// Only the preview opens the menus.
namespace kvx::studio {

// Makes the bar's picture for the screen open now; making pictures clears the frame, so not
// during one.
void PrepareMenuStrip();
// Every frame, before the pointer's pass over the records.
void MenuStripStep();

}  // namespace kvx::studio
