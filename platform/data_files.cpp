#include "platform/data_files.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace kvx {

std::string DataFilePath(const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::exists(name, error)) return name;
    std::vector<fs::path> folders;
    if (const char* data = std::getenv("KORVEX_DATA_DIR"); data && *data) folders.emplace_back(data);
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) folders.push_back(program.parent_path().parent_path() / "share" / "korvex");
    for (const fs::path& folder : folders) {
        const fs::path candidate = folder / name;
        if (fs::is_regular_file(candidate, error)) return candidate.string();
    }
    return name;
}

}  // namespace kvx
