#pragma once
// What the studio knows about each kind it designs, one entry per kind (design/kinds/): its word
// in files and on the palette, the sizes the toolkit fixes, the keys of its file section, what a
// placed one starts with, how its live gadget is made from the record, and how it is exported.
// The reader, the writer, the exporter, placement and the editor all work from these entries.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/gadget.hpp"
#include "design/export_call.hpp"

namespace kvx::studio {

struct DesignedGadget;

// The rubber band a gadget is placed with, in screen pixels.
struct Band {
    int32_t X = 0, Y = 0, W = 0, H = 0;
};

// One "Key=value" line of a kind's file section.
struct KeyFormat {
    const char* Name;
    std::string (*Write)(DesignedGadget& record);
    void (*Read)(DesignedGadget& record, std::string_view value);  // null: the value changes nothing
};

// The sizes the toolkit gives a kind whatever band or drag asked; unset ones are the user's.
struct FixedSize {
    std::optional<int32_t> Width, Height;
};

// A value the Modify page's property frame edits, beyond handle, place, size and caption: one
// row, through the record field its type names.
struct PropertyField {
    enum class Type { Number, Whole, Flag, Picture, Items, Colour, Choice };
    const char* Label;
    Type Kind;
    float DesignedGadget::*Number = nullptr;
    int32_t DesignedGadget::*Whole = nullptr;
    uint8_t DesignedGadget::*Flag = nullptr;
    std::string DesignedGadget::*Path = nullptr;
    const char* Hint = nullptr;  // how the row's values are written, when that needs saying
    // A choice's names; the Flag field holds the number of the one chosen, from 1 (0 is the first).
    std::span<const char* const> Choices = {};
};

// Where a gadget's text runs from its place, when not rightward: how far left it starts, and how
// wide it is.
struct TextSpan {
    int32_t Left = 0, Width = 0;
};

struct KindDescription {
    const char* Word;            // "CustomButton"; its section header is "[CUSTOMBUTTON]"
    const char* PaletteCaption;  // the Create page's button: "Custom Button"
    // Keys in file order, one line each; empty for kinds that have no section.
    std::span<const KeyFormat> Keys = {};
    FixedSize (*Fixed)() = nullptr;  // null: every size is the user's
    // What a record placed with a band starts with, beyond its size; null for nothing more.
    void (*Defaults)(DesignedGadget& record, const Band& band) = nullptr;
    // The sizes the toolkit will give the live gadget, taken into the record before it is made;
    // null when the record's are the toolkit's.
    void (*Settle)(DesignedGadget& record) = nullptr;
    // The live gadget of the record, in the record's parent window, showing what the record
    // holds. Null for kinds that can be neither placed nor read.
    KVX_GadgetRef (*Create)(DesignedGadget& record) = nullptr;
    // Generated C++: the member's type in namespace kvx, and the expression that makes the
    // gadget of a settled record; `parent` names the parent window's member ("" for none).
    const char* CppType = nullptr;
    std::string (*CppCreate)(const DesignedGadget& record, const std::string& parent) = nullptr;
    // Statements after that creation, for the made gadget named `member`; null for none.
    std::vector<std::string> (*CppThen)(const DesignedGadget& record, const std::string& member) = nullptr;
    // The rows of the property frame, in order.
    std::span<const PropertyField> Properties = {};
    // Why the record cannot be kept as edited ("Minimum above maximum"), or "" when it can; null
    // when every value the rows take will do.
    std::string (*Refusal)(const DesignedGadget& record) = nullptr;
    // What the designer changes on a live gadget it shows; null for nothing.
    void (*InDesigner)(KVX_Gadget& live) = nullptr;
    // The creation call of the exported program; `parent` names the parent window ("" for none).
    Creation (*Export)(const DesignedGadget& record, const std::string& parent) = nullptr;
    // Lists and combo boxes: adds one of the record's Items to the made gadget. Generated code
    // and exported programs call the gadget's AddItem(text, "") the same way.
    void (*AddItem)(KVX_Gadget& live, const std::string& item) = nullptr;
    // The height the designer's pointer answers to, when not the record's Ty.
    int32_t (*HitHeight)(const DesignedGadget& record) = nullptr;
    // Where it answers along its row, when not from Px over Tx.
    TextSpan (*HitSpan)(const DesignedGadget& record) = nullptr;
    // What a press of the designer's pointer on the live gadget does besides picking the record.
    void (*Pressed)(DesignedGadget& record) = nullptr;
    bool IsWindow = false;           // a top-level window: no parent, absolute position
    bool OnMenuBar = false;          // on the screen's menu bar, in no window; the designer draws it
    bool CaptionIsHandle = false;    // a new record is captioned with its handle
    bool SizedInCharacters = false;  // the width box shows NumChar
    bool HeightInLines = false;      // Ty counts lines of KVX_LineHeight
    int32_t BandInsetY = 0;          // the live gadget sits this far above the band's top
};

inline constexpr size_t kKindCount = 16;

// Every kind, in the palette's order.
std::span<const KindDescription* const> Kinds();
// The entry of a kind word; null for an unknown word.
const KindDescription* FindKind(std::string_view word);
// The entry's place in Kinds().
size_t KindIndex(const KindDescription& kind);

// Where the live gadget is for: the designer's canvas, or an application's screen.
enum class LiveUse { Designer, Application };
// The record's live gadget, made by its kind's Create once settled, as the use wants it.
KVX_GadgetRef CreateLive(DesignedGadget& record, LiveUse use);
// Applies the kind's Settle, if it has one.
void SettleSizes(DesignedGadget& record);

// The sizes the kind fixes, applied to w and h.
void ApplyFixedSize(const KindDescription& kind, int32_t& w, int32_t& h);

}  // namespace kvx::studio
