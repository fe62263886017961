#include "platform/replacement_plan.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <random>

namespace kvx {
namespace {

// What a newly created file gets: read and write for all, less the process's umask.
mode_t NewFilePermissions() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// As the kernel guards its own link following: in a folder anyone may write to but only owners
// delete from (/tmp), a link is followed only when it is the caller's or the folder owner's, so
// nobody can plant one there that leads a replacement onto another user's file.
bool MayFollow(const std::string& path, const struct stat& link) {
    struct stat folder;
    if (stat(FolderOf(path).c_str(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || link.st_uid == geteuid() || link.st_uid == folder.st_uid;
}

}  // namespace

std::optional<ReplacementPlan> PlanReplacement(const std::string& path, AtLink atLink) {
    ReplacementPlan plan{path, NewFilePermissions()};
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) return errno == ENOENT ? std::optional(plan) : std::nullopt;
    if (S_ISLNK(info.st_mode)) {
        if (atLink == AtLink::kReplace) return plan;
        if (!MayFollow(path, info)) return std::nullopt;
        const std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
        if (!real || stat(real.get(), &info) != 0) return std::nullopt;
        plan.target = real.get();
    }
    if (!S_ISREG(info.st_mode)) return std::nullopt;
    plan.permissions = info.st_mode & 07777;
    return plan;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string UnguessableNameIn(const std::string& folder) {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static constexpr size_t kRandomLength = 10;
    std::random_device random;
    std::string name = folder + "/.kvx-part-";
    for (size_t i = 0; i < kRandomLength; ++i) name += kAlphabet[random() % (sizeof kAlphabet - 1)];
    return name;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);  // some file systems cannot sync a folder; the rename has happened all the same
    close(fd);
}

}  // namespace kvx
