#pragma once
// The system clipboard, as Latin-1 text. A real window shares it with other programs; headless,
// and whenever the window system has none, it is a text kept in the process.
#include <string>

namespace kvx {

void SetClipboardText(const std::string& text);
// "" when the clipboard holds no text.
std::string ClipboardText();

}  // namespace kvx
