#include "gadgets/image_box.hpp"

#include "core/drawing.hpp"
#include "core/skin.hpp"
#include "platform/draw.hpp"

namespace kvx {
namespace {

int LoadFramedPicture(const std::string& path, int width, int height, int border) {
    return LoadSizedImage(path, width, height, ToARGB(KVX_SchemeColors.ImageEdgeA), ToARGB(KVX_SchemeColors.ImageEdgeB),
                          border);
}

}  // namespace

KVX_ImageRef KVX_Image::Create(const KVX_GadgetRef& parent, const std::string& path, int x, int y, int width,
                               int height, int border) {
    auto image = MakeGadget<KVX_Image>();
    image->Parent = parent;
    image->X = x;
    image->Y = y;
    image->Width = width;
    image->Height = height;
    image->Border = border;
    image->ImageHandle = LoadFramedPicture(path, width, height, border);
    KVX_AddChild(parent, image);
    return image;
}

void KVX_Image::Update(KVX_Gadget* parent) {
    const int ax = parent->AbsX + X, ay = parent->AbsY + Y;
    if (!Hidden) {
        SetBlend(kAlphaBlend);
        SetAlpha(DrawAlpha());
        DrawImageHandle(ImageHandle, ax, ay, KVX_WhiteColor, 0);
    }
    FinishUpdate(ax, ay);
}

void KVX_Image::SetImage(const std::string& path) {
    ReleaseHandleField(ImageHandle);
    ImageHandle = LoadFramedPicture(path, Width, Height, Border);
}

void KVX_Image::Free() {
    ReleaseHandleField(ImageHandle);
    KVX_Gadget::Free();
}

}  // namespace kvx
