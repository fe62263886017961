// The toolkit under the loads and the input users really produce: very long lists and texts,
// characters beyond 8 bits, windows thrown off the screen, and the window closed under a dialog.
#include <chrono>

#include "core/mouse.hpp"
#include "dialogs/message_box.hpp"
#include "gadgets/checkbox.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/input.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/window.hpp"
#include "platform/handles.hpp"
#include "support/keyboard_fixture.hpp"

namespace kvx {
namespace {

using Clock = std::chrono::steady_clock;

class ToolkitHostileTest : public testing::KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        headless::SetClock(1000);
        window = KVX_Window::Create("Hostile", 100, 100, 500, 400, 0, 0, 0);
    }
    // The slowest of `n` frames, in milliseconds.
    static double SlowestFrameMs(int n) {
        double slowest = 0;
        for (int i = 0; i < n; ++i) {
            const auto start = Clock::now();
            Frame();
            slowest = std::max(slowest, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        return slowest;
    }
    KVX_WindowRef window;
};

TEST_F(ToolkitHostileTest, TenThousandItemsScrollDrawAndFreeTheirHandles) {
    const int handlesBefore = LiveHandleCount();
    const size_t childrenBefore = window->Children.size();
    KVX_ListboxRef box = KVX_Listbox::Create(window, 20, 30, 300, 12);
    for (int i = 1; i <= 10000; ++i) box->AddItem("Item " + std::to_string(i), "");
    Frame();
    headless::MoveMouse(box->AbsX + 30, box->AbsY + 30);
    for (int i = 0; i < 30; ++i) {
        headless::Wheel(-1);
        Frame();
    }
    EXPECT_FLOAT_EQ(box->VScroll->Value, 31.f) << "a line per wheel step";
    box->VScroll->Value = box->VScroll->Maximum + 500;  // past the end, as a hurried drag gives
    box->VScroll->ThumbValid = 0.f;
    const double slowest = SlowestFrameMs(5);
    EXPECT_LE(box->VScroll->Value, box->VScroll->Maximum);
    headless::MoveMouse(box->AbsX + 30, box->AbsY + 11 * KVX_LineHeight + KVX_LineHeight / 2);
    headless::PressMouse(1);
    Frame();
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(box->SelectedText, "Item 10000");
    RecordProperty("slowest_frame_ms_10000_items", std::to_string(slowest));
    EXPECT_LT(slowest, 100.0);

    EXPECT_EQ(box->RemoveItem("Item 5000"), 1);
    EXPECT_EQ(box->ItemCount, 9999);
    box->Free();
    Frames(2);
    EXPECT_EQ(window->Children.size(), childrenBefore);
    EXPECT_LE(LiveHandleCount(), handlesBefore) << "the items' icons and the list's pictures are released";
}

TEST_F(ToolkitHostileTest, AHundredThousandCharacterTextStaysEditableAndQuick) {
    std::string text;
    for (int i = 0; text.size() < 100000; ++i) text += char('a' + i % 26);
    KVX_InputRef field = KVX_Input::Create(window, text, 20, 30, 30, 100005);
    Frame();
    Click(field->AbsX + 5, field->AbsY + 5);
    ASSERT_EQ(field->State, 1);
    Tap(KEY_END);
    EXPECT_EQ(field->CaretIndex, 100000);
    const auto start = Clock::now();
    Type("XYZ");
    Tap(KEY_BACKSPACE);  // two frames
    const double editMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    EXPECT_EQ(field->Text, text + "XY");
    Type("1234");
    EXPECT_EQ(field->Text.size(), 100005u) << "typing stops at the longest text";
    Tap(KEY_HOME);
    Tap(KEY_DELETE);
    EXPECT_EQ(field->Text.substr(0, 3), "bcd");
    const double slowest = SlowestFrameMs(10);
    RecordProperty("slowest_frame_ms_100000_chars", std::to_string(slowest));
    RecordProperty("ms_for_5_edits_100000_chars", std::to_string(editMs));
    EXPECT_LT(slowest, 100.0);
    EXPECT_LT(editMs, 6 * 100.0) << "six frames";
}

TEST_F(ToolkitHostileTest, CharactersBeyondEightBitsAreDroppedAndTheTextKeepsItsBytes) {
    KVX_InputRef field = KVX_Input::Create(window, "ab", 20, 30, 20, 50);
    Frame();
    Click(field->AbsX + 5 * field->CharWidth, field->AbsY + 5);
    ASSERT_EQ(field->State, 1);
    for (int code : {0x263A, 0x10FFFF, 0x100, 0x7FFFFFFF, -1, -0xE9, 0xE9, int('c'), 0x1F600}) {
        headless::TypeChar(code);
    }
    Frame();
    EXPECT_EQ(field->Text,
              "ab\xE9"
              "c")
        << "only the 8-bit codes arrive, in order";
    EXPECT_EQ(field->CaretIndex, 4);
    EXPECT_EQ(GetChar(), 0) << "nothing of the dropped codes is left queued";
    Frames(2);
}

TEST_F(ToolkitHostileTest, AWindowThrownFarOffScreenComesBackAndStillWorks) {
    KVX_WindowRef movable = KVX_Window::Create("Movable", 300, 200, 300, 200, 1, 1, 1);
    KVX_CheckboxRef box = KVX_Checkbox::Create(movable, "Still here", 20, 30, 0);
    Frame();
    // Drags by the title, 100 pixels right of the window's corner, so that this point lands on x, y.
    auto dragTitle = [&](int toX, int toY) {
        headless::MoveMouse(movable->X + 100, movable->Y + 10);
        headless::PressMouse(1);
        Frame();
        MoveTo(toX, toY);
        headless::ReleaseMouse(1);
        Frames(2);
        return std::pair{movable->X + 100, movable->Y + 10};
    };
    for (const auto& far : {std::pair{-5000, -5000}, {5000, 5000}, {-5000, 5000}, {5000, -5000}}) {
        EXPECT_EQ(dragTitle(far.first, far.second), far) << "the window follows the pointer off the screen";
        SlowestFrameMs(2);
        EXPECT_EQ(dragTitle(400, 210), std::pair(400, 210)) << "and back";
    }
    // Also placed there directly, as a program or a design file may.
    movable->X = movable->Y = -2000000000;
    Frames(2);
    movable->X = 300;
    movable->Y = 200;
    Frames(2);
    Click(box->AbsX + 5, box->AbsY + 5);
    EXPECT_EQ(box->State, 1) << "its gadgets still answer";
}

TEST_F(ToolkitHostileTest, ClosingTheDisplayUnderAMessageBoxAnswersCancelAndLeavesNoModalState) {
    int frames = 0;
    headless::SetFrameHook([&](int) {
        if (++frames == 3) headless::RequestClose();
    });
    const size_t windows = KVX_GadgetList.size();
    EXPECT_EQ(KVX_MessageBox("Alert", "Save before closing?", 3, 1), 3);
    EXPECT_EQ(frames, 3) << "the dialog ends at the close, not later";
    EXPECT_TRUE(AppTerminate());
    EXPECT_EQ(KVX_GadgetList.size(), windows);
    EXPECT_EQ(KVX_ActivationAllowed, 1);
    // A second dialog opened after the close (as an exit path asking again) returns at once.
    EXPECT_EQ(KVX_MessageBox("Alert", "Really?", 2, 1), 2);
    EXPECT_EQ(frames, 3);
    headless::SetFrameHook(nullptr);
    window->Activate();
    Frames(2);
    EXPECT_EQ(window->State, 1) << "the toolkit still draws and activates";
}

}  // namespace
}  // namespace kvx
