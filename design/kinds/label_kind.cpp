// Labels: a line of text, aligned to their position, in the skin's text colour so that it reads
// on a window's body.
#include <algorithm>

#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/label.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {
namespace {

constexpr uint8_t kAlignedLeft = 1, kCentred = 2, kAlignedRight = 3;
// A reader that knows only True (left) takes the other words as false, which draws from the place
// as left does: the text stays, only not centred.
constexpr const char* kCentredWord = "Centre";
constexpr const char* kRightWord = "Right";

// An own colour follows the alignment as ",R,G,B"; such a line reads as false there too.
constexpr char kColorSeparator = ',';

std::string AlignWord(uint8_t align) {
    switch (align) {
        case kAlignedLeft: return BooleanText(true);
        case kCentred: return kCentredWord;
        case kAlignedRight: return kRightWord;
        default: return BooleanText(false);
    }
}
std::string WriteAlign(DesignedGadget& r) {
    return AlignWord(r.Align) + (r.CustomColor ? kColorSeparator + ColorText(r.CustomColor) : "");
}
void ReadAlign(DesignedGadget& r, std::string_view v) {
    const size_t comma = v.find(kColorSeparator);
    const std::string_view word = v.substr(0, comma);
    r.Align = word == kCentredWord ? kCentred : word == kRightWord ? kAlignedRight : ReadBoolean(word);
    r.CustomColor = comma == v.npos ? nullptr : ReadColorText(v.substr(comma + 1));
}

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kCaptionKey,
                               {"Align", WriteAlign, ReadAlign}};
// clang-format on

constexpr const char* kAlignments[] = {"Left", "Centred", "Right"};
constexpr PropertyField kRows[] = {
    {.Label = "Alignment", .Kind = PropertyField::Type::Choice, .Flag = &DesignedGadget::Align, .Choices = kAlignments},
    {"Colour", PropertyField::Type::Colour}};

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Label::Create, "KVX_Label::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.Align,
                TextColor{r.CustomColor});
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments args;
    args.Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py);
    if (r.Align > kAlignedLeft) {
        args.Add(r.Align);
    } else {
        args.Flag(r.Align);
    }
    if (!r.CustomColor) return {"KVX_Label", args, ",KVX_BlackColor)"};
    ColorVariable color = ExportedColor(r, "KVX_Color.Create(" + ColorText(r.CustomColor) + ")");
    return {"KVX_Label", args, "," + color.Name + ")", std::move(color.Prelude)};
}

// The pointer takes a label by its text, however long and wherever its alignment puts it; the size
// the toolkit gives it is a square.
TextSpan TextHitSpan(const DesignedGadget& r) {
    SetImageFont(KVX_GuiFont);
    const int32_t width = std::max(r.Tx, TextWidth(r.Caption));
    return {r.Align == kCentred ? width / 2 : r.Align == kAlignedRight ? width : 0, width};
}

}  // namespace

// clang-format off
const KindDescription kLabeltextKind{.Word = "Labeltext", .PaletteCaption = "Labeltext", .Keys = kKeys,
                                     .Fixed = [] { return FixedSize{KVX_LineHeight + 1, KVX_LineHeight + 1}; },
                                     .Defaults = [](DesignedGadget& r, const Band&) { r.Align = kAlignedLeft; },
                                     .Create = LiveOf<kMake>,
                                     .CppType = "KVX_LabelRef", .CppCreate = CppOf<kMake>, .Properties = kRows,
                                     .Export = Export, .HitSpan = TextHitSpan, .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
