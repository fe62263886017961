#include "studio/placed_record.hpp"

#include <algorithm>

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
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

bool HasCaption(const std::string& kind) {
    return kind != "ColorIcon" && kind != "Listbox" && kind != "Combobox" && kind != "Imagebox";
}

int CharWidth() { return std::max(1, TextWidth("0")); }

int RandomChannel() { return int(Rnd(0, 255)) & 255; }

void MakeWindow(DesignedGadget& r, const Band& band) {
    r.Px = band.X;
    r.Py = band.Y;
    const KVX_WindowRef window = KVX_Window::Create(r.Handle, r.Px, r.Py, r.Tx, r.Ty, 1, 1, 1, 20);
    window->Locked = 1;  // placed, not dragged by its title bar
    r.Gadget = window;
}

// The live gadget of every kind but windows, with the kind's own fields.
KVX_GadgetRef MakeLiveGadget(DesignedGadget& r, const Band& band) {
    const KVX_GadgetRef parent = r.ParentWindow;
    const std::string& k = r.Kind;
    if (k == "Frame") return KVX_Frame::Create(parent, r.Handle, r.Px, r.Py, r.Tx, r.Ty);
    if (k == "Checkbox") return KVX_Checkbox::Create(parent, r.Handle, r.Px, r.Py, 0);
    if (k == "Button") return KVX_PushButton::Create(parent, r.Handle, r.Px, r.Py, r.Tx);
    if (k == "CustomButton") {
        r.ImageOver = "./KVX_Demos/Icon_04_hi.png";
        r.ImageNormal = "./KVX_Demos/Icon_04_un.png";
        r.ImagePress = "./KVX_Demos/Icon_04_se.png";
        r.Border = 0;
        return KVX_CustomButton::Create(parent, r.Handle, r.Px, r.Py, r.Tx, r.Ty, r.ImageOver, r.ImageNormal,
                                        r.ImagePress, r.Border);
    }
    if (k == "ColorIcon") {
        const int red = RandomChannel(), green = RandomChannel(), blue = RandomChannel();
        r.CustomColor = KVX_Color::Create(red, green, blue);
        return KVX_ColorIcon::Create(parent, r.Px, r.Py, r.Tx, r.Ty, r.CustomColor);
    }
    if (k == "Scrollbar") {
        r.Vertical = band.W > band.H ? 0 : 1;
        r.IntegerOnly = 1;
        return KVX_Scrollbar::Create(parent, r.Handle, r.Px, r.Py, r.Tx, r.Ty, 50, 0, 100, 1, r.Vertical, 1);
    }
    if (k == "Progressbar") return KVX_Progress::Create(parent, r.Handle, r.Px, r.Py, r.Tx, r.Ty, 50, 100);
    if (k == "Listbox") {
        r.Ty = KVX_LineHeight > 0 ? (band.H - KVX_LineHeight) / KVX_LineHeight : 0;
        return KVX_Listbox::Create(parent, r.Px, r.Py, r.Tx, r.Ty);
    }
    if (k == "Combobox") return KVX_Combo::Create(parent, r.Px, r.Py, r.Tx);
    if (k == "Inputbox") {
        r.NumChar = band.W / CharWidth();
        r.MaxChar = 255;
        return KVX_Input::Create(parent, r.Handle, r.Px, r.Py, r.NumChar, r.MaxChar);
    }
    if (k == "Value") {
        r.IntegerOnly = 1;
        r.NumChar = band.W / CharWidth();
        return KVX_Value::Create(parent, r.Handle, r.Px, r.Py, r.NumChar, 128, 1, 0, 255, 1);
    }
    if (k == "Labeltext") {
        r.Align = 1;
        return KVX_Label::Create(parent, r.Handle, r.Px, r.Py, r.Align, KVX_BlackColor);
    }
    if (k == "Imagebox") {
        r.ImageBorder = 2;
        r.Image = "./KVX_Demos/Image_01.png";
        return KVX_Image::Create(parent, r.Image, r.Px, r.Py, r.Tx, r.Ty, r.ImageBorder);
    }
    return nullptr;
}

void MakeChild(DesignedGadget& r, const Band& band) {
    const KVX_WindowRef under = KVX_ActiveWindowAt(false);
    if (under != Studio().StudioWindow) r.ParentWindow = under;
    if (const KVX_WindowRef& parent = r.ParentWindow) {
        r.Px = band.X - parent->X;
        r.Py = band.Y - parent->Y - parent->TitleHeight - (r.Kind == "Frame" ? 5 : 0);
    }
    r.Gadget = MakeLiveGadget(r, band);
    r.Parent = WindowHandleOf(r.ParentWindow.get());
}

}  // namespace

DesignedGadgetRef MakePlacedRecord(const std::string& kind, const Band& band) {
    if (kind == "Tabpanel" || kind == "Menu") return nullptr;
    auto record = std::make_shared<DesignedGadget>();
    DesignedGadget& r = *record;
    r.Kind = kind;
    int32_t& counter = Design().CounterOf(kind);
    r.Handle = kind + std::to_string(counter);
    r.Tx = band.W;
    r.Ty = band.H;
    r.Global = 1;
    if (HasCaption(kind)) r.Caption = r.Handle;
    if (kind == "Window") {
        MakeWindow(r, band);
    } else {
        MakeChild(r, band);
    }
    ++counter;
    return record;
}

}  // namespace kvx::studio
