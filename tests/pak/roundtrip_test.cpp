#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>

#include "pak/pak_names.hpp"
#include "pak_test_support.hpp"

using namespace kvx;
using namespace kvx::test;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

std::string Text(size_t size, std::mt19937& random) {
    static const char* words[] = {"gadget", "window", "skin", "frame", "button", "label", "scroll", "the", "of"};
    std::string text;
    while (text.size() < size) text += std::string(words[random() % 9]) + (random() % 11 ? " " : "\r\n");
    text.resize(size);
    return text;
}

std::string Random(size_t size, std::mt19937& random) {
    std::string bytes(size, '\0');
    for (char& c : bytes) c = char(random());
    return bytes;
}

std::string Deflated(size_t size, std::mt19937& random) {
    const std::string text = Text(size * 4, random);
    std::string out(compressBound(text.size()), '\0');
    uLongf length = out.size();
    compress2(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(text.data()), text.size(),
              9);
    out.resize(length);
    return out;
}

// Mostly zeros with a little structure, as in pictures and sounds.
std::string Sparse(size_t size, std::mt19937& random) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; i += 1 + random() % 64) bytes[i] = char(random());
    return bytes;
}

TEST_F(PakTest, FiftyMixedFilesComeBackByteForByte) {
    std::mt19937 random(2024);
    const std::string src = MakeDir("src");
    std::map<std::string, std::string> files;
    const size_t sizes[] = {0, 1, 17, 1023, 1024, 1025, 4096, 65536, 65537, 300000, 2 << 20};
    for (int i = 0; i < 50; ++i) {
        const size_t size = i % 5 == 4 ? 0 : sizes[size_t(i) % std::size(sizes)] + random() % 100;
        std::string name = "File " + std::to_string(i);
        std::string content;
        switch (i % 4) {
            case 0: name += ".txt", content = Text(size, random); break;
            case 1: name += ".BIN", content = Random(size, random); break;
            case 2: name += ".z", content = Deflated(size, random); break;
            default: name += "_caf\xe9.raw", content = Sparse(size, random); break;
        }
        ASSERT_TRUE(NameReadsBack(name)) << name;
        WriteText(fs::path(src) / name, content);
        files[name] = content;
    }
    ASSERT_EQ(files.size(), 50u);
    size_t bytesIn = 0;
    for (const auto& [name, content] : files) bytesIn += content.size();

    const std::string pakPath = Path("fifty.pak");
    const auto start = std::chrono::steady_clock::now();
    CaptureStdout();
    CreatePak(pakPath);
    AddDir(src);
    EXPECT_TRUE(ClosePak());
    const auto packed = std::chrono::steady_clock::now();
    const std::string dest = MakeDir("dest");
    UnpackAll(pakPath, dest);
    const auto unpacked = std::chrono::steady_clock::now();
    DirPak(pakPath);
    const std::string out = GetCapturedStdout();
    EXPECT_FALSE(Pak().PakFault);
    EXPECT_NE(out.find("Vorlath message : There is 50 files under [" + pakPath + "]"), std::string::npos);

    ASSERT_EQ(Listing(dest).size(), 50u);
    for (const auto& [name, content] : files) EXPECT_TRUE(ReadText(fs::path(dest) / name) == content) << name;

    const auto bytesStored = size_t(fs::file_size(pakPath));
    EXPECT_LT(bytesStored, bytesIn);
    auto ms = [](auto from, auto to) { return std::chrono::duration<double, std::milli>(to - from).count(); };
    std::printf("round trip: %zu files, %zu bytes in, %zu bytes stored, pack %.0f ms, unpack %.0f ms\n", files.size(),
                bytesIn, bytesStored, ms(start, packed), ms(packed, unpacked));
    RecordProperty("bytes_in", std::to_string(bytesIn));
    RecordProperty("bytes_stored", std::to_string(bytesStored));
}

}  // namespace
