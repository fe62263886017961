#include "studio/config_folder.hpp"

#include <cstdlib>
#include <filesystem>

namespace kvx::studio {

std::string ConfigFolder() {
    namespace fs = std::filesystem;
    fs::path base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        base = config;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".config";
    } else {
        return "";
    }
    const fs::path folder = base / "korvex-studio";
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error) ? folder.string() : "";
}

}  // namespace kvx::studio
