// Changes to child windows that are made only when they change something.
// Under Wine every text, show or move of a window is a round trip to the
// window system even when it leaves the window as it was, and a press of
// Continue sets many controls to what they already are.
#pragma once

#include <windows.h>

#include <string>

namespace lt::win32 {

void setTextIfChanged(HWND h, const std::wstring& text);
// Shows the window without activating it, or hides it.
void showIfChanged(HWND h, bool shown);
// Moves and sizes the window to r, in its parent's client coordinates; a
// window that changes size is drawn anew, so that nothing it showed at its
// old size (a text wrapped to the old width, an edge) stays.
void placeIfChanged(HWND h, const RECT& r);

} // namespace lt::win32
