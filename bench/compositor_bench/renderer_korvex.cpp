// Ours, through the public drawing calls on the headless display, as the toolkit draws.
#include "platform/compositor.hpp"
#include "platform/platform.hpp"
#include "renderer.hpp"

namespace kvx::bench {
namespace {

class KorvexRenderer final : public Renderer {
public:
    KorvexRenderer(const Scene& scene, Kernels kernels) : scene_(scene), plain_(kernels == Kernels::Plain) {
        for (const SceneImage& image : scene.images) images_.push_back(LoadImage(image.pixels, 0));
    }

    const char* Name() const override { return plain_ ? "korvex plain" : "korvex"; }

    void Activate() override {
        compositor::UsePlainKernels(plain_);
        SetImageFont(scene_.font);
        SetBlend(kAlphaBlend);
    }

    // No Cls: the background picture covers the screen.
    void Render(size_t draw) override {
        const Draw& d = scene_.draws[draw];
        SetColor(d.tint.r, d.tint.g, d.tint.b);
        SetAlpha(d.tint.alpha);
        switch (d.kind) {
            case DrawKind::Image: DrawImage(images_[size_t(d.image)], float(d.x), float(d.y)); break;
            case DrawKind::Rect: DrawRect(float(d.x), float(d.y), float(d.w), float(d.h)); break;
            case DrawKind::Line: DrawLine(float(d.x), float(d.y), float(d.x + d.w - 1), float(d.y + d.h - 1)); break;
            case DrawKind::Text: DrawText(d.text, float(d.x), float(d.y)); break;
        }
    }

    void EndFrame() override { zglSwapBuffers(); }

    std::vector<uint32_t> Pixels() const override {
        std::vector<uint32_t> pixels(size_t(kWidth) * kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) pixels[size_t(y) * kWidth + x] = BackBufferPixel(x, y);
        return pixels;
    }

private:
    const Scene& scene_;
    bool plain_;
    std::vector<ImagePtr> images_;
};

}  // namespace

// Every frame drawn in full: this measures the drawing, not what a frame can skip.
HeadlessDisplay::HeadlessDisplay() {
    UseBackend(Backend::Headless);
    Graphics(kWidth, kHeight, 0, 60);
    SetRedrawMode(RedrawMode::Full);
}

HeadlessDisplay::~HeadlessDisplay() { EndGraphics(); }

std::unique_ptr<Renderer> MakeKorvexRenderer(const Scene& scene, Kernels kernels) {
    return std::make_unique<KorvexRenderer>(scene, kernels);
}

}  // namespace kvx::bench
