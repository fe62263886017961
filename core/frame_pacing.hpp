#pragma once
// Frame loops that sleep while nothing happens, woken by input or by the timers that run.
#include <cstdint>

namespace kvx {

// On by default. Off, frame loops never wait and draw as many frames as they can (benchmarks).
void KVX_SetFrameWaiting(bool waiting);
bool KVX_FrameWaiting();

// A timer checked before it ran out: the frame loop must wake by then (a MilliSecs time).
void KVX_NoteDeadline(int32_t when);

// At the top of a frame loop, before the frame's first input query. When the last frame took no
// input and changed nothing on the screen, sleeps until input arrives or the earliest timer
// checked since the last call runs out (a second at most), and tells the frame counter how long.
void KVX_WaitWhileIdle();

}  // namespace kvx
