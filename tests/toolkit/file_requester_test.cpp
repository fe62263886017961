// File requester on a temporary tree: the listing by filter and icon, cancel, the window closed,
// a file picked in the list and confirmed.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "dialogs/file_requester.hpp"
#include "dialogs/path_requester.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

namespace fs = std::filesystem;

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
        LastDirectory.clear();
        LastFilter = ".*";
    }
    void TearDown() override {
        fs::current_path(home);
        fs::remove_all(root);
        ToolkitTest::TearDown();
    }
    std::vector<std::string> Listed(const KVX_ListboxRef& list) {
        std::vector<std::string> names;
        for (const KVX_ListItem& item : list->ItemList) names.push_back(item.ItemText);
        return names;
    }
    fs::path home, root;
};

TEST_F(FileRequesterTest, ListingKeepsDirectoriesFirstAndFiltersByEnding) {
    auto window = KVX_Window::Create("w", 0, 0, 400, 300, 0, 0, 0);
    auto list = KVX_Listbox::Create(window, 0, 0, 300, 10);
    EXPECT_TRUE(ListDirectory(root.string(), list, ".kvx", 0));
    EXPECT_EQ(Listed(list), (std::vector<std::string>{"..", "sub", "[]", "a.kvx", "DESIGN.KVX", "design.kvx"}));
    ListDirectory(root.string(), list, ".*", 0);
    EXPECT_EQ(list->ItemCount, 8);
    ListDirectory(root.string(), list, ".*", 1);
    EXPECT_EQ(Listed(list), (std::vector<std::string>{"..", "sub"}));
    EXPECT_EQ(FileIconPath("page.html"), SkinPath("Icon_Default.png"));
    EXPECT_EQ(FileIconPath("photo.Png"), SkinPath("Icon_Picture.png"));
    EXPECT_FALSE(ListDirectory((root / "missing").string(), list, ".*", 1));
    EXPECT_EQ(fs::current_path(), root) << "a path that cannot be entered leaves the working directory";
}

// Presses and releases at the middle of a gadget over two frames, starting at `frame`.
void ClickAt(const KVX_GadgetRef& g, int frame, int now) {
    if (now == frame) {
        headless::MoveMouse(g->AbsX + g->Width / 2, g->AbsY + std::max(g->Height, 2) / 2);
        headless::PressMouse(1);
    }
    if (now == frame + 1) headless::ReleaseMouse(1);
}

TEST_F(FileRequesterTest, PickedFileIsConfirmedAndCancelOrCloseGiveNothing) {
    int frames = 0;
    headless::SetFrameHook([&](int) {
        ++frames;
        const KVX_WindowRef window = KVX_GadgetList.back();
        for (const KVX_GadgetRef& child : window->Children) {
            if (child->Kind() == KVX_KindListbox && frames == 3) {
                auto* list = static_cast<KVX_Listbox*>(child.get());
                int row = 0;
                for (size_t i = 0; i < list->ItemList.size(); ++i) {
                    if (list->ItemList[i].ItemText == "a.kvx") row = int(i);
                }
                headless::MoveMouse(list->AbsX + 40, list->AbsY + row * KVX_LineHeight + KVX_LineHeight / 2);
                headless::PressMouse(1);
            }
            if (frames == 4) headless::ReleaseMouse(1);
            if (child->Kind() == KVX_KindPushButton && child->Text == "Open") ClickAt(child, 6, frames);
        }
        if (frames > 60) headless::RequestClose();
    });
    EXPECT_EQ(KVX_FileRequester("Load", root.string(), ".kvx|.*", ".kvx", 0), (root / "a.kvx").string());
    EXPECT_LT(frames, 20);
    EXPECT_EQ(LastFilter, ".kvx");
    EXPECT_EQ(KVX_ActivationAllowed, 1);

    frames = 0;
    headless::SetFrameHook([&](int) {
        ++frames;
        for (const KVX_GadgetRef& child : KVX_GadgetList.back()->Children) {
            if (child->Kind() == KVX_KindPushButton && child->Text == "Cancel") ClickAt(child, 2, frames);
        }
        if (frames > 60) headless::RequestClose();
    });
    EXPECT_EQ(KVX_FileRequester("Load", "", ".kvx|.*", ".kvx", 0), "");
    EXPECT_LT(frames, 20);

    const size_t windows = KVX_GadgetList.size();
    headless::SetFrameHook(nullptr);
    headless::RequestClose();
    EXPECT_EQ(KVX_FileRequester("Load", "", ".kvx|.*", ".kvx", 1), "");
    EXPECT_EQ(KVX_PathRequester("Path", root.string()), "");
    EXPECT_EQ(KVX_GadgetList.size(), windows);
}

}  // namespace
}  // namespace kvx
