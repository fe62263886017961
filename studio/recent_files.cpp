#include "studio/recent_files.hpp"

#include <algorithm>

#include "design/safe_file.hpp"
#include "platform/files.hpp"
#include "studio/config_folder.hpp"
#include "studio/preferences.hpp"

namespace kvx::studio {
namespace {

constexpr size_t kLongestPath = 4096;

std::string ListPath() {
    const std::string folder = ConfigFolder();
    return folder.empty() ? "" : folder + "/recent.txt";
}

}  // namespace

std::vector<std::string> LoadRecentFiles() {
    std::vector<std::string> paths;
    const std::string list = ListPath();
    const StreamPtr stream = list.empty() ? nullptr : ReadFile(list);
    if (!stream) return paths;
    std::string line;
    while (paths.size() < size_t(Prefs().RecentCount) && !Eof(stream)) {
        if (ReadLine(stream, line, kLongestPath) && !line.empty()) paths.push_back(line);
    }
    CloseStream(stream);
    return paths;
}

bool RememberRecentFile(const std::string& path) {
    std::vector<std::string> paths = LoadRecentFiles();
    std::erase(paths, path);
    paths.insert(paths.begin(), path);
    if (paths.size() > size_t(Prefs().RecentCount)) paths.resize(size_t(Prefs().RecentCount));
    const std::string list = ListPath();
    return !list.empty() && ReplaceFileSafely(list, [&](const StreamPtr& stream) {
        for (const std::string& p : paths) WriteLine(stream, p);
    });
}

}  // namespace kvx::studio
