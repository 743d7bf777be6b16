// The line of the progress file TRAZEL.LRN: fifteen comma-separated integers,
// the marks of lessons 1 to 15, then CR LF.
#pragma once

#include <string>
#include <string_view>

#include "app/globals.h"

namespace lt {

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

} // namespace lt
