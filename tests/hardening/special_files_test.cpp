// Pipes and devices under the names of pictures, fonts, sounds, designs and archives: every reader
// gives nothing at once, rather than waiting for a writer that never comes or reading forever; a
// writer does not wait for a reader either.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "pak/pak.hpp"
#include "platform/audio.hpp"
#include "platform/files.hpp"
#include "platform/font.hpp"
#include "platform/pixmap.hpp"
#include "design/design_reader.hpp"
#include "design/designed_gadget.hpp"
#include "support/design_fixture.hpp"

namespace kvx {
namespace {

class SpecialFilesTest : public testing::DesignTest {
protected:
    // `body` in a child that is stopped after a few seconds: true when it returned true in time.
    static bool InTime(const std::function<bool()>& body) {
        constexpr unsigned kSeconds = 5;
        fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(2);
            alarm(kSeconds);
            _exit(body() ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
};

TEST_F(SpecialFilesTest, EveryReaderRefusesPipesAndDevicesWithoutWaiting) {
    const std::string fifo = PathIn("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string program = PathIn("game");
    testing::PutFileBytes(program,
                          "\x7f"
                          "ELF and so on");
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(InTime([&] { return !LoadPixmap(path) && !LoadImageFont(path, 13) && !LoadSound(path, 0); }));
        EXPECT_TRUE(InTime([&] {
            studio::LoadDesignFrom(path);
            return studio::Design().DesignList.empty();
        }));
        EXPECT_TRUE(InTime([&] {
            DirPak(path);
            const bool listed = Pak().PakFault;
            return listed && IsPacked(path, "x") == 0 && ExtractFile(path, "x", PathIn("")) == 0 &&
                   !MergePak(path, program) && !MergePak(PathIn("none"), path);
        }));
        EXPECT_EQ(testing::FileBytes(program),
                  "\x7f"
                  "ELF and so on");
    }
    EXPECT_TRUE(InTime([&] { return !WriteFile(fifo); })) << "no reader: refused, not waited for";
}

}  // namespace
}  // namespace kvx
