#pragma once
// One picture scaled to the gadget's size, optionally framed by a one-pixel bevel; takes no input.
#include "core/gadget.hpp"

namespace kvx {

class KVX_Image;
using KVX_ImageRef = std::shared_ptr<KVX_Image>;

// State: unused.
class KVX_Image : public KVX_Gadget {
public:
    int32_t ImageHandle = 0;
    int32_t Border = 0;  // 1 raised, 2 sunken, anything else none

    uint8_t Kind() const override { return KVX_KindImagebox; }
    // A null parent adds the image box to no children list.
    static KVX_ImageRef Create(const KVX_GadgetRef& parent, const std::string& path, int x, int y, int width,
                               int height, int border);
    void Update(KVX_Gadget* parent) override;
    // Loads at the current Width x Height with the same Border.
    void SetImage(const std::string& path);
    void Free() override;
};

}  // namespace kvx
