#pragma once
// Colour values of the toolkit: three 8-bit channels, no alpha.
#include <cstdint>
#include <memory>

namespace kvx {

class KVX_Color;
using KVX_ColorRef = std::shared_ptr<KVX_Color>;

class KVX_Color {
public:
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;

    // Channels are kept modulo 256.
    static KVX_ColorRef Create(int r, int g, int b);
    void Set() const;  // makes it the drawing colour
    int32_t ToARGB() const;
};

// 0 (transparent black) for an absent colour.
int32_t ToARGB(const KVX_ColorRef& color);

}  // namespace kvx
