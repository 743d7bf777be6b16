#pragma once

#include "app/tutorial.h"

namespace lt {

// The lesson menu's Delete Markers command: after the learner confirms, all
// progress is wiped and the progress file rewritten.
void DeleteMarkers(Tutorial& t);

} // namespace lt
