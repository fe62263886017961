// The File page's commands with the path question answered by the test: titles, filters, modes
// and the ending rules of saving, opening and exporting.
#include <deque>

#include "studio/ask_path.hpp"
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
    }
};

TEST_F(DesignCommandsTest, SaveAppendsTheEndingButOpenTakesTheNameAsTyped) {
    PlaceDesigned("Button", 0, 0, 50, 0);
    g_answers = {PathIn("ui")};
    EXPECT_TRUE(studio::SaveDesignAsked());
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
    EXPECT_FALSE(studio::SaveDesignAsked()) << "a cancelled question writes nothing";
    g_answers = {PathIn("missing/ui.kvx")};
    EXPECT_FALSE(studio::SaveDesignAsked()) << "a failed save is reported";
}

TEST_F(DesignCommandsTest, OpenAsksBeforeReplacingAndAFileThatDoesNotLoadChangesNothing) {
    PlaceDesigned("Button", 0, 0, 50, 0);
    PlaceDesigned("Checkbox", 0, 40, 0, 0);
    g_answers = {PathIn("ui.kvx")};
    ASSERT_TRUE(studio::SaveDesignAsked());
    PlaceDesigned("Frame", 0, 80, 60, 60);

    g_answers = {PathIn("ui.kvx")};
    g_buttonAnswers = {3};  // Cancel
    studio::LoadDesign();
    EXPECT_EQ(Design().DesignList.size(), 3u);
    g_answers = {PathIn("ui.kvx")};
    g_buttonAnswers = {1};  // Yes: replace
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
    EXPECT_EQ(g_questions[0].Save, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 2);
}

}  // namespace
}  // namespace kvx
