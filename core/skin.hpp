#pragma once
// The embedded skin: images, cursor strips, sounds, and the colour scheme.
#include <string>

#include "core/color.hpp"

namespace kvx {

// The loader path of a skin image by file name, e.g. SkinPath("Window_Body.png").
std::string SkinPath(const std::string& fileName);
inline const char* kClickSoundPath = "incbin::Button_Click.wav";
inline const char* kAlertSoundPath = "incbin::Message_Alert.wav";

// Registers the skin images (in table order) and then, after the colours, the sounds.
void RegisterSkinImages();
void RegisterSkinSounds();
// The cursor strips of a set (1 or 2); registering twice keeps the first registration.
void RegisterCursorStrips(int set);

// The colour scheme, created by CreateSchemeColors in this order.
struct KVX_Scheme {
    KVX_ColorRef WindowBodyEdgeA, WindowBodyEdgeB;
    KVX_ColorRef WindowCaptionActive, WindowCaptionInactive;
    KVX_ColorRef GadgetText;
    KVX_ColorRef CustomButtonEdgeA, CustomButtonEdgeB;
    KVX_ColorRef InputText, InputCaret, InputEdgeA, InputEdgeB;
    KVX_ColorRef ProgressEdgeA, ProgressEdgeB, ProgressText;
    KVX_ColorRef ImageEdgeA, ImageEdgeB;
    KVX_ColorRef FrameText, FrameLineA, FrameLineB;
    KVX_ColorRef ListText, ListEdgeA, ListEdgeB, ListSelection, ListSeparator;
    KVX_ColorRef TabText, TabEdgeA, TabEdgeB;
    KVX_ColorRef ScrollText, ScrollThumbFill, ScrollThumbLight, ScrollThumbDark, ScrollEdgeA, ScrollEdgeB;
    KVX_ColorRef ComboText, ComboEdgeA, ComboEdgeB, ComboListText;
    KVX_ColorRef TooltipText, TooltipFill, TooltipEdgeA, TooltipEdgeB;
    KVX_ColorRef MenuText, MenuFill, MenuEdgeA, MenuEdgeB, MenuDark, MenuHighlight1, MenuHighlight2, MenuHighlight3;
    KVX_ColorRef ColorIconEdgeA, ColorIconEdgeB;
    KVX_ColorRef DialogText;
    // Multiplied into the skin pictures as they are drawn (white leaves them as they are), so a
    // change shows on open windows at their next frame.
    KVX_ColorRef WindowFrameTint, WindowBodyTint;  // title bar; body with its borders
    KVX_ColorRef ButtonTint;                       // push buttons
    KVX_ColorRef FieldTint;                        // text fields and value boxes
    KVX_ColorRef ListTint;                         // list boxes and drop-down lists
    KVX_ColorRef TabTint;                          // tab panels
    KVX_ColorRef MenuTint;                         // the menu bar and the marks of menu entries
};

extern KVX_ColorRef KVX_WhiteColor, KVX_BlackColor;
extern KVX_ColorRef KVX_RedColor, KVX_GreenColor, KVX_BlueColor, KVX_YellowColor;
extern KVX_Scheme KVX_SchemeColors;

void CreateSchemeColors();
// The toolkit's own scheme, in colours of its own (not shared with KVX_SchemeColors).
KVX_Scheme DefaultScheme();

}  // namespace kvx
