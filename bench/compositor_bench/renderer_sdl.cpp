// SDL2's own software renderer on a plain surface: textures blended with colour and alpha mods.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

#include "renderer.hpp"

namespace kvx::bench {
namespace {

Uint8 Alpha8(float alpha) { return Uint8(std::lround(std::clamp(alpha, 0.f, 1.f) * 255)); }

[[noreturn]] void Fail(const char* what) { throw std::runtime_error(std::string(what) + ": " + SDL_GetError()); }

class SdlRenderer final : public Renderer {
public:
    explicit SdlRenderer(const Scene& scene) : scene_(scene) {
        surface_.reset(SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_RGB888));
        if (!surface_) Fail("SDL_CreateRGBSurfaceWithFormat");
        renderer_.reset(SDL_CreateSoftwareRenderer(surface_.get()));
        if (!renderer_) Fail("SDL_CreateSoftwareRenderer");
        SDL_SetRenderDrawBlendMode(renderer_.get(), SDL_BLENDMODE_BLEND);
        // Opaque pictures go in without an alpha channel, as an application that knows them would.
        for (const SceneImage& image : scene.images) {
            const Pixmap& p = *image.pixels;
            images_.push_back(Texture(SDL_PIXELFORMAT_ARGB8888, p.width, p.height, p.pixels.data()));
        }
        for (const Draw& d : scene.draws) {
            for (const PlacedGlyph& g : d.glyphs) {
                if (glyphs_.count(g.code)) continue;
                const Glyph& glyph = scene.font->glyphs[g.code];
                std::vector<uint32_t> white(glyph.coverage.size());
                for (size_t i = 0; i < white.size(); ++i) white[i] = uint32_t(glyph.coverage[i]) << 24 | 0xFFFFFFu;
                glyphs_[g.code] = Texture(SDL_PIXELFORMAT_ARGB8888, glyph.width, glyph.height, white.data());
            }
        }
    }

    const char* Name() const override { return "SDL2 software"; }

    void Render(size_t draw) override {
        const Draw& d = scene_.draws[draw];
        const Tint& t = d.tint;
        switch (d.kind) {
            case DrawKind::Image: {
                const SceneImage& image = scene_.images[size_t(d.image)];
                // An opaque picture drawn untinted needs no blending; SDL copies it when told so.
                const bool copy = image.opaque && t.White() && t.alpha == 1.f;
                SDL_SetTextureBlendMode(images_[size_t(d.image)], copy ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
                Copy(images_[size_t(d.image)], t, {d.x, d.y, image.pixels->width, image.pixels->height});
                break;
            }
            case DrawKind::Rect: {
                SDL_SetRenderDrawColor(renderer_.get(), Uint8(t.r), Uint8(t.g), Uint8(t.b), Alpha8(t.alpha));
                const SDL_Rect rect{d.x, d.y, d.w, d.h};
                SDL_RenderFillRect(renderer_.get(), &rect);
                break;
            }
            case DrawKind::Line:
                SDL_SetRenderDrawColor(renderer_.get(), Uint8(t.r), Uint8(t.g), Uint8(t.b), Alpha8(t.alpha));
                SDL_RenderDrawLine(renderer_.get(), d.x, d.y, d.x + d.w - 1, d.y + d.h - 1);
                break;
            case DrawKind::Text:
                for (const PlacedGlyph& g : d.glyphs) {
                    const Glyph& glyph = scene_.font->glyphs[g.code];
                    Copy(glyphs_.at(g.code), t, {g.x, g.y, glyph.width, glyph.height});
                }
                break;
        }
    }

    void EndFrame() override { SDL_RenderPresent(renderer_.get()); }

    std::vector<uint32_t> Pixels() const override {
        std::vector<uint32_t> pixels(size_t(kWidth) * kHeight);
        for (int y = 0; y < kHeight; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface_->pixels) +
                                                                size_t(y) * surface_->pitch);
            for (int x = 0; x < kWidth; ++x) pixels[size_t(y) * kWidth + x] = row[x] & 0xFFFFFFu;
        }
        return pixels;
    }

private:
    SDL_Texture* Texture(Uint32 format, int w, int h, const uint32_t* pixels) {
        SDL_Texture* t = SDL_CreateTexture(renderer_.get(), format, SDL_TEXTUREACCESS_STATIC, w, h);
        if (!t || SDL_UpdateTexture(t, nullptr, pixels, w * 4) != 0) Fail("SDL_CreateTexture");
        SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
        return t;
    }

    void Copy(SDL_Texture* texture, const Tint& t, const SDL_Rect& dst) {
        SDL_SetTextureColorMod(texture, Uint8(t.r), Uint8(t.g), Uint8(t.b));
        SDL_SetTextureAlphaMod(texture, Alpha8(t.alpha));
        SDL_RenderCopy(renderer_.get(), texture, nullptr, &dst);
    }

    const Scene& scene_;
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface_{nullptr, SDL_FreeSurface};
    // Destroyed first, and with it every texture it made.
    std::unique_ptr<SDL_Renderer, decltype(&SDL_DestroyRenderer)> renderer_{nullptr, SDL_DestroyRenderer};
    std::vector<SDL_Texture*> images_;
    std::map<unsigned char, SDL_Texture*> glyphs_;
};

}  // namespace

std::unique_ptr<Renderer> MakeSdlRenderer(const Scene& scene) { return std::make_unique<SdlRenderer>(scene); }

}  // namespace kvx::bench
