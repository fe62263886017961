#include "studio/design_reader.hpp"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "gadgets/checkbox.hpp"
#include "gadgets/color_icon.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/custom_button.hpp"
#include "gadgets/frame.hpp"
#include "gadgets/image_box.hpp"
#include "gadgets/input.hpp"
#include "gadgets/label.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/progress.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/scrollbar.hpp"
#include "gadgets/value.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/designed_gadget.hpp"
#include "studio/value_encoding.hpp"

namespace kvx::studio {
namespace {

using Creator = KVX_GadgetRef (*)(DesignedGadget& record, const KVX_GadgetRef& parent);

// One kind as the file holds it. Keys the format lists but that change nothing (a window's button
// flags, State, Items) are left out: reading them and skipping them is the same.
struct SectionFormat {
    std::string_view Kind;
    int Lines;  // lines after the header, whatever they hold
    std::vector<std::string_view> Keys;
    Creator Create;
};

int CharWidth() { return std::max(1, TextWidth("0")); }

KVX_GadgetRef CreateWindow(DesignedGadget& r, const KVX_GadgetRef&) {
    // The file's button flags do not matter: a designed window always has all three.
    const KVX_WindowRef window = KVX_Window::Create(r.Handle, r.Px, r.Py, r.Tx, r.Ty, 1, 1, 1, 20);
    window->Locked = 1;  // in the designer a window is placed, not dragged
    return window;
}

KVX_GadgetRef CreateFrame(DesignedGadget& r, const KVX_GadgetRef& parent) {
    return KVX_Frame::Create(parent, r.Handle, r.Px, r.Py, r.Tx, r.Ty);
}

KVX_GadgetRef CreateCheckbox(DesignedGadget& r, const KVX_GadgetRef& parent) {
    r.Tx = r.Ty = 16;
    return KVX_Checkbox::Create(parent, r.Handle, r.Px, r.Py, 0);
}

KVX_GadgetRef CreateButton(DesignedGadget& r, const KVX_GadgetRef& parent) {
    r.Ty = Design().ButtonSkinHeight;
    return KVX_PushButton::Create(parent, r.Handle, r.Px, r.Py, r.Tx);
}

KVX_GadgetRef CreateCustomButton(DesignedGadget& r, const KVX_GadgetRef& parent) {
    return KVX_CustomButton::Create(parent, r.Handle, r.Px, r.Py, r.Tx, r.Ty, r.ImageOver, r.ImageNormal,
                                    r.ImagePress, r.Border);
}

KVX_GadgetRef CreateColorIcon(DesignedGadget& r, const KVX_GadgetRef& parent) {
    return KVX_ColorIcon::Create(parent, r.Px, r.Py, r.Tx, r.Ty, r.CustomColor);
}

KVX_GadgetRef CreateScrollbar(DesignedGadget& r, const KVX_GadgetRef& parent) {
    return KVX_Scrollbar::Create(parent, r.Handle, r.Px, r.Py, r.Tx, r.Ty, r.Value, r.Minimum, r.Maximum, r.Step,
                                 r.Vertical, r.IntegerOnly);
}

KVX_GadgetRef CreateProgress(DesignedGadget& r, const KVX_GadgetRef& parent) {
    return KVX_Progress::Create(parent, r.Handle, r.Px, r.Py, r.Tx, r.Ty, int(r.Value), int(r.Maximum));
}

KVX_GadgetRef CreateListbox(DesignedGadget& r, const KVX_GadgetRef& parent) {
    return KVX_Listbox::Create(parent, r.Px, r.Py, r.Tx, r.Ty);
}

KVX_GadgetRef CreateCombo(DesignedGadget& r, const KVX_GadgetRef& parent) {
    r.Ty = 20;
    return KVX_Combo::Create(parent, r.Px, r.Py, r.Tx);
}

void SizeTextField(DesignedGadget& r) {
    r.Tx = r.NumChar * CharWidth() + 5;
    r.Ty = KVX_LineHeight + 1;
}

KVX_GadgetRef CreateInput(DesignedGadget& r, const KVX_GadgetRef& parent) {
    SizeTextField(r);
    return KVX_Input::Create(parent, r.Handle, r.Px, r.Py, r.NumChar, r.MaxChar);
}

KVX_GadgetRef CreateValue(DesignedGadget& r, const KVX_GadgetRef& parent) {
    SizeTextField(r);
    return KVX_Value::Create(parent, r.Handle, r.Px, r.Py, r.NumChar, r.Value, r.Step, r.Minimum, r.Maximum,
                             r.IntegerOnly);
}

KVX_GadgetRef CreateLabel(DesignedGadget& r, const KVX_GadgetRef& parent) {
    r.Tx = r.Ty = KVX_LineHeight + 1;
    return KVX_Label::Create(parent, r.Handle, r.Px, r.Py, r.Align, KVX_BlackColor);
}

KVX_GadgetRef CreateImage(DesignedGadget& r, const KVX_GadgetRef& parent) {
    return KVX_Image::Create(parent, r.Image, r.Px, r.Py, r.Tx, r.Ty, r.ImageBorder);
}

const std::array<SectionFormat, 14>& Formats() {
    static const std::array<SectionFormat, 14> formats = {{
        {"Window", 10, {"Global", "Handle", "Px", "Py", "Tx", "Ty", "Caption"}, CreateWindow},
        {"Frame", 8, {"Global", "Handle", "Parent", "Px", "Py", "Tx", "Ty", "Caption"}, CreateFrame},
        {"Checkbox", 7, {"Global", "Handle", "Parent", "Px", "Py", "Caption"}, CreateCheckbox},
        {"Button", 7, {"Global", "Handle", "Parent", "Px", "Py", "Tx", "Caption"}, CreateButton},
        {"CustomButton", 12,
         {"Global", "Handle", "Parent", "Px", "Py", "Tx", "Ty", "Caption", "Border", "ImageOver", "ImageNormal",
          "ImagePress"},
         CreateCustomButton},
        {"ColorIcon", 8, {"Global", "Handle", "Parent", "Px", "Py", "Tx", "Ty", "CustomColor"}, CreateColorIcon},
        {"Scrollbar", 14,
         {"Global", "Handle", "Parent", "Px", "Py", "Tx", "Ty", "Caption", "Integer", "Value", "Minimum", "Maximum",
          "Increment", "Vertical"},
         CreateScrollbar},
        {"Progressbar", 10,
         {"Global", "Handle", "Parent", "Px", "Py", "Tx", "Ty", "Caption", "Value", "Maximum"},
         CreateProgress},
        {"Listbox", 8, {"Global", "Handle", "Parent", "Px", "Py", "Tx", "LineNumber"}, CreateListbox},
        {"Combobox", 7, {"Global", "Handle", "Parent", "Px", "Py", "Tx"}, CreateCombo},
        {"Inputbox", 8, {"Global", "Handle", "Parent", "Px", "Py", "NumChar", "MaxChar", "Caption"}, CreateInput},
        {"Value", 12,
         {"Global", "Handle", "Parent", "Px", "Py", "NumChar", "Caption", "Integer", "Value", "Minimum", "Maximum",
          "Increment"},
         CreateValue},
        {"Labeltext", 7, {"Global", "Handle", "Parent", "Px", "Py", "Caption", "Align"}, CreateLabel},
        {"Imagebox", 9, {"Global", "Handle", "Parent", "Px", "Py", "Tx", "Ty", "Image", "Border"}, CreateImage},
    }};
    return formats;
}

// The format a header line opens, or none. The Tabpanel and Menu headers open nothing: their lines
// fall through as lines outside any section.
const SectionFormat* FormatOfHeader(const std::string& line) {
    static const std::vector<std::string> headers = [] {
        std::vector<std::string> lines;
        for (const SectionFormat& format : Formats()) lines.push_back(HeaderLine(std::string(format.Kind)));
        return lines;
    }();
    for (size_t i = 0; i < headers.size(); ++i) {
        if (line == headers[i]) return &Formats()[i];
    }
    return nullptr;
}

float ReadNumber(std::string_view text) {
    return float(std::clamp(ReadInteger(text), -kNumberLimit, kNumberLimit));
}

void SetField(DesignedGadget& r, std::string_view key, std::string_view value) {
    if (key == "Global") r.Global = ReadBoolean(value);
    else if (key == "Handle") r.Handle = value;
    else if (key == "Parent") r.Parent = value;
    else if (key == "Px") r.Px = ReadInteger(value);
    else if (key == "Py") r.Py = ReadInteger(value);
    else if (key == "Tx") r.Tx = ReadInteger(value);
    else if (key == "Ty" || key == "LineNumber") r.Ty = ReadInteger(value);
    else if (key == "Caption") r.Caption = value;
    else if (key == "Border" && r.Kind == "Imagebox") r.ImageBorder = ReadInteger(value);
    else if (key == "Border") r.Border = ReadBoolean(value);
    else if (key == "ImageOver") r.ImageOver = value;
    else if (key == "ImageNormal") r.ImageNormal = value;
    else if (key == "ImagePress") r.ImagePress = value;
    else if (key == "Image") r.Image = value;
    else if (key == "CustomColor") {
        // The file keeps no colour: every load draws a new one.
        auto channel = [] { return int(Rnd(0, 255)) & 255; };
        const int red = channel(), green = channel(), blue = channel();
        r.CustomColor = KVX_Color::Create(red, green, blue);
    }
    else if (key == "Integer") r.IntegerOnly = ReadBoolean(value);
    else if (key == "Value") r.Value = ReadNumber(value);
    else if (key == "Minimum") r.Minimum = ReadNumber(value);
    else if (key == "Maximum") r.Maximum = ReadNumber(value);
    else if (key == "Increment") r.Step = ReadNumber(value);
    else if (key == "Vertical") r.Vertical = ReadBoolean(value);
    else if (key == "NumChar") r.NumChar = ReadInteger(value);
    else if (key == "MaxChar") r.MaxChar = ReadInteger(value);
    else if (key == "Align") r.Align = ReadBoolean(value);
}

void ReadSectionLines(const StreamPtr& stream, const SectionFormat& format, DesignedGadget& record) {
    for (int i = 0; i < format.Lines; ++i) {
        const std::string line = ReadLine(stream);  // past the end: empty
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string_view text(line);
        const std::string_view key = text.substr(0, equals);
        if (std::find(format.Keys.begin(), format.Keys.end(), key) != format.Keys.end()) {
            SetField(record, key, text.substr(equals + 1));
        }
    }
}

// Keeps a hand-edited file from asking for gadgets no surface can show.
void BoundSizes(DesignedGadget& r) {
    r.Px = std::clamp(r.Px, -kPositionLimit, kPositionLimit);
    r.Py = std::clamp(r.Py, -kPositionLimit, kPositionLimit);
    r.Tx = std::clamp(r.Tx, 0, kExtentLimit);
    r.Ty = std::clamp(r.Ty, 0, r.Kind == "Listbox" ? kExtentLimit / std::max(1, KVX_LineHeight) : kExtentLimit);
    r.NumChar = std::clamp(r.NumChar, 0, kExtentLimit / CharWidth());
    r.MaxChar = std::clamp(r.MaxChar, 0, kTextLengthLimit);
}

// The live window of a handle, as LiveWindowOf finds it (the first designed window of that name),
// kept as an index so that a file of many sections loads in linear time.
class WindowIndex {
public:
    WindowIndex() {
        for (const DesignedGadgetRef& record : Design().DesignList) Add(*record);
    }
    void Add(const DesignedGadget& record) {
        if (record.Kind == "Window") windows_.try_emplace(record.Handle, std::static_pointer_cast<KVX_Window>(record.Gadget));
    }
    std::shared_ptr<KVX_Window> Find(const std::string& handle) const {
        const auto it = windows_.find(handle);
        return it == windows_.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<std::string, std::shared_ptr<KVX_Window>> windows_;
};

}  // namespace

void LoadDesignFrom(const std::string& path) {
    const StreamPtr stream = ReadFile(path);
    if (!stream) return;
    WindowIndex windows;
    int64_t area = 0;
    while (area < kLoadedAreaLimit && !Eof(stream)) {
        const SectionFormat* format = FormatOfHeader(ReadLine(stream));
        if (!format) continue;
        auto record = std::make_shared<DesignedGadget>();
        record->Kind = format->Kind;
        ReadSectionLines(stream, *format, *record);
        BoundSizes(*record);
        if (record->Kind != "Window") record->ParentWindow = windows.Find(record->Parent);
        record->Gadget = format->Create(*record, record->ParentWindow);
        area += std::max(int64_t(record->Gadget->Width) * record->Gadget->Height, kGadgetAreaCharge);
        windows.Add(*record);
        ++Design().CounterOf(record->Kind);
        Design().DesignList.push_back(std::move(record));
    }
    CloseStream(stream);
}

}  // namespace kvx::studio
