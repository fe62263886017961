#include "core/color.hpp"

#include "platform/draw.hpp"

namespace kvx {

KVX_ColorRef KVX_Color::Create(int r, int g, int b) {
    auto color = std::make_shared<KVX_Color>();
    color->Red = uint8_t(r);
    color->Green = uint8_t(g);
    color->Blue = uint8_t(b);
    return color;
}

void KVX_Color::Set() const { SetColor(Red, Green, Blue); }

int32_t KVX_Color::ToARGB() const {
    return int32_t(0xFF000000u + uint32_t(Red) * 65536u + uint32_t(Green) * 256u + uint32_t(Blue));
}

int32_t ToARGB(const KVX_ColorRef& color) { return color ? color->ToARGB() : 0; }

}  // namespace kvx
