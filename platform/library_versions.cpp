#include "platform/library_versions.hpp"

#include <SDL.h>
#include <ft2build.h>
#include <png.h>
#include <zlib.h>
#include FT_FREETYPE_H

namespace kvx {
namespace {

std::string SdlVersion() {
    SDL_version linked;
    SDL_GetVersion(&linked);
    return std::to_string(linked.major) + "." + std::to_string(linked.minor) + "." + std::to_string(linked.patch);
}

std::string FreeTypeVersion() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return "unavailable";
    FT_Int major = 0, minor = 0, patch = 0;
    FT_Library_Version(library, &major, &minor, &patch);
    FT_Done_FreeType(library);
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> PlatformLibraryVersions() {
    return {{"SDL2", SdlVersion()},
            {"libpng", png_get_libpng_ver(nullptr)},
            {"FreeType", FreeTypeVersion()},
            {"zlib", zlibVersion()}};
}

}  // namespace kvx
