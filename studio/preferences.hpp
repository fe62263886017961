#pragma once
// What the user sets once and the studio keeps: "preferences.txt" in the config folder, a
// "Key=value" line each. A damaged or partial file gives the defaults for what it lacks.
#include <cstdint>
#include <string>

#include "studio/start_options.hpp"

namespace kvx::studio {

inline constexpr int32_t kGridStepMin = 1, kGridStepMax = 50;
inline constexpr int32_t kRecentCountMin = 1, kRecentCountMax = 20;

struct Preferences {
    int32_t GridStep = 5;     // pixels between grid dots, and what placement and moves snap to
    bool SnapToGrid = true;   // false: placement and moves go pixel by pixel
    bool AlignmentGuides = true;  // a dragged box snaps to its neighbours' edges and centres
    bool ClickSounds = true;  // the toolkit's click and alert sounds
    ScreenChoice StartScreen = ScreenChoice::Automatic;
    std::string RequesterFolder;  // where the file requester opens; "" for the working folder
    int32_t RecentCount = 8;      // designs listed on the File page

    bool operator==(const Preferences&) const = default;
};

// The preferences in use.
Preferences& Prefs();

// What reading the file found: "" when it was missing or whole, else one line saying which
// lines were not understood (their settings keep their defaults).
std::string LoadPreferences();
// Writes Prefs() to the file; false when it could not be written (the old file then stays).
bool SavePreferences();
// Applies what takes effect at once outside the studio's own reads (the sounds).
void ApplyPreferences();

// The grid position of a coordinate under the preferences.
int32_t SnapToGridStep(int32_t value);

}  // namespace kvx::studio
