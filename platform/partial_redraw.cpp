#include "platform/partial_redraw.hpp"

namespace kvx {

void RedrawWithin(const DrawList& list, const std::vector<Box>& boxes, const compositor::Target& target) {
    if (boxes.empty()) return;
    const std::vector<DrawCall>& calls = list.Calls();
    std::vector<Box> opaque(calls.size());
    for (size_t i = 0; i < calls.size(); ++i) opaque[i] = OpaqueBox(calls[i]);
    for (const Box& box : boxes) {
        size_t first = calls.size();
        while (first > 0 && !Covers(opaque[first - 1], box)) --first;
        if (first > 0) --first;
        for (size_t i = first; i < calls.size(); ++i) {
            if (Overlap(calls[i].box, box)) DrawWithin(calls[i], target, Intersection(calls[i].clip, box));
        }
    }
}

}  // namespace kvx
