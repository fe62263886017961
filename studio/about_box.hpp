#pragma once
// The File page's "About...": what the studio is made of and where it keeps the user's settings.
#include <string>

namespace kvx::studio {

// The box's text: the studio's and the toolkit's versions, the libraries as they report their
// versions at run time, and the config folder.
std::string AboutText();
void ShowAbout();

}  // namespace kvx::studio
