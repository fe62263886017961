// make_fon <input font> <output.fon> [face name]
// Converts a bitmap font FreeType can read (for example a .pcf.gz) into a Windows .fon
// holding one raster font for the characters 32..255.
#include <algorithm>
#include <fstream>
#include <iostream>

#include "cell_font.hpp"
#include "fnt_writer.hpp"
#include "ne_writer.hpp"

namespace {

constexpr size_t kMaxFaceName = 31;  // Windows keeps 32 bytes with the terminator

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    return bool(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: make_fon <input font> <output.fon> [face name]\n";
        return 2;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];
    std::string error;
    std::optional<kvx::CellFont> font = kvx::ReadCellFont(input, error);
    if (!font) {
        std::cerr << "make_fon: " << input << ": " << error << "\n";
        return 1;
    }
    if (argc == 4) font->faceName = argv[3];
    if (font->faceName.empty()) font->faceName = "Bitmap";
    font->faceName.resize(std::min(font->faceName.size(), kMaxFaceName));
    if (font->droppedPixels > 0)
        std::cerr << "make_fon: " << input << ": warning: " << font->droppedPixels
                  << " pixels lie outside their character cells and were dropped\n";

    const std::optional<std::vector<uint8_t>> fon =
        kvx::BuildFon(kvx::BuildFnt(*font), font->faceName, kvx::NominalPoints(*font));
    if (!fon) {
        std::cerr << "make_fon: " << input << ": the font is too large for a .fon file\n";
        return 1;
    }
    if (!WriteFile(output, *fon)) {
        std::cerr << "make_fon: cannot write " << output << "\n";
        return 1;
    }
    return 0;
}
