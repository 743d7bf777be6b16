// Windows path rules shared by the simulated file system and the tutorial:
// case-insensitive names, DOS wild cards.
#pragma once

#include <string>
#include <string_view>

namespace lt {

// ASCII upper case; other bytes (UTF-8) are left as they are.
std::string upperCase(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);
// Matches a file name against a pattern with * and ?, ignoring case.
bool wildcardMatch(std::string_view pattern, std::string_view name);

} // namespace lt
