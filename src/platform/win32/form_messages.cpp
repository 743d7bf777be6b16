// The window procedures of forms and panels: a short dispatch to one
// handler per message, under the binding's guard, so that nothing a handler
// throws unwinds through the window system.
#include <windowsx.h>

#include "forms/forms_runtime.h"
#include "platform/win32/control_kinds.h"
#include "platform/win32/form_window.h"
#include "platform/win32/gdi_cache.h"
#include "platform/win32/paint_kit.h"
#include "platform/win32/stand_in.h"

namespace lt::win32 {

using forms::Control;

namespace {

// Posted by an activation, so that the form's Activate event runs once the
// window system has settled which window is active.
constexpr UINT WmAppActivate = WM_APP + 1;

FormWindow* fromHwnd(HWND hwnd) { return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

} // namespace

LRESULT CALLBACK FormWindow::formProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    FormWindow* self = fromHwnd(hwnd);
    if (!self)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    self->ui_.guard([&] { result = self->handle(msg, wParam, lParam); });
    return result;
}

LRESULT FormWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = dispatch(msg, wParam, lParam);
    if (hwnd_ && form_.messageHook)
        form_.messageHook(msg);
    return result;
}

LRESULT FormWindow::dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // the background is painted with the rest, off screen
    case WM_PAINT:
        return onPaint();
    case WM_PRINTCLIENT:
        paintClient(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_COMMAND:
        return lParam ? onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam)) : 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return onControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
        return onSetCursor(wParam, lParam);
    case WM_ACTIVATE:
        return onActivate(wParam, lParam);
    case WmAppActivate:
        return onActivated();
    case WM_SYSCOMMAND:
        return onSysCommand(wParam, lParam);
    case WM_CLOSE:
        return onClose();
    case WM_QUERYENDSESSION:
        return onQueryEndSession();
    case WM_ENDSESSION:
        return onEndSession(wParam != 0);
    case WM_MOVE:
    case WM_SIZE:
        return onMoveOrSize(msg, wParam, lParam);
    case WM_SHOWWINDOW:
        return onShowWindow(wParam, lParam);
    default:
        return defaultProc(msg, wParam, lParam);
    }
}

LRESULT FormWindow::onPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT area;
    if (GetClipBox(dc, &area) != NULLREGION && IntersectRect(&area, &area, &ps.rcPaint)) {
        Offscreen off(dc, area);
        paintClient(off.dc());
        drawStandInFocus(off.dc(), hwnd_);
    }
    EndPaint(hwnd_, &ps);
    form_.Form_Paint();
    return 0;
}

void FormWindow::paintClient(HDC dc)
{
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, brushFor(form_.backColor()));
    paintContainer(dc, nullptr);
}

// The parent hands each notification to the control whose window sent it;
// a painted control's stand-in reports as a button does.
LRESULT FormWindow::onCommand(HWND child, UINT code)
{
    Control* c = controlOf(child);
    if (!c)
        return 0;
    if (c->windowless()) {
        if (code == BN_CLICKED && c->onClick)
            c->onClick();
        if (code == BN_SETFOCUS)
            form_.focusChanged(c);
    } else if (const Notified notified = traitsOf(c->kind()).notified) {
        notified(*c, child, code);
    }
    return 0;
}

LRESULT FormWindow::onControlColor(HDC dc, HWND child)
{
    const Control* c = controlOf(child);
    const forms::Color back = c ? c->backColor() : form_.backColor();
    SetTextColor(dc, c ? c->foreColor() : RGB(0, 0, 0));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brushFor(back));
}

LRESULT FormWindow::onSetCursor(WPARAM wParam, LPARAM lParam)
{
    if (!hourglass())
        return defaultProc(WM_SETCURSOR, wParam, lParam);
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return TRUE;
}

// The focus goes back to the control that had it when the form was left.
LRESULT FormWindow::onActivate(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND f = GetFocus();
        savedFocus_ = controlOf(f) ? f : nullptr;
        return defaultProc(WM_ACTIVATE, wParam, lParam);
    }
    HWND target = savedFocus_ && IsWindowEnabled(savedFocus_) && IsWindowVisible(savedFocus_)
                      ? savedFocus_
                      : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (target)
        SetFocus(target);
    PostMessageW(hwnd_, WmAppActivate, 0, 0);
    return 0;
}

LRESULT FormWindow::onActivated()
{
    // A hidden window can be made active by a late focus event from the
    // X server under Wine; a form is activated only when it can be seen.
    if (GetActiveWindow() == hwnd_ && IsWindowVisible(hwnd_))
        ui_.runtime().activated(form_);
    return 0;
}

LRESULT FormWindow::onSysCommand(WPARAM wParam, LPARAM lParam)
{
    if ((wParam & 0xFFF0) == SC_CLOSE)
        closeBySystemMenu_ = true;
    return defaultProc(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT FormWindow::onClose()
{
    // The close box and the system menu come through SC_CLOSE; a bare
    // WM_CLOSE is another program (Task Manager) closing this one.
    const int mode = closeBySystemMenu_ ? forms::unload_mode::ControlMenu : forms::unload_mode::TaskManager;
    closeBySystemMenu_ = false;
    ui_.runtime().closeRequested(form_, mode);
    return 0;
}

LRESULT FormWindow::onQueryEndSession()
{
    return ui_.runtime().closeRequested(form_, forms::unload_mode::WindowsSession) ? TRUE : FALSE;
}

LRESULT FormWindow::onEndSession(bool ending)
{
    if (ending)
        ui_.runtime().end();
    return 0;
}

LRESULT FormWindow::onMoveOrSize(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsIconic(hwnd_)) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        form_.geometryFromUser(ui_.toTwips(r.left), ui_.toTwips(r.top), ui_.toTwips(r.right - r.left),
                               ui_.toTwips(r.bottom - r.top));
    }
    if (msg == WM_SIZE && form_.visible())
        form_.Form_Resize();
    return defaultProc(msg, wParam, lParam);
}

LRESULT FormWindow::onShowWindow(WPARAM wParam, LPARAM lParam)
{
    form_.setVisibleFromPeer(wParam != 0);
    return defaultProc(WM_SHOWWINDOW, wParam, lParam);
}

LRESULT CALLBACK FormWindow::panelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT result = 0; passToForm(hwnd, msg, wParam, lParam, result))
        return result;
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (FormWindow* owner = fromHwnd(GetAncestor(hwnd, GA_ROOT)); owner && owner->controlOf(hwnd)) {
            owner->ui_.guard([&] { owner->onPanelPaint(hwnd); });
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_PRINTCLIENT:
        if (FormWindow* owner = fromHwnd(GetAncestor(hwnd, GA_ROOT)))
            owner->ui_.guard([&] { owner->paintPanel(hwnd, reinterpret_cast<HDC>(wParam)); });
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

LRESULT FormWindow::onPanelPaint(HWND panel)
{
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(panel, &ps);
    RECT area;
    if (GetClipBox(screen, &area) != NULLREGION && IntersectRect(&area, &area, &ps.rcPaint)) {
        Offscreen off(screen, area);
        paintPanel(panel, off.dc());
        drawStandInFocus(off.dc(), panel);
    }
    EndPaint(panel, &ps);
    return 0;
}

void FormWindow::paintPanel(HWND panel, HDC dc)
{
    const Control* c = controlOf(panel);
    if (!c)
        return;
    RECT r;
    GetClientRect(panel, &r);
    traitsOf(c->kind()).paint(dc, r, *c, ui_.dpi());
    paintContainer(dc, c);
}

} // namespace lt::win32
