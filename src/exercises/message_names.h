// The window messages the steps window's hooks watch, looked up by name:
// clicks on a window's title bar and frame.
#pragma once

#include <string>

namespace lt {

// The name of a message number; empty for a message the table does not hold.
std::string messageName(unsigned message);
// A press of the left button, its double click or a release of the right
// button on a title bar or frame.
bool isNonClientClick(unsigned message);

} // namespace lt
