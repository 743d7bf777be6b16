// Bringing a window to the front and waiting until it is there. Under Wine
// another program's window becomes the foreground only once its thread has
// handled the activation, so a caller that types next must wait for that.
#pragma once

#include <windows.h>

#include <set>

namespace lt::win32 {

class Foreground {
public:
    static constexpr DWORD ActivationWaitMs = 5000;

    // Makes the window the foreground window and waits, up to `waitMs`, until
    // the foreground belongs to its thread; true once it does. A thread that
    // let an earlier wait run out is first asked whether it answers at all,
    // so a program that hangs costs one full wait, not one at every call.
    bool bring(HWND window, DWORD waitMs = ActivationWaitMs);

    // Before keys are typed into the foreground window: when bring moved the
    // foreground to its thread lately, waits until it has stayed there a
    // moment. A window manager may take the front back a little later
    // (openbox does, for a program it does not let take the front), and
    // keys typed in between would go astray. False when it left meanwhile.
    bool settle(HWND foreground);

    // Whether the foreground window belongs to the thread of `window`.
    static bool isAtFront(HWND window);

private:
    std::set<DWORD> unanswered_;
    DWORD movedTo_ = 0; // the thread bring last moved the foreground to
    DWORD movedAt_ = 0; // and when it saw it there (GetTickCount)
};

} // namespace lt::win32
