#include "studio/kinds/kind_parts.hpp"

#include <algorithm>

#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/design_reader.hpp"

namespace kvx::studio {

std::string WriteParent(DesignedGadget& r) {
    if (r.Parent.empty()) r.Parent = "False";
    return r.Parent;
}

std::string WriteNothing(DesignedGadget&) { return ""; }

Arguments BoxArguments(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
    return a;
}

float ReadNumber(std::string_view text) { return float(std::clamp(ReadInteger(text), -kNumberLimit, kNumberLimit)); }

KVX_GadgetRef LiveParentOf(const DesignedGadget& record) { return record.ParentWindow; }

int32_t CharWidth() { return std::max(1, TextWidth("0")); }

KVX_ColorRef RandomColor() {
    auto channel = [] { return int(Rnd(0, 255)) & 255; };
    const int red = channel(), green = channel(), blue = channel();
    return KVX_Color::Create(red, green, blue);
}

std::string RangeValueText(const SavedRange& range) {
    if (range.IntegerOnly) return std::to_string(TruncateToInteger(double(range.Minimum) + double(range.Maximum)) / 2);
    return RealText((double(range.Minimum) + double(range.Maximum)) / 2.0);
}

std::string RangeNumberText(float number, const SavedRange& range) {
    return range.IntegerOnly ? std::to_string(TruncateToInteger(number)) : RealText(number);
}

void ReadIntegerOnly(DesignedGadget& r, std::string_view v) { r.IntegerOnly = ReadBoolean(v); }
void ReadValue(DesignedGadget& r, std::string_view v) { r.Value = ReadNumber(v); }
void ReadMinimum(DesignedGadget& r, std::string_view v) { r.Minimum = ReadNumber(v); }
void ReadMaximum(DesignedGadget& r, std::string_view v) { r.Maximum = ReadNumber(v); }
void ReadStep(DesignedGadget& r, std::string_view v) { r.Step = ReadNumber(v); }

}  // namespace kvx::studio
