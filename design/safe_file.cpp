#include "design/safe_file.hpp"

namespace kvx::studio {

bool ReplaceFileSafely(const std::string& path, const std::function<void(const StreamPtr&)>& write) {
    // Saving through a link writes the file it names and keeps the link.
    const StreamPtr stream = WriteReplacement(path, AtLink::kFollow);
    if (!stream) return false;
    write(stream);
    return CommitReplacement(stream);
}

}  // namespace kvx::studio
