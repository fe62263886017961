// Pictures that cannot be what they claim: cut short, damaged, or declaring more pixels than any
// screen holds. The loaders give nothing for them, before allocating what the header asks for.
#include <zlib.h>

#include <fstream>
#include <functional>
#include <random>

#include "gadgets/custom_button.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/image_box.hpp"
#include "gadgets/window.hpp"
#include "pak/pak_test_support.hpp"
#include "platform/image.hpp"
#include "platform/pixmap.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

std::string BigEndian(uint32_t v) { return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; }

// One chunk with its length and a correct CRC, so only what it says can make it fail.
std::string Chunk(const std::string& type, const std::string& data) {
    const std::string body = type + data;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()));
    return BigEndian(uint32_t(data.size())) + body + BigEndian(uint32_t(crc));
}

// A well-formed RGBA file that declares width x height but carries one row of pixel data.
std::string DeclaredPng(uint32_t width, uint32_t height) {
    const std::string header = BigEndian(width) + BigEndian(height) + std::string("\x08\x06\x00\x00\x00", 5);
    const std::string row(1 + 4 * std::min<uint32_t>(width, 64), '\0');
    std::string packed(compressBound(uLong(row.size())), '\0');
    uLongf packedSize = uLongf(packed.size());
    compress(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(row.data()),
             uLong(row.size()));
    packed.resize(packedSize);
    return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", packed) + Chunk("IEND", "");
}

PixmapPtr FromBytes(const std::string& bytes) {
    return LoadPixmapFromMemory({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

class ImageHostileTest : public testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        std::string pattern = (std::filesystem::temp_directory_path() / "kvx-png-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        ToolkitTest::TearDown();
        std::filesystem::remove_all(dir_);
    }
    std::string Put(const std::string& name, const std::string& bytes) const {
        test::WriteText(dir_ / name, bytes);
        return (dir_ / name).string();
    }
    std::filesystem::path dir_;
};

TEST_F(ImageHostileTest, HugeDeclaredSizesAreRefusedBeforeAllocating) {
    ASSERT_TRUE(FromBytes(DeclaredPng(64, 1))) << "the crafted file itself is well formed";
    const std::string huge = Put("huge.png", DeclaredPng(30000, 30000));
    // 30000 x 30000 would be 3.6 GB of pixels; the child may allocate far less than that.
    EXPECT_TRUE(test::RunWithMemoryCap(
        size_t(96) << 20, [&] { return !LoadPixmap(huge) && !LoadImage(huge) && !LoadAnimImage(huge, 30, 30, 0, 4); }));
    const uint32_t side = kMaxPixmapSide;
    for (const auto& [w, h] : std::initializer_list<std::pair<uint32_t, uint32_t>>{
             {side + 1, 1}, {1, side + 1}, {8193, 8192}, {0x7FFFFFFF, 0x7FFFFFFF}, {0, 10}}) {
        EXPECT_FALSE(FromBytes(DeclaredPng(w, h))) << w << " x " << h;
    }

    // The gadgets that load pictures by path end up with none and still draw.
    const KVX_ImageRef box = KVX_Image::Create(KVX_DesktopWindow, huge, 10, 10, 50, 40, 1);
    EXPECT_EQ(box->ImageHandle, 0);
    const KVX_CustomButtonRef button =
        KVX_CustomButton::Create(KVX_DesktopWindow, "", 80, 10, 40, 40, huge, huge, huge, 1);
    EXPECT_EQ(button->NormalImage, 0);
    KVX_Background(huge);
    Frames(2);
}

TEST_F(ImageHostileTest, TruncatedAndDamagedPicturesGiveNothingOrTheirTrueSize) {
    const std::string original = test::ReadText("KVX_Demos/Image_01.png");
    ASSERT_GT(original.size(), 1000u);
    const PixmapPtr whole = FromBytes(original);
    ASSERT_TRUE(whole);

    int truncated = 0;
    for (size_t cut = 0; cut < original.size(); cut += 1 + cut / 8) {
        EXPECT_FALSE(FromBytes(original.substr(0, cut))) << "cut at " << cut;
        ++truncated;
    }
    EXPECT_FALSE(LoadImage(Put("cut.png", original.substr(0, original.size() / 2))));

    std::mt19937 random(7001);
    int refused = 0;
    for (int copy = 0; copy < 300; ++copy) {
        std::string damaged = original;
        for (size_t i = 0; i < damaged.size() / 100; ++i) damaged[random() % damaged.size()] = char(random());
        const PixmapPtr pixmap = FromBytes(damaged);
        if (!pixmap) {
            ++refused;
            continue;
        }
        EXPECT_EQ(pixmap->width, whole->width);
        EXPECT_EQ(pixmap->height, whole->height);
    }
    EXPECT_GT(refused, 0);
    RecordProperty("truncations", truncated);
    RecordProperty("damaged_refused_of_300", refused);

    // Not a picture at all, under a picture's name.
    EXPECT_FALSE(LoadImage(Put("text.png", "just some text\n")));
    EXPECT_FALSE(LoadImage(Put("empty.png", "")));
    EXPECT_FALSE(LoadImage(dir_.string()));
}

// A process's own memory figure from /proc/self/status, in KiB.
int64_t StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0) return std::stoll(line.substr(field.size() + 1));
    return -1;
}

// How much more memory than it started with `body` held at its peak, run in a child with no cap
// (a cap would only turn a huge allocation into a quick failure); -1 when `body` was false.
int64_t PeakGrowthKb(const std::function<bool()>& body) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return -1;
    fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
        const int64_t before = StatusKb("VmRSS");
        const int64_t growth = body() ? StatusKb("VmHWM") - before : -1;
        _exit(write(pipe_ends[1], &growth, sizeof growth) == sizeof growth ? 0 : 1);
    }
    close(pipe_ends[1]);
    int64_t growth = -1;
    if (read(pipe_ends[0], &growth, sizeof growth) != sizeof growth) growth = -1;
    close(pipe_ends[0]);
    waitpid(child, nullptr, 0);
    return growth;
}

// Chunks that claim more than the file holds: the loader skips what it does not draw and never
// allocates what a chunk's length says (a 44-byte file once cost 2 GiB and seconds per load).
TEST_F(ImageHostileTest, ChunksClaimingGigabytesCostNothing) {
    const std::string picture = DeclaredPng(64, 1);
    const std::string signatureAndHeader = picture.substr(0, 8 + 25);
    for (const char* type : {"tEXt", "zTXt", "iTXt", "sPLT", "iCCP", "abCd"}) {
        const std::string lying = signatureAndHeader + BigEndian(0x7FFFFFF0u) + type + "key";
        ASSERT_EQ(lying.size(), 44u);
        const int64_t growthKb = PeakGrowthKb([&] { return !FromBytes(lying); });
        EXPECT_GE(growthKb, 0) << type;
        EXPECT_LT(growthKb, 16 * 1024) << type;
    }
    // Honest text and profile chunks are passed over: the picture loads as it would without them.
    const std::string withText = signatureAndHeader + Chunk("tEXt", std::string("Comment\0hello", 13)) +
                                 Chunk("zTXt", std::string("key\0\0", 5) + "not zlib at all") + picture.substr(33);
    const PixmapPtr pixmap = FromBytes(withText);
    ASSERT_TRUE(pixmap);
    EXPECT_EQ(pixmap->pixels, FromBytes(picture)->pixels);
}

}  // namespace
}  // namespace kvx
