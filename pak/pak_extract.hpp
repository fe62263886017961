#pragma once
#include <cstdint>
#include <string>

namespace kvx {

// ExtractFile that also tells where the entry went: its stored name, which may differ in case
// from `name`, under ExtractDir; "" in memory mode.
int32_t ExtractEntry(const std::string& pakPath, const std::string& name, const std::string& destDir,
                     std::string& savedPath);

}  // namespace kvx
