#pragma once
// Text in a colour and an alignment, "|" starting a new line; the caption of many gadgets.
#include <optional>

#include "core/gadget.hpp"
#include "core/runtime.hpp"

namespace kvx {

class KVX_Label;
using KVX_LabelRef = std::shared_ptr<KVX_Label>;

// A box relative to the parent's origin.
struct KVX_ClipBox {
    int32_t X = 0, Y = 0, W = 0, H = 0;
};

// State: unused.
class KVX_Label : public KVX_Gadget {
public:
    uint8_t Align = 0;     // 1 starts at x, 2 centres on x, 3 ends at x; anything else draws nothing
    int32_t MaxChars = 0;  // when not 0, only that many characters are drawn
    // A caption too long for its gadget is cut at the gadget's edge rather than drawn over others.
    std::optional<KVX_ClipBox> Clip;

    uint8_t Kind() const override { return KVX_KindLabel; }
    static KVX_LabelRef Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int align,
                               const KVX_ColorRef& color);
    void Update(KVX_Gadget* parent) override;
    void Free() override;
};

// The distance between the lines DrawMultiline draws.
inline int32_t KVX_MultilineStep() { return KVX_LineHeight - 1; }
void DrawMultiline(std::string text, int x, int y, int align, int areaWidth, const KVX_ColorRef& color);

}  // namespace kvx
