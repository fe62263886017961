// Input box: focus and caret placement, paced editing keys, the length and character filters,
// scrolling past the visible width and the caret in a scrolled field.
#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "gadgets/input.hpp"
#include "gadgets/window.hpp"
#include "support/keyboard_fixture.hpp"

namespace kvx {
namespace {

using testing::KeyboardTest;

constexpr unsigned kCaretColor = 0xFF9B32;  // 255,155,50

class InputTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        KVX_Mouse = KVX_MouseState{};
        ComboOpen = MenuOpen = 0;
        window = KVX_Window::Create("Input", 100, 100, 400, 300, 0, 0, 0);
    }
    void TearDown() override {
        ComboOpen = MenuOpen = 0;
        KeyboardTest::TearDown();
    }
    KVX_InputRef MakeField(const std::string& text, int numChar, int maxChar, int y = 30) {
        KVX_InputRef field = KVX_Input::Create(window, text, 20, y, numChar, maxChar);
        Frame();
        return field;
    }
    // A click on the column-th visible character of the field.
    static void ClickColumn(const KVX_InputRef& field, int column) {
        Click(field->AbsX + column * field->CharWidth + 1, field->AbsY + 5);
    }
    static unsigned CaretPixel(const KVX_InputRef& field) {
        return Pixel(field->AbsX + 2 + field->CaretX, field->AbsY + 2) & 0xFFFFFFu;
    }
    static std::string Visible(const KVX_InputRef& field) {
        return field->Text.substr(size_t(field->ScrollOffset), size_t(field->NumChar));
    }
    KVX_WindowRef window;
};

TEST_F(InputTest, SizeComesFromTheBitmapFontAndTypingStopsAtMaxChar) {
    KVX_InputRef field = MakeField("", 10, 20);
    SetImageFont(KVX_BitmapFont);
    const int charWidth = TextWidth("0");
    EXPECT_EQ(field->CharWidth, charWidth);
    EXPECT_EQ(field->Width, 10 * charWidth + 5);
    EXPECT_EQ(field->Height, KVX_LineHeight + 1);
    EXPECT_EQ(field->State, 0);

    ClickColumn(field, 0);
    ASSERT_EQ(field->State, 1);
    Type("abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(field->Text, "abcdefghijklmnopqrst");
    EXPECT_EQ(field->CaretIndex, 20);
    EXPECT_EQ(field->CaretX, 10 * charWidth) << "the caret stays at the right edge";
}

TEST_F(InputTest, ControlCodesAreRefusedAndOneCharacterIsTakenPerPace) {
    KVX_InputRef field = MakeField("", 10, 20);
    ClickColumn(field, 0);
    for (int code = 0; code <= 15; ++code) {
        headless::TypeChar(code);
        headless::AdvanceClock(91);
        Frame();
    }
    EXPECT_EQ(field->Text, "");
    EXPECT_EQ(field->CaretIndex, 0);
    Type("\x10");
    EXPECT_EQ(field->Text, "\x10") << "code 16 is the first one accepted";

    // Two characters typed within one pace: the second is flushed with the queue.
    headless::TypeChar('a');
    headless::TypeChar('b');
    headless::AdvanceClock(91);
    Frame();
    headless::AdvanceClock(91);
    Frame();
    EXPECT_EQ(field->Text, "\x10" "a");

    // A held key repeats once per 90 ms, not once per frame.
    headless::PressKey(KEY_LEFT);
    headless::AdvanceClock(91);
    Frame();
    EXPECT_EQ(field->CaretIndex, 1);
    Frames(3);
    headless::AdvanceClock(90);
    Frame();
    EXPECT_EQ(field->CaretIndex, 1) << "the pace has not run out yet";
    headless::AdvanceClock(1);
    Frame();
    EXPECT_EQ(field->CaretIndex, 0);
    headless::ReleaseKey(KEY_LEFT);
    Frame();
}

TEST_F(InputTest, TypingPastTheWidthScrollsOnTheNextFrameAndHomeEndMoveTheView) {
    KVX_InputRef field = MakeField("", 5, 20);
    const int edge = 5 * field->CharWidth;
    ClickColumn(field, 0);
    Type("abcdef");
    EXPECT_EQ(field->CaretX, edge);
    EXPECT_EQ(field->CaretIndex, 6);
    EXPECT_EQ(field->ScrollOffset, 0) << "the view follows one frame later";
    Frame();
    EXPECT_EQ(field->ScrollOffset, 1);
    Type("g");
    Frame();
    EXPECT_EQ(field->ScrollOffset, 2);
    EXPECT_EQ(Visible(field), "cdefg");
    EXPECT_EQ(CaretPixel(field), kCaretColor) << "the caret is drawn at the right edge";

    Tap(KEY_HOME);
    EXPECT_EQ(field->CaretX, 0);
    EXPECT_EQ(field->CaretIndex, 0);
    EXPECT_EQ(field->ScrollOffset, 0);
    EXPECT_EQ(CaretPixel(field), kCaretColor);
    Type("_");
    EXPECT_EQ(field->Text, "_abcdefg");

    Tap(KEY_END);
    EXPECT_EQ(field->CaretIndex, 8);
    EXPECT_EQ(field->CaretX, edge);
    EXPECT_EQ(field->ScrollOffset, 3);
    EXPECT_EQ(Visible(field), "cdefg");

    KVX_InputRef shortField = MakeField("abc", 5, 20, 80);
    ClickColumn(shortField, 0);
    Tap(KEY_END);
    EXPECT_EQ(shortField->CaretX, 3 * shortField->CharWidth) << "End in a short text stops after it";
    EXPECT_EQ(shortField->ScrollOffset, 0);
}

TEST_F(InputTest, DeleteAtTheEndAndBackspaceAtTheStartChangeNothing) {
    KVX_InputRef field = MakeField("abc", 10, 20);
    // Far right of the text, inside the box: the caret goes after the last character.
    Click(field->AbsX + 8 * field->CharWidth, field->AbsY + 5);
    ASSERT_EQ(field->State, 1);
    EXPECT_EQ(field->CaretIndex, 3);
    EXPECT_EQ(field->CaretX, 3 * field->CharWidth);
    Tap(KEY_DELETE);
    EXPECT_EQ(field->Text, "abc");
    Tap(KEY_RIGHT);
    EXPECT_EQ(field->CaretIndex, 3) << "Right stops at the end";
    EXPECT_EQ(field->CaretX, 3 * field->CharWidth);
    Tap(KEY_BACKSPACE);
    EXPECT_EQ(field->Text, "ab");
    EXPECT_EQ(field->CaretX, 2 * field->CharWidth);

    Tap(KEY_HOME);
    Tap(KEY_BACKSPACE);
    EXPECT_EQ(field->Text, "ab");
    EXPECT_EQ(field->CaretIndex, 0);
    EXPECT_EQ(field->CaretX, 0);
    Tap(KEY_LEFT);
    EXPECT_EQ(field->CaretIndex, 0);
    Tap(KEY_DELETE);
    EXPECT_EQ(field->Text, "b");
}

TEST_F(InputTest, AClickInAScrolledFieldPutsTheCaretOnTheClickedCharacter) {
    KVX_InputRef field = MakeField("abcdefghij", 5, 20);
    ClickColumn(field, 0);
    Tap(KEY_END);
    ASSERT_EQ(field->ScrollOffset, 5);
    ASSERT_EQ(Visible(field), "fghij");

    ClickColumn(field, 1);
    EXPECT_EQ(field->CaretIndex, 6) << "before the 'g' under the pointer";
    EXPECT_EQ(field->CaretX, field->CharWidth);
    EXPECT_EQ(field->ScrollOffset, 5) << "the click does not move the view";
    EXPECT_EQ(CaretPixel(field), kCaretColor);
    Type("X");
    EXPECT_EQ(field->Text, "abcdefXghij");

    // The margin right of the visible part: after its last character, "fXghi".
    Click(field->AbsX + field->Width - 1, field->AbsY + 5);
    EXPECT_EQ(field->CaretIndex, 10);
    EXPECT_EQ(field->CaretX, 5 * field->CharWidth);
    EXPECT_EQ(field->ScrollOffset, 5);
}

TEST_F(InputTest, BackspaceAtTheLeftEdgeOfAScrolledTextScrollsTheViewBack) {
    KVX_InputRef field = MakeField("abcdefghij", 5, 20);
    ClickColumn(field, 0);
    Tap(KEY_END);
    for (int i = 0; i < 5; ++i) Tap(KEY_LEFT);
    ASSERT_EQ(field->CaretIndex, 5);
    ASSERT_EQ(field->CaretX, 0);
    ASSERT_EQ(field->ScrollOffset, 5);

    Tap(KEY_BACKSPACE);
    EXPECT_EQ(field->Text, "abcdfghij");
    EXPECT_EQ(field->CaretIndex, 4);
    EXPECT_EQ(field->CaretX, 0) << "the caret stays in the box";
    EXPECT_EQ(field->ScrollOffset, 4);
    EXPECT_EQ(Visible(field), "fghij");
    EXPECT_EQ(CaretPixel(field), kCaretColor);

    Type("Z");
    EXPECT_EQ(field->Text, "abcdZfghij") << "typing goes where the caret is shown";
    EXPECT_EQ(field->CaretX, field->CharWidth);
    EXPECT_EQ(field->CaretIndex, field->ScrollOffset + field->CaretX / field->CharWidth);
}

TEST_F(InputTest, FocusIsRefusedWhileAComboOrMenuIsOpenAndEnterOrEscapeEndEditing) {
    KVX_InputRef field = MakeField("abcdefgh", 5, 20);
    ComboOpen = 1;
    ClickColumn(field, 0);
    EXPECT_EQ(field->State, 0);
    ComboOpen = 0;
    MenuOpen = 1;
    ClickColumn(field, 0);
    EXPECT_EQ(field->State, 0);
    MenuOpen = 0;

    ClickColumn(field, 0);
    ASSERT_EQ(field->State, 1);
    MenuOpen = 1;
    Click(field->AbsX + field->Width + 50, field->AbsY + 5);
    EXPECT_EQ(field->State, 0) << "a click outside still takes the focus away";
    MenuOpen = 0;

    ClickColumn(field, 0);
    Tap(KEY_END);
    Tap(KEY_LEFT);
    ASSERT_EQ(field->ScrollOffset, 3);
    ASSERT_EQ(field->CaretX, 4 * field->CharWidth);
    headless::PressKey(KEY_ENTER);
    Frame();
    EXPECT_EQ(field->State, 0);
    EXPECT_EQ(field->ScrollOffset, 0) << "leaving by Enter shows the start again";
    headless::ReleaseKey(KEY_ENTER);
    Frame();

    ClickColumn(field, 0);
    Tap(KEY_ESCAPE);
    EXPECT_EQ(field->State, 0);
    Type("q");
    EXPECT_EQ(field->Text, "abcdefgh") << "no typing without the focus";
}

TEST_F(InputTest, ReadKeyNamesTheFirstHeldKeyBeforeTypedCharacters) {
    headless::TypeChar('x');
    headless::PressKey(KEY_BACKSPACE);
    headless::PressKey(KEY_HOME);
    EXPECT_EQ(ReadKey(), "KEY_HOME");
    headless::ReleaseKey(KEY_HOME);
    EXPECT_EQ(ReadKey(), "KEY_BACKSPACE");
    headless::ReleaseKey(KEY_BACKSPACE);
    EXPECT_EQ(ReadKey(), "x");
    EXPECT_EQ(ReadKey(), "");
}

}  // namespace
}  // namespace kvx
