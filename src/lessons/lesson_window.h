#pragma once

#include "app/tutorial.h"

namespace lt {

// Loads the lesson window of lesson n (1..15); its load shows screen 1.
void OpenLesson(Tutorial& t, int lesson);

} // namespace lt
