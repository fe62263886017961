#include "studio/safe_file.hpp"

namespace kvx::studio {

bool ReplaceFileSafely(const std::string& path, const std::function<void(const StreamPtr&)>& write) {
    // Beside the target, so that the final rename stays on one file system.
    const std::string temporary = path + ".saving";
    StreamPtr stream = WriteFile(temporary);
    if (!stream) return false;
    write(stream);
    bool written = CloseStream(stream);
    if (written) {
        // The replacement keeps the access rights the user gave the old file.
        const int permissions = FilePermissions(path);
        if (permissions >= 0) SetFilePermissions(temporary, permissions);
        written = RenameFile(temporary, path);
    }
    if (!written) DeleteFile(temporary);
    return written;
}

}  // namespace kvx::studio
