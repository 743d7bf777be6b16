// The host's windows as the tutorial finds them, and the operations that
// bring them (and the tutorial's own windows) to the front.
#pragma once

#include "app/tutorial.h"

namespace lt {

inline constexpr const char* SessionFrameClass = "QaTrazelFrame";
inline constexpr const char* DesignWindowClass = "MaxFrame";
inline constexpr int StepsWindowTitle = 47; // "Trazel Exercises"

// Makes sure Trazel runs and shows its design window, starting its session
// frame when it is not running. Sets Host_Opened, and Launch_Code when it
// starts the host; may end the program when Trazel cannot be found.
void StartHost(Tutorial& t);
// Brings the exercise steps window and then the host's design window to the front.
void ActivateHost(Tutorial& t);
// Brings the host forward for the exercises. False when one of its windows
// is gone: the learner has been told and taken back to the lesson menu.
bool DisplayHost(Tutorial& t);
// Types keys in send-keys notation into the foreground window and waits
// until they are processed. A malformed string sends nothing.
bool SendKeys(Tutorial& t, const std::string& keys);
// Shows the window that the single-instance search found and brings its last
// active pop-up to the front.
void ActivateFoundWindow(Tutorial& t);

} // namespace lt
