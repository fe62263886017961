// The SDL2 backend: a real window or full screen, mouse, keyboard, text input and sound.
#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/backend.hpp"
#include "platform/input.hpp"
#include "platform/sdl_audio.hpp"
#include "platform/sdl_keymap.hpp"

namespace kvx {
namespace {

int DepthOf(Uint32 format) {
    if (SDL_BYTESPERPIXEL(format) == 4) return 32;
    if (SDL_BITSPERPIXEL(format) == 24) return 24;
    return int(SDL_BITSPERPIXEL(format)) >= 15 ? 16 : int(SDL_BITSPERPIXEL(format));
}

// Decodes one UTF-8 sequence; returns the code point and advances the pointer.
int NextCodePoint(const char*& p) {
    const auto lead = static_cast<unsigned char>(*p++);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    int code = lead & (0x3F >> extra);
    for (; extra > 0 && (static_cast<unsigned char>(*p) & 0xC0) == 0x80; --extra) code = (code << 6) | (*p++ & 0x3F);
    return extra == 0 ? code : -1;
}

class Sdl final : public DisplayBackend {
public:
    std::vector<DisplayMode> Modes() override {
        std::vector<DisplayMode> modes;
        if (!InitVideo()) return modes;
        const int count = SDL_GetNumDisplayModes(0);
        for (int i = 0; i < count; ++i) {
            SDL_DisplayMode mode;
            if (SDL_GetDisplayMode(0, i, &mode) == 0) {
                modes.push_back({mode.w, mode.h, DepthOf(mode.format), mode.refresh_rate});
            }
        }
        return modes;
    }

    bool Open(int width, int height, int depth, int hz) override {
        if (!InitVideo()) return false;
        Uint32 flags = SDL_WINDOW_SHOWN | (depth != 0 ? SDL_WINDOW_FULLSCREEN : 0);
        window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
        if (!window_) return false;
        if (depth != 0) {
            SDL_DisplayMode want{SDL_PIXELFORMAT_UNKNOWN, width, height, hz, nullptr}, got;
            if (SDL_GetClosestDisplayMode(0, &want, &got)) SDL_SetWindowDisplayMode(window_, &got);
        }
        SDL_ShowCursor(pointerVisible_ ? SDL_ENABLE : SDL_DISABLE);
        SDL_StartTextInput();
        showWhole_ = true;
        return true;
    }

    void Close() override {
        if (window_) SDL_DestroyWindow(window_);
        window_ = nullptr;
    }

    // Frames are copied into the window surface, the fastest path on software X servers: only the
    // boxes that changed, unless the window has to be shown whole (new, uncovered or resized).
    void Present(const BackBuffer& buffer, const std::vector<Box>& changed) override {
        if (!window_) return;
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface) return;
        const Box shown{0, 0, std::min(surface->w, buffer.width), std::min(surface->h, buffer.height)};
        std::vector<SDL_Rect> rects;
        for (const Box& box : showWhole_ ? std::vector<Box>{shown} : changed) {
            const Box part = Intersection(box, shown);
            if (!IsEmpty(part)) rects.push_back({part.x0, part.y0, part.x1 - part.x0, part.y1 - part.y0});
        }
        if (rects.empty()) return;
        if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
        for (const SDL_Rect& rect : rects) Copy(buffer, *surface, rect);
        if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
        SDL_UpdateWindowSurfaceRects(window_, rects.data(), int(rects.size()));
        showWhole_ = false;
    }

    // The window surface never waits for the retrace, whatever interval is asked.
    void SetSwapInterval(int) override {}

    void PumpEvents(InputState& input) override {
        if (!videoReady_) return;
        SDL_Event event;
        while (SDL_PollEvent(&event)) Handle(input, event);
    }

    // The program's text is Latin-1; the window system wants UTF-8.
    void SetTitle(const std::string& title) override {
        title_.clear();
        for (const char c : title) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                title_ += c;
            } else {
                title_ += char(0xC0 | (byte >> 6));
                title_ += char(0x80 | (byte & 0x3F));
            }
        }
        if (window_) SDL_SetWindowTitle(window_, title_.c_str());
    }

    // The event stays queued for PumpEvents.
    void WaitForEvent(int timeoutMs) override {
        if (videoReady_) SDL_WaitEventTimeout(nullptr, timeoutMs);
    }

    void SetPointerVisible(bool visible) override {
        pointerVisible_ = visible;
        if (videoReady_) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    }

    void WarpPointer(InputState& input, int x, int y) override {
        if (window_) SDL_WarpMouseInWindow(window_, x, y);
        input.mouseX = x;
        input.mouseY = y;
    }

    void Play(const SoundPtr& sound) override { SdlPlay(sound); }

private:
    static void Copy(const BackBuffer& buffer, SDL_Surface& surface, const SDL_Rect& rect) {
        const Uint32* from = buffer.pixels.data() + size_t(rect.y) * buffer.width + rect.x;
        Uint8* to = static_cast<Uint8*>(surface.pixels) + size_t(rect.y) * surface.pitch +
                    size_t(rect.x) * surface.format->BytesPerPixel;
        if (surface.format->format == SDL_PIXELFORMAT_RGB888 || surface.format->format == SDL_PIXELFORMAT_ARGB8888) {
            for (int y = 0; y < rect.h; ++y) {
                std::memcpy(to + size_t(y) * surface.pitch, from + size_t(y) * buffer.width, size_t(rect.w) * 4);
            }
        } else {
            SDL_ConvertPixels(rect.w, rect.h, SDL_PIXELFORMAT_RGB888, from, buffer.width * 4, surface.format->format,
                              to, surface.pitch);
        }
    }

    bool InitVideo() {
        if (videoReady_) return true;
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        videoReady_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        return videoReady_;
    }

    static int ButtonOf(Uint8 button) {
        switch (button) {
            case SDL_BUTTON_LEFT: return 1;
            case SDL_BUTTON_RIGHT: return 2;
            case SDL_BUTTON_MIDDLE: return 3;
            default: return 0;
        }
    }

    void Handle(InputState& input, const SDL_Event& event) {
        switch (event.type) {
            case SDL_QUIT: input.terminate = true; break;
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_CLOSE) input.terminate = true;
                // Keys released while another window had the focus would stay held.
                if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) input.Queue({InputEvent::Type::ReleaseAll});
                // What the window showed may be gone: the next present shows it whole.
                if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SHOWN ||
                    event.window.event == SDL_WINDOWEVENT_RESTORED ||
                    event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    showWhole_ = true;
                }
                break;
            case SDL_MOUSEMOTION: input.QueueMove(event.motion.x, event.motion.y); break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                input.QueueButton(ButtonOf(event.button.button), event.type == SDL_MOUSEBUTTONDOWN, event.button.x,
                                  event.button.y);
                break;
            case SDL_MOUSEWHEEL:
                input.QueueWheel(event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y);
                break;
            case SDL_KEYDOWN:
                // The toolkit times its own repeats, the same in every backend.
                if (!event.key.repeat) input.QueueKey(VirtualKeyOf(event.key.keysym.sym), true);
                break;
            case SDL_KEYUP: KeyUp(input, event.key.keysym); break;
            case SDL_TEXTINPUT:
                for (const char* p = event.text.text; *p;) input.QueueChar(NextCodePoint(p));
                break;
            default: break;
        }
    }

    // Shift, Ctrl and Alt have a left and a right key but one code: held while either is. The
    // event's own modifiers are those after it, whatever came since.
    static void KeyUp(InputState& input, const SDL_Keysym& key) {
        const int code = VirtualKeyOf(key.sym);
        const Uint16 mods = key.mod;
        if ((code == KEY_SHIFT && (mods & KMOD_SHIFT)) || (code == KEY_CONTROL && (mods & KMOD_CTRL)) ||
            (code == KEY_ALT && (mods & KMOD_ALT))) {
            return;
        }
        input.QueueKey(code, false);
    }

    SDL_Window* window_ = nullptr;
    std::string title_ = "Korvex";
    bool videoReady_ = false;
    bool pointerVisible_ = true;
    bool showWhole_ = true;
};

}  // namespace

DisplayBackend& SdlBackend() {
    static Sdl backend;
    return backend;
}

}  // namespace kvx
