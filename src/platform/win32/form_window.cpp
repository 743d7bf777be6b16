#include "platform/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <set>
#include <system_error>

#include "platform/win32/control_kinds.h"
#include "platform/win32/gdi_cache.h"
#include "platform/win32/stand_in.h"
#include "platform/win32/utf.h"
#include "platform/win32/window_changes.h"

namespace lt::win32 {

using forms::Control;
using forms::Prop;

namespace {

constexpr DWORD FixedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;
constexpr int FirstControlId = 100;
constexpr int TextMarginTwips = 60;

// Group boxes keep the notifications of the controls inside them.
LRESULT CALLBACK forwardToForm(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    LRESULT result = 0;
    return passToForm(hwnd, msg, wParam, lParam, result) ? result : DefSubclassProc(hwnd, msg, wParam, lParam);
}

// A read-only text box lets Tab go on to the next control, so the keyboard
// is not kept in it; the learner reads it with the arrow keys.
LRESULT CALLBACK tabLeavesReadOnlyText(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (msg == WM_GETDLGCODE && key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
        result &= ~static_cast<LRESULT>(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    return result;
}

} // namespace

bool passToForm(HWND container, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        result = SendMessageW(GetAncestor(container, GA_ROOT), msg, wParam, lParam);
        return true;
    default:
        return false;
    }
}

FormWindow::FormWindow(Win32Ui& ui, forms::Form& form)
    : ui_(ui), form_(form), style_(form.sizable() ? FixedStyle | WS_THICKFRAME : FixedStyle)
{
    RECT r = {0, 0, ui_.toPixels(form.clientWidth()), ui_.toPixels(form.clientHeight())};
    AdjustWindowRectEx(&r, style_, FALSE, FormExStyle);
    // A control the window system refuses would be a control that silently
    // never shows; the form goes with its windows instead.
    try {
        createWindow(FormExStyle, FormClassName, form.caption(), style_,
                     {CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top}, nullptr, nullptr, this);
        for (Control* c : form.controls())
            createControl(*c);
    } catch (...) {
        destroy();
        throw;
    }
    applyTabOrder();
    // The focus shows from the start, not only once the keyboard is used.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
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
    sharers_.clear();
}

HWND FormWindow::createWindow(DWORD exStyle, const wchar_t* windowClass, const std::string& caption, DWORD style,
                              const Placement& at, HWND parent, HMENU id, void* param)
{
    HWND h = CreateWindowExW(exStyle, windowClass, widen(caption).c_str(), style, at.x, at.y, at.width, at.height,
                             parent, id, ui_.instance(), param);
    if (!h)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "CreateWindowExW " + narrow(windowClass) + " \"" + caption + "\"");
    return h;
}

Control* FormWindow::controlOf(HWND child) const
{
    auto it = controls_.find(child);
    return it == controls_.end() ? nullptr : it->second;
}

HWND FormWindow::windowOf(const Control& c) const
{
    auto it = windows_.find(&c);
    return it == windows_.end() ? nullptr : it->second;
}

HWND FormWindow::parentWindow(const Control* container) const
{
    HWND h = container ? windowOf(*container) : nullptr;
    return h ? h : hwnd_;
}

RECT FormWindow::pixelRect(const Control& c) const
{
    const int x = ui_.toPixels(c.left()), y = ui_.toPixels(c.top());
    return RECT{x, y, x + ui_.toPixels(c.width()), y + ui_.toPixels(c.height())};
}

void FormWindow::createControl(Control& c)
{
    const auto id = static_cast<UINT_PTR>(FirstControlId + controls_.size());
    const RECT r = pixelRect(c);
    if (c.windowless()) {
        paintOrder_[c.container()].push_back(&c);
        if (standsIn(c))
            createStandIn(c, r);
        return;
    }
    const KindTraits& kind = traitsOf(c.kind());
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (kind.propertyStyle)
        style |= kind.propertyStyle(c);
    if (c.visible())
        style |= WS_VISIBLE;
    if (!c.enabled())
        style |= WS_DISABLED;
    HWND h = createWindow(kind.exStyle, kind.windowClass, windowText(c), style,
                          {r.left, r.top, r.right - r.left, r.bottom - r.top}, parentWindow(c.container()),
                          reinterpret_cast<HMENU>(id), nullptr);
    windows_[&c] = h;
    controls_[h] = &c;
    setFont(h, c, FALSE);
    if (kind.forwardsNotifications)
        SetWindowSubclass(h, forwardToForm, 0, 0);
    if (kind.readOnlyLetsTabGoOn && c.locked())
        SetWindowSubclass(h, tabLeavesReadOnlyText, 0, 0);
    applyStyle(c);
    if (c.value())
        SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
}

void FormWindow::setFont(HWND h, const Control& c, BOOL redraw)
{
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c.font(), ui_.dpi())), redraw);
    if (traitsOf(c.kind()).textMargins) {
        const int margin = ui_.toPixels(TextMarginTwips);
        SendMessageW(h, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
    }
}

void FormWindow::applyStyle(Control& c)
{
    HWND h = windowOf(c);
    if (!h)
        return;
    const KindTraits& kind = traitsOf(c.kind());
    if (kind.liveStyle) {
        LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE) & ~static_cast<LONG_PTR>(kind.liveStyle);
        style |= kind.propertyStyle(c) & kind.liveStyle;
        SetWindowLongPtrW(h, GWL_STYLE, style);
        SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    InvalidateRect(h, nullptr, TRUE);
}

void FormWindow::applyGeometry(Control& c)
{
    HWND h = windowOf(c);
    if (!h)
        return;
    placeIfChanged(h, pixelRect(c));
}

void FormWindow::applyTabOrder()
{
    // Tab goes through windows in their order, and into a panel where the
    // panel stands: a panel takes its place from the first of its controls.
    const std::vector<Control*>& order = form_.tabOrder();
    std::set<const Control*> placed;
    for (Control* c : order)
        for (const Control* x = c; x && (x == c || placed.insert(x).second); x = x->container())
            if (HWND h = windowOf(*x))
                SetWindowPos(h, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Stand-ins lie behind every real window, as the painting they stand for.
    for (Control* c : form_.controls())
        if (HWND h = windowOf(*c); h && c->windowless() && std::find(order.begin(), order.end(), c) == order.end())
            SetWindowPos(h, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The window order is also the keyboard order. A control brought to the
// front keeps its place in the form's tab order among the controls already
// in front: it goes below those of them that come before it.
void FormWindow::bringToFront(const Control& c, HWND h)
{
    const std::vector<Control*>& order = form_.tabOrder();
    const auto rank = [&](const Control* x) {
        return static_cast<std::size_t>(std::find(order.begin(), order.end(), x) - order.begin());
    };
    const std::size_t mine = rank(&c);
    HWND after = HWND_TOP;
    for (HWND w = GetWindow(GetParent(h), GW_CHILD); w && mine < order.size(); w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == h)
            continue;
        const Control* other = controlOf(w);
        if (!other || rank(other) >= mine)
            break;
        after = w;
    }
    SetWindowPos(h, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Pictures that take turns in one place share one stand-in, which says what
// the one in front says: a change of picture is then a change of its text,
// not a hide and a show of two windows.
void FormWindow::createStandIn(Control& c, const RECT& at)
{
    if (!c.onClick) {
        for (auto& [h, sharers] : sharers_) {
            const Control& first = *sharers.front();
            const RECT r = pixelRect(first);
            if (first.container() == c.container() && EqualRect(&r, &at)) {
                sharers.push_back(&c);
                windows_[&c] = h;
                presentStandIn(h);
                return;
            }
        }
    }
    const auto id = static_cast<UINT_PTR>(FirstControlId + controls_.size());
    HWND h = createWindow(0, StandInClassName, "", standInStyle(c),
                          {at.left, at.top, at.right - at.left, at.bottom - at.top}, parentWindow(c.container()),
                          reinterpret_cast<HMENU>(id), nullptr);
    makeUnpainted(h);
    windows_[&c] = h;
    controls_[h] = &c;
    if (!c.onClick)
        sharers_[h] = {&c};
    presentStandIn(h);
}

void FormWindow::presentStandIn(HWND standIn)
{
    auto shared = sharers_.find(standIn);
    if (shared == sharers_.end()) {
        if (const Control* c = controlOf(standIn))
            win32::presentStandIn(standIn, *c);
        return;
    }
    const std::vector<Control*>& sharers = shared->second;
    const std::vector<Control*>& order = paintOrder_[sharers.front()->container()];
    const Control* front = sharers.front();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if ((*it)->visible() && std::find(sharers.begin(), sharers.end(), *it) != sharers.end()) {
            front = *it;
            break;
        }
    }
    win32::presentStandIn(standIn, *front);
}

// A picture that leaves the place it shared gets a stand-in of its own.
void FormWindow::moveStandIn(Control& c, HWND standIn)
{
    auto shared = sharers_.find(standIn);
    const RECT to = pixelRect(c);
    if (shared == sharers_.end() || shared->second.size() == 1) {
        placeIfChanged(standIn, to);
        return;
    }
    std::vector<Control*>& sharers = shared->second;
    sharers.erase(std::remove(sharers.begin(), sharers.end(), &c), sharers.end());
    if (controls_[standIn] == &c)
        controls_[standIn] = sharers.front();
    presentStandIn(standIn);
    createStandIn(c, to);
}

std::string FormWindow::windowText(const Control& c)
{
    return traitsOf(c.kind()).paintsOwnWindow ? c.accessibleName() : c.caption();
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

void FormWindow::paintContainer(HDC dc, const Control* container)
{
    auto it = paintOrder_.find(container);
    if (it == paintOrder_.end())
        return;
    for (const Control* c : it->second) {
        if (!c->visible())
            continue;
        const RECT r = pixelRect(*c);
        traitsOf(c->kind()).paint(dc, r, *c, ui_.dpi());
        paintedAt_[c] = r;
    }
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

void FormWindow::windowlessChanged(Control& c, Prop what)
{
    if (what == Prop::ZOrder) {
        auto& order = paintOrder_[c.container()];
        if (!order.empty() && order.back() == &c)
            return; // in front already
        order.erase(std::remove(order.begin(), order.end(), &c), order.end());
        order.push_back(&c);
    }
    // Each repaint asked for is a round trip to the window system: none for
    // a control that is not on screen before or after the change.
    if (what == Prop::Visible || c.shownOnScreen())
        invalidateWindowless(c);
    HWND standIn = windowOf(c);
    if (!standIn)
        return;
    if (what == Prop::Geometry)
        moveStandIn(c, standIn);
    presentStandIn(windowOf(c));
}

void FormWindow::controlChanged(Control& c, Prop what)
{
    if (!hwnd_)
        return;
    if (c.windowless()) {
        windowlessChanged(c, what);
        return;
    }
    HWND h = windowOf(c);
    if (!h)
        return;
    switch (what) {
    case Prop::Caption:
    case Prop::Picture:
    case Prop::AccessibleName:
        setTextIfChanged(h, widen(windowText(c)));
        if (c.isContainer())
            InvalidateRect(h, nullptr, TRUE);
        break;
    case Prop::Visible:
        showIfChanged(h, c.visible());
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
        bringToFront(c, h);
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
    if (HWND h = windowOf(c))
        SetFocus(h);
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

} // namespace lt::win32
