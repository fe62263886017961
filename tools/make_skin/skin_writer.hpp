#pragma once
// Writes the generated files below the graphics folder and remembers failures.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/art/canvas.hpp"

namespace kvx {

class SkinWriter {
public:
    explicit SkinWriter(std::filesystem::path graphicsDir);

    // A skin image, written under Default_Skin/.
    void SkinImage(const std::string& name, const art::Canvas& canvas, art::Layout layout);
    // Cursor strips and the logo, written beside the skin folder.
    void Graphic(const std::string& name, const art::Canvas& canvas, art::Layout layout);
    // 16-bit stereo frames (left, right, left, ...) at 44100 Hz, beside the skin folder.
    void Sound(const std::string& name, const std::vector<int16_t>& samples);

    int Written() const { return written_; }
    int Failures() const { return failures_; }

private:
    void Count(bool ok, const std::filesystem::path& path);

    std::filesystem::path graphicsDir_;
    int written_ = 0;
    int failures_ = 0;
};

}  // namespace kvx
