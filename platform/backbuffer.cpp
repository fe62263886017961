#include "platform/backbuffer.hpp"

#include "platform/draw_call.hpp"

namespace kvx {
namespace {

compositor::Target TargetOf(BackBuffer& b) { return {b.pixels.data(), b.width, b.height}; }

// A clear of the remembered colour over the remembered area only has to undo what was drawn since.
void ClearNow(BackBuffer& b, const Box& clip, uint32_t color) {
    if (b.cleared && b.cleared->color == color && Covers(b.cleared->area, clip)) {
        compositor::Clear(TargetOf(b), Intersection(b.cleared->drawn, clip), color);
        // A box is not cut in two: drawing outside this clear's area keeps the whole box marked.
        if (Covers(clip, b.cleared->drawn)) b.cleared->drawn = {};
        return;
    }
    compositor::Clear(TargetOf(b), clip, color);
    b.cleared = BackBuffer::Cleared{clip, color, {}};
}

}  // namespace

void DrawNow(BackBuffer& buffer, const DrawCall& call) {
    if (const auto* clear = std::get_if<ClearCall>(&call.what)) return ClearNow(buffer, call.clip, clear->color);
    if (buffer.cleared) buffer.cleared->drawn = BoundingBox(buffer.cleared->drawn, call.box);
    DrawWithin(call, TargetOf(buffer), call.clip);
}

}  // namespace kvx
