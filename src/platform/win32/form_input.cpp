// Keys and mouse buttons, seen by the message loop before the window they
// are for: the form sees keys first, and painted controls get the mouse
// events of the area they are drawn in.
#include <windowsx.h>

#include "platform/win32/control_kinds.h"
#include "platform/win32/form_window.h"

namespace lt::win32 {

using forms::Control;

namespace {

int shiftState()
{
    int s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= forms::shift::Shift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= forms::shift::Ctrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= forms::shift::Alt;
    return s;
}

} // namespace

bool FormWindow::hourglass() const { return ui_.hourglass() || form_.mousePointer() == Pointer::Hourglass; }

int FormWindow::keyDown(HWND target, int keyCode)
{
    int left = keyCode;
    ui_.guard([&] { left = form_.keyDown(controlOf(target), keyCode, shiftState()); });
    return left;
}

void FormWindow::keyUp(HWND target, int keyCode)
{
    ui_.guard([&] { form_.keyUp(controlOf(target), keyCode, shiftState()); });
}

forms::MouseEvent FormWindow::mouseEvent(const MSG& msg, HWND relativeTo) const
{
    POINT p = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    MapWindowPoints(msg.hwnd, relativeTo, &p, 1);
    int button = 0;
    if (msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONUP || (msg.wParam & MK_LBUTTON))
        button = 1;
    if (msg.message == WM_RBUTTONDOWN || msg.message == WM_RBUTTONUP || (msg.wParam & MK_RBUTTON))
        button = 2;
    return forms::MouseEvent{button, shiftState(), ui_.toTwips(p.x), ui_.toTwips(p.y)};
}

void FormWindow::mouse(const MSG& msg)
{
    Control* control = controlOf(msg.hwnd);
    const forms::MouseEvent e = mouseEvent(msg, msg.hwnd);
    // Over a container or the form itself, a painted control may lie under the pointer.
    if (!control || control->isContainer())
        if (Control* painted = form_.windowlessAt(control, e.x, e.y))
            control = painted;
    const UINT m = msg.message;
    const bool down = m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_LBUTTONDBLCLK;
    const bool up = m == WM_LBUTTONUP || m == WM_RBUTTONUP;
    ui_.guard([&] {
        if (!control) {
            if (m == WM_MOUSEMOVE)
                form_.Form_MouseMove(e);
            if (down)
                form_.Form_MouseDown(e);
            if (up)
                form_.Form_MouseUp(e);
            if (m == WM_LBUTTONUP)
                form_.Form_Click();
            if (m == WM_LBUTTONDBLCLK)
                form_.Form_DblClick();
            return;
        }
        auto* handler = &control->onMouseUp;
        if (m == WM_MOUSEMOVE)
            handler = &control->onMouseMove;
        else if (down)
            handler = &control->onMouseDown;
        if (*handler)
            (*handler)(e);
        // Controls whose windows report no clicks get theirs from the buttons.
        if (!reportsOwnClicks(*control) && m == WM_LBUTTONUP && control->onClick)
            control->onClick();
        if (!reportsOwnClicks(*control) && m == WM_LBUTTONDBLCLK && control->onDblClick)
            control->onDblClick();
    });
}

} // namespace lt::win32
