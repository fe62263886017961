#pragma once
// The GUI font: its file and size, as KVX_InitGUI loads them and a scheme may change them.
// Gadgets draw their text with KVX_GuiFont at every frame, so open windows show a new font at
// once; the sizes they worked out from the line height when they were made stay as they were.
#include <string>

namespace kvx {

inline constexpr int KVX_DefaultGuiFontSize = 13;
inline constexpr int KVX_MinGuiFontSize = 6, KVX_MaxGuiFontSize = 48;

// The toolkit's own font file, as DataFilePath finds it.
std::string KVX_DefaultGuiFontPath();
const std::string& KVX_GuiFontPath();
int KVX_GuiFontSize();

// Loads the toolkit's own font (KVX_InitGUI does).
void KVX_LoadDefaultGuiFont();
// Makes the font at `path`, in `size` pixels, the GUI font and sets the line height from it.
// False, with nothing changed, when the size is out of range or the file is not a usable font.
bool KVX_SetGuiFont(const std::string& path, int size);

}  // namespace kvx
