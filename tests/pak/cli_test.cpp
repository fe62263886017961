// kvx-pak run as a user would: exit statuses, and a round trip through a directory and an executable.
#include <sys/stat.h>
#include <sys/types.h>

#include <cstdlib>

#include "pak_test_support.hpp"

using namespace kvx::test;

namespace {

class CliTest : public PakTest {
protected:
    void SetUp() override {
        PakTest::SetUp();
        // The tool is built next to the tests: <build>/tools/kvx_pak/kvx-pak.
        tool_ = fs::canonical("/proc/self/exe").parent_path().parent_path() / "tools" / "kvx_pak" / "kvx-pak";
        if (!fs::exists(tool_)) GTEST_SKIP() << "build the kvx-pak target first: " << tool_;
        MakeDir("src");
        Put("src/Hello.txt", "hello\r\n");
        std::string numbers;
        for (int i = 0; i < 20000; ++i) numbers += std::to_string(i) + "\n";
        Put("src/numbers.txt", numbers);
        Put("src/empty", "");
        Put("plain.txt", "not an archive\n");
    }

    // Exit status of kvx-pak with these arguments, run in the scratch directory; `before` goes first
    // in the same shell. A run that hangs is stopped.
    int Run(const std::string& arguments, const std::string& before = "true") const {
        const std::string command = "cd '" + dir_.string() + "' && " + before + " && timeout 10 '" + tool_.string() +
                                    "' " + arguments + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    bool SameFiles(const std::string& a, const std::string& b) const {
        return std::system(("diff -r '" + Path(a) + "' '" + Path(b) + "' >/dev/null").c_str()) == 0;
    }

    fs::path tool_;
};

TEST_F(CliTest, CommandsReportThroughTheirExitStatus) {
    EXPECT_EQ(Run("--help"), 0);
    EXPECT_EQ(Run(""), 2);
    EXPECT_EQ(Run("frob x"), 2);
    EXPECT_EQ(Run("list"), 2);
    EXPECT_EQ(Run("has a.pak"), 2);

    EXPECT_EQ(Run("create a.pak src"), 0);
    EXPECT_EQ(Run("create b.pak src/missing"), 2);
    EXPECT_EQ(Run("list a.pak"), 0);
    EXPECT_EQ(Run("list plain.txt"), 2);
    EXPECT_EQ(Run("list missing.pak"), 2);
    EXPECT_EQ(Run("has a.pak HELLO.TXT"), 0);
    EXPECT_EQ(Run("has a.pak nothing"), 1);
    EXPECT_EQ(Run("has plain.txt Hello.txt"), 2);

    MakeDir("one");
    EXPECT_EQ(Run("extract a.pak hello.txt one"), 0);
    EXPECT_EQ(ReadText(dir_ / "one" / "Hello.txt"), "hello\r\n");
    EXPECT_EQ(Run("extract a.pak nothing one"), 1);
    EXPECT_EQ(Run("extract a.pak hello.txt no-such-dir"), 2);
    EXPECT_EQ(Run("extract plain.txt hello.txt one"), 2);
}

TEST_F(CliTest, EveryHostileCaseFailsWithoutWritingAnythingOutsideItsDestination) {
    ASSERT_EQ(Run("create old.pak src"), 0);
    const std::string archive = ReadText(dir_ / "old.pak");
    const std::string victim = Put("victim.txt", "private");
    MakeDir("out");
    CraftedArchive escapes;
    escapes.Raw("../victim.txt", "overwritten").Raw("/tmp/kvx-cli-absolute", "x");
    Put("escapes.pak", ReadText(dir_ / "old.pak").substr(0, 36) + escapes.bytes);
    Put("endless.pak", std::string(size_t(8) << 20, 'x'));
    ASSERT_EQ(mkfifo(Path("fifo.pak").c_str(), 0600), 0);
    const std::set<std::string> before = Listing(dir_);

    EXPECT_EQ(Run("create old.pak typo"), 2);
    EXPECT_EQ(Run("create old.pak src old.pak"), 2) << "an archive holding itself";
    EXPECT_EQ(Run("create victim.txt victim.txt"), 2);
    EXPECT_EQ(Run("create old.pak src/numbers.txt", "ulimit -f 16"), 2) << "the disk fills up";
    EXPECT_EQ(Run("unpack escapes.pak out"), 2);
    EXPECT_EQ(Run("list endless.pak"), 2);
    for (const char* command : {"list fifo.pak", "unpack fifo.pak out", "merge fifo.pak victim.txt",
                                "merge old.pak fifo.pak", "create fifo.pak src"})
        EXPECT_EQ(Run(command), 2) << command;

    EXPECT_TRUE(ReadText(dir_ / "old.pak") == archive);
    EXPECT_EQ(ReadText(victim), "private");
    EXPECT_EQ(Listing(dir_), before);
    EXPECT_TRUE(Listing(dir_ / "out").empty());
    EXPECT_FALSE(fs::exists("/tmp/kvx-cli-absolute"));
}

TEST_F(CliTest, NamesAreMatchedIgnoringTheCaseOfAsciiLettersOnlyAsTheHelpSays) {
    Put("src/caf\xe9.txt", "coffee");
    ASSERT_EQ(Run("create a.pak src"), 0);
    EXPECT_EQ(Run("has a.pak CAF\xe9.TXT"), 0);
    EXPECT_EQ(Run("has a.pak caf\xc9.txt"), 1) << "Latin-1 letters are not folded";
    const std::string help = Path("help.txt");
    ASSERT_EQ(std::system(("'" + tool_.string() + "' --help >'" + help + "'").c_str()), 0);
    EXPECT_NE(ReadText(help).find("ASCII letters A-Z\nonly"), std::string::npos);
}

TEST_F(CliTest, UnpacksADirectoryAndAnArchiveMergedIntoARunningExecutable) {
    ASSERT_EQ(Run("create a.pak src"), 0);
    MakeDir("out");
    EXPECT_EQ(Run("unpack a.pak out"), 0);
    EXPECT_TRUE(SameFiles("src", "out"));

    // The tool itself as the executable: it must still run after carrying an archive.
    fs::copy_file(tool_, dir_ / "tool");
    fs::permissions(dir_ / "tool", fs::perms(0711));
    EXPECT_EQ(Run("merge plain.txt tool"), 2);
    EXPECT_EQ(Run("merge a.pak tool"), 0);
    EXPECT_EQ(std::system(("'" + Path("tool") + "' --help >/dev/null").c_str()), 0);
    EXPECT_EQ(int(fs::status(dir_ / "tool").permissions()), 0711);
    MakeDir("merged");
    EXPECT_EQ(Run("unpack tool merged"), 0);
    EXPECT_TRUE(SameFiles("src", "merged"));
}

}  // namespace
