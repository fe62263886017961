// Input box: focus and caret placement, paced keys, the length and character filters, scrolling.
#include "gadgets/input.hpp"

#include "core/focus.hpp"
#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "gadgets/window.hpp"
#include "platform/input_state.hpp"
#include "support/keyboard_fixture.hpp"

namespace kvx {
namespace {

constexpr unsigned kCaretColor = 0xFF9B32;  // 255,155,50

class InputTest : public testing::KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        window = KVX_Window::Create("Input", 100, 100, 400, 300, 0, 0, 0);
    }
    KVX_InputRef Field(const std::string& text, int numChar, int y = 30) {
        KVX_InputRef field = KVX_Input::Create(window, text, 20, y, numChar, 20);
        Frame();
        return field;
    }
    // A click on the column-th visible character.
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

TEST_F(InputTest, SizeLengthAndCharacterFilters) {
    KVX_InputRef field = Field("", 10);
    SetImageFont(KVX_BitmapFont);
    EXPECT_EQ(field->Width, 10 * TextWidth("0") + 5);
    EXPECT_EQ(field->Height, KVX_LineHeight + 1);
    ClickColumn(field, 0);
    ASSERT_EQ(field->State, 1);
    for (int code = 1; code <= 15; ++code) Type(std::string(1, char(code)));
    EXPECT_EQ(field->Text, "");
    Type("\x10");
    EXPECT_EQ(field->Text, "\x10") << "16 is the first code accepted";
    Type("abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(field->Text,
              "\x10"
              "abcdefghijklmnopqrs");

    // Characters come in the order typed, however many a frame holds.
    KVX_InputRef other = Field("abcdef", 10, 80);
    ClickColumn(other, 6);
    for (char c : std::string("0123456789")) headless::TypeChar(c);
    Frame();
    EXPECT_EQ(other->Text, "abcdef0123456789");
}

TEST_F(InputTest, EachKeyPressActsOnceAtOnceAndRepeatsOnlyWhenHeld) {
    KVX_InputRef field = Field("abcdefgh", 10);
    ClickColumn(field, 8);
    // Quick taps, each pressed and released within one frame, at full typing speed.
    for (int i = 0; i < 3; ++i) {
        headless::PressKey(KEY_BACKSPACE);
        headless::ReleaseKey(KEY_BACKSPACE);
    }
    Frames(6);
    EXPECT_EQ(field->Text, "abcde") << "three taps, three characters";
    // A longer press, short of the repeat delay, still deletes one.
    headless::PressKey(KEY_BACKSPACE);
    Frame();
    headless::AdvanceClock(kKeyRepeatDelayMs - 1);
    Frames(2);
    headless::ReleaseKey(KEY_BACKSPACE);
    Frame();
    EXPECT_EQ(field->Text, "abcd");
    // Held past the delay: one more at the delay, then one per interval.
    headless::PressKey(KEY_LEFT);
    Frame();
    headless::AdvanceClock(kKeyRepeatDelayMs);
    Frame();
    headless::AdvanceClock(kKeyRepeatIntervalMs);
    Frame();
    headless::ReleaseKey(KEY_LEFT);
    Frame();
    EXPECT_EQ(field->CaretIndex, 1);
    // An editing key typed after text in the same frame acts after it.
    headless::TypeChar('x');
    headless::PressKey(KEY_BACKSPACE);
    headless::ReleaseKey(KEY_BACKSPACE);
    Frames(3);
    EXPECT_EQ(field->Text, "abcd");
    EXPECT_EQ(field->CaretIndex, 1);
}

TEST_F(InputTest, TextTypedWithoutAFocusedFieldIsDroppedAndHiddenFieldsLoseTheFocus) {
    KVX_InputRef field = Field("", 10);
    MoveTo(700, 700);
    Type("stray");
    ClickColumn(field, 0);
    Type("ok");
    EXPECT_EQ(field->Text, "ok") << "nothing typed before the focus was taken";

    field->Hidden = 1;
    Frame();
    field->Hidden = 0;
    Type("!");
    EXPECT_EQ(field->State, 0) << "a field hidden while focused gives the focus up";
    EXPECT_EQ(field->Text, "ok");

    ClickColumn(field, 2);
    window->Hidden = 1;
    Frame();
    window->Hidden = 0;
    Frame();
    EXPECT_EQ(field->State, 0) << "so does one in a hidden window";
    ClickColumn(field, 2);
    KVX_WindowRef front = KVX_Window::Create("Front", 600, 500, 200, 100, 0, 0, 0);
    Type("?");
    EXPECT_EQ(field->Text, "ok") << "or one whose window is deactivated";
    EXPECT_FALSE(KVX_FocusTaken());
    front->Free();
}

TEST_F(InputTest, TypingPastTheWidthScrollsAndHomeEndMoveTheView) {
    KVX_InputRef field = Field("", 5);
    const int edge = 5 * field->CharWidth;
    ClickColumn(field, 0);
    Type("abcdef");
    EXPECT_EQ(field->CaretX, edge);
    EXPECT_EQ(field->ScrollOffset, 0) << "the view follows one frame later";
    Frame();
    EXPECT_EQ(field->ScrollOffset, 1);
    Type("g");
    Frame();
    EXPECT_EQ(Visible(field), "cdefg");
    EXPECT_EQ(CaretPixel(field), kCaretColor);

    Tap(KEY_HOME);
    EXPECT_EQ(field->CaretIndex, 0);
    EXPECT_EQ(field->ScrollOffset, 0);
    EXPECT_EQ(CaretPixel(field), kCaretColor);
    Tap(KEY_END);
    EXPECT_EQ(field->CaretIndex, 7);
    EXPECT_EQ(field->CaretX, edge);
    EXPECT_EQ(field->ScrollOffset, 2);
}

TEST_F(InputTest, EditingAtTheEndsAndAClickRightOfTheText) {
    KVX_InputRef field = Field("abc", 10);
    Click(field->AbsX + 8 * field->CharWidth, field->AbsY + 5);
    EXPECT_EQ(field->CaretIndex, 3);
    EXPECT_EQ(field->CaretX, 3 * field->CharWidth);
    Tap(KEY_DELETE);
    Tap(KEY_RIGHT);
    EXPECT_EQ(field->Text, "abc");
    EXPECT_EQ(field->CaretIndex, 3);
    Tap(KEY_HOME);
    Tap(KEY_BACKSPACE);
    EXPECT_EQ(field->Text, "abc");
    EXPECT_EQ(field->CaretX, 0);
    Tap(KEY_DELETE);
    EXPECT_EQ(field->Text, "bc");
}

TEST_F(InputTest, InAScrolledFieldClicksAndBackspaceKeepTheCaretOnItsCharacter) {
    KVX_InputRef field = Field("abcdefghij", 5);
    ClickColumn(field, 0);
    Tap(KEY_END);
    ASSERT_EQ(Visible(field), "fghij");
    ClickColumn(field, 1);
    EXPECT_EQ(field->CaretIndex, 6) << "before the 'g' under the pointer";
    EXPECT_EQ(field->ScrollOffset, 5);
    Type("X");
    EXPECT_EQ(field->Text, "abcdefXghij");

    // Backspace with the caret at the left edge: the caret stays shown and the view scrolls back.
    for (int i = 0; i < 2; ++i) Tap(KEY_LEFT);
    ASSERT_EQ(field->CaretX, 0);
    ASSERT_EQ(field->ScrollOffset, 5);
    Tap(KEY_BACKSPACE);
    EXPECT_EQ(field->Text, "abcdfXghij");
    EXPECT_EQ(field->CaretX, 0);
    EXPECT_EQ(field->ScrollOffset, 4);
    EXPECT_EQ(CaretPixel(field), kCaretColor);
    Type("Z");
    EXPECT_EQ(field->Text, "abcdZfXghij") << "typing goes where the caret is shown";
}

TEST_F(InputTest, FocusWithAComboOrMenuOpenAndTheWaysEditingEnds) {
    KVX_InputRef field = Field("abcdefgh", 5);
    for (int32_t* open : {&ComboOpen, &MenuOpen}) {
        *open = 1;
        ClickColumn(field, 0);
        EXPECT_EQ(field->State, 0);
        *open = 0;
    }
    ClickColumn(field, 0);
    MenuOpen = 1;
    Click(field->AbsX + field->Width + 50, field->AbsY + 5);
    EXPECT_EQ(field->State, 0) << "a click outside still takes the focus away";
    MenuOpen = 0;

    ClickColumn(field, 0);
    Tap(KEY_END);
    Tap(KEY_LEFT);
    ASSERT_EQ(field->ScrollOffset, 3);
    headless::PressKey(KEY_ENTER);
    Frame();
    EXPECT_EQ(field->State, 0);
    EXPECT_EQ(field->ScrollOffset, 0);
    headless::ReleaseKey(KEY_ENTER);
    ClickColumn(field, 0);
    Tap(KEY_ESCAPE);
    Type("q");
    EXPECT_EQ(field->Text, "abcdefgh");
}

}  // namespace
}  // namespace kvx
