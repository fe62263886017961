#include <sys/stat.h>

#include "pak_test_support.hpp"

using namespace kvx;
using namespace kvx::test;
using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

namespace {

class MergeTest : public PakTest {
protected:
    void SetUp() override {
        PakTest::SetUp();
        exeBytes_ =
            "\x7f"
            "ELF";
        for (int i = 0; exeBytes_.size() < 5000; ++i) exeBytes_ += char(i * 31 + i / 7);
        exe_ = Put("game", exeBytes_);
        fs::permissions(exe_, fs::perms(0751));
        Put("a.txt", std::string(3000, 'a'));
        Put("b.bin", "bee");
        pak_ = Path("data.pak");
        CaptureStdout();
        CreatePak(pak_);
        AddFile(Path("a.txt"));
        AddFile(Path("b.bin"));
        ClosePak();
        GetCapturedStdout();
    }

    // The executable is byte for byte what it was, and no merge file was left next to it.
    void ExpectUntouched() {
        EXPECT_TRUE(ReadText(exe_) == exeBytes_);
        EXPECT_EQ(int(fs::status(exe_).permissions()), 0751);
        EXPECT_EQ(Listing(dir_), (std::set<std::string>{"a.txt", "b.bin", "data.pak", "game", "temp"}));
    }

    std::string exeBytes_;
    std::string exe_;
    std::string pak_;
};

TEST_F(MergeTest, MergedExecutableCarriesTheArchiveAndIsFoundThroughExeOrTrailer) {
    CaptureStdout();
    EXPECT_TRUE(MergePak(pak_, exe_));
    EXPECT_EQ(GetCapturedStdout(), "\nVorlath message : Loading exe file [" + exe_ +
                                       "] ...\n"
                                       "Vorlath message : Loading pak file [" +
                                       pak_ +
                                       "] ...\n"
                                       "Vorlath message : Creating output file ...\n"
                                       "Vorlath message : Merge completed !\n");
    EXPECT_TRUE(ReadText(exe_) == exeBytes_ + ReadText(pak_) + Int32Text(5000));
    EXPECT_EQ(int(fs::status(exe_).permissions()), 0751);
    EXPECT_EQ(Listing(dir_), (std::set<std::string>{"a.txt", "b.bin", "data.pak", "game", "temp"}));

    // Through an ".exe" path, in any case, and through the trailer alone.
    fs::copy_file(exe_, Path("Game.ExE"));
    for (const std::string& path : {Path("Game.ExE"), exe_}) {
        SCOPED_TRACE(path);
        const std::string dest = MakeDir("out-" + fs::path(path).filename().string());
        Pak().PakOffset = 0;
        CaptureStdout();
        EXPECT_EQ(ExtractFile(path, "B.BIN", dest), 1);
        EXPECT_EQ(Pak().PakOffset, 5000);
        EXPECT_EQ(ReadText(dest + "/b.bin"), "bee");
        fs::remove(dest + "/b.bin");
        EXPECT_EQ(UnpackAll(path, dest), 0);
        GetCapturedStdout();
        EXPECT_FALSE(Pak().PakFault);
        EXPECT_EQ(ReadText(dest + "/a.txt"), std::string(3000, 'a'));
        EXPECT_EQ(ReadText(dest + "/b.bin"), "bee");
    }

    // Listing reads from the start of the file only.
    CaptureStderr();
    EXPECT_EQ(IsPacked(exe_, "b.bin"), 0);
    EXPECT_EQ(GetCapturedStderr(), "This is not a Vorlath file !\n");

    // A second archive appended later is the one found.
    Put("c.txt", "sea");
    CaptureStdout();
    CreatePak(Path("more.pak"));
    AddFile(Path("c.txt"));
    ClosePak();
    EXPECT_TRUE(MergePak(Path("more.pak"), exe_));
    EXPECT_EQ(ExtractFile(exe_, "c.txt", Path("")), 1);
    EXPECT_EQ(ExtractFile(exe_, "b.bin", Path("")), 0);
    GetCapturedStdout();
}

TEST_F(MergeTest, TrailersThatPointNowhereAreNotArchives) {
    const std::string signature = SignatureLine();
    for (int32_t offset : {-1, 0, 4000, 4996, 5000, 1 << 30}) {
        SCOPED_TRACE(offset);
        const std::string path = Put("bogus.exe", exeBytes_ + Int32Text(offset));
        CaptureStderr();
        EXPECT_EQ(UnpackAll(path, Path("")), 0);
        EXPECT_EQ(GetCapturedStderr(), "This is not a Vorlath file !\n");
    }
    // The trailer points at a signature line that runs into the trailer itself.
    const std::string cut = Put("cut", exeBytes_ + signature.substr(0, 34) + Int32Text(5000));
    CaptureStderr();
    EXPECT_EQ(ExtractFile(cut, "x", Path("")), 0);
    EXPECT_EQ(GetCapturedStderr(), "This is not a Vorlath file !\n");
    CaptureStderr();
    EXPECT_EQ(ExtractFile(Put("tiny", "ab"), "x", Path("")), 0);
    EXPECT_EQ(GetCapturedStderr(), "This is not a Vorlath file !\n");
}

TEST_F(MergeTest, FailedMergeLeavesTheExecutableUntouched) {
    CaptureStdout();
    EXPECT_FALSE(MergePak(Path("missing.pak"), exe_));
    EXPECT_TRUE(Pak().PakFault);
    EXPECT_NE(GetCapturedStdout().find("Vorlath warning : Merge failed, [" + exe_ + "] is unchanged !\n"),
              std::string::npos);
    ExpectUntouched();

    CaptureStdout();
    CaptureStderr();
    EXPECT_FALSE(MergePak(Path("a.txt"), exe_));
    EXPECT_EQ(GetCapturedStderr(), "This is not a Vorlath file !\n");
    GetCapturedStdout();
    ExpectUntouched();

    CaptureStdout();
    EXPECT_FALSE(MergePak(pak_, Path("no-such-exe")));
    GetCapturedStdout();
    EXPECT_FALSE(fs::exists(Path("no-such-exe")));

    // The disk fills up half way through the merged file.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (!freopen("/dev/null", "w", stdout)) _exit(2);
        rlimit limit{5010, 5010};  // the executable fits, the archive does not
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(MergePak(pak_, exe_) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ExpectUntouched();
}

TEST_F(MergeTest, MergingThroughALinkMergesTheFileItNamesAndKeepsTheLink) {
    fs::create_symlink("game", Path("launcher"));
    Put("game.kvx-part", "a file of the user's");
    CaptureStdout();
    EXPECT_TRUE(MergePak(pak_, Path("launcher")));
    GetCapturedStdout();
    EXPECT_TRUE(fs::is_symlink(Path("launcher")));
    EXPECT_TRUE(ReadText(exe_) == exeBytes_ + ReadText(pak_) + Int32Text(5000));
    EXPECT_EQ(int(fs::status(exe_).permissions()), 0751);
    EXPECT_EQ(ReadText(Path("game.kvx-part")), "a file of the user's");
}

}  // namespace
