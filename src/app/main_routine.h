#pragma once

#include "app/tutorial.h"

namespace lt {

// The entry routine: refuses a second copy, checks the display, finds the
// edition and a working directory, loads the progress and shows the first
// window. From then on the tutorial lives in its windows' events.
void Main(Tutorial& t);

} // namespace lt
