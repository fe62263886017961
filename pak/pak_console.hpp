#pragma once
// Where the pak module reports: progress on the console, errors as notifications.
#include <cstdint>
#include <string>

namespace kvx {

// Whole kilobytes, truncated toward zero, as the messages show sizes.
std::string KbText(int64_t bytes);

void ConsolePrint(const std::string& line);
void PakMessage(const std::string& text);  // "Vorlath message : " + text
void PakWarning(const std::string& text);  // "Vorlath warning : " + text
// A warning about something that went wrong: also sets PakFault. Always false.
bool PakFailure(const std::string& text);
// Standard error for now; the toolkit's message box takes over once a display is open.
void Notify(const std::string& text, bool serious);

}  // namespace kvx
