#include "skin_writer.hpp"

#include <cstdio>
#include <utility>

#include "wav_writer.hpp"

namespace kvx {

SkinWriter::SkinWriter(std::filesystem::path graphicsDir) : graphicsDir_(std::move(graphicsDir)) {
    std::error_code ignored;
    std::filesystem::create_directories(graphicsDir_ / "Default_Skin", ignored);
}

void SkinWriter::SkinImage(const std::string& name, const art::Canvas& canvas, art::Layout layout) {
    const auto path = graphicsDir_ / "Default_Skin" / name;
    Count(art::SavePng(canvas, layout, path.string()), path);
}

void SkinWriter::Graphic(const std::string& name, const art::Canvas& canvas, art::Layout layout) {
    const auto path = graphicsDir_ / name;
    Count(art::SavePng(canvas, layout, path.string()), path);
}

void SkinWriter::Sound(const std::string& name, const std::vector<int16_t>& samples) {
    const auto path = graphicsDir_ / name;
    Count(WriteStereoWav(path.string(), samples, 44100), path);
}

void SkinWriter::Count(bool ok, const std::filesystem::path& path) {
    if (ok) {
        ++written_;
    } else {
        ++failures_;
        std::fprintf(stderr, "make_skin: cannot write %s\n", path.string().c_str());
    }
}

}  // namespace kvx
