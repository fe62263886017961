#pragma once
// How draw calls reach the back buffer (internal to the platform layer).
//
// In the default mode the calls of a frame are kept until its present. There they are compared
// with the calls of the frame before; where both draw the same calls in the same order the pixels
// cannot differ, so only the boxes around the calls that differ are drawn again, and only those
// are shown. In the full mode every call is drawn at once and the whole screen is shown; the calls
// are kept all the same, to tell whether the frame changed.
//
// Whatever reads the back buffer (or changes a picture that a waiting call will draw) first has
// the waiting calls drawn, in full, and the rest of that frame is drawn as it comes.
#include <vector>

#include "platform/draw_list.hpp"

namespace kvx {

void SubmitDraw(DrawCall&& call);
// Draws the calls still waiting, so that the back buffer holds what the frame drew so far.
void DrawPending();
// At present: brings the back buffer up to date; the boxes whose pixels may have changed.
std::vector<Box> FinishFrame();
// The calls of the frame presented last.
const DrawList& PresentedCalls();
// The last present showed something the one before did not, in either mode.
bool LastFrameChanged();
// A display was opened or closed: its back buffer starts empty, and so does the record.
void ForgetFrames();

}  // namespace kvx
