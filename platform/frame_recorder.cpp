#include "platform/frame_recorder.hpp"

#include <cmath>
#include <numeric>

#include "platform/backbuffer.hpp"
#include "platform/damage.hpp"
#include "platform/display.hpp"
#include "platform/partial_redraw.hpp"

namespace kvx {
namespace {

// A frame of more calls than this (a program that draws without ever presenting) is drawn as it
// comes and shown whole, so the record stays bounded.
constexpr size_t kMaxRecordedCalls = size_t(1) << 20;

struct Recorder {
    RedrawMode mode = RedrawMode::Changes;
    DrawList pending;            // this frame's calls
    DrawList presented;          // the calls of the frame on screen, holding its pictures until the next
    bool presentedKnown = true;  // false when that frame was too long to keep
    bool drawnThrough = false;   // the pending calls are in the back buffer already
    bool recording = true;
    int64_t recomposed = 0;
    bool changed = true;  // the last present showed anything new
};

Recorder& Record() {
    static Recorder recorder;
    return recorder;
}

Box ScreenOf(const BackBuffer& b) { return {0, 0, b.width, b.height}; }

}  // namespace

void SubmitDraw(DrawCall&& call) {
    // An alpha that is no number draws nothing, and a call outside the viewport neither.
    if (IsEmpty(call.box) || std::isnan(call.paint.alpha)) return;
    Recorder& r = Record();
    if (r.mode == RedrawMode::Full || r.drawnThrough) DrawNow(CurrentBackBuffer(), call);
    // Full frames are kept too, to tell an idle loop whether anything changed.
    if (!r.recording) return;
    r.pending.Add(std::move(call));
    if (r.pending.Size() > kMaxRecordedCalls) {
        DrawPending();
        r.pending.Clear();
        r.recording = false;
    }
}

void DrawPending() {
    Recorder& r = Record();
    // With nothing waiting the buffer still holds the frame on screen, which a frame drawn in
    // parts starts from.
    if (r.mode == RedrawMode::Full || r.drawnThrough || r.pending.Size() == 0) return;
    BackBuffer& b = CurrentBackBuffer();
    for (const DrawCall& call : r.pending.Calls()) DrawNow(b, call);
    r.drawnThrough = true;
}

std::vector<Box> FinishFrame() {
    Recorder& r = Record();
    BackBuffer& b = CurrentBackBuffer();
    std::vector<Box> changed;
    if (r.mode == RedrawMode::Full) {
        r.changed = !r.presentedKnown || !r.recording || r.presented.Calls() != r.pending.Calls();
        changed = {ScreenOf(b)};
    } else if (r.drawnThrough || !r.presentedKnown) {
        DrawPending();
        r.changed = true;
        changed = {ScreenOf(b)};
    } else {
        changed = DamagedBoxes(r.presented, r.pending, b.width, b.height);
        RedrawWithin(r.pending, changed, {b.pixels.data(), b.width, b.height});
        // Drawn in parts, the buffer no longer matches what its remembered clear says.
        b.cleared.reset();
        r.changed = !changed.empty();
    }
    r.recomposed = std::accumulate(changed.begin(), changed.end(), int64_t(0),
                                   [](int64_t sum, const Box& box) { return sum + Area(box); });
    r.presentedKnown = r.recording;
    r.presented.Swap(r.pending);
    r.pending.Clear();
    r.drawnThrough = false;
    r.recording = true;
    return changed;
}

void ForgetFrames() {
    Recorder& r = Record();
    r.pending.Clear();
    r.presented.Clear();
    r.presentedKnown = true;
    r.drawnThrough = false;
    r.recording = true;
    r.recomposed = 0;
    r.changed = true;
}

void SetRedrawMode(RedrawMode mode) {
    Recorder& r = Record();
    if (mode == r.mode) return;
    DrawPending();
    r.pending.Clear();
    r.presented.Clear();
    // Frames drawn in full were not kept: the first one compared is shown whole.
    r.presentedKnown = false;
    r.drawnThrough = false;
    r.recording = true;
    r.mode = mode;
}

const DrawList& PresentedCalls() { return Record().presented; }
bool LastFrameChanged() { return Record().changed; }

RedrawMode CurrentRedrawMode() { return Record().mode; }
int64_t PixelsRecomposed() { return Record().recomposed; }

}  // namespace kvx
