#pragma once
// What the kinds' entries share: the keys most sections have, how numbers are read and written,
// the live gadget as its own class, and the live parent of a record.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.hpp"
#include "core/gadget.hpp"
#include "design/designed_gadget.hpp"
#include "design/kind_table.hpp"
#include "design/value_encoding.hpp"

namespace kvx::studio {

// Keys that save a field of the record as it is and read it back with the file's rules.
template <int32_t DesignedGadget::*Field>
constexpr KeyFormat IntegerKey(const char* name) {
    return {name, [](DesignedGadget& r) { return std::to_string(r.*Field); },
            [](DesignedGadget& r, std::string_view v) { r.*Field = ReadInteger(v); }};
}
template <std::string DesignedGadget::*Field>
constexpr KeyFormat TextKey(const char* name) {
    return {name, [](DesignedGadget& r) { return r.*Field; },
            [](DesignedGadget& r, std::string_view v) { r.*Field = v; }};
}
template <uint8_t DesignedGadget::*Field>
constexpr KeyFormat FlagKey(const char* name) {
    return {name, [](DesignedGadget& r) { return std::string(BooleanText(r.*Field == 1)); },
            [](DesignedGadget& r, std::string_view v) { r.*Field = ReadBoolean(v); }};
}
// A key the format lists whose value is left empty.
std::string WriteNothing(DesignedGadget& r);
// An empty Parent is saved, and kept in the record, as "False".
std::string WriteParent(DesignedGadget& r);

inline constexpr KeyFormat kGlobalKey = FlagKey<&DesignedGadget::Global>("Global");
inline constexpr KeyFormat kHandleKey = TextKey<&DesignedGadget::Handle>("Handle");
inline constexpr KeyFormat kParentKey{"Parent", WriteParent, TextKey<&DesignedGadget::Parent>("").Read};
inline constexpr KeyFormat kPxKey = IntegerKey<&DesignedGadget::Px>("Px");
inline constexpr KeyFormat kPyKey = IntegerKey<&DesignedGadget::Py>("Py");
inline constexpr KeyFormat kTxKey = IntegerKey<&DesignedGadget::Tx>("Tx");
inline constexpr KeyFormat kTyKey = IntegerKey<&DesignedGadget::Ty>("Ty");
inline constexpr KeyFormat kCaptionKey = TextKey<&DesignedGadget::Caption>("Caption");

// A list's or combo box's items, on one line.
inline constexpr KeyFormat kItemsKey{"Items", [](DesignedGadget& r) { return ItemsText(r.Items); },
                                     [](DesignedGadget& r, std::string_view v) { r.Items = ReadItems(v); }};

// The arguments most creation calls start with: parent, caption, position and size.
Arguments BoxArguments(const DesignedGadget& r, const std::string& parent);

// A number of the file: decimal, with its fraction ("0.500000000"), or a whole number by the
// lenient integer rule ("$" hexadecimal, "%" binary); kept within the reader's number limit.
float ReadNumber(std::string_view text);
// A number as the record saves it: whole when the record is integer-only, else "%#.9g".
std::string NumberText(const DesignedGadget& record, float number);

template <float DesignedGadget::*Field>
constexpr KeyFormat NumberKey(const char* name) {
    return {name, [](DesignedGadget& r) { return NumberText(r, r.*Field); },
            [](DesignedGadget& r, std::string_view v) { r.*Field = ReadNumber(v); }};
}
// A number saved whole, whatever the record's integer flag.
template <float DesignedGadget::*Field>
constexpr KeyFormat WholeNumberKey(const char* name) {
    return {name, [](DesignedGadget& r) { return std::to_string(TruncateToInteger(r.*Field)); },
            [](DesignedGadget& r, std::string_view v) { r.*Field = ReadNumber(v); }};
}
// A whole-number range with its value and step, as new scroll bars and value boxes have.
void SetRange(DesignedGadget& record, float value, float minimum, float maximum, float step);

// Integer, Value, Minimum, Maximum and Increment, as scroll bars and value boxes save them.
inline constexpr KeyFormat kIntegerKey = FlagKey<&DesignedGadget::IntegerOnly>("Integer");
inline constexpr KeyFormat kValueKey = NumberKey<&DesignedGadget::Value>("Value");
inline constexpr KeyFormat kMinimumKey = NumberKey<&DesignedGadget::Minimum>("Minimum");
inline constexpr KeyFormat kMaximumKey = NumberKey<&DesignedGadget::Maximum>("Maximum");
inline constexpr KeyFormat kIncrementKey = NumberKey<&DesignedGadget::Step>("Increment");

// Property rows of a record field.
template <float DesignedGadget::*Field>
constexpr PropertyField NumberRow(const char* label) {
    return {label, PropertyField::Type::Number, Field};
}
template <int32_t DesignedGadget::*Field>
constexpr PropertyField WholeRow(const char* label) {
    return {label, PropertyField::Type::Whole, nullptr, Field};
}
template <uint8_t DesignedGadget::*Field>
constexpr PropertyField FlagRow(const char* label) {
    return {label, PropertyField::Type::Flag, nullptr, nullptr, Field};
}
template <std::string DesignedGadget::*Field>
constexpr PropertyField PictureRow(const char* label) {
    return {label, PropertyField::Type::Picture, nullptr, nullptr, nullptr, Field};
}
// The rows of a range: value, its limits and its step, and whether it counts in whole numbers.
inline constexpr PropertyField kValueRow = NumberRow<&DesignedGadget::Value>("Value");
inline constexpr PropertyField kMinimumRow = NumberRow<&DesignedGadget::Minimum>("Minimum");
inline constexpr PropertyField kMaximumRow = NumberRow<&DesignedGadget::Maximum>("Maximum");
inline constexpr PropertyField kIncrementRow = NumberRow<&DesignedGadget::Step>("Increment");
inline constexpr PropertyField kIntegerRow = FlagRow<&DesignedGadget::IntegerOnly>("Whole numbers");
inline constexpr PropertyField kItemsRow{"Items", PropertyField::Type::Items};
// A range the toolkit can draw: limits in order, the value within them, a step forward.
std::string RangeRefusal(const DesignedGadget& record);
// Every picture the record names is a file there ("" names none).
std::string PicturesRefusal(const DesignedGadget& record);

// The live window a record's gadget is made in; none for a record outside any window.
KVX_GadgetRef LiveParentOf(const DesignedGadget& record);

// The width of the bitmap font's digits, never 0: text fields are sized in them.
int32_t CharWidth();
// Whole lines of KVX_LineHeight in a height of pixels, 0 while no font gives a line height.
int32_t LinesIn(int32_t pixels);

KVX_ColorRef RandomColor();
// A colour as the file keeps it, "R,G,B"; "" for none.
std::string ColorText(const KVX_ColorRef& color);
// The .bmx lines that declare and make the colour variable a gadget's creation names ("My_<handle>"),
// from the expression that makes the colour.
struct ColorVariable {
    std::string Name;
    std::vector<std::string> Prelude;
};
ColorVariable ExportedColor(const DesignedGadget& r, const std::string& making);
// The colour of an "R,G,B" text, each channel held within 0 to 255; none when it is not one.
KVX_ColorRef ReadColorText(std::string_view text);

}  // namespace kvx::studio
