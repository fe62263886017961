#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/files.hpp"

namespace kvx {

class Directory {
public:
    explicit Directory(DIR* handle) : handle_(handle) {}
    ~Directory() { Close(); }
    Directory(const Directory&) = delete;
    Directory& operator=(const Directory&) = delete;

    std::string Next() {
        if (!handle_) return "";
        const dirent* entry = readdir(handle_);
        return entry ? entry->d_name : "";
    }
    void Close() {
        if (handle_) closedir(handle_);
        handle_ = nullptr;
    }

private:
    DIR* handle_;
};

int FileType(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return kFileNone;
    if (S_ISDIR(info.st_mode)) return kFileDirectory;
    // Devices, pipes and sockets are nothing a program could load or save as a file.
    return S_ISREG(info.st_mode) ? kFileRegular : kFileNone;
}

int64_t FileSize(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return -1;
    return S_ISREG(info.st_mode) ? int64_t(info.st_size) : 0;
}

std::string CurrentDir() {
    std::string path(256, '\0');
    while (!getcwd(path.data(), path.size())) {
        if (errno != ERANGE) return "";
        path.resize(path.size() * 2);
    }
    path.resize(path.find('\0'));
    return path;
}

bool ChangeDir(const std::string& path) { return chdir(path.c_str()) == 0; }

bool DeleteFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool RenameFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

std::string FileVersion(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return "";
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + ":" + std::to_string(info.st_size) +
           ":" + std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
}

int FilePermissions(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return -1;
    return int(info.st_mode & 07777);
}

bool SetFilePermissions(const std::string& path, int permissions) {
    return chmod(path.c_str(), mode_t(permissions) & 07777) == 0;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first, second;
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

DirPtr ReadDir(const std::string& path) {
    DIR* handle = opendir(path.empty() ? "." : path.c_str());
    return handle ? std::make_shared<Directory>(handle) : nullptr;
}

std::string NextFile(const DirPtr& dir) { return dir ? dir->Next() : ""; }

void CloseDir(const DirPtr& dir) {
    if (dir) dir->Close();
}

}  // namespace kvx
