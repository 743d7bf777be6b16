// A keyboard hook that runs in the thread of the program the tutorial types
// into. It tells the sender when that thread has taken every key the sender
// typed, and how many key messages reached it.
#include "platform/win32/keyhook/keys_protocol.h"

namespace protocol = lt::win32::keys_protocol;

namespace {

// Key messages the thread has taken since the start marker; only this
// thread runs the hook.
LONG keysTaken = 0;

void report()
{
    const DWORD thread = GetCurrentThreadId();
    if (HANDLE count = OpenFileMappingW(FILE_MAP_WRITE, FALSE, protocol::countName(thread).c_str())) {
        if (void* view = MapViewOfFile(count, FILE_MAP_WRITE, 0, 0, sizeof(LONG))) {
            *static_cast<volatile LONG*>(view) = keysTaken;
            UnmapViewOfFile(view);
        }
        CloseHandle(count);
    }
    if (HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, protocol::doneEventName(thread).c_str())) {
        SetEvent(done);
        CloseHandle(done);
    }
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK KeysDoneHook(int code, WPARAM wParam, LPARAM lParam)
{
    constexpr LPARAM KeyUp = static_cast<LPARAM>(1) << 31;
    if (code < 0)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    // A message only looked at (not taken) comes again when it is taken.
    const bool taken = code == HC_ACTION;
    if (wParam == protocol::StartMarker || wParam == protocol::EndMarker) {
        if (taken && !(lParam & KeyUp)) {
            if (wParam == protocol::StartMarker)
                keysTaken = 0;
            else
                report();
        }
        return 1;
    }
    if (taken)
        ++keysTaken;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
