#pragma once
// A bar filled up to Value of Maximum, labelled with the caption and the percentage.
#include "core/gadget.hpp"

namespace kvx {

class KVX_Progress;
using KVX_ProgressRef = std::shared_ptr<KVX_Progress>;

// State: unused.
class KVX_Progress : public KVX_Gadget {
public:
    int32_t BodyImage = 0;  // the filled look, full size
    int32_t BarImage = 0;   // the empty look, 2 pixels smaller each way, slid right by the filled length

    uint8_t Kind() const override { return KVX_KindProgressbar; }
    // A null parent adds the bar to no children list.
    static KVX_ProgressRef Create(const KVX_GadgetRef& parent, const std::string& caption, int x, int y, int width,
                                  int height, int value, int maximum);
    void Update(KVX_Gadget* parent) override;
    void Free() override;
};

}  // namespace kvx
