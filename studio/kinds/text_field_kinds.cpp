// Input and value boxes: one line high and sized in characters of the bitmap font.
#include "core/runtime.hpp"
#include "gadgets/input.hpp"
#include "gadgets/value.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kMaxCharsPlaced = 255;
// A field's width: its characters and the field's border.
constexpr int32_t kFieldBorder = 5;

FixedSize OneLine() { return FixedSize{std::nullopt, KVX_LineHeight + 1}; }
void SizeByCharacters(DesignedGadget& r) { r.Tx = r.NumChar * CharWidth() + kFieldBorder; }

constexpr KeyFormat kNumCharKey = IntegerKey<&DesignedGadget::NumChar>("NumChar");
constexpr KeyFormat kInputKeys[] = {kGlobalKey, kHandleKey,  kParentKey, kPxKey, kPyKey, kNumCharKey,
                                    IntegerKey<&DesignedGadget::MaxChar>("MaxChar"), kCaptionKey};

void InputDefaults(DesignedGadget& r, const Band& band) {
    r.NumChar = band.W / CharWidth();
    r.MaxChar = kMaxCharsPlaced;
}

KVX_GadgetRef CreateInput(DesignedGadget& r) {
    SizeByCharacters(r);
    return KVX_Input::Create(LiveParentOf(r), r.Caption, r.Px, r.Py, r.NumChar, r.MaxChar);
}

Creation ExportInput(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.NumChar).Add(r.MaxChar);
    return {"KVX_Input", a};
}

constexpr KeyFormat kValueKeys[] = {kGlobalKey, kHandleKey, kParentKey,  kPxKey,      kPyKey,      kNumCharKey,
                                    kCaptionKey, kIntegerKey, kValueKey, kMinimumKey, kMaximumKey, kIncrementKey};

// Placed counting 0 to 255 by one, at 128.
void ValueDefaults(DesignedGadget& r, const Band& band) {
    r.NumChar = band.W / CharWidth();
    r.IntegerOnly = 1;
    r.Value = 128;
    r.Step = 1;
    r.Minimum = 0;
    r.Maximum = 255;
}

KVX_GadgetRef CreateValue(DesignedGadget& r) {
    SizeByCharacters(r);
    return KVX_Value::Create(LiveParentOf(r), r.Caption, r.Px, r.Py, r.NumChar, r.Value, r.Step, r.Minimum,
                             r.Maximum, r.IntegerOnly);
}

Creation ExportValue(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.NumChar);
    a.Number(r.Value, r.IntegerOnly).Number(r.Step, r.IntegerOnly);
    a.Number(r.Minimum, r.IntegerOnly).Number(r.Maximum, r.IntegerOnly).Flag(r.IntegerOnly);
    return {"KVX_Value", a};
}

}  // namespace

const KindDescription kInputboxKind{.Word = "Inputbox", .PaletteCaption = "Inputbox", .Keys = kInputKeys,
                                    .Fixed = OneLine, .Defaults = InputDefaults, .Create = CreateInput,
                                    .Export = ExportInput, .CaptionIsHandle = true, .SizedInCharacters = true};

const KindDescription kValueKind{.Word = "Value", .PaletteCaption = "Value", .Keys = kValueKeys, .Fixed = OneLine,
                                 .Defaults = ValueDefaults, .Create = CreateValue, .Export = ExportValue,
                                 .CaptionIsHandle = true, .SizedInCharacters = true};

}  // namespace kvx::studio
