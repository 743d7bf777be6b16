#include "platform/win32/win32_ui.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <array>
#include <system_error>

#include "platform/win32/batched_peer.h"
#include "platform/win32/form_window.h"
#include "platform/win32/stand_in.h"
#include "platform/win32/utf.h"

namespace lt::win32 {

namespace {

bool isKey(UINT m) { return m == WM_KEYDOWN || m == WM_SYSKEYDOWN; }
bool isKeyUp(UINT m) { return m == WM_KEYUP || m == WM_SYSKEYUP; }
bool isMouse(UINT m)
{
    return m == WM_MOUSEMOVE || m == WM_LBUTTONDOWN || m == WM_LBUTTONUP || m == WM_RBUTTONDOWN || m == WM_RBUTTONUP ||
           m == WM_LBUTTONDBLCLK;
}

constexpr int InternalError = 92, NoDescription = 93, AppTitle = 22;

void registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon, HICON smallIcon)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "RegisterClassExW " + narrow(name));
}

// The binding's own window classes: forms, panels, and the stand-ins of
// painted controls.
struct WindowClass {
    const wchar_t* name;
    WNDPROC procedure;
    HICON icon;
    HICON smallIcon;
};

std::array<WindowClass, 3> windowClasses(HINSTANCE instance)
{
    return {{{FormClassName, FormWindow::formProc, LoadIconW(instance, MAKEINTRESOURCEW(1)), smallProgramIcon(instance)},
             {PanelClassName, FormWindow::panelProc, nullptr, nullptr},
             {StandInClassName, standInProc, nullptr, nullptr}}};
}

} // namespace

HICON smallProgramIcon(HINSTANCE instance)
{
    // Left without a small icon, a class gets one derived from its large
    // icon, and under Wine each top-level window of it then takes about 20 ms
    // longer to create, show and close (tools/bench.sh).
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR | LR_SHARED));
}

void endWithError(const StringTable& strings, const char* what)
{
    const std::string description = what ? what : strings.find(NoDescription).value_or("");
    const std::wstring text = widen(strings.find(InternalError).value_or("") + "\r\n\r\n" + description);
    MessageBoxW(nullptr, text.c_str(), widen(strings.find(AppTitle).value_or("")).c_str(), MB_OK | MB_ICONSTOP);
    ExitProcess(1);
}

Win32Ui::Win32Ui(HINSTANCE instance, const StringTable& strings) : instance_(instance), strings_(strings)
{
    // The tutorial takes no typed text (its text boxes are read-only), so its
    // thread needs no input method. Without one, no input-method window is
    // made beside each of its windows, and its first window to become active
    // does not load the COM libraries an input method uses: several
    // milliseconds of the start-up under Wine.
    ImmDisableIME(0);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    std::size_t registered = 0;
    try {
        for (const WindowClass& c : windowClasses(instance)) {
            registerClass(instance, c.name, c.procedure, c.icon, c.smallIcon);
            ++registered;
        }
    } catch (...) {
        while (registered > 0)
            UnregisterClassW(windowClasses(instance)[--registered].name, instance);
        throw;
    }
    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
}

Win32Ui::~Win32Ui()
{
    for (const WindowClass& c : windowClasses(instance_))
        UnregisterClassW(c.name, instance_);
}

std::unique_ptr<forms::FormPeer> Win32Ui::createPeer(forms::Form& form)
{
    return std::make_unique<BatchedPeer>(*this, std::make_unique<FormWindow>(*this, form));
}

FormWindow* Win32Ui::formWindowOf(HWND anyWindow) const
{
    if (!anyWindow)
        return nullptr;
    HWND root = GetAncestor(anyWindow, GA_ROOT);
    wchar_t cls[64];
    if (!root || !GetClassNameW(root, cls, 64) || wcscmp(cls, FormClassName) != 0)
        return nullptr;
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

bool Win32Ui::preTranslate(MSG& msg)
{
    FormWindow* fw = formWindowOf(msg.hwnd);
    if (!fw)
        return false;
    // A control's hook sees the input that reaches its window before the
    // window does; what is sent rather than posted does not pass here.
    if (forms::Control* c = fw->controlOf(msg.hwnd); c && c->messageHook)
        guard([&] {
            if (c->messageHook)
                c->messageHook(msg.message);
        });
    fw = formWindowOf(msg.hwnd);
    if (!fw)
        return false;
    if (isKey(msg.message) && fw->keyDown(msg.hwnd, static_cast<int>(msg.wParam)) == 0)
        return true;
    if (isKeyUp(msg.message))
        fw->keyUp(msg.hwnd, static_cast<int>(msg.wParam));
    if (isMouse(msg.message))
        fw->mouse(msg);
    // The form may have gone with the event it just handled.
    fw = formWindowOf(msg.hwnd);
    return fw && IsDialogMessageW(fw->hwnd(), &msg);
}

void Win32Ui::dispatch(MSG& msg)
{
    if (preTranslate(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int Win32Ui::run(const std::function<void()>& entry)
{
    guard(entry);
    MSG msg;
    while (!runtime_->loadedForms().empty()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0)
            break;
        dispatch(msg);
        runtime_->collect();
    }
    return 0;
}

void Win32Ui::runModal(forms::Form& form)
{
    applyChanges();
    ModalScope scope(*this, reinterpret_cast<HWND>(form.handle()));
    form.show();
    MSG msg;
    while (runtime_->isLoaded(form) && form.visible()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        dispatch(msg);
    }
}

void Win32Ui::doEvents()
{
    applyChanges();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        dispatch(msg);
    }
}

void Win32Ui::endProgram() { ExitProcess(0); }

int Win32Ui::screenWidth() const { return toTwips(GetSystemMetrics(SM_CXSCREEN)); }

int Win32Ui::screenHeight() const { return toTwips(GetSystemMetrics(SM_CYSCREEN)); }

void Win32Ui::setScreenPointer(Pointer p)
{
    screenPointer_ = p;
    SetCursor(LoadCursorW(nullptr, p == Pointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

HWND Win32Ui::ownerWindow() const
{
    HWND active = GetActiveWindow();
    if (formWindowOf(active))
        return active;
    forms::Form* f = runtime_ ? runtime_->activeForm() : nullptr;
    return f && f->visible() ? reinterpret_cast<HWND>(f->handle()) : nullptr;
}

Win32Ui::ModalScope::ModalScope(const Win32Ui& ui, HWND except)
{
    for (forms::Form* f : ui.runtime().loadedForms()) {
        HWND h = reinterpret_cast<HWND>(f->handle());
        if (h && h != except && IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            disabled_.push_back(h);
        }
    }
}

Win32Ui::ModalScope::~ModalScope()
{
    for (HWND h : disabled_)
        if (IsWindow(h))
            EnableWindow(h, TRUE);
}

void Win32Ui::applyChanges() noexcept
{
    std::vector<HWND> changed;
    // A change applied may notify a handler whose own changes join the list.
    while (!pending_.empty()) {
        BatchedPeer* peer = pending_.back();
        pending_.pop_back();
        changed.push_back(reinterpret_cast<HWND>(peer->handle()));
        guard([&] { peer->apply(); });
    }
    // Once an event has been handled, what it changed is painted before the
    // next message is taken: a click shows at once, in one pass over the
    // windows it touched, instead of a paint message for each of them.
    if (handling_ == 0)
        for (HWND h : changed)
            if (IsWindow(h))
                RedrawWindow(h, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32Ui::changesPending(BatchedPeer& peer)
{
    if (std::find(pending_.begin(), pending_.end(), &peer) == pending_.end())
        pending_.push_back(&peer);
}

void Win32Ui::forgetChanges(BatchedPeer& peer)
{
    pending_.erase(std::remove(pending_.begin(), pending_.end(), &peer), pending_.end());
}

void Win32Ui::failed(const char* what) noexcept
{
    // The message box lets events run; one that fails too ends with this one.
    if (failing_)
        return;
    failing_ = true;
    try {
        endWithError(strings_, what);
    } catch (...) {
        ExitProcess(1);
    }
}

} // namespace lt::win32
