// Value box: steps clamped to the range, the value text, re-reading the field after editing,
// the wheel and the arrows' shared repeat.
#include "gadgets/value.hpp"

#include "core/mouse.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/value_shared.hpp"
#include "gadgets/window.hpp"
#include "support/keyboard_fixture.hpp"

namespace kvx {
namespace {

class ValueTest : public testing::KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        window = KVX_Window::Create("Values", 100, 100, 400, 300, 0, 0, 0);
    }
    KVX_ValueRef Box(float value, float step, float minimum, float maximum, int integerOnly) {
        return KVX_Value::Create(window, "Size :", 80, 30, 8, value, step, minimum, maximum, integerOnly);
    }
    static std::string Field(const KVX_ValueRef& box) { return box->ValueInput->Text; }
    KVX_WindowRef window;
};

TEST(ValueTextTest, WholeNumbersTruncateTowardZeroAndOthersKeepNineDigits) {
    EXPECT_EQ(ValueText(5.f, 0), "5.00000000");
    EXPECT_EQ(ValueText(0.5f, 0), "0.500000000");
    EXPECT_EQ(ValueText(-2.7f, 1), "-2");
    EXPECT_EQ(ValueText(-0.5f, 1), "0");
    EXPECT_EQ(ValueText(3.0e9f, 1), "3000000000") << "beyond the 32-bit range";
}

TEST_F(ValueTest, StepsAreClampedAndWholeNumbersShowTruncated) {
    KVX_ValueRef box = Box(5.f, 2.f, 0.f, 6.f, 0);
    box->Increment();
    EXPECT_FLOAT_EQ(box->Value, 6.f) << "5 + 2 stops at the maximum";
    EXPECT_EQ(Field(box), "6.00000000");
    for (int i = 0; i < 4; ++i) box->Decrement();
    EXPECT_FLOAT_EQ(box->Value, 0.f);

    KVX_ValueRef whole = Box(2.7f, 1.f, 0.f, 10.f, 1);
    EXPECT_EQ(Field(whole), "2");
    EXPECT_FLOAT_EQ(whole->Value, 2.7f) << "unchanged until the field is read";
    Frame();
    EXPECT_FLOAT_EQ(whole->Value, 2.f);
}

TEST_F(ValueTest, ATypedTextIsReadWhenEditingEnds) {
    KVX_ValueRef box = Box(5.f, 1.f, 3.f, 9.f, 1);
    Frame();
    const KVX_InputRef field = box->ValueInput;
    Click(field->AbsX + 2, field->AbsY + 5);
    Tap(KEY_DELETE);
    Type("abc");
    EXPECT_EQ(Field(box), "abc") << "not overwritten while edited";
    box->Increment();
    EXPECT_EQ(Field(box), "6") << "the arrows still rewrite the field";
    Tap(KEY_END);
    Tap(KEY_BACKSPACE);
    Type("abc");
    headless::PressKey(KEY_ENTER);
    Frames(2);
    EXPECT_FLOAT_EQ(box->Value, 3.f) << "no number reads as 0, clamped to the minimum";
    EXPECT_EQ(Field(box), "3");
    headless::ReleaseKey(KEY_ENTER);
}

TEST_F(ValueTest, TheWheelStepsOnlyAnEnabledBoxUnderThePointer) {
    KVX_ValueRef box = Box(5.f, 1.f, 0.f, 10.f, 1);
    Frame();
    MoveTo(box->AbsX + 5, box->AbsY + 5);
    headless::Wheel(1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 4.f);
    box->Disabled = 1;
    headless::Wheel(1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 4.f);
    EXPECT_EQ(box->ValueInput->Disabled, 1) << "the field takes the box's state";
}

TEST_F(ValueTest, WheelAndArrowsActOnlyInTheActiveWindowAndTypedHexIsNoNumber) {
    KVX_ValueRef box = Box(5.f, 1.f, 0.f, 10.f, 1);
    KVX_WindowRef front = KVX_Window::Create("Front", 600, 500, 200, 100, 0, 0, 0);
    headless::SetClock(1000);  // past the arrows' first repeat
    MoveTo(box->AbsX + 5, box->AbsY + 5);
    headless::Wheel(1);
    Frames(2);
    Click(box->UpButton->AbsX + 3, box->UpButton->AbsY + 2);
    EXPECT_FLOAT_EQ(box->Value, 6.f) << "the wheel did nothing; the click activated the window and stepped";
    KVX_DeactivateWindows();  // as a modal dialog does
    headless::Wheel(1);
    Frames(2);
    headless::MoveMouse(box->UpButton->AbsX + 3, box->UpButton->AbsY + 2);
    headless::PressMouse(1);
    Frames(3);
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 6.f) << "neither the wheel nor the arrows in an inactive window";
    front->Free();

    EXPECT_FLOAT_EQ(ReadDecimal("0x8"), 0.f);
    EXPECT_FLOAT_EQ(ReadDecimal(" -0X1F"), 0.f);
    EXPECT_FLOAT_EQ(ReadDecimal(" +12.5kg"), 12.5f);
}

TEST_F(ValueTest, HeldArrowsStepEvery150Milliseconds) {
    KVX_ValueRef box = Box(5.f, 1.f, 0.f, 100.f, 1);
    Frame();
    headless::SetClock(1000);
    headless::MoveMouse(box->UpButton->AbsX + 3, box->UpButton->AbsY + 2);
    headless::PressMouse(1);
    Frames(2);
    EXPECT_FLOAT_EQ(box->Value, 6.f);
    headless::AdvanceClock(150);
    Frames(3);
    EXPECT_FLOAT_EQ(box->Value, 6.f);
    headless::AdvanceClock(1);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 7.f);
    headless::ReleaseMouse(1);
    Frame();

    headless::MoveMouse(box->DownButton->AbsX + 3, box->DownButton->AbsY + 2);
    headless::PressMouse(1);
    Frames(2);
    EXPECT_FLOAT_EQ(box->Value, 7.f) << "both arrows share the repeat timer";
    headless::AdvanceClock(151);
    Frame();
    EXPECT_FLOAT_EQ(box->Value, 6.f);
    headless::ReleaseMouse(1);
}

}  // namespace
}  // namespace kvx
