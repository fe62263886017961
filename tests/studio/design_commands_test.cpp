// The File page's commands with the path question answered by the test: titles, filters, modes
// and the ending rules of saving, opening and exporting.
#include <deque>

#include <sys/stat.h>

#include <fstream>

#include "studio/ask_path.hpp"
#include "studio/current_file.hpp"
#include "design/design_reader.hpp"
#include "studio/frame_loop.hpp"
#include "studio/recent_files.hpp"
#include "support/design_fixture.hpp"

namespace kvx {

namespace {

struct Question {
    std::string Title, Filters, Ext;
    int Save;
};
std::vector<Question> g_questions;
std::deque<std::string> g_answers;
std::vector<std::string> g_told;          // texts of the message boxes shown
std::deque<int32_t> g_buttonAnswers;      // their answers; Ok, or Yes, when none is queued

}  // namespace

// Answers in the user's place: linked instead of the library's, which would open the file requester.
std::string studio::AskDesignPath(const std::string& title, const std::string& filters, const std::string& ext,
                                  int save) {
    g_questions.push_back({title, filters, ext, save});
    std::string answer = g_answers.empty() ? "" : g_answers.front();
    if (!g_answers.empty()) g_answers.pop_front();
    return answer;
}

int32_t studio::AskUser(const std::string& title, const std::string& text, uint8_t, int32_t) {
    g_told.push_back(title + ": " + text);
    const int32_t answer = g_buttonAnswers.empty() ? 1 : g_buttonAnswers.front();
    if (!g_buttonAnswers.empty()) g_buttonAnswers.pop_front();
    return answer;
}

namespace {

using studio::Design;
using testing::PlaceDesigned;

class DesignCommandsTest : public testing::DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        g_questions.clear();
        g_answers.clear();
        g_told.clear();
        g_buttonAnswers.clear();
        studio::ForgetCurrentFile();
        setenv("XDG_CONFIG_HOME", PathIn("config").c_str(), 1);  // the recent files of this test only
    }
    // Saves as `path` through the question, with `answers` for any message box.
    static bool SaveAs(const std::string& path, std::deque<int32_t> answers = {}) {
        g_answers = {path};
        g_buttonAnswers = std::move(answers);
        return studio::SaveDesignAs();
    }
};

TEST_F(DesignCommandsTest, UnsavedChangesAreAskedForAndCancelOrAFailedSaveKeepsEverything) {
    studio::NewDesign();
    EXPECT_TRUE(g_told.empty()) << "an unchanged design is let go without a question";
    PlaceDesigned("Button", 0, 0, 50, 0);
    ASSERT_TRUE(studio::DesignChanged());

    g_buttonAnswers = {3};  // Cancel
    studio::NewDesign();
    EXPECT_EQ(g_told.back(), "Save changes: Save changes to Untitled ?");
    EXPECT_EQ(Design().DesignList.size(), 1u);
    g_answers = {""};  // Yes, then the save question is cancelled
    g_buttonAnswers = {1};
    studio::ExitStudio();
    EXPECT_FALSE(studio::ExitRequested()) << "a cancelled save keeps the studio running";
    g_answers = {PathIn("missing/ui.kvx")};  // Yes, then the save fails
    g_buttonAnswers = {1, 1};
    studio::NewDesign();
    EXPECT_EQ(Design().DesignList.size(), 1u) << "a failed save keeps the design";
    EXPECT_EQ(g_told.back(), "Save: ui.kvx|no such file or directory.") << "and says why";

    g_answers = {PathIn("ui.kvx")};  // Yes, saved: then New goes on
    g_buttonAnswers = {1};
    studio::NewDesign();
    EXPECT_TRUE(Design().DesignList.empty());
    EXPECT_TRUE(std::filesystem::exists(PathIn("ui.kvx")));
    EXPECT_EQ(studio::CurrentPath(), "") << "a new design has no file yet";
    PlaceDesigned("Button", 0, 0, 50, 0);
    g_buttonAnswers = {2};  // No: let it go
    studio::ExitStudio();
    EXPECT_TRUE(studio::ExitRequested());
}

TEST_F(DesignCommandsTest, SaveWritesTheCurrentFileAndSaveAsConfirmsAnotherOne) {
    PlaceDesigned("Button", 0, 0, 50, 0);
    ASSERT_TRUE(SaveAs(PathIn("ui")));
    EXPECT_EQ(studio::CurrentPath(), PathIn("ui.kvx"));
    EXPECT_FALSE(studio::DesignChanged());
    PlaceDesigned("Checkbox", 0, 40, 0, 0);
    EXPECT_TRUE(studio::DesignChanged());
    const size_t asked = g_questions.size();
    ASSERT_TRUE(studio::SaveDesign());
    EXPECT_EQ(g_questions.size(), asked) << "Save writes the current file without asking";
    EXPECT_NE(testing::FileBytes(PathIn("ui.kvx")).find("[CHECKBOX]"), std::string::npos);

    testing::PutFileBytes(PathIn("other.kvx"), "someone's design\r\n");
    EXPECT_FALSE(SaveAs(PathIn("other.kvx"), {2})) << "No: not replaced";
    EXPECT_EQ(g_told.back(), "Save: other.kvx already exists.|Replace it ?");
    EXPECT_EQ(testing::FileBytes(PathIn("other.kvx")), "someone's design\r\n");
    EXPECT_TRUE(SaveAs(PathIn("other.kvx"), {1}));
    EXPECT_EQ(studio::CurrentPath(), PathIn("other.kvx"));
    EXPECT_EQ(studio::LoadRecentFiles(), (std::vector<std::string>{PathIn("other.kvx"), PathIn("ui.kvx")}));

    // Saving through a link writes the file it names, keeps the link and the file's permissions.
    std::filesystem::create_symlink(PathIn("other.kvx"), PathIn("link.kvx"));
    std::filesystem::permissions(PathIn("other.kvx"), std::filesystem::perms(0640));
    ASSERT_TRUE(SaveAs(PathIn("link.kvx"), {1}));
    EXPECT_TRUE(std::filesystem::is_symlink(PathIn("link.kvx")));
    EXPECT_EQ(std::filesystem::status(PathIn("other.kvx")).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(testing::FileBytes(PathIn("other.kvx")), testing::FileBytes(PathIn("ui.kvx")));

    // A file where a folder should be, and a full disk: reported, the current file kept.
    testing::PutFileBytes(PathIn("afile"), "");
    EXPECT_FALSE(SaveAs(PathIn("afile/ui.kvx")));
    EXPECT_EQ(g_told.back(), "Save: ui.kvx|not a directory.");
    EXPECT_EQ(studio::CurrentPath(), PathIn("link.kvx"));
}

TEST_F(DesignCommandsTest, OpeningPipesFoldersAndHugeFilesIsRefusedAtOnce) {
    ASSERT_EQ(mkfifo(PathIn("pipe.kvx").c_str(), 0600), 0);
    std::filesystem::create_directory(PathIn("folder.kvx"));
    { std::ofstream(PathIn("huge.kvx")); }
    std::filesystem::resize_file(PathIn("huge.kvx"), studio::kFileSizeLimit + 1);
    for (const char* name : {"pipe.kvx", "folder.kvx", "huge.kvx"}) {
        g_answers = {PathIn(name)};
        studio::LoadDesign();
    }
    ASSERT_EQ(g_told.size(), 3u);
    EXPECT_EQ(g_told[0], "Open: pipe.kvx|is not a regular file.");
    EXPECT_EQ(g_told[1], "Open: folder.kvx|is a folder.");
    EXPECT_EQ(g_told[2], "Open: huge.kvx|is larger than 256 MB.");
}

TEST_F(DesignCommandsTest, SaveAppendsTheEndingButOpenTakesTheNameAsTyped) {
    PlaceDesigned("Button", 0, 0, 50, 0);
    g_answers = {PathIn("ui")};
    EXPECT_TRUE(studio::SaveDesignAs());
    ASSERT_EQ(g_questions.size(), 1u);
    EXPECT_EQ(g_questions[0].Title, "Save Korvex Interface...");
    EXPECT_EQ(g_questions[0].Filters, ".kvx|.*");
    EXPECT_EQ(g_questions[0].Ext, ".kvx");
    EXPECT_EQ(g_questions[0].Save, 1);
    EXPECT_TRUE(std::filesystem::exists(PathIn("ui.kvx")));
    EXPECT_FALSE(std::filesystem::exists(PathIn("ui")));

    g_answers = {PathIn("ui"), PathIn("ui.kvx")};
    studio::LoadDesign();
    EXPECT_EQ(Design().DesignList.size(), 1u) << "a name without the ending loads nothing";
    ASSERT_EQ(g_told.size(), 1u);
    EXPECT_EQ(g_told[0], "Open: ui|is not a .kvx design.") << "and says so";
    g_buttonAnswers = {2};  // No: add to the design
    studio::LoadDesign();
    EXPECT_EQ(Design().DesignList.size(), 2u);
    EXPECT_EQ(g_told.back(), "Open: Replace the current design ?|No adds the file's gadgets to it.");
    EXPECT_EQ(g_questions[1].Title, "Load Korvex Interface...");
    EXPECT_EQ(g_questions[1].Save, 0);

    g_answers = {""};
    EXPECT_FALSE(studio::SaveDesignAs()) << "a cancelled question writes nothing";
    g_answers = {PathIn("missing/ui.kvx")};
    EXPECT_FALSE(studio::SaveDesignAs()) << "a failed save is reported";
}

TEST_F(DesignCommandsTest, OpenAsksBeforeReplacingAndAFileThatDoesNotLoadChangesNothing) {
    PlaceDesigned("Button", 0, 0, 50, 0);
    PlaceDesigned("Checkbox", 0, 40, 0, 0);
    g_answers = {PathIn("ui.kvx")};
    ASSERT_TRUE(studio::SaveDesignAs());
    PlaceDesigned("Frame", 0, 80, 60, 60);

    g_answers = {PathIn("ui.kvx")};
    g_buttonAnswers = {3};  // Cancel
    studio::LoadDesign();
    EXPECT_EQ(Design().DesignList.size(), 3u);
    g_answers = {PathIn("ui.kvx")};
    g_buttonAnswers = {1, 2};  // Yes: replace; No: the changes need not be saved
    studio::LoadDesign();
    EXPECT_EQ(Design().DesignList.size(), 2u);
    EXPECT_EQ(Design().DesignList[0]->Handle, "Button1") << "the file's own handles, nothing renamed";

    testing::PutFileBytes(PathIn("picture.kvx"), "\x89PNG\r\n\x1a\n and more");
    for (const char* name : {"picture.kvx", "missing.kvx"}) {
        g_answers = {PathIn(name)};
        g_buttonAnswers = {1};
        studio::LoadDesign();
        EXPECT_EQ(Design().DesignList.size(), 2u) << name << ": the design stays as it was";
    }
    EXPECT_EQ(g_told[g_told.size() - 3], "Open: picture.kvx|is not a Korvex design.");
    EXPECT_EQ(g_told.back(), "Open: missing.kvx|does not exist.");
}

TEST_F(DesignCommandsTest, ExportComparesTheEndingCaseSensitively) {
    g_answers = {PathIn("ui.BMX"), PathIn("a.bmx"), ""};
    studio::ExportSource();
    studio::ExportSource();
    studio::ExportSource();
    EXPECT_TRUE(std::filesystem::exists(PathIn("ui.BMX.bmx")));
    EXPECT_TRUE(std::filesystem::exists(PathIn("a.bmx")));
    EXPECT_FALSE(std::filesystem::exists(PathIn("a.bmx.bmx")));
    ASSERT_EQ(g_questions.size(), 3u);
    EXPECT_EQ(g_questions[0].Title, "Export Korvex Interface to BMX...");
    EXPECT_EQ(g_questions[0].Filters, ".bmx|.*");
    EXPECT_EQ(g_questions[0].Ext, ".bmx");
    EXPECT_EQ(g_questions[0].Save, 1) << "asked for in save mode";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 2);
    g_answers = {PathIn("a.bmx"), PathIn("missing/b.bmx")};
    g_buttonAnswers = {2};
    studio::ExportSource();
    EXPECT_EQ(g_told.back(), "Export: a.bmx already exists.|Replace it ?");
    studio::ExportSource();
    EXPECT_EQ(g_told.back(), "Export: b.bmx|no such file or directory.");
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

TEST_F(DesignCommandsTest, ExportToCppWritesTheHeaderOfTheDesignNamedAfterItsFile) {
    PlaceDesigned("Window", 40, 40, 200, 160);
    g_answers = {PathIn("main_menu")};
    studio::ExportHeader();
    ASSERT_EQ(g_questions.size(), 1u);
    EXPECT_EQ(g_questions[0].Filters, ".hpp|.*");
    EXPECT_EQ(g_questions[0].Save, 1);
    const std::string header = testing::FileBytes(PathIn("main_menu.hpp"));
    EXPECT_NE(header.find("struct MainMenu {"), std::string::npos) << header;
    EXPECT_NE(header.find("    kvx::KVX_WindowRef Window1;"), std::string::npos) << header;
}

}  // namespace
}  // namespace kvx
