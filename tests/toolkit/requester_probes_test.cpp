// What the requesters remember and how the dialogs are laid out: each case fails when one
// assignment or one condition of the rule it names is dropped.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/runtime.hpp"
#include "dialogs/color_requester.hpp"
#include "dialogs/file_requester.hpp"
#include "dialogs/message_box.hpp"
#include "dialogs/path_requester.hpp"
#include "gadgets/combo.hpp"
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
using Names = std::vector<std::string>;

class RequesterProbesTest : public testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        home = fs::current_path();
        root = fs::temp_directory_path() / ("kvx_requester_probes_" + std::to_string(getpid()));
        fs::create_directories(root / "sub");
        for (const char* name : {"a.kvx", "page.html"}) std::ofstream(root / name) << "x";
        LastDirectory.clear();
        LastFilter = ".*";
    }
    void TearDown() override {
        fs::current_path(home);
        fs::remove_all(root);
        ToolkitTest::TearDown();
    }
    // The front requester's combo boxes: the drive selector first, then the file filter.
    static KVX_ComboRef Combo(size_t which) {
        size_t seen = 0;
        for (const KVX_GadgetRef& child : FrontWindow()->Children)
            if (child->Kind() == KVX_KindCombobox && seen++ == which) return std::static_pointer_cast<KVX_Combo>(child);
        return nullptr;
    }
    fs::path home, root;
};

struct Box {
    int x0, y0, x1, y1;
    bool Overlaps(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

// What a gadget covers on the screen with everything it is made of (a list's bars, a combo's button).
Box Covered(const KVX_Gadget& gadget) {
    Box box{gadget.AbsX, gadget.AbsY, gadget.AbsX + gadget.Width, gadget.AbsY + gadget.Height};
    for (const KVX_GadgetRef& child : gadget.Children) {
        if (!child || child->Hidden) continue;
        const Box inner = Covered(*child);
        box = {std::min(box.x0, inner.x0), std::min(box.y0, inner.y0), std::max(box.x1, inner.x1),
               std::max(box.y1, inner.y1)};
    }
    return box;
}

// The front dialog is centred on the screen, and the gadgets of its body lie inside it, none over another.
void ExpectLaidOut() {
    const KVX_WindowRef w = FrontWindow();
    SCOPED_TRACE(w->Text);
    const int bottom = w->Y + w->TitleHeight + w->Height;
    EXPECT_NEAR(w->X + w->Width / 2.0, GraphicsWidth() / 2.0, 1.0);
    EXPECT_NEAR((w->Y + bottom) / 2.0, GraphicsHeight() / 2.0, 1.0);
    std::vector<Box> placed;
    for (const KVX_GadgetRef& child : w->Children) {
        if (child->Y < 0 || child->Width <= 0 || child->Height <= 0) continue;  // the title bar's, and bare text
        const Box box = Covered(*child);
        EXPECT_TRUE(box.x0 >= w->AbsX && box.x1 <= w->X + w->Width && box.y0 >= w->AbsY && box.y1 <= bottom)
            << "kind " << int(child->Kind()) << " \"" << child->Text << "\" leaves the window";
        for (const Box& other : placed)
            EXPECT_FALSE(box.Overlaps(other)) << "kind " << int(child->Kind()) << " overlaps";
        placed.push_back(box);
    }
    EXPECT_GE(placed.size(), 2u);
}

TEST_F(RequesterProbesTest, DialogsAreCentredAndTheirGadgetsSitApartInsideThem) {
    const std::pair<std::function<void()>, const char*> dialogs[] = {
        {[&] { KVX_FileRequester("Load", root.string(), ".kvx|.*", ".kvx", 0); }, "Cancel"},
        {[&] { KVX_FileRequester("Save", root.string(), ".kvx|.*", ".kvx", 1); }, "Cancel"},
        {[&] { KVX_PathRequester("Path", root.string()); }, "Cancel"},
        {[] { KVX_MessageBox("Alert", "Save the design\nbefore closing?", 3, 1); }, "Cancel"},
        {[] { KVX_MessageBox("Alert", "Replace it?", 2, 3); }, "No"},
        {[] { KVX_MessageBox("Note", "Done.", 1, 2); }, "Ok"},
    };
    for (const auto& [open, answer] : dialogs) {
        DialogScript script;
        script.Wait().Then(ExpectLaidOut).ClickButton(answer);
        open();
        EXPECT_TRUE(script.Finished()) << answer;
    }
}

TEST_F(RequesterProbesTest, ChangingTheDriveOrTheFilterRelistsAndForgetsThePickedFile) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"drive", [] { Combo(0)->SelectItem("/", 1); }},
        {"filter", [] { Combo(1)->SelectItem(".*", 1); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        Names listing;
        std::string field = "(unread)", alert;
        DialogScript script;
        script.ClickRow("a.kvx")
            .Then(change)
            .Wait()
            .Then([&] {
                listing = ListedItems(*FrontList());
                field = ChildOf(FrontWindow(), KVX_KindInputbox)->Text;
            })
            .ClickButton("Open")
            .Then([&] { alert = FrontWindow()->Text; })
            .ClickButton("Ok")
            .Wait()
            .ClickButton("Cancel");
        EXPECT_EQ(KVX_FileRequester("Load", root.string(), ".kvx|.*", ".kvx", 0), "");
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(field, "");
        EXPECT_EQ(alert, "Alert") << "nothing is chosen any more";
        if (std::string(what) == "drive") {
            EXPECT_NE(std::find(listing.begin(), listing.end(), "etc"), listing.end()) << "the root is listed";
            EXPECT_EQ(LastDirectory, "/");
        } else {
            EXPECT_EQ(listing, (Names{"..", "sub", "[]", "a.kvx", "page.html"}));
            EXPECT_EQ(LastFilter, ".*");
        }
    }
}

TEST_F(RequesterProbesTest, CancelAndClosingRememberWhereTheRequesterWas) {
    {
        DialogScript script;
        script.ClickRow("sub").Then([] { Combo(1)->SelectItem(".*", 1); }).Wait().ClickButton("Cancel");
        EXPECT_EQ(KVX_FileRequester("Load", root.string(), ".kvx|.*", ".kvx", 0), "");
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_EQ(LastDirectory, (root / "sub").string());
    EXPECT_EQ(LastFilter, ".*");
    {
        DialogScript script;
        script.ClickRow("..").Wait().ClickButton("Cancel");
        EXPECT_EQ(KVX_PathRequester("Path", ""), "");
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_EQ(LastDirectory, root.string()) << "the path requester opened in sub, where the last one was left";
    // Closing the display ends every later dialog at once, so this comes last.
    std::string startedIn;
    DialogScript script;
    script.Then([&] { startedIn = CurrentDir(); }).ClickRow("sub").Wait().Then([] { headless::RequestClose(); });
    EXPECT_EQ(KVX_FileRequester("Load", "", ".kvx|.*", ".kvx", 0), "");
    EXPECT_EQ(startedIn, root.string());
    EXPECT_EQ(LastDirectory, (root / "sub").string()) << "closed with the window, it still remembers";
}

}  // namespace
}  // namespace kvx
