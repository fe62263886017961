#pragma once
// A titled group box: a one-pixel outline, pre-rendered at creation, whose top edge leaves a gap
// for the caption.
#include "core/gadget.hpp"

namespace kvx {

class KVX_Frame;
using KVX_FrameRef = std::shared_ptr<KVX_Frame>;

// State: unused.
class KVX_Frame : public KVX_Gadget {
public:
    int32_t FrameImage = 0;

    uint8_t Kind() const override { return KVX_KindFrame; }
    // A null parent adds the frame to no children list. Clears the back buffer.
    static KVX_FrameRef Create(const KVX_GadgetRef& parent, const std::string& caption, int x, int y, int width,
                               int height);
    void Update(KVX_Gadget* parent) override;
    void Free() override;
};

// Draws the outline on the back buffer at x, y and grabs it as a masked image of
// (width + 2) x (height + th / 2 + 3) pixels, th being the caption's text height; the top edge
// lies th / 2 below the image's top. Destroys what the back buffer held.
int32_t BuildFrameImage(int x, int y, int width, int height, const std::string& caption);

}  // namespace kvx
