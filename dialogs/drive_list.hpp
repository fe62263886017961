#pragma once
// The "drives" of this system: "/" and the mount points of the real file systems, each with one
// of five icon classes.
#include <string>
#include <vector>

#include "gadgets/combo.hpp"

namespace kvx {

enum class DriveClass { Removable, Fixed, Network, Optical, Memory };

struct MountedDrive {
    std::string Path;  // ends with "/"
    DriveClass Class = DriveClass::Fixed;
};

// The drives of a mount table in the /proc/self/mounts format: "/" first, then every other mount
// point once, in table order, leaving out pseudo and system file systems (PseudoFileSystem) and
// whatever lies under /proc, /sys, /dev or /run (but /run/media).
std::vector<MountedDrive> DrivesFromMountTable(const std::string& table);
// Kernel interfaces, package images and container layers: nothing a user keeps files on.
bool PseudoFileSystem(const std::string& type);
DriveClass ClassOfMount(const std::string& mountPoint, const std::string& type);
std::string DriveIconPath(DriveClass driveClass);

// Adds one entry per drive of this system's mount table that is a directory, with its icon.
void FillDriveList(const KVX_ComboRef& combo);

}  // namespace kvx
