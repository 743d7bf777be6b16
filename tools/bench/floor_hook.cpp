// The least a program can do to learn that another program has taken a run
// of keys: a keyboard hook in the receiving thread that swallows one marker
// key sent after them and sets an event. The benchmark types through it to
// measure the floor the tutorial's key sender is held against.
#include <windows.h>

#include "floor_hook.h"

namespace {

HANDLE done = nullptr;

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK FloorHook(int code, WPARAM wParam, LPARAM lParam)
{
    constexpr LPARAM KeyUp = static_cast<LPARAM>(1) << 31;
    if (code < 0 || wParam != bench::FloorMarker)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == HC_ACTION && !(lParam & KeyUp)) {
        if (!done)
            done = OpenEventW(EVENT_MODIFY_STATE, FALSE, bench::FloorEventName);
        SetEvent(done);
    }
    return 1;
}
