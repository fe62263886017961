#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

// The bytes of the entry `name` of the archive chosen by InitPak, for the resource loaders, which
// decode them in memory in either mode: a file written to the temporary folder and deleted after
// loading could take the place of a user's file of the same name. Null when there is none.
std::optional<std::vector<uint8_t>> EntryForLoader(const std::string& name);

}  // namespace kvx
