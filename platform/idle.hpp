#pragma once
// What a frame loop needs to sleep while nothing happens.
namespace kvx {

// The last presented frame took no input and changed no pixel: unless input arrives or time
// passes, the next frame will draw the same.
bool LastFrameIdle();
// Sleeps until input arrives, timeoutMs pass or a held key is due to repeat; returns at once when
// input is already waiting. The headless backend only notes the wait.
void WaitForInput(int timeoutMs);

}  // namespace kvx
