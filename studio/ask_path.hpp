#pragma once
// The File page's commands that ask the user for a path: Save, Open and Export.
#include <string>

namespace kvx::studio {

// The file requester's answer: the chosen path, or "" when cancelled. `save` is its mode flag
// (1 save, 0 open). Kept in an object of its own (ask_path.cpp), apart from the commands
// (design_commands.cpp), so that a test can answer in the user's place.
std::string AskDesignPath(const std::string& title, const std::string& filters, const std::string& ext, int save);

void SaveDesign();
// True when a file was written; false when the question was cancelled or the save failed.
bool SaveDesignAsked();
// A name without the ".kvx" ending loads nothing.
void LoadDesign();
void ExportSource();

}  // namespace kvx::studio
