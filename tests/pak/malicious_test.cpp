// Crafted archives: nothing they say may write outside the destination, allocate what the file
// cannot back, or leave a partial file behind.
#include <zlib.h>

#include "pak/pak_names.hpp"
#include "pak_test_support.hpp"

using namespace kvx;
using namespace kvx::test;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) ++count;
    return count;
}

std::string Zlib(const std::string& text) {
    std::string out(compressBound(text.size()), '\0');
    uLongf length = out.size();
    compress2(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(text.data()), text.size(),
              9);
    out.resize(length);
    return out;
}

class MaliciousPakTest : public PakTest {
protected:
    std::string Archive(const std::string& name, const CraftedArchive& crafted) {
        return Put(name, SignatureLine() + crafted.bytes);
    }
};

TEST_F(MaliciousPakTest, EntryNamesNeverLeadOutOfTheDestination) {
    const std::string absolute = "/kvx-absolute.txt";
    const std::vector<std::string> unsafe = {
        "../escaped.txt", absolute, "sub/inner.txt", "back\\slash.txt", ".", "..", "", std::string("nul\0.txt", 8)};
    CraftedArchive crafted;
    crafted.Raw("good.txt", "fine");
    for (const std::string& name : unsafe) {
        ASSERT_TRUE(NameReadsBack(name)) << name;
        crafted.Raw(name, "bad");
    }
    crafted.Raw("last.txt", "also fine");
    const std::string pakPath = Archive("evil.pak", crafted);
    MakeDir("out/sub");
    const std::string dest = MakeDir("out/dest");

    CaptureStdout();
    EXPECT_EQ(UnpackAll(pakPath, dest), 0);
    const std::string out = GetCapturedStdout();
    EXPECT_EQ(Count(out, "is not a safe file name, skipped !"), unsafe.size());
    EXPECT_TRUE(out.find("Vorlath warning : [../escaped.txt] is not a safe file name, skipped !\n") !=
                std::string::npos);
    EXPECT_TRUE(Pak().PakFault);
    EXPECT_EQ(Listing(dest), (std::set<std::string>{"good.txt", "last.txt"}));
    EXPECT_EQ(ReadText(dest + "/last.txt"), "also fine");
    EXPECT_EQ(Listing(Path("out")), (std::set<std::string>{"dest", "sub"}));
    EXPECT_TRUE(Listing(Path("out/sub")).empty());
    EXPECT_FALSE(fs::exists(absolute));
    fs::remove(absolute);
    EXPECT_FALSE(fs::exists(Path("escaped.txt")));

    CaptureStdout();
    EXPECT_EQ(ExtractFile(pakPath, "../escaped.txt", dest), 0);
    EXPECT_EQ(ExtractFile(pakPath, "LAST.TXT", dest), 1);
    GetCapturedStdout();
    EXPECT_EQ(Listing(dest), (std::set<std::string>{"good.txt", "last.txt"}));
    EXPECT_FALSE(fs::exists(Path("escaped.txt")));
}

TEST_F(MaliciousPakTest, SizesFromTheArchiveAreNeverTrusted) {
    const std::string fifty(50, 'z');
    const std::string block = Int32Text(50) + Zlib(fifty);
    std::string corrupt = block;
    for (size_t i = 6; i < corrupt.size() - 2; i += 2) corrupt[i] = char(corrupt[i] ^ 0x5a);
    const std::string tooLong = Int32Text(100) + Zlib(fifty);
    const std::string tooShort = Int32Text(20) + Zlib(fifty);
    const std::string hugeDeclared = Int32Text(INT32_MAX) + Zlib(fifty);
    const std::string trailing = block + "junk";

    // Header damage shows while walking; payload damage only once the payload is read, so the
    // entries after it stay reachable by name.
    struct Case {
        const char* what;
        CraftedArchive entry;
        bool header;
    };
    std::vector<Case> cases;
    auto add = [&](const char* what, bool header, int32_t size, int32_t stored, uint8_t flag,
                   const std::string& payload) {
        cases.push_back({what, CraftedArchive().Entry("victim.bin", size, stored, flag, payload), header});
    };
    add("negative raw size", true, -5, 0, 0, "");
    add("negative stored size", true, 50, -1, 1, block);
    add("raw size past the end", true, 1000000, 0, 0, "short");
    add("raw size of 2 GB", true, INT32_MAX, 0, 0, "x");
    add("stored size past the end", true, 50, 1000000, 1, block);
    add("unknown flag", true, 3, 0, 7, "abc");
    add("block longer than declared", false, 100, int32_t(tooLong.size()), 1, tooLong);
    add("block shorter than declared", false, 20, int32_t(tooShort.size()), 1, tooShort);
    add("entry size not the block's", false, 60, int32_t(block.size()), 1, block);
    add("2 GB declared by a tiny block", false, INT32_MAX, int32_t(hugeDeclared.size()), 1, hugeDeclared);
    add("corrupt zlib stream", false, 50, int32_t(corrupt.size()), 1, corrupt);
    add("bytes after the zlib stream", false, 50, int32_t(trailing.size()), 1, trailing);
    add("block without its length", false, 0, 2, 1, "ab");
    cases.push_back(
        {"header cut short", CraftedArchive{ScrambleText("victim.bin") + "\r\n" + Int32Text(50) + "\x01"}, true});

    const std::string damaged = "is damaged at entry [2] !\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CraftedArchive crafted;
        crafted.Raw("first.txt", "ok");
        crafted.bytes += c.entry.bytes;
        crafted.Raw("after.txt", "after");
        const std::string pakPath = Archive("bad.pak", crafted);
        fs::remove_all(Path("dest"));
        const std::string dest = MakeDir("dest");

        // In a child with little memory to spare, so believing a size would fail loudly there.
        EXPECT_TRUE(RunWithMemoryCap(size_t(256) << 20, [&] {
            UnpackAll(pakPath, dest);
            return Pak().PakFault && Listing(dest) == std::set<std::string>{"first.txt"};
        }));

        CaptureStdout();
        UnpackAll(pakPath, dest);
        EXPECT_TRUE(Pak().PakFault);
        EXPECT_EQ(ExtractFile(pakPath, "victim.bin", dest), 0);
        EXPECT_TRUE(Pak().PakFault);
        EXPECT_EQ(Count(GetCapturedStdout(), damaged), 2u);
        EXPECT_EQ(Listing(dest), (std::set<std::string>{"first.txt"}));
        EXPECT_EQ(ReadText(dest + "/first.txt"), "ok");

        CaptureStdout();
        EXPECT_EQ(ExtractFile(pakPath, "after.txt", dest), c.header ? 0 : 1);
        EXPECT_EQ(IsPacked(pakPath, "after.txt"), c.header ? 0 : 1);
        EXPECT_EQ(DirPak(pakPath), 0);
        const std::string out = GetCapturedStdout();
        EXPECT_EQ(Count(out, damaged), c.header ? 3u : 0u) << out;
        EXPECT_EQ(Count(out, "There is 3 files"), c.header ? 0u : 1u);
        EXPECT_EQ(Count(out, "is not packed"), 0u);
        EXPECT_EQ(Listing(dest).count("after.txt"), c.header ? 0u : 1u);
    }
}

TEST_F(MaliciousPakTest, NamesWhoseScrambledFormCutsTheLineAreRefused) {
    // The name's length XOR '.' is NUL at 46 characters; XOR ' ' is LF at 42 and CR at 45.
    const std::string nul = std::string(42, 'a') + ".txt";
    const std::string lf = std::string(38, 'b') + " end";
    const std::string cr = std::string(41, 'c') + " end";
    ASSERT_EQ(nul.size(), 46u);
    ASSERT_EQ(lf.size(), 42u);
    ASSERT_EQ(cr.size(), 45u);
    MakeDir("src");
    for (const std::string& name : {nul, lf, cr, std::string("kept.txt")}) Put("src/" + name, "content of " + name);

    const std::string pakPath = Path("names.pak");
    CaptureStdout();
    CreatePak(pakPath);
    AddDir(Path("src"));
    EXPECT_TRUE(ClosePak());
    const std::string out = GetCapturedStdout();
    for (const std::string& name : {nul, lf, cr})
        EXPECT_EQ(Count(out, "Vorlath warning : [" + name + "] cannot be stored under this name, skipped !\n"), 1u);
    EXPECT_TRUE(Pak().PakFault);

    CaptureStdout();
    DirPak(pakPath);
    EXPECT_EQ(GetCapturedStdout(),
              "\nVorlath message : Dir pak [kept.txt] / 0 Kb => 0 Kb\n"
              "Vorlath message : There is 1 files under [" +
                  pakPath + "]\n");
    const std::string dest = MakeDir("dest");
    CaptureStdout();
    UnpackAll(pakPath, dest);
    GetCapturedStdout();
    EXPECT_EQ(Listing(dest), (std::set<std::string>{"kept.txt"}));

    // What an unchecked writer would have produced: the name line ends at the NUL, the rest of the
    // name is read as sizes, and the reader must stop rather than write a wrongly named file.
    CraftedArchive unchecked;
    unchecked.Raw("kept.txt", "kept").Raw(nul, "lost");
    const std::string bad = Archive("unchecked.pak", unchecked);
    fs::remove_all(dest);
    MakeDir("dest");
    CaptureStdout();
    UnpackAll(bad, dest);
    EXPECT_EQ(Count(GetCapturedStdout(), "is damaged at entry [2]"), 1u);
    EXPECT_EQ(Listing(dest), (std::set<std::string>{"kept.txt"}));
}

TEST_F(MaliciousPakTest, WhatStandsInTheDestinationIsNeitherFollowedNorDeleted) {
    const std::string victim = Put("victim.txt", "private");
    const std::string dest = MakeDir("dest");
    // A user's own file named like the old temporaries, and links planted under such names and
    // under an entry's name, as another user could in a shared temporary folder.
    Put("dest/a.txt.kvx-part", "mine");
    fs::create_symlink(victim, dest + "/b.txt.kvx-part");
    fs::create_symlink(victim, dest + "/b.txt");
    Put("dest/c.txt", "old");
    fs::permissions(dest + "/c.txt", fs::perms(0640));
    CraftedArchive crafted;
    crafted.Raw("a.txt", "ay").Raw("b.txt", "bee").Raw("c.txt", "sea");
    const std::string pakPath = Archive("planted.pak", crafted);

    CaptureStdout();
    UnpackAll(pakPath, dest);
    EXPECT_EQ(ExtractFile(pakPath, "b.txt", dest), 1);
    GetCapturedStdout();
    EXPECT_FALSE(Pak().PakFault);
    EXPECT_EQ(ReadText(victim), "private");
    EXPECT_EQ(ReadText(dest + "/a.txt.kvx-part"), "mine");
    EXPECT_TRUE(fs::is_symlink(dest + "/b.txt.kvx-part"));
    EXPECT_FALSE(fs::is_symlink(dest + "/b.txt"));
    EXPECT_EQ(ReadText(dest + "/b.txt"), "bee");
    EXPECT_EQ(ReadText(dest + "/c.txt"), "sea");
    EXPECT_EQ(int(fs::status(dest + "/c.txt").permissions()), 0640)
        << "an extracted file keeps the bits of the one it replaced";
    EXPECT_EQ(Listing(dest), (std::set<std::string>{"a.txt", "a.txt.kvx-part", "b.txt", "b.txt.kvx-part", "c.txt"}));
}

TEST_F(MaliciousPakTest, HeadersAndBlocksCostNoMoreThanTheBytesBehindThem) {
    // 32 MiB without a line end: as a first line, and as an entry's name line.
    const std::string endless(size_t(32) << 20, 'x');
    const std::string noSignature = Put("endless.pak", endless);
    const std::string endlessName = Put("endless-name.pak", SignatureLine() + endless);
    // An entry of 10 bytes whose block declares, and really inflates to, 32 MiB of zeros.
    const std::string zeros(size_t(32) << 20, '\0');
    const std::string bomb = Int32Text(int32_t(zeros.size())) + Zlib(zeros);
    // An entry and its block both declaring 512 MiB over 600 KB of bytes that inflate to no more.
    std::string noise(600000, '\0');
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = char(i * 2654435761u >> 13);
    const std::string liar = Int32Text(512 << 20) + Zlib(noise);
    const std::string bombs = Archive("bombs.pak", CraftedArchive()
                                                       .Entry("bomb.bin", 10, int32_t(bomb.size()), 1, bomb)
                                                       .Entry("liar.bin", 512 << 20, int32_t(liar.size()), 1, liar));
    const std::string dest = MakeDir("dest");

    // Far less than any of those sizes to spare.
    EXPECT_TRUE(RunWithMemoryCap(size_t(16) << 20, [&] {
        bool refused = true;
        for (const std::string& path : {noSignature, endlessName}) {
            DirPak(path);
            refused = refused && Pak().PakFault && IsPacked(path, "x") == 0 && ExtractFile(path, "x", dest) == 0;
        }
        refused = refused && ExtractFile(bombs, "bomb.bin", dest) == 0 && ExtractFile(bombs, "liar.bin", dest) == 0;
        UnpackAll(bombs, dest);
        return refused && Pak().PakFault && Listing(dest).empty();
    }));
}

TEST_F(MaliciousPakTest, ControlCharactersInNamesAreShownEscaped) {
    const std::string name =
        "title\x1b]0;owned\x07\x9b"
        "2J\xe9.txt";
    const std::string pakPath = Archive("control.pak", CraftedArchive().Raw(name, "x"));
    CaptureStdout();
    DirPak(pakPath);
    UnpackAll(pakPath, MakeDir("dest"));
    const std::string out = GetCapturedStdout();
    EXPECT_EQ(Count(out, "[title\\x1b]0;owned\\x07\\x9b2J\xe9.txt]"), 2u) << out;
    EXPECT_EQ(out.find_first_of("\x1b\x07\x9b"), std::string::npos);
    EXPECT_TRUE(fs::exists(Path("dest/" + name))) << "the file itself keeps its name byte for byte";
}

}  // namespace
