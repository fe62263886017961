// Value box: stepping clamped to the range, the value text, re-reading the field after editing,
// the wheel and the arrows' shared repeat.
#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "gadgets/value.hpp"
#include "gadgets/value_shared.hpp"
#include "gadgets/window.hpp"
#include "support/keyboard_fixture.hpp"

namespace kvx {
namespace {

using testing::KeyboardTest;

class ValueTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        KVX_Mouse = KVX_MouseState{};
        ComboOpen = MenuOpen = 0;
        window = KVX_Window::Create("Values", 100, 100, 400, 300, 0, 0, 0);
    }
    KVX_ValueRef MakeBox(float value, float step, float minimum, float maximum, int integerOnly) {
        KVX_ValueRef box = KVX_Value::Create(window, "Size :", 80, 30, 8, value, step, minimum, maximum, integerOnly);
        Frame();
        return box;
    }
    static std::string Field(const KVX_ValueRef& box) { return box->ValueInput->Text; }
    KVX_WindowRef window;
};

TEST(ValueTextTest, WholeNumbersTruncateTowardZeroAndOthersKeepNineDigits) {
    EXPECT_EQ(ValueText(5.f, 0), "5.00000000");
    EXPECT_EQ(ValueText(100.f, 0), "100.000000");
    EXPECT_EQ(ValueText(0.5f, 0), "0.500000000");
    EXPECT_EQ(ValueText(2.7f, 1), "2");
    EXPECT_EQ(ValueText(-2.7f, 1), "-2");
    EXPECT_EQ(ValueText(-0.5f, 1), "0");
    EXPECT_EQ(ValueText(3.0e9f, 1), "3000000000") << "beyond the 32-bit range";
}

TEST_F(ValueTest, StepsAreClampedToTheRange) {
    KVX_ValueRef box = MakeBox(5.f, 2.f, 0.f, 6.f, 0);
    EXPECT_EQ(Field(box), "5.00000000");
    box->Increment();
    EXPECT_FLOAT_EQ(box->Value, 6.f) << "5 + 2 stops at the maximum";
    EXPECT_EQ(Field(box), "6.00000000");
    for (int i = 0; i < 4; ++i) box->Decrement();
    EXPECT_FLOAT_EQ(box->Value, 0.f);
    EXPECT_EQ(Field(box), "0.00000000");

    // A value written into the field from outside the range is clamped when it is re-read.
    box->ValueInput->Text = "42";
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 6.f);
    EXPECT_EQ(Field(box), "6.00000000");
}

TEST_F(ValueTest, IntegerBoxesShowTheTruncatedValueAndTakeItOnTheNextRead) {
    KVX_ValueRef box = KVX_Value::Create(window, "N :", 80, 30, 8, 2.7f, 1.f, 0.f, 10.f, 1);
    EXPECT_EQ(Field(box), "2");
    EXPECT_FLOAT_EQ(box->Value, 2.7f) << "unchanged until the field is read";
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 2.f);
    EXPECT_EQ(box->ValueInput->MaxChar, 255);
    EXPECT_EQ(box->UpButton->X, box->Width + 1);
    EXPECT_EQ(box->DownButton->Y, box->Height / 2 + 1);
}

TEST_F(ValueTest, ATypedTextIsReadWhenEditingEnds) {
    KVX_ValueRef box = MakeBox(5.f, 1.f, 3.f, 9.f, 1);
    const KVX_InputRef& field = box->ValueInput;
    Click(field->AbsX + 2, field->AbsY + 5);
    ASSERT_EQ(field->State, 1);
    Tap(KEY_DELETE);
    Type("abc");
    Frames(3);
    EXPECT_EQ(Field(box), "abc") << "not overwritten while edited";
    EXPECT_FLOAT_EQ(box->Value, 5.f);
    box->Increment();
    EXPECT_EQ(Field(box), "6") << "the arrows still rewrite the field";

    Tap(KEY_END);
    Tap(KEY_BACKSPACE);
    Type("abc");
    headless::PressKey(KEY_ENTER);
    Frame();
    headless::ReleaseKey(KEY_ENTER);
    ASSERT_EQ(field->State, 0);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 3.f) << "no number reads as 0, clamped to the minimum";
    EXPECT_EQ(Field(box), "3");

    Click(field->AbsX + 2, field->AbsY + 5);
    Tap(KEY_DELETE);
    Type("7x2");
    Click(field->AbsX + field->Width + 100, field->AbsY + 5);
    EXPECT_FLOAT_EQ(box->Value, 7.f) << "the leading number counts";
    EXPECT_EQ(Field(box), "7");
}

TEST_F(ValueTest, TheWheelStepsOnlyAnEnabledBoxUnderThePointer) {
    KVX_ValueRef box = MakeBox(5.f, 1.f, 0.f, 10.f, 1);
    MoveTo(box->AbsX + 5, box->AbsY + 5);
    headless::Wheel(1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 4.f) << "the wheel turned away decrements";
    headless::Wheel(-1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 5.f);

    box->Disabled = 1;
    headless::Wheel(-1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 5.f);
    EXPECT_EQ(box->ValueInput->Disabled, 1) << "the field takes the box's state";
    EXPECT_EQ(box->UpButton->Disabled, 1);

    box->Disabled = 0;
    MoveTo(box->AbsX - 40, box->AbsY + 5);
    headless::Wheel(-1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 5.f) << "not over the field";
}

TEST_F(ValueTest, HeldArrowsStepEvery150Milliseconds) {
    KVX_ValueRef box = MakeBox(5.f, 1.f, 0.f, 100.f, 1);
    headless::SetClock(1000);
    const KVX_CustomButtonRef& up = box->UpButton;
    headless::MoveMouse(up->AbsX + 3, up->AbsY + 2);
    headless::PressMouse(1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 5.f) << "the arrow reports the press during the child pass";
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 6.f);
    Frames(3);
    headless::AdvanceClock(150);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 6.f);
    headless::AdvanceClock(1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 7.f);
    headless::ReleaseMouse(1);
    Frame();

    const KVX_CustomButtonRef& down = box->DownButton;
    headless::MoveMouse(down->AbsX + 3, down->AbsY + 2);
    headless::PressMouse(1);
    Frames(2);
    EXPECT_FLOAT_EQ(box->Value, 7.f) << "both arrows share the repeat timer";
    headless::AdvanceClock(151);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 6.f);
    headless::ReleaseMouse(1);
    Frame();
}

}  // namespace
}  // namespace kvx
