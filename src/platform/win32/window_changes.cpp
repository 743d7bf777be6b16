#include "platform/win32/window_changes.h"

namespace lt::win32 {

void setTextIfChanged(HWND h, const std::wstring& text)
{
    const int length = GetWindowTextLengthW(h);
    std::wstring shown(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(h, shown.data(), length + 1);
    shown.resize(static_cast<std::size_t>(length));
    if (shown != text)
        SetWindowTextW(h, text.c_str());
}

void showIfChanged(HWND h, bool shown)
{
    const bool now = (GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0;
    if (now != shown)
        ShowWindow(h, shown ? SW_SHOWNA : SW_HIDE);
}

void placeIfChanged(HWND h, const RECT& r)
{
    RECT now;
    GetWindowRect(h, &now);
    MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&now, &r))
        return;
    const bool resized = now.right - now.left != r.right - r.left || now.bottom - now.top != r.bottom - r.top;
    // What the move uncovers is erased when it is painted, with the rest of
    // the event's painting, not at once window by window.
    SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE | (resized ? SWP_NOCOPYBITS : 0));
}

} // namespace lt::win32
