#pragma once
// The File page's "Preferences": a dialog over Prefs(), kept in the config folder when confirmed.
namespace kvx::studio {

// True when the user confirmed: the new preferences are in use and saved (a failed save is told).
// Cancel, Escape or closing the dialog leave everything as it was.
bool EditPreferences();

}  // namespace kvx::studio
