#include "studio/preferences.hpp"

#include <algorithm>
#include <vector>

#include "design/safe_file.hpp"
#include "design/value_encoding.hpp"
#include "platform/audio.hpp"
#include "platform/files.hpp"
#include "studio/config_folder.hpp"

namespace kvx::studio {
namespace {

constexpr size_t kLongestLine = 4096;
constexpr size_t kMostLines = 64;

const char* const kScreenWords[] = {"automatic", "window", "fullscreen"};

std::string FilePath() {
    const std::string folder = ConfigFolder();
    return folder.empty() ? "" : folder + "/preferences.txt";
}

bool ReadFlag(const std::string& text, bool& flag) {
    if (text != "yes" && text != "no") return false;
    flag = text == "yes";
    return true;
}

bool ReadWhole(const std::string& text, int32_t low, int32_t high, int32_t& number) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) return false;
    const int32_t value = ReadInteger(text);
    if (value < low || value > high) return false;
    number = value;
    return true;
}

bool ReadScreen(const std::string& text, ScreenChoice& choice) {
    for (size_t i = 0; i < std::size(kScreenWords); ++i) {
        if (text == kScreenWords[i]) {
            choice = ScreenChoice(i);
            return true;
        }
    }
    return false;
}

// False when the line is no setting of ours or its value is out of range.
bool ReadLineInto(const std::string& line, Preferences& p) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    if (key == "GridStep") return ReadWhole(value, kGridStepMin, kGridStepMax, p.GridStep);
    if (key == "SnapToGrid") return ReadFlag(value, p.SnapToGrid);
    if (key == "AlignmentGuides") return ReadFlag(value, p.AlignmentGuides);
    if (key == "ClickSounds") return ReadFlag(value, p.ClickSounds);
    if (key == "StartScreen") return ReadScreen(value, p.StartScreen);
    if (key == "RecentCount") return ReadWhole(value, kRecentCountMin, kRecentCountMax, p.RecentCount);
    if (key == "RequesterFolder") {
        p.RequesterFolder = value;
        return true;
    }
    return false;
}

const char* FlagText(bool flag) { return flag ? "yes" : "no"; }

}  // namespace

Preferences& Prefs() {
    static Preferences preferences;
    return preferences;
}

std::string LoadPreferences() {
    Prefs() = Preferences{};
    const std::string path = FilePath();
    const StreamPtr stream = path.empty() ? nullptr : ReadFile(path);
    if (!stream) return "";
    std::vector<size_t> damaged;
    std::string line;
    for (size_t number = 1; number <= kMostLines && !Eof(stream); ++number) {
        const bool whole = ReadLine(stream, line, kLongestLine);
        if (!line.empty() && (!whole || !ReadLineInto(line, Prefs()))) damaged.push_back(number);
    }
    const bool failed = StreamFailed(stream) || !Eof(stream);
    CloseStream(stream);
    if (damaged.empty() && !failed) return "";
    std::string lines;
    for (const size_t number : damaged) lines += (lines.empty() ? "" : ", ") + std::to_string(number);
    return path + ": " + (lines.empty() ? "not read to its end" : "line " + lines + " not understood") +
           "; the defaults stand for them";
}

bool SavePreferences() {
    const std::string path = FilePath();
    const Preferences& p = Prefs();
    return !path.empty() && ReplaceFileSafely(path, [&](const StreamPtr& out) {
        WriteLine(out, "GridStep=" + std::to_string(p.GridStep));
        WriteLine(out, std::string("SnapToGrid=") + FlagText(p.SnapToGrid));
        WriteLine(out, std::string("AlignmentGuides=") + FlagText(p.AlignmentGuides));
        WriteLine(out, std::string("ClickSounds=") + FlagText(p.ClickSounds));
        WriteLine(out, std::string("StartScreen=") + kScreenWords[size_t(p.StartScreen)]);
        WriteLine(out, "RequesterFolder=" + p.RequesterFolder);
        WriteLine(out, "RecentCount=" + std::to_string(p.RecentCount));
    });
}

void ApplyPreferences() { SetSoundsEnabled(Prefs().ClickSounds); }

int32_t SnapToGridStep(int32_t value) {
    const Preferences& p = Prefs();
    return p.SnapToGrid ? value / p.GridStep * p.GridStep : value;
}

}  // namespace kvx::studio
