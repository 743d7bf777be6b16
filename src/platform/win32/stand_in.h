// Painted controls (screen pictures, progress markers, click areas over a
// drawing) have no window of their own, so screen readers and the keyboard
// would not find them. Each stands in the window system as a child window
// over the same place: its window text is the control's accessible name and
// the mouse passes through it to the painting beneath. Its window region is
// empty, so it is never painted and never cuts into its container's painting:
// the container paints its place as if it were not there, and showing, hiding
// or moving it costs no repaint. A stand-in of a control that can be clicked
// takes the focus with Tab, clicks with Space or Enter, as a button does
// (WM_COMMAND with BN_CLICKED), and its container draws its focus rectangle.
#pragma once

#include <windows.h>

#include "forms/control.h"

namespace lt::win32 {

inline constexpr wchar_t StandInClassName[] = L"LearningTrazelStandIn";

// Whether a painted control stands in the window system: pictures and click
// areas do, shapes only decorate.
bool standsIn(const forms::Control& c);

// Gives a new stand-in its empty window region.
void makeUnpainted(HWND standIn);
// Draws the focus rectangle of the container's stand-in that has the focus,
// if one has, on the container's painting.
void drawStandInFocus(HDC dc, HWND container);

// The window style of a control's stand-in: a Tab stop when it can be clicked.
DWORD standInStyle(const forms::Control& c);
// The window procedure of the stand-in class, which the binding registers.
LRESULT CALLBACK standInProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

// Shows the stand-in with the control's accessible name while the control is
// visible and has one; hides it otherwise, so a hidden control says nothing.
void presentStandIn(HWND standIn, const forms::Control& c);

} // namespace lt::win32
