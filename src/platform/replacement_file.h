// Replacing a file's content writes the new content to a file of its own
// beside the old one first and then moves it over the old one. That file is
// named after the file it replaces, "TRAZEL.LRN.1A2B3C4D.tmp", so a program
// ended in the middle of a replace leaves something the next replace of the
// same file recognises as its own leftover, and nothing else looks like it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lt {

// The name of the file that replacing `fileName` writes first; `unique`
// tells apart several of them.
std::string replacementName(std::string_view fileName, std::uint32_t unique);
// Whether `name` is such a file of `fileName`, in any letter case.
bool isReplacementOf(std::string_view fileName, std::string_view name);

} // namespace lt
