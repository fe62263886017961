#include "platform/damage.hpp"

#include <algorithm>

#include "platform/call_matching.hpp"

namespace kvx {
namespace {

class Blocks {
public:
    Blocks(int width, int height)
        : width_(width),
          height_(height),
          across_((width + kDamageBlock - 1) / kDamageBlock),
          boxes_(size_t(across_) * size_t((height + kDamageBlock - 1) / kDamageBlock)) {}

    void Add(const Box& damage) {
        const Box box = Intersection(damage, {0, 0, width_, height_});
        if (IsEmpty(box)) return;
        for (int by = box.y0 / kDamageBlock; by <= (box.y1 - 1) / kDamageBlock; ++by) {
            for (int bx = box.x0 / kDamageBlock; bx <= (box.x1 - 1) / kDamageBlock; ++bx) {
                const Box block{bx * kDamageBlock, by * kDamageBlock, (bx + 1) * kDamageBlock, (by + 1) * kDamageBlock};
                Box& merged = boxes_[size_t(by) * size_t(across_) + size_t(bx)];
                merged = BoundingBox(merged, Intersection(box, block));
            }
        }
    }

    std::vector<Box> NonEmpty() const {
        std::vector<Box> out;
        std::copy_if(boxes_.begin(), boxes_.end(), std::back_inserter(out), [](const Box& b) { return !IsEmpty(b); });
        return out;
    }

private:
    int width_, height_, across_;
    std::vector<Box> boxes_;
};

}  // namespace

std::vector<Box> DamagedBoxes(const DrawList& before, const DrawList& now, int width, int height) {
    const CallMatching matching = MatchCalls(before.Calls(), now.Calls());
    Blocks blocks(width, height);
    for (size_t i = 0; i < before.Size(); ++i) {
        if (!matching.before[i]) blocks.Add(before.Calls()[i].box);
    }
    std::vector<Box> clears;
    for (size_t i = 0; i < now.Size(); ++i) {
        const DrawCall& call = now.Calls()[i];
        const bool overClear = call.IsClear() || std::any_of(clears.begin(), clears.end(),
                                                             [&](const Box& c) { return Covers(c, call.box); });
        if (!matching.now[i] || !overClear) blocks.Add(call.box);
        if (call.IsClear()) clears.push_back(call.clip);
    }
    return blocks.NonEmpty();
}

}  // namespace kvx
