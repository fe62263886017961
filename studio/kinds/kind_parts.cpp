#include "studio/kinds/kind_parts.hpp"

#include <algorithm>

#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/design_reader.hpp"

namespace kvx::studio {

std::string WriteGlobal(DesignedGadget& r) { return BooleanText(r.Global == 1); }
void ReadGlobal(DesignedGadget& r, std::string_view v) { r.Global = ReadBoolean(v); }
std::string WriteHandle(DesignedGadget& r) { return r.Handle; }
void ReadHandle(DesignedGadget& r, std::string_view v) { r.Handle = v; }
std::string WriteParent(DesignedGadget& r) {
    if (r.Parent.empty()) r.Parent = "False";
    return r.Parent;
}
void ReadParent(DesignedGadget& r, std::string_view v) { r.Parent = v; }
std::string WritePx(DesignedGadget& r) { return std::to_string(r.Px); }
void ReadPx(DesignedGadget& r, std::string_view v) { r.Px = ReadInteger(v); }
std::string WritePy(DesignedGadget& r) { return std::to_string(r.Py); }
void ReadPy(DesignedGadget& r, std::string_view v) { r.Py = ReadInteger(v); }
std::string WriteTx(DesignedGadget& r) { return std::to_string(r.Tx); }
void ReadTx(DesignedGadget& r, std::string_view v) { r.Tx = ReadInteger(v); }
std::string WriteTy(DesignedGadget& r) { return std::to_string(r.Ty); }
void ReadTy(DesignedGadget& r, std::string_view v) { r.Ty = ReadInteger(v); }
std::string WriteCaption(DesignedGadget& r) { return r.Caption; }
void ReadCaption(DesignedGadget& r, std::string_view v) { r.Caption = v; }
std::string WriteNothing(DesignedGadget&) { return ""; }

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
