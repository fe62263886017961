#pragma once
// Every frame shown after drawing only what changed, checked against the same frame drawn whole.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/backbuffer.hpp"
#include "platform/display.hpp"
#include "platform/frame_recorder.hpp"
#include "platform/headless.hpp"

namespace kvx::testing {

// From its making on, at every present, the back buffer must equal a buffer of the check's own
// into which every call of every frame is drawn as it comes, as the full redraw mode draws them.
// Make it right after a present, and keep the display open meanwhile.
class RedrawCheck {
public:
    RedrawCheck() : whole_(CurrentBackBuffer()) {
        whole_.cleared.reset();
        headless::SetPresentWatcher([this] { Compare(); });
    }
    ~RedrawCheck() { headless::SetPresentWatcher(nullptr); }
    RedrawCheck(const RedrawCheck&) = delete;
    RedrawCheck& operator=(const RedrawCheck&) = delete;

    int Frames() const { return frames_; }
    // Pixels drawn again over all the frames checked.
    int64_t Recomposed() const { return recomposed_; }

private:
    static constexpr int kReportedFrames = 3;

    void Compare() {
        ++frames_;
        recomposed_ += PixelsRecomposed();
        for (const DrawCall& call : PresentedCalls().Calls()) DrawNow(whole_, call);
        const BackBuffer& shown = CurrentBackBuffer();
        ASSERT_EQ(shown.pixels.size(), whole_.pixels.size());
        for (size_t i = 0; i < shown.pixels.size(); ++i) {
            if (((shown.pixels[i] ^ whole_.pixels[i]) & 0x00FFFFFFu) == 0) continue;
            if (++differing_ <= kReportedFrames) {
                ADD_FAILURE() << "frame " << frames_ << " differs from its full redraw first at "
                              << i % size_t(shown.width) << "," << i / size_t(shown.width) << ": " << std::hex
                              << shown.pixels[i] << " instead of " << whole_.pixels[i];
            }
            // The next frames are compared from the same start.
            whole_.pixels = shown.pixels;
            whole_.cleared.reset();
            return;
        }
    }

    BackBuffer whole_;
    int frames_ = 0;
    int differing_ = 0;
    int64_t recomposed_ = 0;
};

}  // namespace kvx::testing
