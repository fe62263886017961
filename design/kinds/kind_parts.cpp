#include "design/kinds/kind_parts.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/runtime.hpp"
#include "design/design_reader.hpp"
#include "gadgets/window.hpp"
#include "platform/files.hpp"
#include "platform/platform.hpp"

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

float ReadNumber(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t+-");
    const bool lenient = start == std::string_view::npos || text[start] == '$' || text[start] == '%';
    double number = lenient ? double(ReadInteger(text)) : std::strtod(std::string(text).c_str(), nullptr);
    if (std::isnan(number)) number = 0;
    return float(std::clamp(number, -double(kNumberLimit), double(kNumberLimit)));
}

std::string NumberText(const DesignedGadget& r, float number) {
    return r.IntegerOnly == 1 ? std::to_string(TruncateToInteger(number)) : RealText(number);
}

void SetRange(DesignedGadget& r, float value, float minimum, float maximum, float step) {
    r.IntegerOnly = 1;
    r.Value = value;
    r.Minimum = minimum;
    r.Maximum = maximum;
    r.Step = step;
}

std::string RangeRefusal(const DesignedGadget& r) {
    if (r.Minimum > r.Maximum) return "Minimum above maximum";
    if (r.Value < r.Minimum || r.Value > r.Maximum) return "Value outside the range";
    if (!(r.Step > 0)) return "Increment not above 0";
    return "";
}

std::string PicturesRefusal(const DesignedGadget& r) {
    for (const std::string* path : {&r.Image, &r.ImageNormal, &r.ImageOver, &r.ImagePress}) {
        if (!path->empty() && FileType(*path) != kFileRegular) return "No picture at " + *path;
    }
    return "";
}

KVX_GadgetRef LiveParentOf(const DesignedGadget& record) { return record.ParentWindow; }

int32_t CharWidth() { return std::max(1, TextWidth("0")); }

int32_t LinesIn(int32_t pixels) { return KVX_LineHeight > 0 ? pixels / KVX_LineHeight : 0; }

std::string ColorText(const KVX_ColorRef& color) {
    if (!color) return "";
    return std::to_string(color->Red) + "," + std::to_string(color->Green) + "," + std::to_string(color->Blue);
}

ColorVariable ExportedColor(const DesignedGadget& r, const std::string& making) {
    const std::string name = "My_" + r.Handle;
    return {name, {ScopeWord(r.Global) + name + ":KVX_Color", name + "=" + making}};
}

KVX_ColorRef ReadColorText(std::string_view v) {
    const size_t first = v.find(','), second = first == v.npos ? v.npos : v.find(',', first + 1);
    if (second == v.npos) return nullptr;
    auto channel = [](std::string_view text) { return std::clamp(ReadInteger(text), 0, 255); };
    return KVX_Color::Create(channel(v.substr(0, first)), channel(v.substr(first + 1, second - first - 1)),
                             channel(v.substr(second + 1)));
}

KVX_ColorRef RandomColor() {
    auto channel = [] { return int(Rnd(0, 255)) & 255; };
    const int red = channel(), green = channel(), blue = channel();
    return KVX_Color::Create(red, green, blue);
}

}  // namespace kvx::studio
