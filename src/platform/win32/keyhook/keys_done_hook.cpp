// A keyboard hook that runs in the thread of the program the tutorial types
// into. The sender ends its keys with a marker key (F24); the hook swallows
// the marker and signals the sender, which then knows that every key before
// the marker has been taken from the program's queue and handled.
#include <windows.h>

#include <cwchar>

extern "C" __declspec(dllexport) LRESULT CALLBACK KeysDoneHook(int code, WPARAM wParam, LPARAM lParam)
{
    constexpr LPARAM KeyUp = static_cast<LPARAM>(1) << 31;
    if (code >= 0 && wParam == VK_F24) {
        if (lParam & KeyUp) {
            wchar_t name[64];
            std::swprintf(name, 64, L"Local\\LearningTrazel.KeysDone.%lu", GetCurrentThreadId());
            if (HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
                SetEvent(done);
                CloseHandle(done);
            }
        }
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
