#pragma once

#include <optional>
#include <string>

namespace lt {

// The working directory named by the -i or /i option (either letter case,
// with or without a blank before the directory), without one trailing
// backslash. A directory in double quotes loses its quotes. A line that does
// not begin with the option, or names no directory, gives none.
std::optional<std::string> workDirOption(const std::string& commandLine);

} // namespace lt
