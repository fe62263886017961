#pragma once
// What the kinds' entries share: the keys most sections have, how numbers are read and written,
// the live gadget as its own class, and the live parent of a record.
#include <memory>
#include <string>
#include <string_view>

#include "core/color.hpp"
#include "core/gadget.hpp"
#include "studio/designed_gadget.hpp"
#include "studio/kind_table.hpp"
#include "studio/studio_state.hpp"
#include "studio/value_encoding.hpp"

namespace kvx::studio {

// Keys that save a field of the record as it is and read it back with the file's rules.
template <int32_t DesignedGadget::*Field>
constexpr KeyFormat IntegerKey(const char* name) {
    return {name, [](DesignedGadget& r) { return std::to_string(r.*Field); },
            [](DesignedGadget& r, std::string_view v) { r.*Field = ReadInteger(v); }};
}
template <std::string DesignedGadget::*Field>
constexpr KeyFormat TextKey(const char* name) {
    return {name, [](DesignedGadget& r) { return r.*Field; }, [](DesignedGadget& r, std::string_view v) { r.*Field = v; }};
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

// The arguments most creation calls start with: parent, caption, position and size.
Arguments BoxArguments(const DesignedGadget& r, const std::string& parent);

// A number of a hand-edited file, read as a whole number and kept exact as a float.
float ReadNumber(std::string_view text);

// The live gadget as its kind's class, or none when it is missing or of another kind.
template <class Live>
std::shared_ptr<Live> LiveAs(const DesignedGadget& record, uint8_t kindCode) {
    if (!record.Gadget || record.Gadget->Kind() != kindCode) return nullptr;
    return std::static_pointer_cast<Live>(record.Gadget);
}

// The live window a record's gadget is made in; none for a record outside any window.
KVX_GadgetRef LiveParentOf(const DesignedGadget& record);

// The width of the bitmap font's digits, never 0: text fields are sized in them.
int32_t CharWidth();

KVX_ColorRef RandomColor();

// The range a scroll bar or value box saves, from its live gadget when there is one.
struct SavedRange {
    bool IntegerOnly;
    float Minimum, Maximum, Step;
};
template <class Live>
SavedRange RangeOf(const DesignedGadget& record, uint8_t kindCode) {
    if (const auto live = LiveAs<Live>(record, kindCode)) {
        return {live->IntegerOnly == 1, live->Minimum, live->Maximum, live->Step};
    }
    return {record.IntegerOnly == 1, record.Minimum, record.Maximum, record.Step};
}
// The saved value is the middle of the range.
std::string RangeValueText(const SavedRange& range);
std::string RangeNumberText(float number, const SavedRange& range);
void ReadIntegerOnly(DesignedGadget& r, std::string_view v);
void ReadValue(DesignedGadget& r, std::string_view v);
void ReadMinimum(DesignedGadget& r, std::string_view v);
void ReadMaximum(DesignedGadget& r, std::string_view v);
void ReadStep(DesignedGadget& r, std::string_view v);

// The keys Integer, Value, Minimum, Maximum and Increment of a live kind.
template <class Live, uint8_t Code>
struct RangeKeys {
    static SavedRange Range(const DesignedGadget& r) { return RangeOf<Live>(r, Code); }
    static constexpr KeyFormat Integer{"Integer", [](DesignedGadget& r) { return std::string(BooleanText(Range(r).IntegerOnly)); },
                                       ReadIntegerOnly};
    static constexpr KeyFormat Value{"Value", [](DesignedGadget& r) { return RangeValueText(Range(r)); }, ReadValue};
    static constexpr KeyFormat Minimum{
        "Minimum", [](DesignedGadget& r) { return RangeNumberText(Range(r).Minimum, Range(r)); }, ReadMinimum};
    static constexpr KeyFormat Maximum{
        "Maximum", [](DesignedGadget& r) { return RangeNumberText(Range(r).Maximum, Range(r)); }, ReadMaximum};
    static constexpr KeyFormat Increment{
        "Increment", [](DesignedGadget& r) { return RangeNumberText(Range(r).Step, Range(r)); }, ReadStep};
};

}  // namespace kvx::studio
