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
// Types keys in send-keys notation into Trazel and waits until Trazel has
// handled them. The keys go to Trazel's window in front, which is brought
// forward first when another window is in front, and never to another
// window; the outcome says whether Trazel got and handled them. A malformed
// string types nothing.
KeysOutcome SendKeys(Tutorial& t, const std::string& keys);
// Shows the window that the single-instance search found and brings its last
// active pop-up to the front.
void ActivateFoundWindow(Tutorial& t);

} // namespace lt
