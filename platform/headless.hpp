#pragma once
// Control of the headless backend: display modes, scripted input, the clock, played sounds.
// Events are queued like a real window's and delivered frame by frame the same way: a press and
// its release queued together reach the program in two frames.
#include <string>
#include <functional>
#include <vector>

#include "display.hpp"

namespace kvx::headless {

void SetModes(std::vector<DisplayMode> modes);  // what GraphicsModeExists offers
std::vector<DisplayMode> DefaultModes();

void MoveMouse(int x, int y);
void PressMouse(int button);
void ReleaseMouse(int button);
void Wheel(int steps);  // positive = away from the user
void PressKey(int key);
void ReleaseKey(int key);
void TypeChar(int code);  // codes above 255 are dropped like the SDL backend does
void RequestClose();      // as if the window manager closed the window

// The clock: starts at 0, moves only when told, or by a fixed step at every present.
void SetClock(int ms);
void AdvanceClock(int ms);
void SetClockStepPerFrame(int ms);

// Called at the end of every zglSwapBuffers with the number of frames presented so far,
// so a test can drive a modal loop frame by frame.
void SetFrameHook(std::function<void(int frame)> hook);
int FramesPresented();
const std::string& WindowTitle();
// Called at every present before the frame hook and before the clock steps, for a check that
// watches every frame whoever drives them.
void SetPresentWatcher(std::function<void()> watcher);

int SoundsPlayed();
void ResetSoundsPlayed();

// The waits for input a frame loop asked for (WaitForInput), which return at once here, and the
// timeout of the last one (-1 before any).
int WaitsAsked();
int LastWaitTimeout();

// Forget every queued event, held key and button, hook and counter.
void Reset();

}  // namespace kvx::headless
