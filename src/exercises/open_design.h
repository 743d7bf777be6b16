// Making Trazel open the tutorial library and the exercises' design, by
// typing into its File > Open dialog.
#pragma once

#include <optional>
#include <string>

#include "app/tutorial.h"

namespace lt {

// Opens TUTOR.LLB and then Design_File from the working directory in Trazel,
// and gives what became of the keys; the design's keys are typed only after
// Trazel has handled the library's. When the design is missing the learner
// is told, the steps window goes to the task bar and the lesson menu comes
// back; nothing is typed and there is no result.
std::optional<KeysOutcome> OpenTutorialDesign(Tutorial& t);

} // namespace lt
