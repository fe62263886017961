#include "platform/partial_redraw.hpp"

namespace kvx {
namespace {

// A box with more calls than this to draw is split in two, when both halves stay this wide: the
// halves may each lie under a different opaque call, so that less is drawn that cannot show.
constexpr size_t kFewCalls = 8;
constexpr int kNarrowestHalf = 24;

struct Layer {
    const DrawCall* call;
    Box opaque;
};

void Redraw(const std::vector<const Layer*>& layers, const Box& box, const compositor::Target& target) {
    size_t first = layers.size();
    while (first > 0 && !Covers(layers[first - 1]->opaque, box)) --first;
    if (first > 0) --first;
    const int w = box.x1 - box.x0, h = box.y1 - box.y0;
    const bool acrossX = w >= h;
    if (layers.size() - first > kFewCalls && (acrossX ? w : h) >= 2 * kNarrowestHalf) {
        const int middle = acrossX ? box.x0 + w / 2 : box.y0 + h / 2;
        const Box halves[2] = {acrossX ? Box{box.x0, box.y0, middle, box.y1} : Box{box.x0, box.y0, box.x1, middle},
                               acrossX ? Box{middle, box.y0, box.x1, box.y1} : Box{box.x0, middle, box.x1, box.y1}};
        for (const Box& half : halves) {
            std::vector<const Layer*> under;
            for (size_t i = first; i < layers.size(); ++i) {
                if (Overlap(layers[i]->call->box, half)) under.push_back(layers[i]);
            }
            Redraw(under, half, target);
        }
        return;
    }
    for (size_t i = first; i < layers.size(); ++i) {
        const DrawCall& call = *layers[i]->call;
        DrawWithin(call, target, Intersection(call.clip, box));
    }
}

}  // namespace

void RedrawWithin(const DrawList& list, const std::vector<Box>& boxes, const compositor::Target& target) {
    if (boxes.empty()) return;
    const std::vector<DrawCall>& calls = list.Calls();
    std::vector<Layer> layers(calls.size());
    for (size_t i = 0; i < calls.size(); ++i) layers[i] = {&calls[i], OpaqueBox(calls[i])};
    for (const Box& box : boxes) {
        std::vector<const Layer*> under;
        for (const Layer& layer : layers) {
            if (Overlap(layer.call->box, box)) under.push_back(&layer);
        }
        Redraw(under, box, target);
    }
}

}  // namespace kvx
