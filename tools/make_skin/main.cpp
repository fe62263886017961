// make_skin <graphics folder>: writes the toolkit's skin images, logo, cursor
// strips and sounds (the repository's KVX_Graphics/). The output is deterministic.
#include <cstdio>

#include "parts.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_skin <graphics folder>\n");
        return 2;
    }
    kvx::SkinWriter out(argv[1]);
    kvx::WriteWindowParts(out);
    kvx::WriteButtonParts(out);
    kvx::WriteFieldParts(out);
    kvx::WriteTabParts(out);
    kvx::WriteMenuParts(out);
    kvx::WriteMessageSymbols(out);
    kvx::WriteIcons(out);
    kvx::WriteLogo(out);
    kvx::WriteCursors(out);
    kvx::WriteSounds(out);
    std::printf("make_skin: %d files written, %d failed\n", out.Written(), out.Failures());
    return out.Failures() == 0 ? 0 : 1;
}
