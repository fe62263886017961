#pragma once
// The designer's part of every frame, after the toolkit's refresh.
namespace kvx::studio {

// Dispatches on the tool window's selected page: File commands, arming and placing, or editing.
void StudioFrameStep();

}  // namespace kvx::studio
