#include "platform/clipboard.hpp"

#include <SDL.h>

#include "platform/display.hpp"

namespace kvx {
namespace {

constexpr unsigned char kFirstNonAscii = 0x80;
constexpr char kUnmappable = '?';

// What this process put there last: what a clipboard without a window system holds.
std::string& KeptText() {
    static std::string text;
    return text;
}

std::string Utf8Of(const std::string& latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < kFirstNonAscii) {
            utf8 += c;
        } else {
            utf8 += char(0xC0 | (byte >> 6));
            utf8 += char(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

// Characters beyond Latin-1 have no byte of ours: they become '?'.
std::string Latin1Of(const char* utf8) {
    std::string text;
    for (const char* p = utf8; *p;) {
        const auto lead = static_cast<unsigned char>(*p++);
        if (lead < kFirstNonAscii) {
            text += char(lead);
            continue;
        }
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        int code = lead & (0x3F >> extra);
        for (; extra > 0 && (static_cast<unsigned char>(*p) & 0xC0) == 0x80; --extra)
            code = (code << 6) | (*p++ & 0x3F);
        text += extra == 0 && code <= 0xFF ? char(code) : kUnmappable;
    }
    return text;
}

bool SystemClipboard() { return CurrentBackend() == Backend::Sdl && SDL_WasInit(SDL_INIT_VIDEO) != 0; }

}  // namespace

void SetClipboardText(const std::string& text) {
    KeptText() = text;
    if (SystemClipboard()) SDL_SetClipboardText(Utf8Of(text).c_str());
}

std::string ClipboardText() {
    if (!SystemClipboard() || !SDL_HasClipboardText()) return KeptText();
    char* utf8 = SDL_GetClipboardText();
    if (!utf8) return KeptText();
    std::string text = Latin1Of(utf8);
    SDL_free(utf8);
    return text;
}

}  // namespace kvx
