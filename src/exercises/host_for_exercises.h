// Trazel for the exercises: the host operations find, start and raise it;
// these routines tell the learner when it is missing and act on the answer.
#pragma once

#include "app/tutorial.h"

namespace lt {

// Makes sure Trazel runs and shows its design window, starting its session
// frame when it is not running. Sets Host_Opened, and Launch_Code when it
// starts the host. A missing Trazel program is reported; the learner goes on
// without exercises or ends the program.
void StartHost(Tutorial& t);
// Brings Trazel forward for the exercises. False when one of its windows
// is gone: the learner has been told and taken back to the lesson menu.
bool DisplayHost(Tutorial& t);

} // namespace lt
