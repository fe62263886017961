// make_demos <demo folder>: writes the demo pictures (the repository's KVX_Demos/).
// The output is deterministic.
#include <cstdio>
#include <filesystem>
#include <string>

#include "demos.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demos <demo folder>\n");
        return 2;
    }
    using kvx::art::Layout;
    using kvx::art::Look;
    const std::filesystem::path dir(argv[1]);
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    int failures = 0;
    auto save = [&](const char* name, const kvx::art::Canvas& canvas, Layout layout, bool dither) {
        const std::string path = (dir / name).string();
        if (kvx::art::SavePng(canvas, layout, path, dither)) return;
        std::fprintf(stderr, "make_demos: cannot write %s\n", path.c_str());
        ++failures;
    };
    save("KorvexStudio-1024.png", kvx::StudioBackground(), Layout::Rgb, true);
    save("Background_01.png", kvx::AppBackground(), Layout::Rgb, true);
    save("Icon_04_hi.png", kvx::IconButton(Look::Hover), Layout::Rgba, false);
    save("Icon_04_un.png", kvx::IconButton(Look::Normal), Layout::Rgba, false);
    save("Icon_04_se.png", kvx::IconButton(Look::Pressed), Layout::Rgba, false);
    save("Image_01.png", kvx::Landscape(), Layout::Rgb, true);
    return failures == 0 ? 0 : 1;
}
