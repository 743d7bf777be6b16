// A stand-in Trazel that stops answering, as a real program busy or hung
// does: the end-to-end tests post this message to the design window, which
// then sleeps for wParam milliseconds without taking input.
#pragma once

#include <windows.h>

namespace standin {

inline UINT hangMessage() { return RegisterWindowMessageW(L"QuarnTrazelStandIn.Hang"); }

} // namespace standin
