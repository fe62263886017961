#pragma once
// The File page's commands, and the questions they put to the user. The questions are kept in an
// object of their own (ask_path.cpp), apart from the commands (design_commands.cpp), so that a
// test can answer in the user's place.
#include <cstdint>
#include <string>

namespace kvx::studio {

// The file requester's answer: the chosen path, or "" when cancelled. `save` is its mode flag
// (1 save, 0 open).
std::string AskDesignPath(const std::string& title, const std::string& filters, const std::string& ext, int save);
// The message box's answer, as KVX_MessageBox gives it, with its button sets, icons and answers.
inline constexpr uint8_t kOkOnly = 1, kYesNo = 2, kYesNoCancel = 3;
inline constexpr int32_t kNoIcon = 0, kAskIcon = 1, kAlertIcon = 2;
inline constexpr int32_t kYesAnswer = 1, kNoAnswer = 2, kCancelAnswer = 3;
int32_t AskUser(const std::string& title, const std::string& text, uint8_t buttons, int32_t icon);

// Asks "Save changes to <name> ?" when the design changed since it was saved or opened; false
// when the user cancelled or the save did not happen, in which case nothing may be thrown away.
bool OfferToSave();
// Saves to the current file, asking for one when there is none. True when the file was written.
bool SaveDesign();
// Asks where to save (confirming an overwrite of another file) and saves there.
bool SaveDesignAs();
// Opens a design: asks for the file unless given one; asks whether to replace a design already
// there (offering to save it first) or to add the file's gadgets to it.
void LoadDesign(const std::string& path = "");
void ExportSource();
void ExportHeader();
// Empties the design after offering to save it.
void NewDesign();
// Ends the studio after offering to save the design.
void ExitStudio();

}  // namespace kvx::studio
