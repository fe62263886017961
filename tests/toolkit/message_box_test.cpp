// Message box: size from the text, answers of each button set, the icons, the window-close
// answer, and the drive list read from a mount table.
#include "dialogs/message_box.hpp"

#include <algorithm>

#include "dialogs/drive_list.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/image_box.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"
#include "support/dialog_script.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ChildOf;
using testing::DialogScript;
using testing::FrontWindow;
using testing::MessageLabel;
using testing::ToolkitTest;

// Clicks `caption` of the front window over frames 2 and 3 of the dialog; records its size.
struct ClickScript {
    std::string caption;
    int width = 0, height = 0;
    int32_t seen = 0;  // the dialog window the frames are counted for
    int frame = 0;
    void Install() {
        headless::SetFrameHook([this](int) {
            const KVX_WindowRef window = KVX_GadgetList.back();
            if (window->Handle != seen) {
                seen = window->Handle;
                frame = 0;
            }
            ++frame;
            if (frame == 1) {
                width = window->Width;
                height = window->Height + window->TitleHeight;
                const KVX_GadgetRef b = ChildOf(window, KVX_KindPushButton, caption);
                if (!b) return headless::RequestClose();
                headless::MoveMouse(b->AbsX + b->Width / 2, b->AbsY + b->Height / 2);
                headless::PressMouse(1);
            }
            if (frame == 2) headless::ReleaseMouse(1);
            if (frame > 50) headless::RequestClose();  // never hang on a broken dialog
        });
    }
};

class MessageBoxTest : public ToolkitTest {};

TEST_F(MessageBoxTest, SizeFollowsTheTextInTheDefaultFont) {
    ClickScript script{"Ok"};
    script.Install();
    EXPECT_EQ(KVX_MessageBox("t", "Saved", 1, 1), 1);
    EXPECT_EQ(script.width, 220);
    const std::string longText = "A rather long line of text that is measured|short";
    EXPECT_EQ(KVX_MessageBox("t", longText, 1, 0), 1);
    EXPECT_EQ(script.width, TextBlockWidth(longText) + 100);
    EXPECT_GE(script.width, 300);
    EXPECT_EQ(script.height, TextBlockHeight(longText) + 100);
    EXPECT_EQ(KVX_ActivationAllowed, 1);

    SetImageFont(KVX_GuiFont);
    const int w = TextWidth("abcdef");
    SetImageFont(nullptr);
    EXPECT_EQ(TextBlockWidth("ab|abcdef|abc"), w) << "measured in the font the label draws";
    EXPECT_EQ(TextBlockHeight("Line one|Line one"), 2 * KVX_MultilineStep());
    EXPECT_EQ(GetImageFont(), nullptr) << "the selected font is restored";
}

TEST_F(MessageBoxTest, EachButtonAnswersAndAClosedWindowAnswersTheHighest) {
    ClickScript script{"No"};
    script.Install();
    EXPECT_EQ(KVX_MessageBox("t", "Save?", 2, 1), 2);
    EXPECT_LE(script.frame, 3) << "answered by the click, not by the close";
    script.caption = "Yes";
    EXPECT_EQ(KVX_MessageBox("t", "Save?", 3, 1), 1);
    script.caption = "Cancel";
    EXPECT_EQ(KVX_MessageBox("t", "Save?", 3, 0), 3);
    script.caption = "Ok";
    EXPECT_EQ(KVX_MessageBox("t", "Odd set", 7, 0), 1) << "an unknown set shows Ok";
    const size_t windows = KVX_GadgetList.size();
    script.caption = "none";  // closes the application window at the first frame
    EXPECT_EQ(KVX_MessageBox("t", "Save?", 3, 0), 3);
    EXPECT_LE(script.frame, 2) << "the close ends the loop at once";
    EXPECT_EQ(KVX_GadgetList.size(), windows) << "the dialog's window is freed";
    EXPECT_EQ(KVX_ActivationAllowed, 1);
}

TEST_F(MessageBoxTest, OnlyIconsOneToThreeShowAnImageAndTheTextStaysInPlace) {
    struct Seen {
        int images = -1;
        int32_t handle = 0;
        int imageX = 0, imageY = 0, textX = 0, textY = 0;
    };
    const std::vector<int32_t> icons = {1, 2, 3, 0, 4, -1};
    std::vector<Seen> seen(icons.size());
    DialogScript script;
    for (Seen& s : seen) {
        script
            .Then([&s] {
                s.images = 0;
                for (const KVX_GadgetRef& child : FrontWindow()->Children) {
                    if (child->Kind() != KVX_KindImagebox) continue;
                    ++s.images;
                    s.handle = static_cast<KVX_Image*>(child.get())->ImageHandle;
                    s.imageX = child->X;
                    s.imageY = child->Y;
                }
                if (const KVX_GadgetRef label = MessageLabel(FrontWindow())) {
                    s.textX = label->X;
                    s.textY = label->Y;
                }
            })
            .ClickButton("Ok")
            .Wait();  // the answered box is still in front for the frame that took the click
    }
    for (int32_t icon : icons) EXPECT_EQ(KVX_MessageBox("t", "Saved", 1, icon), 1) << icon;
    EXPECT_TRUE(script.Finished());
    const int h = TextBlockHeight("Saved") + 100;
    for (size_t i = 0; i < icons.size(); ++i) {
        const bool shown = icons[i] >= 1 && icons[i] <= 3;
        EXPECT_EQ(seen[i].images, shown ? 1 : 0) << "icon " << icons[i];
        EXPECT_EQ(seen[i].textX, seen[0].textX) << "icon " << icons[i];
        EXPECT_EQ(seen[i].textY, seen[0].textY) << "icon " << icons[i];
        if (!shown) continue;
        EXPECT_NE(seen[i].handle, 0) << "the skin image of icon " << icons[i] << " loads";
        EXPECT_EQ(seen[i].imageX, 10);
        EXPECT_EQ(seen[i].imageY, h / 2 - 42);
    }
}

TEST(DriveListTest, MountTableGivesRootFirstAndRealFileSystemsWithTheirClass) {
    const std::string table =
        "proc /proc proc rw 0 0\n"
        "/dev/sda1 / ext4 rw 0 0\n"
        "tmpfs /dev/shm tmpfs rw 0 0\n"
        "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
        "/dev/sdb1 /media/usb\\040stick vfat rw 0 0\n"
        "server:/x /net/x nfs4 rw 0 0\n"
        "/dev/sr0 /mnt/cd iso9660 ro 0 0\n"
        "tmpfs /tmp tmpfs rw 0 0\n"
        "/dev/sda2 /home ext4 rw 0 0\n"
        "/dev/sda2 /home ext4 rw 0 0\n";
    const std::vector<MountedDrive> drives = DrivesFromMountTable(table);
    std::vector<std::string> paths;
    for (const MountedDrive& d : drives) paths.push_back(d.Path);
    EXPECT_EQ(paths, (std::vector<std::string>{"/", "/media/usb stick/", "/net/x/", "/mnt/cd/", "/tmp/", "/home/"}));
    ASSERT_EQ(drives.size(), 6u);
    EXPECT_EQ(drives[0].Class, DriveClass::Fixed);
    EXPECT_EQ(drives[1].Class, DriveClass::Removable);
    EXPECT_EQ(drives[2].Class, DriveClass::Network);
    EXPECT_EQ(drives[3].Class, DriveClass::Optical);
    EXPECT_EQ(drives[4].Class, DriveClass::Memory);
    EXPECT_EQ(drives[5].Class, DriveClass::Fixed);
    EXPECT_EQ(DrivesFromMountTable("").size(), 1u);
}

}  // namespace
}  // namespace kvx
