#include "platform/win32/stand_in.h"

#include "platform/win32/utf.h"
#include "platform/win32/window_changes.h"

namespace lt::win32 {

namespace {

bool clickable(HWND h) { return (GetWindowLongPtrW(h, GWL_STYLE) & WS_TABSTOP) != 0; }

// Tells the window that owns the control, as a button would.
void notify(HWND h, WORD code)
{
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), code), reinterpret_cast<LPARAM>(h));
}

// The arrow keys move between the clickable stand-ins of one container, as
// they move between the buttons of a group.
void focusNeighbour(HWND h, bool forward)
{
    HWND next = h;
    for (;;) {
        next = GetWindow(next, forward ? GW_HWNDNEXT : GW_HWNDPREV);
        if (!next)
            next = GetWindow(h, forward ? GW_HWNDFIRST : GW_HWNDLAST);
        if (!next || next == h)
            return;
        wchar_t cls[64];
        if (GetClassNameW(next, cls, 64) && wcscmp(cls, StandInClassName) == 0 && clickable(next) &&
            IsWindowVisible(next) && IsWindowEnabled(next)) {
            SetFocus(next);
            return;
        }
    }
}

// The container paints the stand-in's place, the focus rectangle included,
// so a change of focus is a change of the container's painting there.
void invalidateBeneath(HWND h)
{
    HWND parent = GetParent(h);
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(parent, &r, FALSE);
}

bool activates(WPARAM key) { return key == VK_SPACE || key == VK_RETURN; }

} // namespace

LRESULT CALLBACK standInProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    // A stand-in shows nothing of its own: its container paints its place.
    // The window system still asks it to paint when it is shown or
    // uncovered; the default answer, a paint that draws nothing, costs each
    // of a chart's stand-ins a tenth of a millisecond.
    case WM_NCPAINT:
        return 0;
    case WM_PAINT:
        ValidateRect(h, nullptr);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFOCUS:
        invalidateBeneath(h);
        notify(h, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        invalidateBeneath(h);
        return 0;
    case WM_GETDLGCODE: {
        if (!clickable(h))
            return 0;
        const auto* m = reinterpret_cast<const MSG*>(lParam);
        const bool wanted = m && m->message == WM_KEYDOWN && activates(m->wParam);
        return DLGC_WANTARROWS | (wanted ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
        if (!clickable(h))
            break;
        if (activates(wParam)) {
            notify(h, BN_CLICKED);
            return 0;
        }
        if (wParam == VK_RIGHT || wParam == VK_DOWN || wParam == VK_LEFT || wParam == VK_UP) {
            focusNeighbour(h, wParam == VK_RIGHT || wParam == VK_DOWN);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(h, msg, wParam, lParam);
}

bool standsIn(const forms::Control& c) { return c.windowless() && c.kind() != forms::ControlKind::Shape; }

void makeUnpainted(HWND standIn)
{
    SetWindowRgn(standIn, CreateRectRgn(0, 0, 0, 0), FALSE);
}

void drawStandInFocus(HDC dc, HWND container)
{
    HWND focus = GetFocus();
    wchar_t cls[64];
    if (!focus || GetParent(focus) != container || !GetClassNameW(focus, cls, 64) || wcscmp(cls, StandInClassName) != 0)
        return;
    RECT r;
    GetWindowRect(focus, &r);
    MapWindowPoints(HWND_DESKTOP, container, reinterpret_cast<POINT*>(&r), 2);
    InflateRect(&r, -3, -3);
    DrawFocusRect(dc, &r);
}

DWORD standInStyle(const forms::Control& c)
{
    return WS_CHILD | WS_CLIPSIBLINGS | (c.onClick ? WS_TABSTOP : 0);
}

void presentStandIn(HWND standIn, const forms::Control& c)
{
    const std::wstring name = c.visible() ? widen(c.accessibleName()) : std::wstring();
    setTextIfChanged(standIn, name);
    showIfChanged(standIn, !name.empty());
}

} // namespace lt::win32
