// Input and value boxes: one line high and sized in characters of the bitmap font.
#include "core/runtime.hpp"
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/input.hpp"
#include "gadgets/value.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kMaxCharsPlaced = 255;
// A field's width: its characters and the field's border.
constexpr int32_t kFieldBorder = 5;

FixedSize OneLine() { return FixedSize{std::nullopt, KVX_LineHeight + 1}; }
void SizeByCharacters(DesignedGadget& r) { r.Tx = r.NumChar * CharWidth() + kFieldBorder; }

constexpr KeyFormat kNumCharKey = IntegerKey<&DesignedGadget::NumChar>("NumChar");
// clang-format off
constexpr KeyFormat kInputKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kNumCharKey,
                                    IntegerKey<&DesignedGadget::MaxChar>("MaxChar"), kCaptionKey};
// clang-format on

constexpr PropertyField kInputRows[] = {WholeRow<&DesignedGadget::MaxChar>("Most chars")};

std::string InputRefusal(const DesignedGadget& r) { return r.MaxChar < 1 ? "Most chars below 1" : ""; }

void InputDefaults(DesignedGadget& r, const Band& band) {
    r.NumChar = band.W / CharWidth();
    r.MaxChar = kMaxCharsPlaced;
}

constexpr auto kMakeInput = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Input::Create, "KVX_Input::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.NumChar,
                r.MaxChar);
};

Creation ExportInput(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Input", Arguments().Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.NumChar).Add(r.MaxChar)};
}

// clang-format off
constexpr KeyFormat kValueKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kNumCharKey, kCaptionKey,
                                    kIntegerKey, kValueKey, kMinimumKey, kMaximumKey, kIncrementKey};
// clang-format on

constexpr PropertyField kValueRows[] = {kValueRow, kMinimumRow, kMaximumRow, kIncrementRow, kIntegerRow};

// Placed counting 0 to 255 by one, at 128.
void ValueDefaults(DesignedGadget& r, const Band& band) {
    r.NumChar = band.W / CharWidth();
    SetRange(r, 128, 0, 255, 1);
}

constexpr auto kMakeValue = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Value::Create, "KVX_Value::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.NumChar, r.Value,
                r.Step, r.Minimum, r.Maximum, r.IntegerOnly);
};

Creation ExportValue(const DesignedGadget& r, const std::string& parent) {
    const uint8_t whole = r.IntegerOnly;
    return {"KVX_Value", Arguments()
                             .Add(parent)
                             .Quoted(r.Caption)
                             .Add(r.Px)
                             .Add(r.Py)
                             .Add(r.NumChar)
                             .Number(r.Value, whole)
                             .Number(r.Step, whole)
                             .Number(r.Minimum, whole)
                             .Number(r.Maximum, whole)
                             .Flag(whole)};
}

}  // namespace

// clang-format off
const KindDescription kInputboxKind{.Word = "Inputbox", .PaletteCaption = "Inputbox", .Keys = kInputKeys,
                                    .Fixed = OneLine, .Defaults = InputDefaults, .Settle = SizeByCharacters,
                                    .Create = LiveOf<kMakeInput>, .CppType = "KVX_InputRef",
                                    .CppCreate = CppOf<kMakeInput>,
                                    .Properties = kInputRows, .Refusal = InputRefusal, .Export = ExportInput, .CaptionIsHandle = true, .SizedInCharacters = true};
// clang-format on

// clang-format off
const KindDescription kValueKind{.Word = "Value", .PaletteCaption = "Value", .Keys = kValueKeys, .Fixed = OneLine,
                                 .Defaults = ValueDefaults, .Settle = SizeByCharacters,
                                 .Create = LiveOf<kMakeValue>, .CppType = "KVX_ValueRef",
                                 .CppCreate = CppOf<kMakeValue>,
                                 .Properties = kValueRows, .Refusal = RangeRefusal, .Export = ExportValue,
                                 .CaptionIsHandle = true, .SizedInCharacters = true};
// clang-format on

}  // namespace kvx::studio
