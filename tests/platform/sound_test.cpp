// Sounds from WAV bytes: real files decode, files whose chunks claim more than they hold are refused.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/audio.hpp"
#include "platform/resources.hpp"

namespace kvx {
namespace {

std::string SourceDir() {
    const char* dir = std::getenv("KVX_SOURCE_DIR");
    return dir ? dir : ".";
}

TEST(SoundTest, WavChunksMustFitTheFile) {
    std::vector<uint8_t> click;
    ASSERT_TRUE(ReadResource(SourceDir() + "/KVX_Graphics/Button_Click.wav", click));
    SoundPtr sound = LoadSoundFromMemory(click);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->samples.size(), 21248u);

    std::vector<uint8_t> cut(click.begin(), click.begin() + 100);  // the data chunk claims 21248 bytes
    EXPECT_FALSE(LoadSoundFromMemory(cut));
    std::vector<uint8_t> huge = click;
    huge[40] = huge[41] = huge[42] = huge[43] = 0xFF;  // data size 4 GiB
    EXPECT_FALSE(LoadSoundFromMemory(huge));

    std::vector<uint8_t> found;
    ASSERT_TRUE(ReadResource(SourceDir() + "/fuzz/regressions/wav/oom-sdl-loadwav-4gib", found));
    EXPECT_FALSE(LoadSoundFromMemory(found));
    EXPECT_FALSE(LoadSoundFromMemory(std::vector<uint8_t>{'R', 'I', 'F', 'F'}));

    // A 1 Hz rate would be converted up to 44100 Hz into gigabytes; a real low rate still loads.
    ASSERT_TRUE(ReadResource(SourceDir() + "/fuzz/regressions/wav/one-hertz-rate.wav", found));
    EXPECT_FALSE(LoadSoundFromMemory(found));
    std::vector<uint8_t> slow = click;
    slow[24] = 0x22, slow[25] = 0x56, slow[26] = slow[27] = 0;  // 22050 Hz
    EXPECT_TRUE(LoadSoundFromMemory(slow));
}

}  // namespace
}  // namespace kvx
