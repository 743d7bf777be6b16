#include "platform/win32/form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "forms/forms_runtime.h"
#include "platform/win32/gdi_cache.h"
#include "platform/win32/paint_kit.h"
#include "platform/win32/painter.h"
#include "platform/win32/utf.h"

namespace lt::win32 {

using forms::Control;
using forms::ControlKind;
using forms::Prop;

namespace {

constexpr UINT WmAppActivate = WM_APP + 1;
constexpr DWORD FixedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;
constexpr int FirstControlId = 100;

FormWindow* fromHwnd(HWND hwnd) { return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

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

// Group boxes keep the notifications of the controls inside them; the form
// is where they belong.
LRESULT CALLBACK forwardToForm(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wParam, lParam);
    default:
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace

FormWindow::FormWindow(Win32Ui& ui, forms::Form& form)
    : ui_(ui), form_(form), style_(form.sizable() ? FixedStyle | WS_THICKFRAME : FixedStyle)
{
    RECT r = {0, 0, ui_.toPixels(form.clientWidth()), ui_.toPixels(form.clientHeight())};
    AdjustWindowRectEx(&r, style_, FALSE, FormExStyle);
    hwnd_ = CreateWindowExW(FormExStyle, FormClassName, widen(form.caption()).c_str(), style_, CW_USEDEFAULT,
                            CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr, ui_.instance(),
                            this);
    for (Control* c : form.controls())
        createControl(*c);
    applyTabOrder();
    if (form.closeCommandRemoved())
        removeCloseCommand();
}

FormWindow::~FormWindow() { destroy(); }

void FormWindow::destroy()
{
    if (!hwnd_)
        return;
    HWND h = hwnd_;
    hwnd_ = nullptr;
    SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    DestroyWindow(h);
    windows_.clear();
    controls_.clear();
}

Control* FormWindow::controlOf(HWND child) const
{
    auto it = controls_.find(child);
    return it == controls_.end() ? nullptr : it->second;
}

HWND FormWindow::parentWindow(const Control* container) const
{
    if (!container)
        return hwnd_;
    auto it = windows_.find(container);
    return it == windows_.end() ? hwnd_ : it->second;
}

RECT FormWindow::pixelRect(const Control& c) const
{
    const int x = ui_.toPixels(c.left()), y = ui_.toPixels(c.top());
    return RECT{x, y, x + ui_.toPixels(c.width()), y + ui_.toPixels(c.height())};
}

void FormWindow::createControl(Control& c)
{
    if (c.windowless()) {
        paintOrder_[c.container()].push_back(&c);
        return;
    }
    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    switch (c.kind()) {
    case ControlKind::CommandButton:
        style |= BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP;
        break;
    case ControlKind::CheckBox:
        style |= BS_AUTOCHECKBOX | BS_NOTIFY | WS_TABSTOP;
        break;
    case ControlKind::OptionButton:
        style |= BS_RADIOBUTTON | BS_NOTIFY | WS_TABSTOP;
        break;
    case ControlKind::Frame:
        style |= BS_GROUPBOX | WS_CLIPCHILDREN;
        exStyle |= WS_EX_CONTROLPARENT;
        break;
    case ControlKind::Label:
        cls = L"STATIC";
        style |= SS_NOTIFY | SS_NOPREFIX;
        break;
    case ControlKind::TextBox:
        cls = L"EDIT";
        style |= WS_TABSTOP | ES_AUTOVSCROLL | (c.multiLine() ? ES_MULTILINE | WS_VSCROLL : ES_AUTOHSCROLL);
        if (c.locked())
            style |= ES_READONLY;
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    case ControlKind::Panel:
    case ControlKind::PictureBox:
        cls = PanelClassName;
        style |= WS_CLIPCHILDREN;
        exStyle |= WS_EX_CONTROLPARENT;
        break;
    case ControlKind::Image:
    case ControlKind::Shape:
        return;
    }
    if (c.visible())
        style |= WS_VISIBLE;
    if (!c.enabled())
        style |= WS_DISABLED;
    const RECT r = pixelRect(c);
    const auto id = static_cast<UINT_PTR>(FirstControlId + controls_.size());
    HWND h = CreateWindowExW(exStyle, cls, widen(c.caption()).c_str(), style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parentWindow(c.container()), reinterpret_cast<HMENU>(id),
                             ui_.instance(), nullptr);
    windows_[&c] = h;
    controls_[h] = &c;
    setFont(h, c, FALSE);
    if (c.kind() == ControlKind::Frame)
        SetWindowSubclass(h, forwardToForm, 0, 0);
    applyStyle(c);
    if (c.value())
        SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
}

void FormWindow::setFont(HWND h, const Control& c, BOOL redraw)
{
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c.font(), ui_.dpi())), redraw);
    // A text box keeps its text off the border; a new font resets the margins.
    if (c.kind() == ControlKind::TextBox) {
        const int margin = ui_.toPixels(60);
        SendMessageW(h, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
    }
}

void FormWindow::applyStyle(Control& c)
{
    auto it = windows_.find(&c);
    if (it == windows_.end())
        return;
    HWND h = it->second;
    if (c.kind() == ControlKind::Label) {
        LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_CENTER | SS_RIGHT | WS_BORDER);
        if (c.alignment() == forms::Align::Center)
            style |= SS_CENTER;
        if (c.alignment() == forms::Align::Right)
            style |= SS_RIGHT;
        if (c.border())
            style |= WS_BORDER;
        SetWindowLongPtrW(h, GWL_STYLE, style);
        SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    InvalidateRect(h, nullptr, TRUE);
}

void FormWindow::applyGeometry(Control& c)
{
    if (c.windowless()) {
        invalidateWindowless(c);
        return;
    }
    auto it = windows_.find(&c);
    if (it == windows_.end())
        return;
    const RECT r = pixelRect(c);
    // A window that changes size is drawn anew: what it showed at its old
    // size (a text wrapped to the old width, an edge) must not stay.
    RECT now;
    GetWindowRect(it->second, &now);
    const bool resized = now.right - now.left != r.right - r.left || now.bottom - now.top != r.bottom - r.top;
    SetWindowPos(it->second, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (resized ? SWP_NOCOPYBITS : 0));
}

void FormWindow::applyTabOrder()
{
    for (Control* c : form_.tabOrder()) {
        auto it = windows_.find(c);
        if (it != windows_.end())
            SetWindowPos(it->second, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void FormWindow::invalidateWindowless(Control& c)
{
    HWND parent = parentWindow(c.container());
    const RECT now = pixelRect(c);
    auto old = paintedAt_.find(&c);
    if (old != paintedAt_.end() && !EqualRect(&old->second, &now))
        InvalidateRect(parent, &old->second, TRUE);
    paintedAt_[&c] = now;
    InvalidateRect(parent, &now, TRUE);
}

void FormWindow::formChanged(Prop what)
{
    if (!hwnd_)
        return;
    switch (what) {
    case Prop::Caption:
        SetWindowTextW(hwnd_, widen(form_.caption()).c_str());
        break;
    case Prop::Geometry:
        placeForm();
        break;
    case Prop::Visible:
        ShowWindow(hwnd_, form_.visible() ? SW_SHOW : SW_HIDE);
        break;
    case Prop::Colors:
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    case Prop::TabOrder:
        applyTabOrder();
        break;
    case Prop::Pointer: {
        POINT p;
        GetCursorPos(&p);
        SetCursorPos(p.x, p.y); // asks the window under the pointer for its cursor again
        break;
    }
    default:
        break;
    }
}

void FormWindow::placeForm()
{
    SetWindowPos(hwnd_, nullptr, ui_.toPixels(form_.left()), ui_.toPixels(form_.top()), ui_.toPixels(form_.width()),
                 ui_.toPixels(form_.height()), SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::controlChanged(Control& c, Prop what)
{
    if (!hwnd_)
        return;
    if (c.windowless()) {
        if (what == Prop::ZOrder) {
            auto& order = paintOrder_[c.container()];
            if (!order.empty() && order.back() == &c)
                return; // in front already
            order.erase(std::remove(order.begin(), order.end(), &c), order.end());
            order.push_back(&c);
        }
        // Each repaint asked for is a round trip to the window system: none
        // for a control that is not on screen before or after the change.
        if (what == Prop::Visible || c.shownOnScreen())
            invalidateWindowless(c);
        return;
    }
    auto it = windows_.find(&c);
    if (it == windows_.end())
        return;
    HWND h = it->second;
    switch (what) {
    case Prop::Caption:
        SetWindowTextW(h, widen(c.caption()).c_str());
        if (c.kind() == ControlKind::Panel || c.kind() == ControlKind::PictureBox)
            InvalidateRect(h, nullptr, TRUE);
        break;
    case Prop::Visible:
        ShowWindow(h, c.visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case Prop::Enabled:
        EnableWindow(h, c.enabled());
        break;
    case Prop::Geometry:
        applyGeometry(c);
        break;
    case Prop::Colors:
        InvalidateRect(h, nullptr, TRUE);
        break;
    case Prop::Font:
        setFont(h, c, TRUE);
        break;
    case Prop::Value:
        SendMessageW(h, BM_SETCHECK, c.value() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Prop::ZOrder:
        SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    case Prop::Style:
        applyStyle(c);
        break;
    default:
        break;
    }
}

void FormWindow::focus(Control& c)
{
    auto it = windows_.find(&c);
    if (it != windows_.end())
        SetFocus(it->second);
}

void FormWindow::show(bool activate)
{
    if (!hwnd_)
        return;
    // Showing a window that is on screen and in front changes nothing, yet
    // costs round trips to the window system (a lesson's first screen shows
    // its window again when Go Back returns to it).
    if (IsWindowVisible(hwnd_) && !IsIconic(hwnd_) && (!activate || GetForegroundWindow() == hwnd_))
        return;
    if (IsIconic(hwnd_))
        ShowWindow(hwnd_, SW_RESTORE);
    ShowWindow(hwnd_, activate ? SW_SHOW : SW_SHOWNA);
    if (activate) {
        SetForegroundWindow(hwnd_);
        SetActiveWindow(hwnd_);
        BringWindowToTop(hwnd_);
    }
}

int FormWindow::frameWidth() const
{
    RECT r = {0, 0, 100, 100};
    AdjustWindowRectEx(&r, style_, FALSE, FormExStyle);
    return ui_.toTwips(r.right - r.left - 100);
}

int FormWindow::frameHeight() const
{
    RECT r = {0, 0, 100, 100};
    AdjustWindowRectEx(&r, style_, FALSE, FormExStyle);
    return ui_.toTwips(r.bottom - r.top - 100);
}

bool FormWindow::minimized() const { return hwnd_ && IsIconic(hwnd_); }

void FormWindow::removeCloseCommand()
{
    if (!hwnd_)
        return;
    DeleteMenu(GetSystemMenu(hwnd_, FALSE), SC_CLOSE, MF_BYCOMMAND);
    DrawMenuBar(hwnd_);
}

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
        // Painted controls and panels have no notifications to report their clicks.
        const bool reportsOwnClicks = !control->windowless() && control->kind() != ControlKind::Panel &&
                                      control->kind() != ControlKind::PictureBox;
        if (!reportsOwnClicks && m == WM_LBUTTONUP && control->onClick)
            control->onClick();
        if (!reportsOwnClicks && m == WM_LBUTTONDBLCLK && control->onDblClick)
            control->onDblClick();
    });
}

void FormWindow::command(HWND child, int code)
{
    Control* c = controlOf(child);
    if (!c)
        return;
    ui_.guard([&] {
        switch (code) {
        case BN_CLICKED: // also STN_CLICKED, both 0
            if (c->kind() == ControlKind::CheckBox)
                c->valueFromUser(SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
            if (c->kind() == ControlKind::OptionButton)
                c->valueFromUser(1);
            if (c->onClick)
                c->onClick();
            break;
        case BN_SETFOCUS: // EN_SETFOCUS has another value
        case EN_SETFOCUS:
            form_.focusChanged(c);
            break;
        case BN_DOUBLECLICKED: // also STN_DBLCLK
            if (c->onDblClick)
                c->onDblClick();
            break;
        case EN_CHANGE: {
            const int n = GetWindowTextLengthW(child);
            std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
            GetWindowTextW(child, text.data(), n + 1);
            text.resize(static_cast<std::size_t>(n));
            c->textFromUser(narrow(text));
            break;
        }
        default:
            break;
        }
    });
}

LRESULT FormWindow::controlColor(HDC dc, HWND child)
{
    const Control* c = controlOf(child);
    const forms::Color back = c ? c->backColor() : form_.backColor();
    SetTextColor(dc, c ? c->foreColor() : RGB(0, 0, 0));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brushFor(back));
}

void FormWindow::paintWindowless(HDC dc, const Control& c)
{
    const RECT r = pixelRect(c);
    if (c.kind() == ControlKind::Image) {
        paintPicture(dc, r, c.picture(), ui_.dpi());
    } else if (c.kind() == ControlKind::Shape) {
        paintShape(dc, r, c);
    } else if (!c.caption().empty()) {
        HGDIOBJ old = SelectObject(dc, fontFor(c.font(), ui_.dpi()));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, c.foreColor());
        RECT text = r;
        const std::wstring caption = widen(c.caption());
        DrawTextW(dc, caption.c_str(), -1, &text, DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
    }
    paintedAt_[&c] = r;
}

void FormWindow::paintContainer(HDC dc, const Control* container)
{
    auto it = paintOrder_.find(container);
    if (it == paintOrder_.end())
        return;
    for (const Control* c : it->second)
        if (c->visible())
            paintWindowless(dc, *c);
}

LRESULT FormWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = handleOwn(msg, wParam, lParam);
    if (hwnd_ && form_.messageHook)
        ui_.guard([&] {
            if (form_.messageHook)
                form_.messageHook(msg);
        });
    return result;
}

LRESULT FormWindow::handleOwn(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // the background is painted with the rest, off screen
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        // A paint asked for from outside (RDW_UPDATENOW) can find nothing left to paint.
        if (!IsRectEmpty(&ps.rcPaint)) {
            Offscreen off(dc, ps.rcPaint);
            FillRect(off.dc(), &ps.rcPaint, brushFor(form_.backColor()));
            paintContainer(off.dc(), nullptr);
        }
        EndPaint(hwnd_, &ps);
        ui_.guard([&] { form_.Form_Paint(); });
        return 0;
    }
    case WM_COMMAND:
        if (lParam)
            command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return controlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
        if (hourglass()) {
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND f = GetFocus();
            savedFocus_ = controlOf(f) ? f : nullptr;
        } else {
            HWND target = savedFocus_ && IsWindowEnabled(savedFocus_) && IsWindowVisible(savedFocus_)
                              ? savedFocus_
                              : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
            if (target)
                SetFocus(target);
            PostMessageW(hwnd_, WmAppActivate, 0, 0);
            return 0;
        }
        break;
    case WmAppActivate:
        // A hidden window can be made active by a late focus event from the
        // X server under Wine; a form is activated only when it can be seen.
        if (GetActiveWindow() == hwnd_ && IsWindowVisible(hwnd_))
            ui_.guard([&] { ui_.runtime().activated(form_); });
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            closeBySystemMenu_ = true;
        break;
    case WM_CLOSE: {
        // The close box and the system menu come through SC_CLOSE; a bare
        // WM_CLOSE is another program (Task Manager) closing this one.
        const int mode = closeBySystemMenu_ ? forms::unload_mode::ControlMenu : forms::unload_mode::TaskManager;
        closeBySystemMenu_ = false;
        ui_.guard([&] { ui_.runtime().closeRequested(form_, mode); });
        return 0;
    }
    case WM_QUERYENDSESSION: {
        bool allowed = true;
        ui_.guard([&] { allowed = ui_.runtime().closeRequested(form_, forms::unload_mode::WindowsSession); });
        return allowed ? TRUE : FALSE;
    }
    case WM_ENDSESSION:
        if (wParam)
            ui_.runtime().end();
        return 0;
    case WM_MOVE:
    case WM_SIZE:
        if (!IsIconic(hwnd_)) {
            RECT r;
            GetWindowRect(hwnd_, &r);
            form_.geometryFromUser(ui_.toTwips(r.left), ui_.toTwips(r.top), ui_.toTwips(r.right - r.left),
                                   ui_.toTwips(r.bottom - r.top));
        }
        if (msg == WM_SIZE && form_.visible())
            ui_.guard([&] { form_.Form_Resize(); });
        break;
    case WM_SHOWWINDOW:
        form_.setVisibleFromPeer(wParam != 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK FormWindow::formProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (FormWindow* self = fromHwnd(hwnd))
        return self->handle(msg, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FormWindow::panelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    FormWindow* owner = fromHwnd(GetAncestor(hwnd, GA_ROOT));
    switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC screen = BeginPaint(hwnd, &ps);
        const Control* c = owner ? owner->controlOf(hwnd) : nullptr;
        if (c && !IsRectEmpty(&ps.rcPaint)) {
            Offscreen off(screen, ps.rcPaint);
            HDC dc = off.dc();
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(dc, &r, brushFor(c->backColor()));
            if (c->picture())
                paintPicture(dc, r, c->picture(), owner->ui_.dpi());
            if (c->kind() == ControlKind::Panel)
                DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
            else if (c->border())
                DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
            if (!c->caption().empty()) {
                const int pad = owner->ui_.toPixels(90);
                RECT text = {r.left + pad, r.top + pad / 2, r.right - pad, r.bottom - pad / 2};
                HGDIOBJ old = SelectObject(dc, fontFor(c->font(), owner->ui_.dpi()));
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, c->foreColor());
                const std::wstring caption = widen(c->caption());
                const UINT centred = DT_CENTER | DT_WORDBREAK;
                if (c->alignment() == forms::Align::Center) {
                    RECT measure = text;
                    DrawTextW(dc, caption.c_str(), -1, &measure, centred | DT_CALCRECT);
                    OffsetRect(&text, 0, ((text.bottom - text.top) - (measure.bottom - measure.top)) / 2);
                    DrawTextW(dc, caption.c_str(), -1, &text, centred);
                } else {
                    DrawTextW(dc, caption.c_str(), -1, &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
                }
                SelectObject(dc, old);
            }
            owner->paintContainer(dc, c);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace lt::win32
