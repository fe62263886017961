#pragma once
// Designed gadgets made the way the Create page places them, on a headless toolkit, and small
// helpers for the files the studio writes.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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
#include "studio/designed_gadget.hpp"
#include "studio/frame_loop.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx::testing {

// The record and live gadget of `kind` for a rubber band at x, y of w x h screen pixels, dropped
// over `window` (a designed window) or over no window. Appended to the DesignList.
inline studio::DesignedGadgetRef PlaceDesigned(const std::string& kind, int x, int y, int w, int h,
                                               const studio::DesignedGadgetRef& window = nullptr) {
    using studio::Design;
    auto r = std::make_shared<studio::DesignedGadget>();
    r->Kind = kind;
    r->Handle = kind + std::to_string(Design().CounterOf(kind));
    if (kind == "Checkbox") w = h = 16;
    if (kind == "Button") h = Design().ButtonSkinHeight;
    if (kind == "Combobox") h = 20;
    if (kind == "Inputbox" || kind == "Value") h = KVX_LineHeight + 1;
    if (kind == "Labeltext") w = h = KVX_LineHeight;
    r->Tx = w;
    r->Ty = h;
    if (kind != "ColorIcon" && kind != "Listbox" && kind != "Combobox" && kind != "Imagebox") r->Caption = r->Handle;
    if (kind == "Window") {
        r->Px = x;
        r->Py = y;
        auto live = KVX_Window::Create(r->Handle, x, y, w, h, 1, 1, 1, 20);
        live->Locked = 1;
        r->Gadget = live;
    } else {
        if (window) {
            auto live = std::static_pointer_cast<KVX_Window>(window->Gadget);
            r->ParentWindow = live;
            r->Px = x - live->X;
            r->Py = y - live->Y - live->TitleHeight - (kind == "Frame" ? 5 : 0);
        }
        const KVX_GadgetRef parent = r->ParentWindow;
        const int charWidth = TextWidth("0");
        if (kind == "Frame") r->Gadget = KVX_Frame::Create(parent, r->Handle, r->Px, r->Py, w, h);
        if (kind == "Checkbox") r->Gadget = KVX_Checkbox::Create(parent, r->Handle, r->Px, r->Py, 0);
        if (kind == "Button") r->Gadget = KVX_PushButton::Create(parent, r->Handle, r->Px, r->Py, w);
        if (kind == "CustomButton") {
            r->ImageOver = "./KVX_Demos/Icon_04_hi.png";
            r->ImageNormal = "./KVX_Demos/Icon_04_un.png";
            r->ImagePress = "./KVX_Demos/Icon_04_se.png";
            r->Gadget = KVX_CustomButton::Create(parent, r->Handle, r->Px, r->Py, w, h, r->ImageOver, r->ImageNormal,
                                                 r->ImagePress, 0);
        }
        if (kind == "ColorIcon") {
            r->CustomColor = KVX_Color::Create(int(Rnd(0, 255)) & 255, int(Rnd(0, 255)) & 255, int(Rnd(0, 255)) & 255);
            r->Gadget = KVX_ColorIcon::Create(parent, r->Px, r->Py, w, h, r->CustomColor);
        }
        if (kind == "Scrollbar") {
            r->Vertical = w > h ? 0 : 1;
            r->IntegerOnly = 1;
            r->Gadget = KVX_Scrollbar::Create(parent, r->Handle, r->Px, r->Py, w, h, 50, 0, 100, 1, r->Vertical, 1);
        }
        if (kind == "Progressbar") r->Gadget = KVX_Progress::Create(parent, r->Handle, r->Px, r->Py, w, h, 50, 100);
        if (kind == "Listbox") {
            r->Ty = (h - KVX_LineHeight) / KVX_LineHeight;
            r->Gadget = KVX_Listbox::Create(parent, r->Px, r->Py, w, r->Ty);
        }
        if (kind == "Combobox") r->Gadget = KVX_Combo::Create(parent, r->Px, r->Py, w);
        if (kind == "Inputbox") {
            r->NumChar = w / charWidth;
            r->MaxChar = 255;
            r->Gadget = KVX_Input::Create(parent, r->Handle, r->Px, r->Py, r->NumChar, r->MaxChar);
        }
        if (kind == "Value") {
            r->IntegerOnly = 1;
            r->NumChar = w / charWidth;
            r->Gadget = KVX_Value::Create(parent, r->Handle, r->Px, r->Py, r->NumChar, 128, 1, 0, 255, 1);
        }
        if (kind == "Labeltext") {
            r->Align = 1;
            r->Gadget = KVX_Label::Create(parent, r->Handle, r->Px, r->Py, r->Align, KVX_BlackColor);
        }
        if (kind == "Imagebox") {
            r->ImageBorder = 2;
            r->Image = "./KVX_Demos/Image_01.png";
            r->Gadget = KVX_Image::Create(parent, r->Image, r->Px, r->Py, w, h, r->ImageBorder);
        }
        r->Parent = studio::WindowHandleOf(r->ParentWindow.get());
    }
    ++Design().CounterOf(kind);
    Design().DesignList.push_back(r);
    return r;
}

// Frees every live gadget and empties the design, counters included.
inline void ClearDesign() {
    for (const studio::DesignedGadgetRef& record : studio::Design().DesignList) {
        if (record->Gadget) record->Gadget->Free();
    }
    studio::Design().DesignList.clear();
    studio::Design().ResetCounters();
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The lines of a CR LF file; a last line without its CR LF is kept too.
inline std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

// A headless toolkit, an empty design with the button skin height known, and a scratch folder.
class DesignTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        studio::Design().ButtonSkinHeight = studio::SkinButtonHeight();
        ClearDesign();
        folder_ = std::filesystem::temp_directory_path() /
                  ("kvx_design_" + std::to_string(getpid()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        ClearDesign();
        std::filesystem::remove_all(folder_);
        ToolkitTest::TearDown();
    }
    std::string PathIn(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

}  // namespace kvx::testing
