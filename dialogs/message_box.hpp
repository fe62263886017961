#pragma once
// The modal message box: an icon, a "|"-separated text and one of three answer sets.
#include <cstdint>
#include <string>

namespace kvx {

// buttons: 1 "Ok", 2 "Yes"/"No", 3 "Yes"/"No"/"Cancel"; any other value shows "Ok".
// icon: 1 ask, 2 alert, 3 warning; any other value none.
// Returns 1 for "Ok" or "Yes", 2 for "No", 3 for "Cancel". When the application window is closed
// meanwhile, the highest button of the set answers (3, 2 or 1).
int32_t KVX_MessageBox(const std::string& title, const std::string& text, uint8_t buttons, int32_t icon);

// The widest line and the height of a "|"-separated text as the box's label draws it (in the
// labels' font, a line step each); the selected font is kept.
int32_t TextBlockWidth(const std::string& text);
int32_t TextBlockHeight(const std::string& text);

}  // namespace kvx
