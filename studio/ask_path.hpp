#pragma once
// The File page's commands that ask the user for a path: Save, Open and Export.
#include <cstdint>
#include <string>

namespace kvx::studio {

// The questions the commands put to the user, kept in an object of their own (ask_path.cpp), apart
// from the commands (design_commands.cpp), so that a test can answer in the user's place.
// The file requester's answer: the chosen path, or "" when cancelled. `save` is its mode flag
// (1 save, 0 open).
std::string AskDesignPath(const std::string& title, const std::string& filters, const std::string& ext, int save);
// The message box's answer, as KVX_MessageBox gives it.
int32_t AskUser(const std::string& title, const std::string& text, uint8_t buttons, int32_t icon);

void SaveDesign();
// True when a file was written; false when the question was cancelled or the save failed.
bool SaveDesignAsked();
// A name without the ".kvx" ending loads nothing.
void LoadDesign();
void ExportSource();

}  // namespace kvx::studio
