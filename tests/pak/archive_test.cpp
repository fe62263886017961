#include <zlib.h>

#include <cstring>
#include <random>

#include "pak_test_support.hpp"

using namespace kvx;
using namespace kvx::test;
using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// 2048 bytes of a small alphabet: compresses to several hundred bytes, well under 1 Kb.
std::string CompressibleText() {
    std::mt19937 random(7);
    std::string text;
    while (text.size() < 2048) text += char('a' + random() % 8);
    return text;
}

std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = char(random());
    return bytes;
}

TEST(ScrambleText, XorsEveryCharacterWithTheLengthAndUndoesItself) {
    EXPECT_EQ(ScrambleText("abc"), std::string({char('a' ^ 3), char('b' ^ 3), char('c' ^ 3)}));
    EXPECT_EQ(ScrambleText(ScrambleText("abc")), "abc");
    EXPECT_EQ(ScrambleText(""), "");
    std::string latin = "Caf\xe9 \xff\x01 name.png";
    EXPECT_NE(ScrambleText(latin), latin);
    EXPECT_EQ(ScrambleText(ScrambleText(latin)), latin);
    EXPECT_EQ(ScrambleText(std::string(256, 'x')), std::string(256, 'x'));  // only the low byte of the length
}

// The block layout itself is checked byte for byte in the archive test below.
TEST(CompressBank, BlocksInflateBack) {
    std::string text = CompressibleText();
    std::span<const uint8_t> input(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    std::optional<std::vector<uint8_t>> block = CompressBank(input, 9);
    ASSERT_TRUE(block);
    std::optional<std::vector<uint8_t>> back = UncompressBank(*block);
    ASSERT_TRUE(back);
    EXPECT_EQ(std::string(back->begin(), back->end()), text);

    std::optional<std::vector<uint8_t>> empty = CompressBank({}, 9);
    ASSERT_TRUE(empty);
    EXPECT_EQ(std::string(empty->begin(), empty->begin() + 4), Int32Text(0));
    std::optional<std::vector<uint8_t>> emptyBack = UncompressBank(*empty);
    ASSERT_TRUE(emptyBack);
    EXPECT_TRUE(emptyBack->empty());
    EXPECT_FALSE(UncompressBank(std::vector<uint8_t>{1, 0}));
}

TEST_F(PakTest, EntriesAreWrittenByteForByteWithTheirMessages) {
    const std::string text = CompressibleText();
    const std::string noise = RandomBytes(3000, 1);
    const std::string pakPath = Path("out.pak");
    Put("text.txt", text);
    Put("empty.bin", "");
    Put("noise.bin", noise);

    CaptureStdout();
    CreatePak(pakPath);
    EXPECT_EQ(AddFile(Path("text.txt")), 0);
    AddFile(Path("empty.bin"));
    AddFile(Path("noise.bin"));
    EXPECT_TRUE(ClosePak());
    const std::string out = GetCapturedStdout();
    EXPECT_FALSE(Pak().PakFault);
    EXPECT_EQ(Pak().PakPath, "");

    EXPECT_EQ(out.substr(0, out.find("Vorlath message : Opening")),
              "\nVorlath message : Create pak file [" + pakPath + "] ...\n");
    EXPECT_TRUE(Contains(out,
                         "Vorlath message : Opening file [text.txt] ...\n"
                         "Vorlath message : Packing file [text.txt] / 2 Kb => 0 Kb / 1 Kb\n"
                         "Vorlath message : Writing file [text.txt] ...\n"));
    EXPECT_TRUE(Contains(out,
                         "Vorlath message : Packing file [empty.bin] / 0 Kb => 0 Kb / 0 Kb\n"
                         "Vorlath warning : [empty.bin] cannot be compressed !\n"
                         "Vorlath message : Writing file [empty.bin] ...\n"));
    EXPECT_TRUE(Contains(out,
                         "Vorlath message : Packing file [noise.bin] / 2 Kb => 2 Kb / 0 Kb\n"
                         "Vorlath warning : [noise.bin] cannot be compressed !\n"));
    EXPECT_TRUE(Contains(out, "Vorlath message : Closing pak file [" + pakPath + "] ...\n"));

    // Walk the file as the format describes it.
    const std::string archive = ReadText(pakPath);
    size_t pos = 0;
    auto take = [&](size_t n) {
        std::string part = archive.substr(pos, n);
        pos += n;
        return part;
    };
    const std::string signature = take(36);
    EXPECT_EQ(signature.substr(34), "\r\n");
    EXPECT_EQ(signature.find_first_of(std::string("\r\n\0", 3)), 34u);

    EXPECT_EQ(take(10), ScrambleText("text.txt") + "\r\n");
    EXPECT_EQ(take(4), Int32Text(2048));
    const std::string storedText = take(4);
    int32_t stored = 0;
    std::memcpy(&stored, storedText.data(), 4);
    EXPECT_GT(stored, 4);
    EXPECT_LT(stored, 1024);
    EXPECT_EQ(take(1), "\x01");
    const std::string block = take(size_t(stored));
    EXPECT_EQ(block.substr(0, 4), Int32Text(2048));
    std::string inflated(2048, '\0');
    uLongf length = inflated.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(inflated.data()), &length,
                         reinterpret_cast<const Bytef*>(block.data() + 4), block.size() - 4),
              Z_OK);
    EXPECT_EQ(inflated, text);

    const std::string emptyEntry = ScrambleText("empty.bin") + "\r\n" + Int32Text(0) + Int32Text(0) + '\0';
    EXPECT_EQ(take(emptyEntry.size()), emptyEntry);
    const std::string noiseHeader = ScrambleText("noise.bin") + "\r\n" + Int32Text(3000) + Int32Text(0) + '\0';
    EXPECT_EQ(take(noiseHeader.size()), noiseHeader);
    EXPECT_TRUE(take(3000) == noise);
    EXPECT_EQ(pos, archive.size());
}

TEST_F(PakTest, ListingAndLookupIgnoreCaseAndExtractionKeepsTheStoredName) {
    const std::string text = CompressibleText();
    const std::string pakPath = Path("list.pak");
    Put("Alpha.TXT", "alpha");
    Put("Text.txt", text);
    const std::string out = MakeDir("out");
    CaptureStdout();
    CreatePak(pakPath);
    AddFile(Path("Alpha.TXT"));
    AddFile(Path("Text.txt"));
    ClosePak();
    GetCapturedStdout();

    CaptureStdout();
    EXPECT_EQ(DirPak(pakPath), 0);
    EXPECT_EQ(GetCapturedStdout(),
              "\nVorlath message : Dir pak [Alpha.TXT] / 0 Kb => 0 Kb\n"
              "Vorlath message : Dir pak [Text.txt] / 2 Kb => 0 Kb\n"
              "Vorlath message : There is 2 files under [" +
                  pakPath + "]\n");

    CaptureStdout();
    EXPECT_EQ(IsPacked(pakPath, "TEXT.TXT"), 1);
    EXPECT_EQ(GetCapturedStdout(),
              "\nVorlath message : Skiping file [1] : [Alpha.TXT] / Statut : Ok\n"
              "Vorlath message : The file [TEXT.TXT] is packed !\n");
    CaptureStdout();
    EXPECT_EQ(IsPacked(pakPath, "text"), 0);
    EXPECT_TRUE(Contains(GetCapturedStdout(), "Vorlath warning : The file  [text] is not packed !\n"));

    CaptureStdout();
    EXPECT_EQ(ExtractFile(pakPath, "tExT.TxT", out), 1);
    EXPECT_EQ(GetCapturedStdout(), "Vorlath message : Unpacking file [tExT.TxT] ...\n");
    EXPECT_EQ(Listing(out), (std::set<std::string>{"Text.txt"}));
    EXPECT_EQ(ReadText(out + "/Text.txt"), text);
    EXPECT_EQ(Pak().ExtractDir, out + "/");

    CaptureStdout();
    EXPECT_EQ(ExtractFile(pakPath, "missing.txt", out), 0);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_FALSE(Pak().PakFault);

    // No destination, or one that does not exist: the temporary directory.
    CaptureStdout();
    EXPECT_EQ(ExtractFile(pakPath, "alpha.txt", ""), 1);
    EXPECT_EQ(ExtractFile(pakPath, "text.txt", Path("nowhere")), 1);
    GetCapturedStdout();
    EXPECT_EQ(Listing(Pak().TempDir), (std::set<std::string>{"Alpha.TXT", "Text.txt"}));
    EXPECT_EQ(Pak().ExtractDir, Pak().TempDir + "/");

    CaptureStdout();
    EXPECT_EQ(UnpackAll(pakPath, MakeDir("all")), 0);
    EXPECT_EQ(GetCapturedStdout(),
              "Vorlath message : Unpacking file [Alpha.TXT] ...\n"
              "Vorlath message : Unpacking file [Text.txt] ...\n");
    EXPECT_EQ(ReadText(Path("all/Alpha.TXT")), "alpha");
    EXPECT_EQ(ReadText(Path("all/Text.txt")), text);
}

TEST_F(PakTest, MisuseAndForeignFilesAreReported) {
    Put("file.txt", "data");
    CaptureStderr();
    CaptureStdout();
    EXPECT_EQ(AddFile(Path("file.txt")), 0);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(GetCapturedStderr(), "You must create pak before add file !\n");

    const std::string foreign = Put("foreign.pak", "just some text\r\nwith lines\r\n");
    CaptureStderr();
    CaptureStdout();
    EXPECT_EQ(IsPacked(foreign, "file.txt"), 0);
    EXPECT_EQ(DirPak(foreign), 0);
    EXPECT_EQ(ExtractFile(foreign, "file.txt", Path("")), 0);
    EXPECT_EQ(UnpackAll(foreign, Path("")), 0);
    EXPECT_EQ(GetCapturedStdout(), "");
    std::string fourTimes;
    for (int i = 0; i < 4; ++i) fourTimes += "This is not a Vorlath file !\n";
    EXPECT_EQ(GetCapturedStderr(), fourTimes);
    EXPECT_TRUE(Pak().PakFault);
    EXPECT_EQ(Listing(dir_), (std::set<std::string>{"file.txt", "foreign.pak", "temp"}));

    CaptureStdout();
    InitPak(Path("missing.pak"), 1);
    EXPECT_EQ(GetCapturedStdout(), "\nVorlath message : Unable to init pak file [" + Path("missing.pak") + "] !\n");
    EXPECT_EQ(Pak().PakPath, "");

    CaptureStdout();
    InitPak(foreign, 1);
    EXPECT_EQ(GetCapturedStdout(), "\nVorlath message : Reading pak file [" + foreign + "] ...\n");
    EXPECT_EQ(Pak().PakPath, foreign);
    EXPECT_EQ(Pak().PakInMemory, 1);

    CaptureStdout();
    EXPECT_EQ(DirPak(Path("missing.pak")), 0);
    EXPECT_TRUE(Contains(GetCapturedStdout(), "Vorlath warning : Unable to open pak file ["));
    EXPECT_TRUE(Pak().PakFault);
}

TEST_F(PakTest, DirectoriesAddTheirFilesOnlyAndTheArchiveNeverHoldsItself) {
    MakeDir("src/sub");
    Put("src/b.txt", "bee");
    Put("src/a.txt", "ay");
    Put("src/sub/deep.txt", "not entered");
    const std::string pakPath = Path("src/self.pak");
    const std::string listed =
        "\nVorlath message : Dir pak [a.txt] / 0 Kb => 0 Kb\n"
        "Vorlath message : Dir pak [b.txt] / 0 Kb => 0 Kb\n"
        "Vorlath message : There is 2 files under [" +
        pakPath + "]\n";

    // Twice: the second time the folder holds the old archive beside the one being written.
    for (const bool replacing : {false, true}) {
        SCOPED_TRACE(replacing);
        CaptureStdout();
        CreatePak(pakPath);
        EXPECT_EQ(AddDir(Path("src")), 0);  // no trailing separator
        AddDir(Path("src/a.txt"));          // not a directory: nothing
        EXPECT_TRUE(ClosePak());
        const std::string out = GetCapturedStdout();
        EXPECT_EQ(Contains(out, "Vorlath warning : [self.pak] is the pak file itself, skipped !"), replacing);
        EXPECT_FALSE(Pak().PakFault);  // packing the folder that holds the archive is no mistake
        CaptureStdout();
        DirPak(pakPath);
        EXPECT_EQ(GetCapturedStdout(), listed);
        EXPECT_EQ(Listing(Path("src")), (std::set<std::string>{"a.txt", "b.txt", "self.pak", "sub"}));
    }

    // Named outright, under any path, the archive is refused and the old one is kept.
    const std::string before = ReadText(pakPath);
    CaptureStdout();
    CreatePak(pakPath);
    AddFile(Path("src/../src/self.pak"));
    EXPECT_TRUE(Pak().PakFault);
    DiscardPak();
    EXPECT_TRUE(Contains(GetCapturedStdout(), "Vorlath warning : [self.pak] is the pak file itself, skipped !"));
    EXPECT_EQ(ReadText(pakPath), before);
    EXPECT_EQ(Listing(Path("src")), (std::set<std::string>{"a.txt", "b.txt", "self.pak", "sub"}));

    CaptureStdout();
    CreatePak(Path("other.pak"));
    AddFile(Path("src/missing.txt"));
    EXPECT_TRUE(Pak().PakFault);
    ClosePak();
    EXPECT_TRUE(
        Contains(GetCapturedStdout(), "Vorlath warning : Unable to read file [" + Path("src/missing.txt") + "] !"));
    EXPECT_EQ(Pak().ExtractDir, Pak().TempDir);
}

TEST_F(PakTest, ArchiveThatCannotBeWrittenCompletelyLeavesTheOldFileAsItWas) {
    Put("big.bin", RandomBytes(200000, 3));
    const std::string oldArchive = RandomBytes(30000, 4);
    const std::string pakPath = Path("limited.pak");
    // With no file there before, and with an old archive there.
    for (const bool existed : {false, true}) {
        SCOPED_TRACE(existed);
        if (existed) Put("limited.pak", oldArchive);
        const std::set<std::string> before = Listing(dir_);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (!freopen("/dev/null", "w", stdout)) _exit(2);
            rlimit limit{50000, 50000};  // the disk fills up half way through
            setrlimit(RLIMIT_FSIZE, &limit);
            CreatePak(pakPath);
            AddFile(Path("big.bin"));
            const bool closed = ClosePak();
            _exit(!closed && Pak().PakFault ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(Listing(dir_), before);
        if (existed) {
            EXPECT_TRUE(ReadText(pakPath) == oldArchive);
        }
    }
}

}  // namespace
