// Design files as users really meet them after a crash, a bad copy or a careless edit: cut short,
// with bytes changed, or far larger than anything the designer writes. Every one goes through the
// reader the studio's Load uses and makes live gadgets.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>

#include "design/design_reader.hpp"
#include "design/design_writer.hpp"
#include "design/value_encoding.hpp"
#include "support/design_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::DesignedGadgetRef;
using testing::ClearDesign;
using testing::FileBytes;
using testing::PlaceDesigned;
using testing::PutFileBytes;

using Clock = std::chrono::steady_clock;
// Time limits are for a plain build; the sanitizers make the same work several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kSlowdown = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr double kSlowdown = 4;
#else
constexpr double kSlowdown = 1;
#endif
#else
constexpr double kSlowdown = 1;
#endif
double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A field of /proc/self/status in bytes: VmRSS now, VmHWM the peak since the last reset.
int64_t StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == field + ":") {
            int64_t kilobytes = 0;
            status >> kilobytes;
            return kilobytes << 10;
        }
    }
    return 0;
}

// How far the resident size rose above where it stood while `body` ran.
template <class Body>
int64_t PeakGrowth(const Body& body) {
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from now
    const int64_t before = StatusBytes("VmRSS");
    body();
    return StatusBytes("VmHWM") - before;
}

const char* const kChildKinds[] = {"Frame",     "Checkbox",    "Button",  "CustomButton", "ColorIcon",
                                   "Scrollbar", "Progressbar", "Listbox", "Combobox",     "Inputbox",
                                   "Value",     "Labeltext",   "Imagebox"};

class DesignHostileTest : public testing::DesignTest {
protected:
    // Two windows holding every kind, and a check box outside them, saved by the real writer.
    std::string SaveEveryKind() {
        // Small sizes: resizing the skin to each gadget is most of what a load costs.
        auto first = PlaceDesigned("Window", 40, 40, 200, 160);
        for (size_t i = 0; i < std::size(kChildKinds); ++i) {
            PlaceDesigned(kChildKinds[i], 45 + int(i % 4) * 45, 70 + int(i / 4) * 30, 40, 24, first);
        }
        auto second = PlaceDesigned("Window", 500, 300, 100, 60);
        PlaceDesigned("Button", 510, 330, 40, 0, second);
        PlaceDesigned("Checkbox", 900, 700, 0, 0);
        // A small picture of their own for the kinds that load one, decoded on every load.
        const std::string picture = PathIn("tiny.png");
        EXPECT_TRUE(SavePixmapPNG(Pixmap(8, 8, 0xFF336699u), picture));
        for (const DesignedGadgetRef& r : Design().DesignList) {
            if (r->Kind == "Imagebox") r->Image = picture;
            if (r->Kind == "CustomButton") r->ImageOver = r->ImageNormal = r->ImagePress = picture;
        }
        const std::string path = PathIn("every_kind.kvx");
        EXPECT_TRUE(studio::SaveDesignTo(path));
        ClearDesign();
        return FileBytes(path);
    }

    // Loads the bytes, checks that what was made stays within the reader's bounds and that each
    // parent is a window of this design, draws it when asked, and empties the design again.
    size_t LoadChecked(const std::string& bytes, bool draw = true) {
        // In memory where it can be: thousands of rewrites of one file on disk cost more than the loads.
        static const std::string path = std::filesystem::is_directory("/dev/shm")
                                            ? "/dev/shm/kvx_damaged_" + std::to_string(getpid()) + ".kvx"
                                            : PathIn("damaged.kvx");
        PutFileBytes(path, bytes);
        studio::LoadDesignFrom(path);
        const size_t count = Design().DesignList.size();
        for (const DesignedGadgetRef& r : Design().DesignList) {
            EXPECT_NE(r->Gadget, nullptr) << r->Kind;
            EXPECT_LE(std::abs(r->Px), studio::kPositionLimit);
            EXPECT_LE(std::abs(r->Py), studio::kPositionLimit);
            EXPECT_GE(r->Tx, 0);
            EXPECT_LE(r->Tx, studio::kExtentLimit + 5);
            EXPECT_GE(r->Ty, 0);
            EXPECT_LE(r->MaxChar, studio::kTextLengthLimit);
            if (r->ParentWindow) {
                EXPECT_EQ(r->ParentWindow, studio::LiveWindowOf(r->Parent));
            }
        }
        if (draw) Frame();
        ClearDesign();
        std::filesystem::remove(path);
        return count;
    }
};

// Headers found at line starts in a file cut short; a header cut after its last letter still counts.
size_t HeadersIn(const std::string& bytes) {
    size_t count = 0;
    for (const char* kind : {"Window", "Frame", "Checkbox", "Button", "CustomButton", "ColorIcon", "Scrollbar",
                             "Progressbar", "Listbox", "Combobox", "Inputbox", "Value", "Labeltext", "Imagebox"}) {
        std::string header = studio::HeaderLine(kind);
        header.insert(header.begin(), '\n');
        for (size_t at = bytes.find(header); at != std::string::npos; at = bytes.find(header, at + 1)) {
            const size_t end = at + header.size();
            if (end == bytes.size() || bytes[end] == '\r' || bytes[end] == '\n') ++count;
        }
    }
    return count;
}

TEST_F(DesignHostileTest, AFileCutAnywhereLoadsTheSectionsItStillHolds) {
    const std::string bytes = SaveEveryKind();
    ASSERT_EQ(HeadersIn(bytes), 17u);
    // Every cut position within the first and last sections, every seventh elsewhere.
    const size_t firstSectionEnd = bytes.find("[FRAME]"), lastSectionStart = bytes.rfind("[CHECKBOX]") - 30;
    int cuts = 0;
    for (size_t cut = 0; cut <= bytes.size(); ++cut) {
        if (cut > firstSectionEnd && cut < lastSectionStart && cut % 7 != 0) continue;
        const std::string prefix = bytes.substr(0, cut);
        ASSERT_EQ(LoadChecked(prefix, cuts % 25 == 0), HeadersIn(prefix)) << "cut at " << cut;
        ++cuts;
    }
    RecordProperty("cuts", cuts);
}

TEST_F(DesignHostileTest, TwoThousandDamagedCopiesOfARealDesignLoad) {
    const std::string original = SaveEveryKind();
    const size_t changes = original.size() / 100;
    ASSERT_GT(changes, 20u);
    std::mt19937 random(20261208);
    std::uniform_int_distribution<size_t> position(0, original.size() - 1);
    // Bytes that matter to the reader are the likeliest damage to do harm, so they are favoured.
    const std::string telling = "\r\n\0=[]$%-0123456789";
    size_t loaded = 0, made = 0;
    const auto start = Clock::now();
    for (int file = 0; file < 2000; ++file) {
        std::string damaged = original;
        for (size_t i = 0; i < changes; ++i) {
            const uint32_t roll = random();
            damaged[position(random)] = roll % 2 ? char(roll >> 8) : telling[(roll >> 8) % telling.size()];
        }
        made += LoadChecked(damaged, file % 25 == 0);
        ++loaded;
        if (HasFailure()) break;
    }
    const double seconds = SecondsSince(start);
    std::printf("damaged design files loaded: %zu (%zu gadgets made) in %.2f s\n", loaded, made, seconds);
    RecordProperty("damaged_files_loaded", int(loaded));
    EXPECT_EQ(loaded, 2000u);
    EXPECT_GT(made, 2000u) << "most damaged files still hold sections the reader takes";
}

TEST_F(DesignHostileTest, LongLinesHugeNumbersAndAHundredThousandSections) {
    // A megabyte line with no line end at all, after a header: the section takes it as one line.
    std::string longLine = "\r\n[BUTTON]\r\nHandle=" + std::string(1 << 20, '7');
    ASSERT_EQ(LoadChecked(longLine), 1u);
    // A megabyte of digits as a number saturates instead of wrapping.
    studio::LoadDesignFrom([&] {
        PutFileBytes(PathIn("digits.kvx"), "[FRAME]\nPx=" + std::string(1 << 20, '9') + "\nPy=-" +
                                               std::string(1 << 20, '9') + "\nTx=4294967297\nTy=-4294967297\n");
        return PathIn("digits.kvx");
    }());
    ASSERT_EQ(Design().DesignList.size(), 1u);
    EXPECT_EQ(Design().DesignList[0]->Px, studio::kPositionLimit);
    EXPECT_EQ(Design().DesignList[0]->Py, -studio::kPositionLimit);
    EXPECT_EQ(Design().DesignList[0]->Tx, studio::kExtentLimit);
    EXPECT_EQ(Design().DesignList[0]->Ty, 0);
    ClearDesign();

    // A hundred thousand real sections, each making a live gadget, in one window: a design the
    // studio could make, so it loads whole, in bounded time and memory.
    std::string many = "[WINDOW]\r\nHandle=W\r\nPx=0\r\nPy=0\r\nTx=1000\r\nTy=700\r\n\r\n\r\n\r\n\r\n\r\n";
    const char* const cheap[] = {"[CHECKBOX]", "[LABELTEXT]", "[COMBOBOX]", "[BUTTON]"};
    for (int i = 0; i < 100000; ++i) {
        many += std::string(cheap[i % 4]) + "\r\nHandle=G" + std::to_string(i) + "\r\nParent=W\r\nPx=" +
                std::to_string(i % 900) + "\r\nPy=" + std::to_string(i % 600) + "\r\nTx=60\r\n\r\n\r\n";
    }
    size_t made = 0;
    const auto start = Clock::now();
    const int64_t grown = PeakGrowth([&] { made = LoadChecked(many); });
    const double seconds = SecondsSince(start);
    std::printf("100000 sections (%zu bytes): %zu gadgets made, load and one frame %.2f s, resident +%lld MB\n",
                many.size(), made, seconds, static_cast<long long>(grown >> 20));
    RecordProperty("seconds_100000_sections", std::to_string(seconds));
    EXPECT_EQ(made, 100001u);
    EXPECT_LT(seconds, 10.0 * kSlowdown);
    EXPECT_LT(grown, int64_t(1) << 30);
    ClearDesign();

    // Forty windows of the largest sizes a section may give, no two alike, would be gigabytes of
    // pictures: the file is refused whole, before its gadgets cost much more than the budget.
    std::string huge;
    for (int i = 0; i < 40; ++i) huge += "[WINDOW]\nHandle=H\nTx=" + std::to_string(4096 - i) + "\nTy=4096\n\n\n\n\n\n\n\n";
    PutFileBytes(PathIn("huge.kvx"), huge);
    studio::DesignLoad load;
    const int64_t peak = PeakGrowth([&] { load = studio::LoadDesignFrom(PathIn("huge.kvx")); });
    EXPECT_FALSE(load.Ok);
    EXPECT_NE(load.Error.find("needs more than"), std::string::npos) << load.Error;
    EXPECT_TRUE(Design().DesignList.empty()) << "nothing of it is kept";
    EXPECT_LT(peak, studio::kLoadMemoryLimit + (int64_t(256) << 20));
}

}  // namespace
}  // namespace kvx
