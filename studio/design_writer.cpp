#include "studio/design_writer.hpp"

#include <memory>

#include "gadgets/label.hpp"
#include "gadgets/progress.hpp"
#include "gadgets/scrollbar.hpp"
#include "gadgets/value.hpp"
#include "gadgets/window.hpp"
#include "studio/designed_gadget.hpp"
#include "studio/safe_file.hpp"
#include "studio/value_encoding.hpp"

namespace kvx::studio {
namespace {

const char* const kBannerRule = ";-------------------------------------------------";
const char* const kSectionSeparator = ";=======================";

// The record's live gadget as its kind's class, or none when it is missing or of another kind.
template <class Live>
std::shared_ptr<Live> LiveAs(const DesignedGadget& record, uint8_t kindCode) {
    if (!record.Gadget || record.Gadget->Kind() != kindCode) return nullptr;
    return std::static_pointer_cast<Live>(record.Gadget);
}

// The numbers a scroll bar or value box saves, taken from its live gadget.
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

class SectionWriter {
public:
    explicit SectionWriter(StreamPtr stream) : stream_(std::move(stream)) {}

    void Line(const std::string& text) { WriteLine(stream_, text); }
    void Key(const char* key, const std::string& value) { Line(std::string(key) + "=" + value); }
    void Key(const char* key, int64_t value) { Key(key, std::to_string(value)); }
    void Flag(const char* key, bool value) { Key(key, BooleanText(value)); }

    // Global, Handle, Parent (not for windows), Px, Py.
    void Opening(DesignedGadget& record, bool withParent) {
        Flag("Global", record.Global == 1);
        Key("Handle", record.Handle);
        if (withParent) {
            if (record.Parent.empty()) record.Parent = "False";
            Key("Parent", record.Parent);
        }
        Key("Px", record.Px);
        Key("Py", record.Py);
    }

    // Integer, Value, Minimum, Maximum, Increment. The value saved is the middle of the range.
    void Range(const SavedRange& range) {
        Flag("Integer", range.IntegerOnly);
        if (range.IntegerOnly) {
            Key("Value", TruncateToInteger(double(range.Minimum) + double(range.Maximum)) / 2);
            Key("Minimum", TruncateToInteger(range.Minimum));
            Key("Maximum", TruncateToInteger(range.Maximum));
            Key("Increment", TruncateToInteger(range.Step));
        } else {
            Key("Value", RealText((double(range.Minimum) + double(range.Maximum)) / 2.0));
            Key("Minimum", RealText(range.Minimum));
            Key("Maximum", RealText(range.Maximum));
            Key("Increment", RealText(range.Step));
        }
    }

    void Section(DesignedGadget& record);

private:
    StreamPtr stream_;
};

void SectionWriter::Section(DesignedGadget& r) {
    Line(kSectionSeparator);
    Line(HeaderLine(r.Kind));
    const std::string& kind = r.Kind;
    Opening(r, kind != "Window");
    if (kind == "Window") {
        const auto live = LiveAs<KVX_Window>(r, KVX_KindWindow);
        Key("Tx", r.Tx);
        Key("Ty", r.Ty);
        Key("Caption", r.Caption);
        Flag("LockButton", live && live->LockButton);
        Flag("MinimizeButton", live && live->MinimiseButton);
        Flag("CloseButton", live && live->CloseButton);
    } else if (kind == "Frame") {
        Key("Tx", r.Tx);
        Key("Ty", r.Ty);
        Key("Caption", r.Caption);
    } else if (kind == "Checkbox") {
        Key("Caption", r.Caption);
        Key("State", "");
    } else if (kind == "Button") {
        Key("Tx", r.Tx);
        Key("Caption", r.Caption);
    } else if (kind == "CustomButton") {
        Key("Tx", r.Tx);
        Key("Ty", r.Ty);
        Key("Caption", r.Caption);
        Flag("Border", r.Border == 1);
        Key("ImageOver", r.ImageOver);
        Key("ImageNormal", r.ImageNormal);
        Key("ImagePress", r.ImagePress);
    } else if (kind == "ColorIcon") {
        Key("Tx", r.Tx);
        Key("Ty", r.Ty);
        Key("CustomColor", "");
    } else if (kind == "Scrollbar") {
        const auto live = LiveAs<KVX_Scrollbar>(r, KVX_KindScrollbar);
        Key("Tx", r.Tx);
        Key("Ty", r.Ty);
        Key("Caption", r.Caption);
        Range(RangeOf<KVX_Scrollbar>(r, KVX_KindScrollbar));
        Flag("Vertical", (live ? live->Vertical : r.Vertical) == 1);
    } else if (kind == "Progressbar") {
        const auto live = LiveAs<KVX_Progress>(r, KVX_KindProgressbar);
        Key("Tx", r.Tx);
        Key("Ty", r.Ty);
        Key("Caption", r.Caption);
        Key("Value", "");
        Key("Maximum", TruncateToInteger(live ? live->Maximum : r.Maximum));
    } else if (kind == "Listbox") {
        Key("Tx", r.Tx);
        Key("LineNumber", r.Ty);  // a list box's height field counts lines
        Key("Items", "");
    } else if (kind == "Combobox") {
        Key("Tx", r.Tx);
        Key("Items", "");
    } else if (kind == "Inputbox") {
        Key("NumChar", r.NumChar);
        Key("MaxChar", r.MaxChar);
        Key("Caption", r.Caption);
    } else if (kind == "Value") {
        Key("NumChar", r.NumChar);
        Key("Caption", r.Caption);
        Range(RangeOf<KVX_Value>(r, KVX_KindValue));
    } else if (kind == "Labeltext") {
        const auto live = LiveAs<KVX_Label>(r, KVX_KindLabel);
        Key("Caption", r.Caption);
        Flag("Align", (live ? live->Align : r.Align) == 1);
    } else if (kind == "Imagebox") {
        Key("Tx", r.Tx);
        Key("Ty", r.Ty);
        Key("Image", r.Image);
        Key("Border", r.ImageBorder);
    }
}

}  // namespace

bool SaveDesignTo(const std::string& path) {
    return ReplaceFileSafely(path, [](const StreamPtr& stream) {
        SectionWriter out(stream);
        out.Line(kBannerRule);
        out.Line(std::string(";KVX Studio File - Dremond (C) - version ") + kVersionText);
        out.Line(kBannerRule);
        for (const DesignedGadgetRef& record : Design().DesignList) out.Section(*record);
    });
}

}  // namespace kvx::studio
