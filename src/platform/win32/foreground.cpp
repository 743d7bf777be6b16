#include "platform/win32/foreground.h"

namespace lt::win32 {

namespace {

constexpr DWORD PollMs = 10, AnswerMs = 100, SettleMs = 60;

DWORD threadOf(HWND w) { return GetWindowThreadProcessId(w, nullptr); }

bool answers(HWND w)
{
    DWORD_PTR ignored;
    return SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, AnswerMs, &ignored) != 0;
}

} // namespace

bool Foreground::isAtFront(HWND window)
{
    const HWND now = GetForegroundWindow();
    return now && threadOf(now) == threadOf(window);
}

bool Foreground::bring(HWND window, DWORD waitMs)
{
    if (!window || !IsWindow(window))
        return false;
    const DWORD thread = threadOf(window);
    if (GetForegroundWindow() == window)
        return true;
    if (unanswered_.count(thread)) {
        if (!answers(window))
            return false;
        unanswered_.erase(thread);
    }
    if (!SetForegroundWindow(window))
        return false;
    for (DWORD waited = 0; waited < waitMs; waited += PollMs) {
        if (isAtFront(window)) {
            movedTo_ = thread;
            movedAt_ = GetTickCount();
            return true;
        }
        Sleep(PollMs);
    }
    if (isAtFront(window))
        return true;
    unanswered_.insert(thread);
    return false;
}

bool Foreground::settle(HWND foreground)
{
    if (threadOf(foreground) != movedTo_)
        return isAtFront(foreground);
    while (GetTickCount() - movedAt_ <= SettleMs) {
        if (!isAtFront(foreground))
            return false;
        Sleep(PollMs);
    }
    return isAtFront(foreground);
}

} // namespace lt::win32
