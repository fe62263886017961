#pragma once
// Each function paints one family of the toolkit's artwork and hands it to the writer.
#include "skin_writer.hpp"

namespace kvx {

void WriteWindowParts(SkinWriter& out);     // title pieces, body, title-bar buttons
void WriteButtonParts(SkinWriter& out);     // push buttons, arrows, combo symbol, check box
void WriteFieldParts(SkinWriter& out);      // input, combo, progress, scroll bar and list bodies
void WriteTabParts(SkinWriter& out);        // tab titles, border strip, tab body
void WriteMenuParts(SkinWriter& out);       // menu bar and check mark
void WriteMessageSymbols(SkinWriter& out);  // 64x64 message box symbols
void WriteIcons(SkinWriter& out);           // 16x16 file, drive and item icons
void WriteLogo(SkinWriter& out);
void WriteCursors(SkinWriter& out);
void WriteSounds(SkinWriter& out);

}  // namespace kvx
