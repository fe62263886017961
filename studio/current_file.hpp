#pragma once
// The file the design was last opened from or saved to, and whether it changed since.
#include <cstdint>
#include <string>

namespace kvx::studio {

// Anything the design holds changed: a gadget placed, moved, resized, renamed, edited, loaded.
void NoteDesignChange();
bool DesignChanged();
// Every state the design has been in has its own revision, never given twice; undoing to a state
// brings its revision back, so the design counts as saved again when it is the file's.
uint64_t DesignRevision();
void RestoreRevision(uint64_t revision);

// The design in memory is what `path` holds now (just saved or opened).
void MarkSavedAs(const std::string& path);
// A new design: no file yet, nothing to save.
void ForgetCurrentFile();
// The file's path, "" while the design has none.
const std::string& CurrentPath();
// The file's own name, or "Untitled"; what the questions and the caption call the design.
std::string DisplayName();
// The file's own name from a path: what messages name.
std::string FileNameOf(const std::string& path);

}  // namespace kvx::studio
