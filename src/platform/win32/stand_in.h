// Painted controls (screen pictures, progress markers, click areas over a
// drawing) have no window of their own, so screen readers and the keyboard
// would not find them. Each stands in the window system as a child window
// over the same place: its window text is the control's accessible name, the
// mouse passes through it to the painting beneath, and it paints what its
// container paints there (asked for with WM_PRINTCLIENT). A stand-in of a
// control that can be clicked takes the focus with Tab, shows it, and
// clicks with Space or Enter, as a button does (WM_COMMAND with BN_CLICKED).
#pragma once

#include <windows.h>

#include "forms/control.h"

namespace lt::win32 {

inline constexpr wchar_t StandInClassName[] = L"LearningTrazelStandIn";

// Whether a painted control stands in the window system: pictures and click
// areas do, shapes only decorate.
bool standsIn(const forms::Control& c);

// The window style of a control's stand-in: a Tab stop when it can be clicked.
DWORD standInStyle(const forms::Control& c);
// The window procedure of the stand-in class, which the binding registers.
LRESULT CALLBACK standInProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

// Shows the stand-in with the control's accessible name while the control is
// visible and has one; hides it otherwise, so a hidden control says nothing.
void presentStandIn(HWND standIn, const forms::Control& c);

} // namespace lt::win32
