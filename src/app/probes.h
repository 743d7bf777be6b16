// Small looks at the machine the tutorial runs on.
#pragma once

#include <string>

#include "app/tutorial.h"

namespace lt {

// "8514" when the screen's font is taller than 16 pixels (Large Fonts), else "VGA".
std::string Display_Res(Tutorial& t);
// Warns about Large Fonts; returns only when the learner chose OK.
void Large_Fonts_Warning(Tutorial& t);
// Finds the installed editions in the registry, asking through the Version
// Select window when there are several. True when at least one is installed.
bool Find_Edition(Tutorial& t);
std::string Windows_Dir(Tutorial& t);
// True when the directory exists, is not read-only and takes a test file.
// A bare drive gains its backslash for the test and a trailing backslash is
// removed from the caller's string.
bool Dir_Writable(Tutorial& t, std::string& dir);
// Centres a window on the screen; a window already centred does not move.
void Center_Window(Tutorial& t, forms::Form& window);

} // namespace lt
