#pragma once
// The designer's record of one placed window or gadget, and the design as a list of them.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/color.hpp"
#include "core/gadget.hpp"
#include "design/kind_table.hpp"

namespace kvx {
class KVX_Window;
}

namespace kvx::studio {

inline constexpr const char* kVersionText = "0.6a";

// The record is never registered with the toolkit; it only sits in the DesignList. It keeps
// beside the live gadget what only the designer needs.
struct DesignedGadget {
    // Geometry and values that the record itself holds (what a gadget's base would hold).
    std::string Caption;     // the caption to export
    int32_t Px = 0, Py = 0;  // relative to the parent window's body; absolute for windows
    int32_t Tx = 0, Ty = 0;
    std::shared_ptr<KVX_Window> ParentWindow;  // the live parent window, or none
    float Value = 0.f, Minimum = 0.f, Maximum = 0.f, Step = 0.f;
    uint8_t IntegerOnly = 0;

    // The designer's own fields.
    KVX_GadgetRef Gadget;
    std::string Handle;
    std::string Parent;  // handle of the parent window at creation; "False" after a save when none
    std::string Kind;    // the kind word, as the file and the palette name it

    // The kind's entry in the kind table.
    const KindDescription& Info() const;
    uint8_t Global = 1;
    uint8_t Vertical = 0;
    int32_t NumChar = 0;
    int32_t MaxChar = 0;
    KVX_ColorRef CustomColor;
    uint8_t Align = 0;
    int32_t ImageBorder = 0;
    uint8_t Border = 0;
    std::string ImageOver, ImageNormal, ImagePress;
    std::string Image;
    std::vector<std::string> Items;  // of a list or combo box
    uint8_t Checked = 0;             // a check box's state
    std::string TabPanel;            // handle of the tab panel the gadget is on, "" for none
    int32_t Tab = 0;                 // the 1-based tab of that panel
    uint8_t LockButton = 1, MinimiseButton = 1, CloseButton = 1;  // a window's title buttons
    int32_t GrabX = 0, GrabY = 0;
};
using DesignedGadgetRef = std::shared_ptr<DesignedGadget>;

struct DesignState {
    std::vector<DesignedGadgetRef> DesignList;
    std::array<int32_t, kKindCount> HandleCounters{};  // the next number of each kind, by KindIndex

    DesignState() { ResetCounters(); }
    int32_t& CounterOf(const std::string& kind);  // kind must be a kind word
    void ResetCounters() { HandleCounters.fill(1); }
};

// The design the studio edits.
DesignState& Design();

// The height of buttons: that of the skin's button caps; 0 until the toolkit has its skin.
int32_t SkinButtonHeight();

// The Handle of the designed window whose live gadget this is; "" when none.
std::string WindowHandleOf(const KVX_Gadget* liveGadget);
// The live gadget of the first designed window with exactly this handle, or none.
std::shared_ptr<KVX_Window> LiveWindowOf(const std::string& handle);

}  // namespace kvx::studio
