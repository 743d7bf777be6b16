// The progress marks and the progress file TRAZEL.LRN in the working directory.
#pragma once

#include "app/tutorial.h"
#include "menu/progress_line.h"

namespace lt {

inline constexpr const char* ProgressFileName = "TRAZEL.LRN";

// Reads the file of the working directory into the marks and shows the lesson
// menu's markers; a missing file is created empty. What a save cut short by
// the end of the program left beside the file goes.
void LoadProgress(Tutorial& t);
// Writes the marks, replacing the file as a whole. A failure is told to the
// learner; the result says whether the file was written.
bool SaveProgress(Tutorial& t);
bool ProgressChanged(const Tutorial& t);

} // namespace lt
