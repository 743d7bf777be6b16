// Making Trazel open the tutorial library and the exercises' design, by
// typing into its File > Open dialog.
#pragma once

#include <string>

#include "app/tutorial.h"

namespace lt {

// Opens TUTOR.LLB and then Design_File from the working directory in Trazel.
// When the design is missing the learner is told, the steps window goes to
// the task bar and the lesson menu comes back; the result is then false.
bool OpenTutorialDesign(Tutorial& t);

} // namespace lt
