// Files are never lost when the disk fills up during a save: at every 4 KiB cut-off the file the
// user had is either still there byte for byte or completely replaced, and nothing else is left
// beside it.
#include <csignal>
#include <cstdio>
#include <map>
#include <random>

#include "pak/pak_test_support.hpp"
#include "design/design_writer.hpp"
#include "support/design_fixture.hpp"

namespace kvx {
namespace {

namespace fs = std::filesystem;

// Runs `write` in a child that may write at most `cut` bytes to any file, as if the disk filled up
// there; writes past it fail with EFBIG instead of killing the child. The child's answer, or -1
// when it did not exit normally.
int WithFileSizeCap(rlim_t cut, const std::function<bool()>& write) {
    fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen("/dev/null", "w", stdout)) _exit(3);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{cut, cut};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(write() ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

struct CutOffTally {
    int cuts = 0, kept = 0, replaced = 0, lost = 0, strays = 0;
};

// Puts `oldBytes` at `target`, then lets `write` replace it with `newBytes` under every cut-off
// from 4 KiB up to past the new size. `readable` is asked about every outcome.
CutOffTally EveryCutOff(const std::string& target, const std::string& oldBytes, const std::string& newBytes,
                        const std::function<bool()>& write, const std::function<void(bool replaced)>& readable) {
    CutOffTally tally;
    const fs::path folder = fs::path(target).parent_path();
    for (rlim_t cut = 4096; cut <= newBytes.size() + 4096; cut += 4096) {
        SCOPED_TRACE("cut-off " + std::to_string(cut));
        test::WriteText(target, oldBytes);
        const std::set<std::string> before = test::Listing(folder);
        const int answer = WithFileSizeCap(cut, write);
        const std::string now = test::ReadText(target);
        ++tally.cuts;
        EXPECT_NE(answer, -1) << "the full disk must not kill the program";
        if (now == oldBytes) {
            ++tally.kept;
            EXPECT_EQ(answer, 0) << "an untouched file is reported as a failed save";
            if (answer == 0) readable(false);
        } else if (now == newBytes) {
            ++tally.replaced;
            EXPECT_EQ(answer, 1);
            readable(true);
        } else {
            ++tally.lost;
            ADD_FAILURE() << "the file holds " << now.size() << " bytes, neither version";
        }
        if (test::Listing(folder) != before) {
            ++tally.strays;
            ADD_FAILURE() << "files were left beside the target";
        }
    }
    EXPECT_GT(tally.kept, 2) << "the cut-offs reach into the writing";
    EXPECT_GT(tally.replaced, 0) << "and past its end";
    EXPECT_EQ(tally.lost, 0);
    EXPECT_EQ(tally.strays, 0);
    return tally;
}

void Report(const char* what, const CutOffTally& t, size_t newSize) {
    std::printf("%s (%zu bytes): %d cut-offs, %d kept the old file, %d replaced it, %d lost, %d left strays\n", what,
                newSize, t.cuts, t.kept, t.replaced, t.lost, t.strays);
}

class LostDesignTest : public testing::DesignTest {};

TEST_F(LostDesignTest, ASaveCutOffAtAnyPointKeepsTheOldDesignOrWritesTheWholeNewOne) {
    auto window = testing::PlaceDesigned("Window", 10, 10, 600, 500);
    testing::PlaceDesigned("Button", 20, 40, 80, 0, window);
    const std::string target = PathIn("ui.kvx");
    ASSERT_TRUE(studio::SaveDesignTo(target));
    const std::string oldBytes = testing::FileBytes(target);

    for (int i = 0; i < 400; ++i) {
        testing::PlaceDesigned(i % 2 ? "Labeltext" : "Checkbox", 20 + i % 500, 60 + i % 400, 0, 0, window);
    }
    const std::string reference =
        (folder_.parent_path() / ("kvx_reference_" + std::to_string(getpid()) + ".kvx")).string();
    ASSERT_TRUE(studio::SaveDesignTo(reference));
    const std::string newBytes = testing::FileBytes(reference);
    fs::remove(reference);
    ASSERT_GT(newBytes.size(), size_t(30) << 10);

    const CutOffTally tally = EveryCutOff(
        target, oldBytes, newBytes, [&] { return studio::SaveDesignTo(target); }, [](bool) {});
    Report("design save", tally, newBytes.size());
    RecordProperty("design_cut_offs", tally.cuts);
    RecordProperty("design_files_lost", tally.lost);
}

class LostMergeTest : public test::PakTest {
protected:
    // An archive holding one file of incompressible bytes, so the merged file spans many cut-offs.
    std::string PackedArchive(const std::string& name, size_t size, unsigned seed) {
        std::mt19937 random(seed);
        std::string bytes(size, '\0');
        for (char& c : bytes) c = char(random());
        contents_[name] = bytes;
        Put(name, bytes);
        const std::string archive = Path(name + ".pak");
        ::testing::internal::CaptureStdout();
        CreatePak(archive);
        AddFile(Path(name));
        EXPECT_TRUE(ClosePak());
        ::testing::internal::GetCapturedStdout();
        return archive;
    }
    // The merged file carries `name`, extracted intact from it.
    void ExpectCarries(const std::string& exe, const std::string& name) {
        const std::string out = MakeDir("out");
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(ExtractFile(exe, name, out), 1);
        ::testing::internal::GetCapturedStdout();
        EXPECT_TRUE(test::ReadText(out + "/" + name) == contents_[name]) << name;
        fs::remove_all(out);
    }
    std::map<std::string, std::string> contents_;
};

TEST_F(LostMergeTest, AMergeCutOffAtAnyPointKeepsTheOldExecutableOrWritesTheWholeNewOne) {
    std::string program =
        "\x7f"
        "ELF";
    for (int i = 0; program.size() < 24000; ++i) program += char(i * 37 + i / 5);
    const std::string exe = Put("game", program);
    const std::string first = PackedArchive("old.bin", 3000, 1);
    const std::string second = PackedArchive("new.bin", 20000, 2);
    ::testing::internal::CaptureStdout();
    ASSERT_TRUE(MergePak(first, exe));
    const std::string oldBytes = test::ReadText(exe);
    ASSERT_TRUE(MergePak(second, exe));
    ::testing::internal::GetCapturedStdout();
    const std::string newBytes = test::ReadText(exe);
    ASSERT_GT(newBytes.size(), oldBytes.size() + 16000);

    const CutOffTally tally = EveryCutOff(
        exe, oldBytes, newBytes, [&] { return MergePak(second, exe); },
        [&](bool replaced) { ExpectCarries(exe, replaced ? "new.bin" : "old.bin"); });
    Report("pak merge", tally, newBytes.size());
    RecordProperty("merge_cut_offs", tally.cuts);
    RecordProperty("merge_files_lost", tally.lost);
}

}  // namespace
}  // namespace kvx
