// Starting a lesson's exercises from its lesson window.
#pragma once

#include "app/tutorial.h"

namespace lt {

// Asks whether to leave the lesson for the exercises; on Yes makes sure
// Trazel runs and opens the exercises. The answer is left in Leave_Answer,
// the outcome of the host start in Launch_Code.
void StartExercises(Tutorial& t);

} // namespace lt
