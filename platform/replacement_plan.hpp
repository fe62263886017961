#pragma once
// Where a file replacement writes and with which permission bits; the names of its temporaries.
#include <sys/types.h>

#include <optional>
#include <string>

#include "platform/files.hpp"

namespace kvx {

struct ReplacementPlan {
    std::string target;  // the file the temporary is renamed over: `path`, or what a followed link names
    mode_t permissions;  // the target's bits, or those of a new file
};

// None for anything at `path` but a regular file, a link or nothing, and for a link that may not be
// followed or leads nowhere.
std::optional<ReplacementPlan> PlanReplacement(const std::string& path, AtLink atLink);

std::string FolderOf(const std::string& path);  // "." for a bare name
// A hidden name in `folder` that nobody could have planted a file under in advance.
std::string UnguessableNameIn(const std::string& folder);
// The rename of a file reaches the disk only with its folder.
void SyncFolder(const std::string& folder);

}  // namespace kvx
