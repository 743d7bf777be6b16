// The progress marks and the progress file TRAZEL.LRN: one line of fifteen
// comma-separated integers, the marks of lessons 1 to 15, then CR LF.
#pragma once

#include <string>
#include <string_view>

#include "app/tutorial.h"

namespace lt {

inline constexpr const char* ProgressFileName = "TRAZEL.LRN";

struct ParsedProgress {
    Marks marks{};
    // Some value was missing, not an integer, or outside 16 bits. Such
    // marks count as 0: the lesson shows as not finished.
    bool damaged = false;
};

// Reads fifteen values as a comma-separated text line is read: blanks before
// a value are skipped, a value ends at a blank, comma or line end, and text
// after the fifteenth value is ignored.
ParsedProgress parseProgress(std::string_view text);
std::string formatProgress(const Marks& marks);

// Reads the file of the working directory into the marks and shows the lesson
// menu's markers; a missing file is created empty.
void LoadProgress(Tutorial& t);
// Writes the marks, replacing the file as a whole. A failure is told to the
// learner; the result says whether the file was written.
bool SaveProgress(Tutorial& t);
bool ProgressChanged(const Tutorial& t);

} // namespace lt
