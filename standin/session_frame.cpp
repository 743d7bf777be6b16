// TRZFRAME.EXE, the stand-in Trazel's session frame: the window Trazel opens
// first. Its File menu starts the design program, TRAZEL.EXE, from the
// frame's own folder; without it the frame says so in a box of its own that
// stays just above the frame until OK is pressed.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "key_log.h"
#include "menus.h"
#include "resource.h"

namespace {

constexpr wchar_t FrameClass[] = L"QaTrazelFrame";
constexpr wchar_t FrameTitle[] = L"Trazel Session";
constexpr wchar_t DesignProgram[] = L"TRAZEL.EXE";

HINSTANCE instance = nullptr;
HWND statusBar = nullptr;

std::wstring ownDirectory()
{
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring exe(path, n);
    return exe.substr(0, exe.find_last_of(L'\\'));
}

int textWidth(HDC dc, const std::wstring& s)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
    return size.cx;
}

// Fits the box to its message: wide enough for the longest word (a folder
// can be long), wrapped beyond a comfortable line length; then places it
// over the frame and raises it, with the frame right below it.
void layOutErrorBox(HWND box, const std::wstring& message)
{
    HWND text = GetDlgItem(box, IDC_ERROR_TEXT), ok = GetDlgItem(box, IDOK);
    RECT textAt, okAt, client;
    GetWindowRect(text, &textAt);
    GetWindowRect(ok, &okAt);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&textAt), 2);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&okAt), 2);
    GetClientRect(box, &client);
    const int rightMargin = client.right - textAt.right, gap = okAt.top - textAt.bottom;
    const int bottomMargin = client.bottom - okAt.bottom;

    HDC dc = GetDC(text);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
    int longestWord = 0;
    for (std::size_t start = 0; start < message.size();) {
        const std::size_t end = std::min(message.find(L' ', start), message.size());
        longestWord = std::max(longestWord, textWidth(dc, message.substr(start, end - start)));
        start = end + 1;
    }
    const int width = std::max<int>({textAt.right - textAt.left, longestWord, std::min(textWidth(dc, message), 360)});
    RECT measured = {0, 0, width, 0};
    DrawTextW(dc, message.c_str(), -1, &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(text, dc);

    const int height = std::max<int>(textAt.bottom - textAt.top, measured.bottom);
    MoveWindow(text, textAt.left, textAt.top, width, height, FALSE);
    const int clientW = textAt.left + width + rightMargin, okW = okAt.right - okAt.left;
    const int okTop = textAt.top + height + gap;
    MoveWindow(ok, (clientW - okW) / 2, okTop, okW, okAt.bottom - okAt.top, FALSE);
    RECT outer = {0, 0, clientW, okTop + (okAt.bottom - okAt.top) + bottomMargin};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(box, GWL_EXSTYLE)));
    const int boxW = outer.right - outer.left, boxH = outer.bottom - outer.top;

    RECT frame, screen;
    GetWindowRect(GetWindow(box, GW_OWNER), &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    const int x = std::clamp<int>((frame.left + frame.right - boxW) / 2, screen.left, std::max(screen.left, screen.right - boxW));
    const int y = std::clamp<int>((frame.top + frame.bottom - boxH) / 2, screen.top, std::max(screen.top, screen.bottom - boxH));
    SetWindowPos(box, HWND_TOP, x, y, boxW, boxH, 0);
    SetWindowPos(GetWindow(box, GW_OWNER), box, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

INT_PTR CALLBACK errorBoxProc(HWND box, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        const auto* message = reinterpret_cast<const std::wstring*>(lParam);
        SetDlgItemTextW(box, IDC_ERROR_TEXT, message->c_str());
        SendDlgItemMessageW(box, IDC_ERROR_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_EXCLAMATION)), 0);
        layOutErrorBox(box, *message);
        SetForegroundWindow(box);
        MessageBeep(MB_ICONEXCLAMATION);
        return TRUE;
    }
    case WM_COMMAND:
        // Esc arrives as IDCANCEL: the box ignores it.
        if (LOWORD(wParam) == IDOK)
            EndDialog(box, IDOK);
        return TRUE;
    default:
        return FALSE;
    }
}

void hostError(HWND frame, const std::wstring& message)
{
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_HOST_ERROR), frame, errorBoxProc,
                    reinterpret_cast<LPARAM>(&message));
}

// Starts the design program, which opens a design window. It inherits the
// frame's current folder, where the learner's designs are.
void openDesignWindow(HWND frame)
{
    const std::wstring dir = ownDirectory();
    const std::wstring exe = dir + L"\\" + DesignProgram;
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        const std::wstring started = std::wstring(L"Started ") + DesignProgram;
        SendMessageW(statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(started.c_str()));
        return;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        hostError(frame, std::wstring(DesignProgram) + L" wasn't found in " + dir +
                             L". Trazel can't open a design window.");
    else
        hostError(frame, std::wstring(DesignProgram) + L" in " + dir + L" could not be started (error " +
                             std::to_wstring(error) + L"). Trazel can't open a design window.");
}

void paintWorkspace(HWND frame)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(frame, &ps);
    RECT r, bar;
    GetClientRect(frame, &r);
    GetWindowRect(statusBar, &bar);
    r.bottom -= bar.bottom - bar.top;
    FillRect(dc, &r, GetSysColorBrush(COLOR_APPWORKSPACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOW));
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, L"From the File menu, choose New to open a design window.", -1, &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    EndPaint(frame, &ps);
}

LRESULT CALLBACK frameProc(HWND frame, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                                    0, frame, nullptr, instance, nullptr);
        return 0;
    case WM_SIZE:
        SendMessageW(statusBar, WM_SIZE, 0, 0);
        InvalidateRect(frame, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintWorkspace(frame);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case ID_SESSION_NEW:
        case ID_SESSION_OPEN:
            openDesignWindow(frame);
            return 0;
        case ID_SESSION_EXIT:
            DestroyWindow(frame);
            return 0;
        case ID_SESSION_ABOUT:
            MessageBoxW(frame,
                        L"Trazel session frame\n\nA stand-in for Quarn Trazel that the Learning Trazel demo and "
                        L"tests drive. It is not the real Trazel.",
                        L"About Trazel", MB_OK | MB_ICONINFORMATION);
            return 0;
        default:
            if (standin::notModelled(LOWORD(wParam))) {
                const std::wstring text =
                    standin::commandName(frame, LOWORD(wParam)) + L" is not part of the stand-in Trazel";
                SendMessageW(statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
                return 0;
            }
            break;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(frame, msg, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int showCommand)
{
    instance = hInstance;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = frameProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = FrameClass;
    RegisterClassExW(&wc);

    HWND frame = CreateWindowExW(
        0, FrameClass, FrameTitle, WS_OVERLAPPEDWINDOW, 40, 40, 640, 220, nullptr,
        standin::buildMenuBar(lt::pictures::HostWindow::SessionFrame, standin::sessionFrameCommands(), {}), instance,
        nullptr);
    if (!frame)
        return 1;
    standin::startKeyLog(frame);
    ShowWindow(frame, showCommand);
    UpdateWindow(frame);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
