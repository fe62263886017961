// Replacing a file: whole or not at all, never through a link it was not told to follow, never over
// a file it did not create; and lines read with a cap.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/files.hpp"

namespace fs = std::filesystem;
using namespace kvx;

namespace {

class FileReplacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kvx-replace-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Contents(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::set<std::string> Listing() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.insert(entry.path().filename().string());
        return names;
    }
    static int Mode(const std::string& path) {
        struct stat info;
        return lstat(path.c_str(), &info) == 0 ? int(info.st_mode & 07777) : -1;
    }
    // Writes `text` as the new version of `path` and commits it.
    static bool Replace(const std::string& path, AtLink atLink, const std::string& text) {
        const StreamPtr out = WriteReplacement(path, atLink);
        return out && WriteLine(out, text) && CommitReplacement(out);
    }

    fs::path dir_;
};

TEST_F(FileReplacementTest, TheTargetIsTheOldFileUntilTheCommitAndKeepsItsPermissions) {
    const std::string target = Put("kept.txt", "old\r\n");
    fs::permissions(target, fs::perms(0640));
    // A user's own file named like a temporary is none of the replacement's business.
    Put("kept.txt.kvx-part", "mine");
    const std::set<std::string> before = Listing();

    StreamPtr out = WriteReplacement(target, AtLink::kFollow);
    ASSERT_TRUE(out);
    ASSERT_TRUE(WriteLine(out, "new"));
    // One new file while writing: private, the stream's own, and the target still the old one.
    std::set<std::string> during = Listing();
    ASSERT_EQ(during.size(), before.size() + 1);
    for (const std::string& name : before) during.erase(name);
    const std::string temporary = Path(*during.begin());
    EXPECT_EQ(Mode(temporary), 0600);
    EXPECT_TRUE(SameFile(out, temporary));
    EXPECT_FALSE(SameFile(out, target));
    EXPECT_EQ(Contents("kept.txt"), "old\r\n");
    EXPECT_TRUE(CommitReplacement(out));
    EXPECT_FALSE(CommitReplacement(out));
    EXPECT_EQ(Contents("kept.txt"), "new\r\n");
    EXPECT_EQ(Mode(target), 0640);
    EXPECT_EQ(Listing(), before);
    EXPECT_EQ(Contents("kept.txt.kvx-part"), "mine");

    // Closed or dropped without a commit: nothing happened.
    out = WriteReplacement(target, AtLink::kFollow);
    WriteLine(out, "abandoned");
    EXPECT_FALSE(CloseStream(out));
    WriteReplacement(target, AtLink::kFollow);
    WriteReplacement(Path("never.txt"), AtLink::kReplace);
    EXPECT_EQ(Contents("kept.txt"), "new\r\n");
    EXPECT_EQ(Listing(), before);

    // A new file gets what the umask leaves of read and write for all.
    const mode_t mask = umask(027);
    EXPECT_TRUE(Replace(Path("fresh.txt"), AtLink::kReplace, "fresh"));
    umask(mask);
    EXPECT_EQ(Mode(Path("fresh.txt")), 0640);
}

TEST_F(FileReplacementTest, LinksAreFollowedOnlyWhenAskedAndOnlyWhereNobodyElseCouldPlantThem) {
    fs::create_directory(dir_ / "real");
    const std::string victim = Put("real/victim.txt", "private\r\n");
    fs::permissions(victim, fs::perms(0751));
    fs::create_symlink(victim, Path("link"));

    EXPECT_TRUE(Replace(Path("link"), AtLink::kFollow, "through"));
    EXPECT_TRUE(fs::is_symlink(Path("link")));
    EXPECT_EQ(Contents("real/victim.txt"), "through\r\n");
    EXPECT_EQ(Mode(victim), 0751);

    EXPECT_TRUE(Replace(Path("link"), AtLink::kReplace, "instead"));
    EXPECT_FALSE(fs::is_symlink(Path("link")));
    EXPECT_EQ(Contents("link"), "instead\r\n");
    EXPECT_EQ(Contents("real/victim.txt"), "through\r\n");

    // Nothing to replace: a link into nowhere, a folder, a device.
    fs::create_symlink(Path("missing"), Path("dangling"));
    EXPECT_FALSE(WriteReplacement(Path("dangling"), AtLink::kFollow));
    EXPECT_FALSE(fs::exists(Path("missing")));
    EXPECT_FALSE(WriteReplacement(Path("real"), AtLink::kFollow));
    EXPECT_FALSE(WriteReplacement("/dev/null", AtLink::kReplace));
    EXPECT_FALSE(WriteReplacement(Path("no/such/folder"), AtLink::kReplace));
    EXPECT_EQ(Listing(), (std::set<std::string>{"dangling", "link", "real"}));

    // Another user's link in a shared sticky folder is not followed, the caller's own is.
    const std::string shared = Path("shared");
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms(01777));
    fs::create_symlink(victim, shared + "/planted");
    fs::create_symlink(victim, shared + "/own");
    constexpr uid_t kSomeoneElse = 4321;
    if (lchown((shared + "/planted").c_str(), kSomeoneElse, kSomeoneElse) != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    EXPECT_FALSE(WriteReplacement(shared + "/planted", AtLink::kFollow));
    EXPECT_TRUE(Replace(shared + "/own", AtLink::kFollow, "own link"));
    EXPECT_EQ(Contents("real/victim.txt"), "own link\r\n");
}

TEST_F(FileReplacementTest, CappedLinesStopAtTheCapWhateverFollows) {
    std::string text =
        "0123456789\r\n"
        "0123456789x\n"
        "short\n";
    text += std::string(1 << 20, 'z');
    const StreamPtr in = ReadFile(Put("lines", text));
    std::string line;
    EXPECT_FALSE(ReadLine(in, line, 10)) << "the CR counts";
    SeekStream(in, 0);
    EXPECT_TRUE(ReadLine(in, line, 11));
    EXPECT_EQ(line, "0123456789");
    EXPECT_FALSE(ReadLine(in, line, 10));
    EXPECT_EQ(StreamPos(in), 12 + 11) << "no more read than the cap and one byte";
    EXPECT_TRUE(ReadLine(in, line, 10));
    EXPECT_EQ(line, "");
    EXPECT_TRUE(ReadLine(in, line, 5));
    EXPECT_EQ(line, "short");
    EXPECT_FALSE(ReadLine(in, line, 100000));
    EXPECT_LE(line.size(), 100001u);
    EXPECT_EQ(StreamPos(in), int64_t(12 + 12 + 6 + 100001));
}

}  // namespace
