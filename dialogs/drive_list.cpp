#include "dialogs/drive_list.hpp"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "core/skin.hpp"
#include "dialogs/path_text.hpp"
#include "platform/files.hpp"

namespace kvx {
namespace {

bool OneOf(const std::string& text, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), text) != words.end();
}

bool StartsWith(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

// The table writes space, tab, newline and backslash in names as three octal digits after "\".
std::string Unescape(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 3 < field.size() &&
                           std::all_of(field.begin() + long(i) + 1, field.begin() + long(i) + 4,
                                       [](char c) { return c >= '0' && c <= '7'; });
        if (octal) {
            out += char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool SystemMountPoint(const std::string& path) {
    if (StartsWith(path, "/run/media/")) return false;
    for (std::string_view root : {"/proc", "/sys", "/dev", "/run"}) {
        if (path == root || (StartsWith(path, root) && path[root.size()] == '/')) return true;
    }
    return false;
}

}  // namespace

bool PseudoFileSystem(const std::string& type) {
    return OneOf(type,
                 {"proc",       "sysfs",   "cgroup",      "cgroup2",         "devpts",      "devtmpfs",  "mqueue",
                  "securityfs", "debugfs", "tracefs",     "pstore",          "bpf",         "configfs",  "fusectl",
                  "hugetlbfs",  "autofs",  "binfmt_misc", "efivarfs",        "rpc_pipefs",  "nsfs",      "selinuxfs",
                  "nfsd",       "overlay", "squashfs",    "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs"});
}

DriveClass ClassOfMount(const std::string& mountPoint, const std::string& type) {
    if (OneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "ceph", "afs", "davfs"})) {
        return DriveClass::Network;
    }
    if (OneOf(type, {"iso9660", "udf"})) return DriveClass::Optical;
    if (OneOf(type, {"tmpfs", "ramfs"})) return DriveClass::Memory;
    if (StartsWith(mountPoint, "/media/") || StartsWith(mountPoint, "/run/media/")) return DriveClass::Removable;
    return DriveClass::Fixed;
}

std::vector<MountedDrive> DrivesFromMountTable(const std::string& table) {
    std::vector<MountedDrive> drives = {{"/", DriveClass::Fixed}};
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string device, point, type;
        if (!(fields >> device >> point >> type)) continue;
        point = Unescape(point);
        if (point == "/") {
            // The root keeps its place at the top; a container's layered root counts as a disk.
            drives.front().Class = ClassOfMount(point, type);
            continue;
        }
        if (point.empty() || point[0] != '/' || PseudoFileSystem(type) || SystemMountPoint(point)) continue;
        const std::string path = WithTrailingSlash(point);
        const bool listed =
            std::any_of(drives.begin(), drives.end(), [&](const MountedDrive& d) { return d.Path == path; });
        if (!listed) drives.push_back({path, ClassOfMount(point, type)});
    }
    return drives;
}

std::string DriveIconPath(DriveClass driveClass) {
    switch (driveClass) {
        case DriveClass::Removable: return SkinPath("Icon_Floppy.png");
        case DriveClass::Network: return SkinPath("Icon_Network.png");
        case DriveClass::Optical: return SkinPath("Icon_CDROM.png");
        case DriveClass::Memory: return SkinPath("Icon_Ramdrive.png");
        case DriveClass::Fixed: break;
    }
    return SkinPath("Icon_Drive.png");
}

void FillDriveList(const KVX_ComboRef& combo) {
    std::string table;
    if (const StreamPtr mounts = ReadFile("/proc/self/mounts")) {
        while (!Eof(mounts)) table += ReadLine(mounts) + "\n";
        CloseStream(mounts);
    }
    for (const MountedDrive& drive : DrivesFromMountTable(table)) {
        // Containers bind single files (/etc/hosts) as mounts too.
        if (FileType(drive.Path) == kFileDirectory) combo->AddItem(drive.Path, DriveIconPath(drive.Class));
    }
}

}  // namespace kvx
