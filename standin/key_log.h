// The key log the end-to-end tests read: when TRAZEL_KEYLOG names a file,
// every key press the program takes from its queue, in its own windows, its
// menus and its dialogs alike, appends one line to that file (see
// key_names.h for the line).
#pragma once

#include <windows.h>

namespace standin {

// Hooks the calling thread's keyboard input if the log is asked for.
// `mainWindow` answers for keys that arrive while no window is active.
void startKeyLog(HWND mainWindow);

} // namespace standin
