#include "pak_test_support.hpp"

using namespace kvx;
using namespace kvx::test;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

// 16-bit stereo at 44100 Hz: the mixer's own format, so the samples come back unchanged.
std::string Wav(const std::string& samples) {
    auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    return "RIFF" + Int32Text(int32_t(36 + samples.size())) + "WAVEfmt " + Int32Text(16) + u16(1) + u16(2) +
           Int32Text(44100) + Int32Text(44100 * 4) + u16(4) + u16(16) + "data" + Int32Text(int32_t(samples.size())) +
           samples;
}

Pixmap Picture(int width, int height, uint32_t seed) {
    Pixmap pixmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixmap.at(x, y) = 0xff000000u | (seed * 2654435761u + uint32_t(x * 977 + y * 131)) | 0x010101u;
    return pixmap;
}

class PakLoadersTest : public PakTest {
protected:
    void SetUp() override {
        PakTest::SetUp();
        picture_ = Picture(5, 3, 1);
        strip_ = Picture(8, 4, 2);
        ASSERT_TRUE(SavePixmapPNG(picture_, Path("Pic.png")));
        ASSERT_TRUE(SavePixmapPNG(strip_, Path("strip.png")));
        for (int i = 0; i < 400; ++i) samples_ += char(i * 7);
        Put("beep.wav", Wav(samples_));
        Put("notes.txt", "not a picture");
        pak_ = Path("res.pak");
        CaptureStdout();
        CreatePak(pak_);
        for (const char* name : {"Pic.png", "strip.png", "beep.wav", "notes.txt"}) AddFile(Path(name));
        ClosePak();
        GetCapturedStdout();
    }

    Pixmap picture_, strip_;
    std::string samples_;
    std::string pak_;
};

TEST_F(PakLoadersTest, ResourcesLoadFromTheArchiveInBothModes) {
    for (uint8_t inMemory : {0, 1}) {
        SCOPED_TRACE(int(inMemory));
        CaptureStdout();
        InitPak(pak_, inMemory);

        PixmapPtr pixmap = LoadPakPixmap("pic.PNG");  // matched ignoring case, stored as "Pic.png"
        ASSERT_TRUE(pixmap);
        EXPECT_EQ(pixmap->width, 5);
        EXPECT_EQ(pixmap->pixels, picture_.pixels);

        ImagePtr image = LoadPakImage("Pic.png", 0);
        ASSERT_TRUE(image);
        EXPECT_EQ(ImageWidth(image), 5);
        EXPECT_EQ(ImageHeight(image), 3);

        ImagePtr cells = LoadPakAnimImage("strip.png", 4, 4, 0, 2, 0);
        ASSERT_TRUE(cells);
        ASSERT_EQ(cells->frames.size(), 2u);
        EXPECT_EQ(cells->frames[1].pixmap->at(0, 0), strip_.at(4, 0));
        EXPECT_EQ(cells->frames[0].pixmap->at(3, 3), strip_.at(3, 3));

        SoundPtr sound = LoadPakSound("beep.wav");
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->channels, 2);
        EXPECT_EQ(std::string(sound->samples.begin(), sound->samples.end()), samples_);

        EXPECT_FALSE(LoadPakPixmap("missing.png"));
        EXPECT_FALSE(LoadPakImage("missing.png"));
        EXPECT_FALSE(LoadPakAnimImage("missing.png", 4, 4, 0, 1));
        EXPECT_FALSE(LoadPakSound("missing.wav"));
        EXPECT_FALSE(LoadPakImage("notes.txt"));
        GetCapturedStdout();

        // Temporary files are gone after loading; memory mode never made any.
        EXPECT_TRUE(Listing(Pak().TempDir).empty());
        EXPECT_FALSE(Pak().PakMemoryStream);
    }
}

TEST_F(PakLoadersTest, NothingLoadsWithoutAChosenArchive) {
    CaptureStdout();
    InitPak(Path("missing.pak"), 0);
    EXPECT_FALSE(LoadPakPixmap("Pic.png"));
    EXPECT_FALSE(LoadPakSound("beep.wav"));

    InitPak(pak_, 1);
    fs::remove(pak_);  // chosen, then gone
    EXPECT_FALSE(LoadPakImage("Pic.png"));

    InitPak(Path("Pic.png"), 1);  // a file, but no archive
    EXPECT_FALSE(LoadPakPixmap("Pic.png"));
    GetCapturedStdout();
    EXPECT_TRUE(Listing(Pak().TempDir).empty());
}

TEST_F(PakLoadersTest, LoadingLeavesFilesOfTheEntriesNamesInTheTemporaryFolderAlone) {
    const std::string victim = Put("victim.txt", "private");
    Put("temp/Pic.png", "the user's own picture");
    fs::create_symlink(victim, Pak().TempDir + "/beep.wav");
    CaptureStdout();
    InitPak(pak_, 0);
    EXPECT_TRUE(LoadPakImage("Pic.png"));
    EXPECT_TRUE(LoadPakSound("beep.wav"));
    GetCapturedStdout();
    EXPECT_EQ(ReadText(Pak().TempDir + "/Pic.png"), "the user's own picture");
    EXPECT_TRUE(fs::is_symlink(Pak().TempDir + "/beep.wav"));
    EXPECT_EQ(ReadText(victim), "private");
    EXPECT_EQ(Listing(Pak().TempDir), (std::set<std::string>{"Pic.png", "beep.wav"}));
}

}  // namespace
