// The archive fuzzer's seeds: each lists its entries, and its pictures and sounds decode from it in
// memory mode, so the fuzzer starts from archives that reach the loaders.
#include <cstdlib>

#include "pak/pak_reader.hpp"
#include "pak_test_support.hpp"

using namespace kvx;
using namespace kvx::test;

namespace {

class PakFuzzSeedTest : public PakTest {};

TEST_F(PakFuzzSeedTest, SeedEntriesDecode) {
    const char* source = std::getenv("KVX_SOURCE_DIR");
    const fs::path seeds = fs::path(source ? source : ".") / "fuzz/corpus/pak";
    ASSERT_TRUE(fs::is_directory(seeds));
    int pictures = 0, sounds = 0;
    for (const auto& seed : fs::directory_iterator(seeds)) {
        SCOPED_TRACE(seed.path().string());
        const std::string archive = Put("seed.pak", ReadText(seed.path()));
        std::optional<PakReader> reader = PakReader::Open(archive, true);
        ASSERT_TRUE(reader);
        testing::internal::CaptureStdout();
        InitPak(archive, 1);
        PakEntry entry;
        int entries = 0;
        while (reader->Next(entry)) {
            ++entries;
            const std::string name = entry.name;
            reader->Skip(entry);
            if (name.ends_with(".png")) pictures += LoadPakPixmap(name) != nullptr;
            if (name.ends_with(".wav")) sounds += LoadPakSound(name) != nullptr;
        }
        testing::internal::GetCapturedStdout();
        EXPECT_GE(entries, 2);
        EXPECT_FALSE(Pak().PakFault);
    }
    EXPECT_EQ(pictures, 3);
    EXPECT_EQ(sounds, 1);
}

}  // namespace
