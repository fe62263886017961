#pragma once
// The File page's "Scheme Editor": the scheme's colours and tints in a list, each changed with the
// colour chooser, and its font (a file from the file requester, a size in pixels), shown live on
// every open window and in a sample window; Load and Save of scheme files.
#include <string>

namespace kvx::studio {

// Where the studio keeps the scheme in use; "" when there is no config folder.
std::string RememberedSchemePath();
// At start, after KVX_InitGUI: the remembered scheme, if any. A problem is printed in one line.
void LoadRememberedScheme();
// Runs the editor until Close; a changed scheme is remembered for the next start.
void ShowSchemeEditor();

}  // namespace kvx::studio
