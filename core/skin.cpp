#include "core/skin.hpp"

#include <map>

#include "platform/embedded.hpp"
#include "platform/resources.hpp"

namespace kvx {

extern const EmbeddedFile kSkinImages[];
extern const size_t kSkinImagesCount;
extern const EmbeddedFile kCursorStrips[];
extern const size_t kCursorStripsCount;
extern const EmbeddedFile kSkinSounds[];
extern const size_t kSkinSoundsCount;

KVX_ColorRef KVX_WhiteColor, KVX_BlackColor;
KVX_ColorRef KVX_RedColor, KVX_GreenColor, KVX_BlueColor, KVX_YellowColor;
KVX_Scheme KVX_SchemeColors;

namespace {

std::map<std::string, std::string>& PathTable() {
    static std::map<std::string, std::string> table;
    return table;
}

void Register(const EmbeddedFile& file) { RegisterIncbin(file.name, file.begin, file.size()); }

}  // namespace

std::string SkinPath(const std::string& fileName) {
    auto it = PathTable().find(fileName);
    return it == PathTable().end() ? std::string() : it->second;
}

void RegisterSkinImages() {
    for (size_t i = 0; i < kSkinImagesCount; ++i) {
        const std::string name = kSkinImages[i].name;
        Register(kSkinImages[i]);
        PathTable()[name.substr(name.rfind('/') + 1)] = kIncbinPrefix + name;
    }
}

void RegisterSkinSounds() {
    for (size_t i = 0; i < kSkinSoundsCount; ++i) Register(kSkinSounds[i]);
}

void RegisterCursorStrips(int set) {
    const std::string prefix = set == 1 ? "./KVX_Graphics/Mouse01_" : "./KVX_Graphics/Mouse02_";
    for (size_t i = 0; i < kCursorStripsCount; ++i) {
        if (std::string(kCursorStrips[i].name).rfind(prefix, 0) == 0) Register(kCursorStrips[i]);
    }
}

void CreateSchemeColors() {
    auto c = KVX_Color::Create;
    KVX_WhiteColor = c(255, 255, 255);
    KVX_BlackColor = c(0, 0, 0);
    KVX_RedColor = c(255, 0, 0);
    KVX_GreenColor = c(0, 255, 0);
    KVX_BlueColor = c(0, 0, 255);
    KVX_YellowColor = c(255, 255, 0);
    KVX_SchemeColors = DefaultScheme();
}

KVX_Scheme DefaultScheme() {
    auto c = KVX_Color::Create;
    KVX_Scheme s;
    s.WindowBodyEdgeA = c(46, 46, 46);
    s.WindowBodyEdgeB = c(46, 46, 46);
    s.WindowCaptionActive = c(250, 250, 250);
    s.WindowCaptionInactive = c(170, 170, 170);  // still readable on the inactive title bar
    s.GadgetText = c(250, 250, 250);
    s.CustomButtonEdgeA = c(50, 69, 101);
    s.CustomButtonEdgeB = c(62, 86, 128);
    s.InputText = c(250, 250, 250);
    s.InputCaret = c(255, 155, 50);
    s.InputEdgeA = c(62, 86, 128);
    s.InputEdgeB = c(50, 69, 101);
    s.ProgressEdgeA = c(50, 69, 101);
    s.ProgressEdgeB = c(62, 86, 128);
    s.ProgressText = c(250, 250, 250);
    s.ImageEdgeA = c(62, 86, 128);
    s.ImageEdgeB = c(50, 69, 101);
    s.FrameText = c(250, 250, 250);
    s.FrameLineA = c(50, 69, 101);
    s.FrameLineB = c(62, 86, 128);
    s.ListText = c(250, 250, 250);
    s.ListEdgeA = c(62, 86, 128);
    s.ListEdgeB = c(50, 69, 101);
    s.ListSelection = c(0, 131, 178);
    s.ListSeparator = c(120, 120, 120);
    s.TabText = c(255, 255, 255);
    s.TabEdgeA = c(50, 69, 101);
    s.TabEdgeB = c(62, 86, 128);
    s.ScrollText = c(250, 250, 250);
    s.ScrollThumbFill = c(0, 131, 178);
    s.ScrollThumbLight = c(0, 150, 204);
    s.ScrollThumbDark = c(0, 94, 128);
    s.ScrollEdgeA = c(50, 69, 101);
    s.ScrollEdgeB = c(62, 86, 128);
    s.ComboText = c(250, 250, 250);
    s.ComboEdgeA = c(50, 69, 101);
    s.ComboEdgeB = c(62, 86, 128);
    s.ComboListText = c(250, 250, 250);
    s.TooltipText = c(250, 250, 250);
    s.TooltipFill = c(50, 50, 50);
    s.TooltipEdgeA = c(50, 69, 101);
    s.TooltipEdgeB = c(62, 86, 128);
    s.MenuText = c(250, 250, 250);
    s.MenuFill = c(50, 50, 50);
    s.MenuEdgeA = c(50, 69, 101);
    s.MenuEdgeB = c(62, 86, 128);
    s.MenuDark = c(10, 10, 10);
    s.MenuHighlight1 = c(195, 111, 0);
    s.MenuHighlight2 = c(255, 150, 0);
    s.MenuHighlight3 = c(255, 171, 31);
    s.ColorIconEdgeA = c(50, 69, 101);
    s.ColorIconEdgeB = c(62, 86, 128);
    s.DialogText = c(250, 250, 250);
    for (KVX_ColorRef* tint :
         {&s.WindowFrameTint, &s.WindowBodyTint, &s.ButtonTint, &s.FieldTint, &s.ListTint, &s.TabTint, &s.MenuTint}) {
        *tint = c(255, 255, 255);
    }
    return s;
}

}  // namespace kvx
