// A screen picture in words, for a learner who cannot see it: which window
// of Trazel it shows and with which design, what the board holds, which
// menu is open with which item highlighted, which dialog boxes are open and
// what they hold, what the status bar says and what the notes point at. The
// words come from the same model the painter draws, so they say what is drawn.
#pragma once

#include <string>

#include "pictures/screen_picture.h"

namespace lt::pictures {

// The picture as painted into an area of `frame` (twips; its corner at 0, 0).
std::string describe(const ScreenPicture& picture, const Area& frame);

} // namespace lt::pictures
