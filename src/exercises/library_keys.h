// The keys that make Trazel's File > Open dialog open the tutorial library.
#pragma once

#include <string>

namespace lt {

// The keys that open the tutorial library of a working directory. A "~" in
// the directory (as in a short name, PROGRA~1) would reach the dialog as
// Enter, so the first three are typed as literal tildes instead.
std::string libraryOpenKeys(const std::string& workDir);

} // namespace lt
