// The committed skin, cursors, sounds and demo pictures: names, stored sizes,
// alpha layout, and the properties the toolkit's loaders rely on.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/pixmap.hpp"

namespace kvx {
namespace {

namespace fs = std::filesystem;

fs::path SourceDir() {
    const char* dir = std::getenv("KVX_SOURCE_DIR");
    return dir && *dir ? fs::path(dir) : fs::current_path();
}

fs::path Graphics() { return SourceDir() / "KVX_Graphics"; }

struct Entry {
    const char* name;
    int width, height;
    bool alpha;
};

constexpr bool RGBA = true, RGB = false;

// Every image of the skin table, with its stored size and layout.
constexpr Entry kSkin[] = {
    {"Window_title_left_se.png", 15, 23, RGBA},
    {"Window_title_middle_se.png", 86, 23, RGB},
    {"Window_title_right_se.png", 15, 23, RGBA},
    {"Window_title_left_un.png", 15, 23, RGBA},
    {"Window_title_middle_un.png", 86, 23, RGB},
    {"Window_title_right_un.png", 15, 23, RGBA},
    {"Window_Body.png", 256, 256, RGB},
    {"Window_Lock_hi.png", 20, 20, RGBA},
    {"Window_Lock_se.png", 20, 20, RGBA},
    {"Window_Lock_un.png", 20, 20, RGBA},
    {"Window_Minimize_hi.png", 20, 20, RGBA},
    {"Window_Minimize_se.png", 20, 20, RGBA},
    {"Window_Minimize_un.png", 20, 20, RGBA},
    {"Window_Close_hi.png", 20, 20, RGBA},
    {"Window_Close_se.png", 20, 20, RGBA},
    {"Window_Close_un.png", 20, 20, RGBA},
    {"Button_left_hi.png", 15, 23, RGBA},
    {"Button_middle_hi.png", 15, 23, RGBA},
    {"Button_right_hi.png", 15, 23, RGBA},
    {"Button_left_un.png", 15, 23, RGBA},
    {"Button_middle_un.png", 15, 23, RGBA},
    {"Button_right_un.png", 15, 23, RGBA},
    {"Button_left_se.png", 15, 23, RGBA},
    {"Button_middle_se.png", 15, 23, RGBA},
    {"Button_right_se.png", 15, 23, RGBA},
    {"Checkbox_un.png", 18, 18, RGB},
    {"Checkbox_se.png", 18, 18, RGB},
    {"Arrow_Left_hi.png", 20, 20, RGB},
    {"Arrow_Left_un.png", 20, 20, RGB},
    {"Arrow_Left_se.png", 20, 20, RGB},
    {"Arrow_Right_hi.png", 20, 20, RGB},
    {"Arrow_Right_un.png", 20, 20, RGB},
    {"Arrow_Right_se.png", 20, 20, RGB},
    {"Arrow_Up_hi.png", 20, 20, RGB},
    {"Arrow_Up_un.png", 20, 20, RGB},
    {"Arrow_Up_se.png", 20, 20, RGB},
    {"Arrow_Down_hi.png", 20, 20, RGB},
    {"Arrow_Down_un.png", 20, 20, RGB},
    {"Arrow_Down_se.png", 20, 20, RGB},
    {"Input_Unselect.png", 256, 20, RGB},
    {"Input_Select.png", 256, 20, RGB},
    {"Progress_Body.png", 256, 21, RGB},
    {"Progress_Bar.png", 256, 18, RGB},
    {"Combo_Symbol_un.png", 20, 20, RGB},
    {"Combo_Symbol_se.png", 20, 20, RGB},
    {"Combo_Body_un.png", 256, 20, RGB},
    {"Combo_Body_se.png", 256, 20, RGB},
    {"Combo_Bar_un.png", 128, 16, RGB},
    {"Combo_Bar_se.png", 128, 16, RGB},
    {"Scrollbar_Horizontal_Body.png", 256, 20, RGB},
    {"Scrollbar_Vertical_Body.png", 20, 256, RGB},
    {"Listbox_Body.png", 256, 256, RGB},
    {"Tab_Body.png", 256, 256, RGB},
    {"Tab_Horizontal_Border.png", 256, 6, RGB},
    {"Tab_left_un.png", 8, 24, RGBA},
    {"Tab_middle_un.png", 128, 24, RGB},
    {"Tab_right_un.png", 8, 24, RGBA},
    {"Tab_left_se.png", 8, 24, RGBA},
    {"Tab_middle_se.png", 128, 24, RGB},
    {"Tab_right_se.png", 8, 24, RGBA},
    {"Menu_Bar.png", 128, 30, RGBA},
    {"Menu_Checkmark.png", 15, 15, RGBA},
    {"Messagebox_Ask.png", 64, 64, RGBA},
    {"Messagebox_Warning.png", 64, 64, RGBA},
    {"Messagebox_Alert.png", 64, 64, RGBA},
    {"Icon_Default.png", 16, 16, RGBA},
    {"Icon_Item.png", 16, 16, RGBA},
    {"Icon_Folder.png", 16, 16, RGBA},
    {"Icon_Screen.png", 16, 16, RGBA},
    {"Icon_Picture.png", 16, 16, RGBA},
    {"Icon_Sound.png", 16, 16, RGBA},
    {"Icon_Archive.png", 16, 16, RGBA},
    {"Icon_Document.png", 16, 16, RGBA},
    {"Icon_Program.png", 16, 16, RGBA},
    {"Icon_Web.png", 16, 16, RGBA},
    {"Icon_CDROM.png", 16, 16, RGBA},
    {"Icon_Floppy.png", 16, 16, RGBA},
    {"Icon_Drive.png", 16, 16, RGBA},
    {"Icon_Network.png", 16, 16, RGBA},
    {"Icon_Ramdrive.png", 16, 16, RGBA},
};

struct Strip {
    const char* name;
    int width, height, cellWidth, cellHeight, frames;
};

constexpr Strip kCursors[] = {
    {"Mouse01_Normal.png", 280, 30, 28, 30, 9}, {"Mouse01_Help.png", 336, 30, 28, 30, 11},
    {"Mouse01_Busy.png", 224, 32, 32, 32, 6},   {"Mouse02_Normal.png", 224, 32, 32, 32, 6},
    {"Mouse02_Help.png", 224, 32, 32, 32, 6},   {"Mouse02_Busy.png", 224, 32, 32, 32, 6},
};

struct PngHeader {
    bool ok = false;
    int width = 0, height = 0;
    bool alpha = false;
};

PngHeader ReadHeader(const fs::path& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    PngHeader header;
    if (!png_image_begin_read_from_file(&image, path.string().c_str())) return header;
    header = {true, int(image.width), int(image.height), (image.format & PNG_FORMAT_FLAG_ALPHA) != 0};
    png_image_free(&image);
    return header;
}

// Masked loading turns exact black into transparency, so a visible pixel must never be black.
int VisibleBlackPixels(const Pixmap& pixmap) {
    return int(std::count_if(pixmap.pixels.begin(), pixmap.pixels.end(),
                             [](uint32_t p) { return (p & 0xFFFFFFu) == 0 && (p >> 24) != 0; }));
}

// Transparent pixels are stored black, so resizing blends nothing stray into the edges.
int ColouredTransparentPixels(const Pixmap& pixmap) {
    return int(
        std::count_if(pixmap.pixels.begin(), pixmap.pixels.end(), [](uint32_t p) { return p >> 24 == 0 && p != 0; }));
}

TEST(SkinAssets, SkinTableFilesHaveTheirStoredSizesAndAlphaLayout) {
    std::set<std::string> expected;
    for (const Entry& entry : kSkin) {
        SCOPED_TRACE(entry.name);
        expected.insert(entry.name);
        const PngHeader header = ReadHeader(Graphics() / "Default_Skin" / entry.name);
        ASSERT_TRUE(header.ok);
        EXPECT_EQ(header.width, entry.width);
        EXPECT_EQ(header.height, entry.height);
        EXPECT_EQ(header.alpha, entry.alpha);
    }
    EXPECT_EQ(expected.size(), 80u);
    std::set<std::string> present;
    for (const auto& file : fs::directory_iterator(Graphics() / "Default_Skin"))
        present.insert(file.path().filename().string());
    EXPECT_EQ(present, expected);

    const PngHeader logo = ReadHeader(Graphics() / "KorvexLogo.png");
    ASSERT_TRUE(logo.ok);
    EXPECT_EQ(logo.width, 400);
    EXPECT_EQ(logo.height, 211);
}

TEST(SkinAssets, NoVisiblePixelIsTheMaskColour) {
    for (const Entry& entry : kSkin) {
        SCOPED_TRACE(entry.name);
        const PixmapPtr pixmap = LoadPixmap((Graphics() / "Default_Skin" / entry.name).string());
        ASSERT_TRUE(pixmap);
        EXPECT_EQ(VisibleBlackPixels(*pixmap), 0);
        EXPECT_EQ(ColouredTransparentPixels(*pixmap), 0);
        if (!entry.alpha) {
            EXPECT_TRUE(
                std::all_of(pixmap->pixels.begin(), pixmap->pixels.end(), [](uint32_t p) { return p >> 24 == 255; }));
        }
    }
    for (const Strip& strip : kCursors) {
        SCOPED_TRACE(strip.name);
        const PixmapPtr pixmap = LoadPixmap((Graphics() / strip.name).string());
        ASSERT_TRUE(pixmap);
        EXPECT_EQ(VisibleBlackPixels(*pixmap), 0);
        EXPECT_EQ(ColouredTransparentPixels(*pixmap), 0);
    }
}

// Images that differ only in their look suffix must really look different.
TEST(SkinAssets, LooksOfOneControlDiffer) {
    std::map<std::string, std::vector<PixmapPtr>> looks;
    for (const Entry& entry : kSkin) {
        const std::string name = entry.name;
        const size_t suffix = name.size() - std::string("_un.png").size();
        const std::string tail = name.substr(suffix);
        if (tail != "_un.png" && tail != "_hi.png" && tail != "_se.png") continue;
        looks[name.substr(0, suffix)].push_back(LoadPixmap((Graphics() / "Default_Skin" / name).string()));
    }
    EXPECT_EQ(looks.size(), 20u);
    for (const auto& [stem, pixmaps] : looks) {
        SCOPED_TRACE(stem);
        EXPECT_GE(pixmaps.size(), 2u);
        for (size_t i = 0; i < pixmaps.size(); ++i) {
            ASSERT_TRUE(pixmaps[i]);
            for (size_t j = i + 1; j < pixmaps.size(); ++j) EXPECT_NE(pixmaps[i]->pixels, pixmaps[j]->pixels);
        }
    }
}

TEST(SkinAssets, CursorStripsHoldAnimatedFramesWithTheTipOnTheHotSpot) {
    for (const Strip& strip : kCursors) {
        SCOPED_TRACE(strip.name);
        const PixmapPtr pixmap = LoadPixmap((Graphics() / strip.name).string());
        ASSERT_TRUE(pixmap);
        ASSERT_EQ(pixmap->width, strip.width);
        ASSERT_EQ(pixmap->height, strip.height);
        ASSERT_LE(strip.frames * strip.cellWidth, strip.width);
        ASSERT_EQ(strip.cellHeight, strip.height);
        std::vector<std::vector<uint32_t>> frames;
        for (int frame = 0; frame < strip.frames; ++frame) {
            std::vector<uint32_t> cell;
            for (int y = 0; y < strip.cellHeight; ++y)
                for (int x = 0; x < strip.cellWidth; ++x) cell.push_back(pixmap->at(frame * strip.cellWidth + x, y));
            EXPECT_GT(cell[0] >> 24, 128u) << "frame " << frame << ": the hot spot pixel is not drawn";
            frames.push_back(std::move(cell));
        }
        for (int a = 0; a < strip.frames; ++a)
            for (int b = a + 1; b < strip.frames; ++b)
                EXPECT_NE(frames[a], frames[b]) << "frames " << a << " and " << b << " are equal";
    }
}

struct Wav {
    std::string riff, wave, fmt, data;
    uint32_t riffSize = 0, fmtSize = 0, dataSize = 0, rate = 0, byteRate = 0;
    uint16_t format = 0, channels = 0, blockAlign = 0, bits = 0;
    std::vector<int16_t> samples;
    size_t fileSize = 0;
};

Wav ReadWav(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Wav wav;
    wav.fileSize = bytes.size();
    if (bytes.size() < 44) return wav;
    auto u32 = [&](size_t at) {
        return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
               uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
    };
    auto u16 = [&](size_t at) { return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8); };
    wav.riff = bytes.substr(0, 4);
    wav.riffSize = u32(4);
    wav.wave = bytes.substr(8, 4);
    wav.fmt = bytes.substr(12, 4);
    wav.fmtSize = u32(16);
    wav.format = u16(20);
    wav.channels = u16(22);
    wav.rate = u32(24);
    wav.byteRate = u32(28);
    wav.blockAlign = u16(32);
    wav.bits = u16(34);
    wav.data = bytes.substr(36, 4);
    wav.dataSize = u32(40);
    for (size_t at = 44; at + 1 < bytes.size(); at += 2) wav.samples.push_back(int16_t(u16(at)));
    return wav;
}

TEST(SkinAssets, SoundsArePcmStereoWithTheExactSampleBytes) {
    const std::pair<const char*, uint32_t> sounds[] = {{"Button_Click.wav", 21248}, {"Message_Alert.wav", 88496}};
    for (const auto& [name, bytes] : sounds) {
        SCOPED_TRACE(name);
        const Wav wav = ReadWav(Graphics() / name);
        EXPECT_EQ(wav.riff, "RIFF");
        EXPECT_EQ(wav.wave, "WAVE");
        EXPECT_EQ(wav.fmt, "fmt ");
        EXPECT_EQ(wav.fmtSize, 16u);
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 2);
        EXPECT_EQ(wav.rate, 44100u);
        EXPECT_EQ(wav.byteRate, 44100u * 4);
        EXPECT_EQ(wav.blockAlign, 4);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_EQ(wav.data, "data");
        EXPECT_EQ(wav.dataSize, bytes);
        EXPECT_EQ(wav.fileSize, 44u + bytes);
        EXPECT_EQ(wav.riffSize, 36u + bytes);
        int peak = 0;
        for (int16_t s : wav.samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 3000) << "too quiet to hear";
        EXPECT_LT(peak, 32767) << "clipped";
        ASSERT_GE(wav.samples.size(), 2u);
        EXPECT_LT(std::abs(int(wav.samples.back())), 64) << "does not end on silence";
    }
}

TEST(SkinAssets, DemoPicturesHaveTheirSizes) {
    const Entry demos[] = {{"KorvexStudio-1024.png", 1024, 768, RGB}, {"Background_01.png", 1024, 768, RGB},
                           {"Icon_04_hi.png", 64, 64, RGBA},          {"Icon_04_un.png", 64, 64, RGBA},
                           {"Icon_04_se.png", 64, 64, RGBA},          {"Image_01.png", 256, 192, RGB}};
    for (const Entry& demo : demos) {
        SCOPED_TRACE(demo.name);
        const PngHeader header = ReadHeader(SourceDir() / "KVX_Demos" / demo.name);
        ASSERT_TRUE(header.ok);
        EXPECT_EQ(header.width, demo.width);
        EXPECT_EQ(header.height, demo.height);
        EXPECT_EQ(header.alpha, demo.alpha);
    }
    // The three looks of the icon button must differ from each other.
    const PixmapPtr hover = LoadPixmap((SourceDir() / "KVX_Demos/Icon_04_hi.png").string());
    const PixmapPtr normal = LoadPixmap((SourceDir() / "KVX_Demos/Icon_04_un.png").string());
    const PixmapPtr pressed = LoadPixmap((SourceDir() / "KVX_Demos/Icon_04_se.png").string());
    ASSERT_TRUE(hover && normal && pressed);
    EXPECT_NE(hover->pixels, normal->pixels);
    EXPECT_NE(normal->pixels, pressed->pixels);
    EXPECT_NE(hover->pixels, pressed->pixels);
}

}  // namespace
}  // namespace kvx
