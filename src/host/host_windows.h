// Trazel's windows as the tutorial finds them, and the operations that find,
// start, raise and type into them. They report what they found; telling the
// learner and acting on it (the messages, the return to the lesson menu, the
// end of the program) is up to their callers.
#pragma once

#include "host/host_link.h"

namespace lt {

inline constexpr const char* SessionFrameClass = "QaTrazelFrame";
inline constexpr const char* DesignWindowClass = "MaxFrame";

// What making sure Trazel runs found.
enum class HostStart {
    Running,               // Trazel runs, or a start failed otherwise (Launch_Code says so)
    FrameNotFound,         // TRZFRAME.EXE is not there; Launch_Code is 2
    DesignProgramNotFound, // the session frame showed its error box: TRAZEL.EXE is missing; Launch_Code is 2
};

// Makes sure Trazel runs and shows its design window, starting its session
// frame when it is not running. Sets Host_Opened, and Launch_Code when it
// starts the host. Stops as soon as a program is found missing.
HostStart FindOrStartHost(HostLink& h);

// Which of Trazel's windows is missing.
enum class HostWindows { Both, DesignWindowGone, FrameGone };

// Lets pending events run and brings Trazel forward for the exercises, a
// minimised design window restored; says which window is gone.
HostWindows RaiseHost(HostLink& h);
// Brings the exercise steps window and then the host's design window to the front.
void ActivateHost(HostLink& h);
// Types keys in send-keys notation into Trazel and waits until Trazel has
// handled them. The keys go to Trazel's window in front, which is brought
// forward first when another window is in front, and never to another
// window; the outcome says whether Trazel got and handled them. A malformed
// string types nothing.
KeysOutcome SendKeys(HostLink& h, const std::string& keys);
// Shows the window that the single-instance search found and brings its last
// active pop-up to the front.
void ActivateFoundWindow(HostLink& h);

} // namespace lt
