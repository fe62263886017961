#pragma once
// What the file-based fuzz targets share: a private scratch directory and whole-file writes.
#include <cstddef>
#include <cstdint>
#include <string>

namespace kvx::fuzz {

// A fresh directory, made once per process, in /dev/shm when there is one, else in the system's
// temporary directory.
const std::string& ScratchRoot();
void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size);
// Removes everything below `dir`, keeping `dir` itself.
void EmptyDir(const std::string& dir);

}  // namespace kvx::fuzz
