// What the Win32 binding does for each kind of control, in one table: the
// window it is made of, whether that window reports its own clicks, how the
// binding paints it when no system class does, and the handler of the
// notifications its window sends.
#pragma once

#include <windows.h>

#include "forms/control.h"

namespace lt::win32 {

// Draws a control (or a panel's face) into `area` of a drawing context.
using PaintControl = void (*)(HDC dc, const RECT& area, const forms::Control& c, int dpi);
// Handles a notification (WM_COMMAND) that the control's window sent.
using Notified = void (*)(forms::Control& c, HWND window, UINT code);
// Style bits that follow the control's properties.
using PropertyStyle = DWORD (*)(const forms::Control& c);

struct KindTraits {
    // Null: the control has no window.
    const wchar_t* windowClass = nullptr;
    DWORD style = 0; // beyond WS_CHILD | WS_CLIPSIBLINGS and the visible and enabled states
    DWORD exStyle = 0;
    PropertyStyle propertyStyle = nullptr; // null: none
    // The bits of propertyStyle that may change once the window exists.
    DWORD liveStyle = 0;
    // Its window tells of clicks itself (WM_COMMAND); for the others the
    // mouse buttons stand in.
    bool reportsOwnClicks = false;
    // How the binding paints it: a control without a window is painted by
    // its container; a window of the panel class paints itself with it.
    PaintControl paint = nullptr;
    bool paintsOwnWindow = false; // a window of the tutorial's panel class
    Notified notified = nullptr; // null: its window sends nothing the form needs
    // Keeps its text off the border; margins go with each new font.
    bool textMargins = false;
    // A system container whose window keeps the notifications of the
    // controls inside it; they are passed on to the form.
    bool forwardsNotifications = false;
    // Read-only, it lets Tab go on instead of keeping the keyboard.
    bool readOnlyLetsTabGoOn = false;
};

const KindTraits& traitsOf(forms::ControlKind kind);

// Its own window tells of its clicks.
inline bool reportsOwnClicks(const forms::Control& c)
{
    return !c.windowless() && traitsOf(c.kind()).reportsOwnClicks;
}

} // namespace lt::win32
