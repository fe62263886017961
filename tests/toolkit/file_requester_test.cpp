// File and path requesters on a temporary tree: the listing by filter and icon, picking, typing
// and confirming, walking the tree on release, the alerts, cancel and the window closed.
#include "dialogs/file_requester.hpp"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/skin.hpp"
#include "dialogs/path_requester.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/window.hpp"
#include "platform/files.hpp"
#include "support/dialog_script.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

namespace fs = std::filesystem;
using testing::ChildOf;
using testing::DialogScript;
using testing::FrontList;
using testing::FrontWindow;
using testing::ListedItems;
using testing::MessageLabel;
using Names = std::vector<std::string>;

class FileRequesterTest : public testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();  // the fonts load from the repository folder first
        home = fs::current_path();
        root = fs::temp_directory_path() / ("kvx_requester_" + std::to_string(getpid()));
        fs::create_directories(root / "sub");
        for (const char* name : {"design.kvx", "DESIGN.KVX", "design.kvx.bak", "page.html", "a.kvx"}) {
            std::ofstream(root / name) << "x";
        }
        std::ofstream(root / "sub" / "inner.kvx") << "x";
        LastDirectory.clear();
        LastFilter = ".*";
    }
    void TearDown() override {
        fs::current_path(home);
        fs::remove_all(root);
        ToolkitTest::TearDown();
    }
    // A step that records the front window's listing, for checks after the dialog returned.
    static std::function<void()> RecordListing(Names& into) {
        return [&into] { into = FrontList() ? ListedItems(*FrontList()) : Names{}; };
    }
    // A step that records the front window's title and the text of its field or of its message.
    static std::function<void()> RecordText(uint8_t kind, std::string& title, std::string& text) {
        return [kind, &title, &text] {
            title = FrontWindow()->Text;
            const KVX_GadgetRef g = kind == KVX_KindLabel ? MessageLabel(FrontWindow()) : ChildOf(FrontWindow(), kind);
            text = g ? g->Text : "(none)";
        };
    }
    fs::path home, root;
};

TEST_F(FileRequesterTest, ListingKeepsDirectoriesFirstAndFiltersByEnding) {
    auto window = KVX_Window::Create("w", 0, 0, 400, 300, 0, 0, 0);
    auto list = KVX_Listbox::Create(window, 0, 0, 300, 10);
    EXPECT_TRUE(ListDirectory(root.string(), list, ".kvx", 0));
    EXPECT_EQ(ListedItems(*list), (Names{"..", "sub", "[]", "a.kvx", "DESIGN.KVX", "design.kvx"}));
    ListDirectory(root.string(), list, ".*", 0);
    EXPECT_EQ(list->ItemCount, 8);
    ListDirectory(root.string(), list, ".*", 1);
    EXPECT_EQ(ListedItems(*list), (Names{"..", "sub"}));
    EXPECT_EQ(FileIconPath("page.html"), SkinPath("Icon_Default.png"));
    EXPECT_EQ(FileIconPath("photo.Png"), SkinPath("Icon_Picture.png"));
    EXPECT_FALSE(ListDirectory((root / "missing").string(), list, ".*", 1));
    EXPECT_EQ(fs::current_path(), root) << "a path that cannot be entered leaves the working directory";
}

TEST_F(FileRequesterTest, PickedFileIsConfirmedAndCancelOrCloseGiveNothing) {
    {
        DialogScript script;
        script.ClickRow("a.kvx").ClickButton("Open");
        EXPECT_EQ(KVX_FileRequester("Load", root.string(), ".kvx|.*", ".kvx", 0), (root / "a.kvx").string());
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(LastFilter, ".kvx");
        EXPECT_EQ(KVX_ActivationAllowed, 1);
    }
    {
        DialogScript script;
        script.ClickButton("Cancel");
        EXPECT_EQ(KVX_FileRequester("Load", "", ".kvx|.*", ".kvx", 0), "");
        EXPECT_TRUE(script.Finished());
    }
    const size_t windows = KVX_GadgetList.size();
    headless::RequestClose();
    EXPECT_EQ(KVX_FileRequester("Load", "", ".kvx|.*", ".kvx", 1), "");
    EXPECT_EQ(KVX_PathRequester("Path", root.string()), "");
    EXPECT_EQ(KVX_GadgetList.size(), windows);
}

TEST_F(FileRequesterTest, OkWithNothingChosenAlertsAndTheRequesterStaysOpen) {
    std::string alertTitle, alertText, frontAfter;
    int activationAfter = -1;
    DialogScript script;
    script.ClickButton("Open")
        .Then(RecordText(KVX_KindLabel, alertTitle, alertText))
        .ClickButton("Ok")
        .Wait()
        .Then([&] {
            frontAfter = FrontWindow()->Text;
            activationAfter = KVX_ActivationAllowed;
        })
        .ClickRow("a.kvx")
        .ClickButton("Open");
    EXPECT_EQ(KVX_FileRequester("Load", root.string(), ".kvx|.*", ".kvx", 0), (root / "a.kvx").string());
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(alertTitle, "Alert");
    EXPECT_EQ(alertText, "You must select a file before validate !");
    EXPECT_EQ(frontAfter, "Load") << "the requester is in front again once the alert is answered";
    EXPECT_EQ(activationAfter, 0) << "and other windows still cannot be activated";
    EXPECT_EQ(KVX_ActivationAllowed, 1);
}

TEST_F(FileRequesterTest, TypedNameWinsOverThePickedOneOnlyInSaveMode) {
    for (const uint8_t save : {1, 0}) {
        const std::string confirm = save == 1 ? "Save" : "Open";
        std::string title, picked, typed;
        DialogScript script;
        script.ClickRow("a.kvx")
            .Then(RecordText(KVX_KindInputbox, title, picked))
            .Click(KVX_KindInputbox)
            .Backspace(5)
            .Type("b.kvx")
            .Then(RecordText(KVX_KindInputbox, title, typed))
            .ClickButton(confirm);
        const fs::path expected = root / (save == 1 ? "b.kvx" : "a.kvx");
        EXPECT_EQ(KVX_FileRequester(confirm, root.string(), ".kvx|.*", ".kvx", save), expected.string()) << confirm;
        EXPECT_TRUE(script.Finished()) << confirm;
        EXPECT_EQ(picked, "a.kvx") << "picking a file names it in the field";
        EXPECT_EQ(typed, "b.kvx");
    }
}

TEST_F(FileRequesterTest, ReleasingOnADirectoryEntersItOrGoesUp) {
    Names inSub, backUp;
    std::string inSubDir, backUpDir;
    DialogScript script;
    script.ClickRow("sub")
        .Then([&] {
            RecordListing(inSub)();
            inSubDir = CurrentDir();
        })
        .ClickRow("..")
        .Then([&] {
            RecordListing(backUp)();
            backUpDir = CurrentDir();
        })
        .ClickRow("sub")
        .ClickRow("inner.kvx")
        .ClickButton("Open");
    EXPECT_EQ(KVX_FileRequester("Load", root.string(), ".kvx|.*", ".kvx", 0), (root / "sub" / "inner.kvx").string());
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(inSub, (Names{"..", "[]", "inner.kvx"}));
    EXPECT_EQ(inSubDir, (root / "sub").string());
    EXPECT_EQ(backUp, (Names{"..", "sub", "[]", "a.kvx", "DESIGN.KVX", "design.kvx"}));
    EXPECT_EQ(backUpDir, root.string()) << "'..' leads to the parent itself, not to a path through the child";
    EXPECT_EQ(LastDirectory, (root / "sub").string() + "/");
}

TEST_F(FileRequesterTest, PathRequesterListsDirectoriesOnlyAndAnswersWithATrailingSlash) {
    Names atRoot, inSub;
    std::string title, fieldInSub;
    {
        DialogScript script;
        script.Then(RecordListing(atRoot))
            .ClickRow("sub")
            .Wait()
            .Then([&] {
                RecordListing(inSub)();
                RecordText(KVX_KindInputbox, title, fieldInSub)();
            })
            .ClickButton("Select");
        EXPECT_EQ(KVX_PathRequester("Path", root.string()), (root / "sub").string() + "/");
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_EQ(atRoot, (Names{"..", "sub"})) << "no files and no separator";
    EXPECT_EQ(inSub, (Names{".."}));
    EXPECT_EQ(fieldInSub, (root / "sub").string());
    EXPECT_EQ(LastDirectory, (root / "sub").string());

    // The directory shown disappears: there is no path left to answer with.
    std::string alertTitle, alertText, frontAfter;
    DialogScript script;
    script.Then([&] { fs::remove_all(root / "sub"); })
        .ClickRow("..")
        .ClickButton("Select")
        .Then(RecordText(KVX_KindLabel, alertTitle, alertText))
        .ClickButton("Ok")
        .Wait()
        .Then([&] { frontAfter = FrontWindow()->Text; })
        .ClickButton("Cancel");
    EXPECT_EQ(KVX_PathRequester("Path", ""), "");
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(alertTitle, "Alert");
    EXPECT_EQ(alertText, "You must select a path before validate !");
    EXPECT_EQ(frontAfter, "Path");
}

}  // namespace
}  // namespace kvx
