#pragma once
// The frame counter behind KVX_Fps: frames of the last completed interval of at least a second.
namespace kvx {

extern int KVX_Fps;
void KVX_FpsTick();

}  // namespace kvx
