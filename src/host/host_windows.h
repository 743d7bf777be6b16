// The host's windows as the tutorial finds them, and the operations that
// bring them (and the tutorial's own windows) to the front.
#pragma once

#include "app/tutorial.h"

namespace lt {

inline constexpr const char* SessionFrameClass = "QaTrazelFrame";
inline constexpr const char* DesignWindowClass = "MaxFrame";
inline constexpr int StepsWindowTitle = 47; // "Trazel Exercises"

// Brings the exercise steps window and then the host's design window to the front.
void ActivateHost(Tutorial& t);
// Shows the window that the single-instance search found and brings its last
// active pop-up to the front.
void ActivateFoundWindow(Tutorial& t);

} // namespace lt
