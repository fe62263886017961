#pragma once
// What a display backend provides to the platform layer (internal).
#include <string>
#include <vector>

#include "platform/audio.hpp"
#include "platform/backbuffer.hpp"
#include "platform/clip_box.hpp"
#include "platform/display.hpp"
#include "platform/input_state.hpp"

namespace kvx {

class DisplayBackend {
public:
    virtual ~DisplayBackend() = default;
    virtual std::vector<DisplayMode> Modes() = 0;
    virtual bool Open(int width, int height, int depth, int hz) = 0;
    virtual void Close() = 0;
    // Shows the buffer; only the boxes in `changed` differ from what was last shown.
    virtual void Present(const BackBuffer& buffer, const std::vector<Box>& changed) = 0;
    virtual void SetSwapInterval(int interval) = 0;
    virtual void PumpEvents(InputState& input) = 0;
    // Returns when an event arrives or timeoutMs have passed.
    virtual void WaitForEvent(int timeoutMs) = 0;
    virtual void SetPointerVisible(bool visible) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void WarpPointer(InputState& input, int x, int y) = 0;
    virtual void Play(const SoundPtr& sound) = 0;
};

DisplayBackend& SdlBackend();
DisplayBackend& HeadlessBackend();
DisplayBackend& ActiveBackend();

// A mode matches a depth by its bytes per pixel (32) or its colour bits (24, 16).
bool ModeMatches(const DisplayMode& mode, int width, int height, int depth, int hz);

}  // namespace kvx
