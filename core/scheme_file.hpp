#pragma once
// Colour schemes kept as small text files (docs/SCHEMES.md): one "Key=R,G,B" line per colour
// of KVX_Scheme, and the GUI font as "Font=file" and "FontSize=pixels". Loading changes the
// colours in place, so every gadget that draws text or a tinted skin picture with a scheme
// colour shows the new one at its next frame; edges that gadgets bake into their skin pictures
// when made take the scheme of that moment.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/skin.hpp"

namespace kvx {

struct KVX_SchemeEntry {
    const char* Name;  // the key in a scheme file, the same as the member's name
    KVX_ColorRef KVX_Scheme::*Member;
};
// Every colour of the scheme, in the order of KVX_Scheme.
std::span<const KVX_SchemeEntry> KVX_SchemeEntries();

class KVX_SchemeLoad {
public:
    // False when the file could not be read (the scheme is then unchanged) or when a line of it was
    // skipped; Error() names the file and the reason.
    bool Ok() const { return error_.empty(); }
    std::string Error() const { return error_; }
    int ColorsRead() const { return colorsRead_; }

private:
    friend KVX_SchemeLoad KVX_LoadScheme(const std::string& path);

    std::string error_;
    int colorsRead_ = 0;
};

// Called after KVX_InitGUI. A readable file first puts the toolkit's own scheme back, then sets
// each colour it names: a colour it lacks keeps the default, and an unknown or damaged line is
// skipped and reported. The font it names (the toolkit's own when it names none) is loaded; one
// that cannot be keeps the font in use and is reported as its line.
KVX_SchemeLoad KVX_LoadScheme(const std::string& path);
// Writes every colour of the current scheme, and the font when it is not the toolkit's own; the old file is replaced
// only once the new one is written whole. False when it could not be.
bool KVX_SaveScheme(const std::string& path);

// The scheme's colours in entry order, to be put back with KVX_SetScheme.
using KVX_SchemeValues = std::vector<std::array<uint8_t, 3>>;
KVX_SchemeValues KVX_CurrentScheme();
void KVX_SetScheme(const KVX_SchemeValues& values);
void KVX_ResetScheme();  // the toolkit's own colours

}  // namespace kvx
