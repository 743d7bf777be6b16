#include "platform/win32/help_viewer.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include <commctrl.h>

#include "platform/desktop.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_ui.h"

namespace lt::win32 {

namespace {

constexpr wchar_t ClassName[] = L"LearningTrazelHelp";
constexpr int ViewerTitle = 86, ContentsCaption = 87, CloseCaption = 88, CannotOpen = 89, NoSuchTopic = 90,
              AppTitle = 22;
// The Close button answers to IDCANCEL, so Esc works the same with or
// without the dialog manager in the message loop.
constexpr int IdContents = 101, IdList = 102, IdBody = 103, IdClose = IDCANCEL;

std::optional<std::string> readFile(const std::string& path)
{
    const HANDLE f = CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string content;
    char chunk[8192];
    DWORD got = 0;
    BOOL ok = TRUE;
    while ((ok = ReadFile(f, chunk, sizeof chunk, &got, nullptr)) && got > 0)
        content.append(chunk, got);
    CloseHandle(f);
    if (!ok)
        return std::nullopt;
    return content;
}

wchar_t upper(wchar_t c)
{
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(ULONG_PTR{c}))));
}

// The letter after '&' in a caption, the key that goes with Alt.
wchar_t accessKey(const std::wstring& caption)
{
    const auto amp = caption.find(L'&');
    return amp + 1 < caption.size() ? upper(caption[amp + 1]) : 0;
}

// WS_VISIBLE of the control itself, whether or not the viewer is on screen yet.
bool shown(HWND control) { return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0; }

std::wstring withoutAccessKey(std::wstring caption)
{
    caption.erase(std::remove(caption.begin(), caption.end(), L'&'), caption.end());
    return caption;
}

void registerClass(HINSTANCE instance, WNDPROC proc)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, ClassName, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hIconSm = smallProgramIcon(instance);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);
}

} // namespace

HelpViewer::HelpViewer(const StringTable& strings) : strings_(strings) {}

HelpViewer::~HelpViewer()
{
    if (window_)
        DestroyWindow(window_);
}

std::string HelpViewer::text(int id) const { return strings_.find(id).value_or(std::string()); }

int HelpViewer::px(int at96) const { return MulDiv(at96, dpi_, 96); }

void HelpViewer::command(HWND owner, const std::string& fileUtf8, unsigned helpCommand, unsigned long data)
{
    if (helpCommand == help::Quit) {
        if (window_)
            DestroyWindow(window_);
        return;
    }
    if (helpCommand != help::Context || !load(owner, fileUtf8))
        return;
    open();
    if (!window_)
        return;
    if (const HelpTopic* topic = file_.find(static_cast<unsigned>(data)))
        showTopic(static_cast<std::size_t>(topic - file_.topics().data()));
    else
        showContents(true);
    if (IsIconic(window_))
        ShowWindow(window_, SW_RESTORE);
    else
        ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

bool HelpViewer::load(HWND owner, const std::string& path)
{
    std::string problem = text(CannotOpen) + "\r\n" + path;
    if (auto content = readFile(path)) {
        try {
            file_ = HelpFile::parse(*content);
            return true;
        } catch (const std::runtime_error& e) {
            // Whoever edits the file needs the line; learners never get here.
            problem += "\r\n\r\n" + std::string(e.what());
        }
    }
    MessageBoxW(owner, widen(problem).c_str(), widen(text(AppTitle)).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void HelpViewer::open()
{
    if (window_)
        return;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClass(instance, windowProc);
    if (HDC screen = GetDC(nullptr)) {
        dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    // No owner: help stays open and in its own place while the learner
    // moves between the tutorial's windows.
    CreateWindowExW(0, ClassName, widen(text(ViewerTitle)).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CW_USEDEFAULT, CW_USEDEFAULT, px(480), px(400), nullptr, nullptr, instance, this);
}

void HelpViewer::createControls()
{
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfHeight = -MulDiv(8, dpi_, 72);
    font_ = CreateFontIndirectW(&lf);
    lf.lfHeight = -MulDiv(10, dpi_, 72);
    lf.lfWeight = FW_BOLD;
    titleFont_ = CreateFontIndirectW(&lf);

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    auto control = [&](DWORD exStyle, const wchar_t* cls, const std::wstring& caption, DWORD style, int id) {
        const HWND c = CreateWindowExW(exStyle, cls, caption.c_str(), WS_CHILD | style, 0, 0, 0, 0, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        SetWindowSubclass(c, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
        return c;
    };
    // Created in reading order, which is also the Tab order.
    title_ = control(0, L"STATIC", L"", WS_VISIBLE | SS_NOPREFIX | SS_ENDELLIPSIS, -1);
    SendMessageW(title_, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
    note_ = control(0, L"STATIC", widen(text(NoSuchTopic)), SS_NOPREFIX, -1);
    list_ = control(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                    WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, IdList);
    // A little air between the titles makes the list easier to aim at.
    const LRESULT lineHeight = SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0);
    if (lineHeight != LB_ERR)
        SendMessageW(list_, LB_SETITEMHEIGHT, 0, lineHeight + px(4));
    body_ = control(WS_EX_CLIENTEDGE, L"EDIT", L"",
                    WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, IdBody);
    SendMessageW(body_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(px(4), px(4)));
    const std::wstring contents = widen(text(ContentsCaption)), close = widen(text(CloseCaption));
    contents_ = control(0, L"BUTTON", contents, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IdContents);
    close_ = control(0, L"BUTTON", close, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IdClose);
    contentsKey_ = accessKey(contents);
    closeKey_ = accessKey(close);
    // The focus shows from the start, not only once the keyboard is used.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void HelpViewer::showTopic(std::size_t index)
{
    const HelpTopic& topic = file_.topics()[index];
    current_ = index;
    contentsShown_ = false;
    SetWindowTextW(title_, widen(topic.title).c_str());
    SetWindowTextW(body_, widen(topic.body).c_str());
    ShowWindow(note_, SW_HIDE);
    ShowWindow(list_, SW_HIDE);
    ShowWindow(body_, SW_SHOW);
    layout();
    focus(body_);
    SendMessageW(body_, EM_SETSEL, 0, 0);
}

void HelpViewer::showContents(bool topicMissing)
{
    contentsShown_ = true;
    SetWindowTextW(title_, withoutAccessKey(widen(text(ContentsCaption))).c_str());
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const HelpTopic& topic : file_.topics())
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(topic.title).c_str()));
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    if (current_ >= file_.topics().size())
        current_ = 0;
    SendMessageW(list_, LB_SETCURSEL, current_, 0);
    ShowWindow(note_, topicMissing ? SW_SHOW : SW_HIDE);
    ShowWindow(body_, SW_HIDE);
    ShowWindow(list_, SW_SHOW);
    layout();
    focus(list_);
}

void HelpViewer::focus(HWND control)
{
    // A viewer not yet in front gets the focus when it is activated.
    lastFocus_ = control;
    if (GetActiveWindow() == window_)
        SetFocus(control);
}

void HelpViewer::openSelected()
{
    const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR && static_cast<std::size_t>(selected) < file_.topics().size())
        showTopic(static_cast<std::size_t>(selected));
}

void HelpViewer::layout()
{
    RECT client{};
    GetClientRect(window_, &client);
    const int width = client.right, height = client.bottom;
    const int margin = px(8), gap = px(6), buttonWidth = px(75), buttonHeight = px(23);
    const int inner = std::max(0, width - 2 * margin);

    int titleHeight = 0;
    if (HDC dc = GetDC(title_)) {
        const HGDIOBJ old = SelectObject(dc, titleFont_);
        TEXTMETRICW tm;
        GetTextMetricsW(dc, &tm);
        titleHeight = tm.tmHeight + px(2);
        SelectObject(dc, old);
        ReleaseDC(title_, dc);
    }
    MoveWindow(title_, margin, margin, inner, titleHeight, TRUE);

    const int buttonTop = height - margin - buttonHeight;
    MoveWindow(close_, width - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight, TRUE);
    MoveWindow(contents_, width - margin - 2 * buttonWidth - gap, buttonTop, buttonWidth, buttonHeight, TRUE);

    int top = margin + titleHeight + gap;
    const int bottom = buttonTop - gap;
    if (shown(note_)) {
        RECT r{0, 0, inner, 0};
        if (HDC dc = GetDC(note_)) {
            const HGDIOBJ old = SelectObject(dc, font_);
            const std::wstring note = widen(text(NoSuchTopic));
            DrawTextW(dc, note.c_str(), static_cast<int>(note.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            SelectObject(dc, old);
            ReleaseDC(note_, dc);
        }
        MoveWindow(note_, margin, top, inner, r.bottom, TRUE);
        top += r.bottom + gap;
    }
    MoveWindow(contentsShown_ ? list_ : body_, margin, top, inner, std::max(0, bottom - top), TRUE);
}

bool HelpViewer::key(HWND from, UINT msg, WPARAM wp)
{
    if (msg == WM_SYSCHAR) {
        const wchar_t pressed = upper(static_cast<wchar_t>(wp));
        if (pressed == contentsKey_)
            showContents(false);
        else if (pressed == closeKey_)
            DestroyWindow(window_);
        return pressed == contentsKey_ || pressed == closeKey_;
    }
    if (msg == WM_CHAR)
        // Their WM_KEYDOWN has done the work; the controls would only beep.
        return wp == L'\t' || wp == L'\r' || wp == VK_ESCAPE;
    if (msg != WM_KEYDOWN)
        return false;
    switch (wp) {
    case VK_ESCAPE:
        DestroyWindow(window_);
        return true;
    case VK_TAB:
        if (HWND next = GetNextDlgTabItem(window_, from, GetKeyState(VK_SHIFT) < 0))
            SetFocus(next);
        return true;
    case VK_RETURN:
        if (from == list_)
            openSelected();
        else if (from == contents_ || from == close_)
            SendMessageW(from, BM_CLICK, 0, 0);
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK HelpViewer::controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self)
{
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, controlProc, 0);
    else if (reinterpret_cast<HelpViewer*>(self)->key(hwnd, msg, wp))
        return 0;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK HelpViewer::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<HelpViewer*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = hwnd;
    }
    if (auto* self = reinterpret_cast<HelpViewer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
        return self->handle(hwnd, msg, wp, lp);
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT HelpViewer::handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        createControls();
        return 0;
    case WM_SIZE:
        if (close_)
            layout();
        return 0;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = {px(300), px(220)};
        return 0;
    case WM_ACTIVATE:
        // The focused control keeps the focus across a visit to another
        // window; a minimised viewer takes none.
        if (LOWORD(wp) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            lastFocus_ = focus && IsChild(window_, focus) ? focus : nullptr;
        } else if (!HIWORD(wp)) {
            SetFocus(lastFocus_ && shown(lastFocus_) ? lastFocus_ : contentsShown_ ? list_ : body_);
        }
        return 0;
    case WM_CTLCOLORSTATIC:
        // The read-only text reads as a page, not as a dimmed control.
        if (reinterpret_cast<HWND>(lp) == body_) {
            const auto dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IdContents:
            showContents(false);
            return 0;
        case IdClose:
            DestroyWindow(window_);
            return 0;
        case IDOK:
            if (GetFocus() == list_)
                openSelected();
            return 0;
        case IdList:
            if (HIWORD(wp) == LBN_DBLCLK)
                openSelected();
            return 0;
        default:
            break;
        }
        break;
    case WM_SYSCHAR:
        if (key(window_, msg, wp))
            return 0;
        break;
    case WM_NCDESTROY:
        DeleteObject(font_);
        DeleteObject(titleFont_);
        font_ = titleFont_ = nullptr;
        window_ = title_ = note_ = list_ = body_ = contents_ = close_ = lastFocus_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace lt::win32
