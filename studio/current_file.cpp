#include "studio/current_file.hpp"

namespace kvx::studio {
namespace {

struct CurrentFile {
    std::string Path;
    uint64_t Revision = 0;       // counts the changes made to the design
    uint64_t SavedRevision = 0;  // the revision the file holds
    uint64_t LastGiven = 0;      // the highest revision ever given
};

CurrentFile& Current() {
    static CurrentFile file;
    return file;
}

}  // namespace

void NoteDesignChange() { Current().Revision = ++Current().LastGiven; }
bool DesignChanged() { return Current().Revision != Current().SavedRevision; }
uint64_t DesignRevision() { return Current().Revision; }
void RestoreRevision(uint64_t revision) { Current().Revision = revision; }

void MarkSavedAs(const std::string& path) {
    Current().Path = path;
    Current().SavedRevision = Current().Revision;
}

void ForgetCurrentFile() { MarkSavedAs(""); }

const std::string& CurrentPath() { return Current().Path; }

std::string DisplayName() { return CurrentPath().empty() ? "Untitled" : FileNameOf(CurrentPath()); }

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace kvx::studio
