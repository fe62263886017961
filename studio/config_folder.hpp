#pragma once
// Where the studio keeps what it remembers for the user.
#include <string>

namespace kvx::studio {

// $XDG_CONFIG_HOME/korvex-studio, else ~/.config/korvex-studio; made when missing. "" when there
// is no home to put it in.
std::string ConfigFolder();

}  // namespace kvx::studio
