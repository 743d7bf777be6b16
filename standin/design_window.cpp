// TRAZEL.EXE, the stand-in Trazel's design window: Trazel's menu bar (built
// from the model of its menus), a board view that draws the open board,
// whole or zoomed (view_keys.h), and a status bar. File > Open reads boards,
// footprint libraries and support files (board_file.h); View and Window move
// the view; the other commands only name themselves in the status bar.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <variant>

#include "board_file.h"
#include "hang.h"
#include "key_log.h"
#include "menus.h"
#include "view_keys.h"
#include "platform/win32/paint_kit.h"
#include "platform/win32/utf.h"
#include "resource.h"

namespace {

constexpr wchar_t MainClass[] = L"MaxFrame";
constexpr wchar_t ViewClass[] = L"MaxBoardView";
constexpr wchar_t AppTitle[] = L"Trazel";

struct Design {
    std::wstring fileName; // as shown in the title
    standin::BoardFile file;
};

HINSTANCE instance = nullptr;
HWND mainWindow = nullptr, boardView = nullptr, statusBar = nullptr;
std::optional<Design> design;
standin::ViewKeys boardZoom;

void status(const std::wstring& text)
{
    SendMessageW(statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Names show in capitals, as Trazel lists its files.
std::wstring upper(std::wstring s)
{
    CharUpperBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

// The design the Window menu lists: the one this window shows.
std::vector<std::string> designs()
{
    return {design ? lt::win32::narrow(design->fileName) : std::string("Untitled")};
}

void showDesign(std::optional<Design> d)
{
    design = std::move(d);
    boardZoom.wholeBoard();
    SetWindowTextW(mainWindow, design ? (std::wstring(AppTitle) + L" - " + design->fileName).c_str() : AppTitle);
    const std::string listed = lt::pictures::findMenu(lt::pictures::HostWindow::DesignWindow, "Window")
                                   ->itemsShown(designs())
                                   .back()
                                   .menuText();
    ModifyMenuW(GetMenu(mainWindow), ID_WINDOW_DESIGN, MF_BYCOMMAND | MF_STRING, ID_WINDOW_DESIGN,
                lt::win32::widen(listed).c_str());
    InvalidateRect(boardView, nullptr, FALSE);
}

void cantOpen(const std::wstring& path, const std::wstring& why = L"")
{
    std::wstring message = L"Can't open " + path + L".";
    if (!why.empty())
        message += L"\n\n" + why;
    MessageBoxW(mainWindow, message.c_str(), AppTitle, MB_OK | MB_ICONEXCLAMATION);
}

std::wstring plural(std::size_t n, const wchar_t* one, const wchar_t* many)
{
    return std::to_wstring(n) + L" " + (n == 1 ? one : many);
}

// Opens a board, library or support file; a name without a folder is taken
// from the current folder, which follows the last file opened. A file that
// can't be read changes nothing.
void openFile(const std::wstring& typed)
{
    wchar_t full[MAX_PATH];
    wchar_t* namePart = nullptr;
    const DWORD n = GetFullPathNameW(typed.c_str(), MAX_PATH, full, &namePart);
    if (n == 0 || n >= MAX_PATH || !namePart) {
        cantOpen(typed);
        return;
    }
    const std::wstring path(full, n), name = upper(namePart);
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) {
        cantOpen(path);
        return;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    standin::DesignFile file;
    try {
        file = standin::readDesignFile(text);
    } catch (const standin::BadFile& bad) {
        cantOpen(path, L"Line " + std::to_wstring(bad.line()) + L": " + lt::win32::widen(bad.reason()));
        return;
    }
    SetCurrentDirectoryW(path.substr(0, static_cast<std::size_t>(namePart - full)).c_str());

    if (auto* board = std::get_if<standin::BoardFile>(&file)) {
        const std::size_t parts = board->board.components.size(), open = board->board.connections.size();
        status(L"Board " + name + L": " + plural(parts, L"component", L"components") + L", " +
               plural(open, L"connection", L"connections") + L" to route");
        showDesign(Design{name, std::move(*board)});
    } else if (auto* library = std::get_if<standin::LibraryFile>(&file)) {
        status(L"Library " + name + L": " + plural(library->footprints.size(), L"footprint", L"footprints"));
    } else if (auto* support = std::get_if<standin::SupportFile>(&file)) {
        status(L"Support file " + name + L": " + plural(support->designs.size(), L"design", L"designs"));
    }
}

// Over the design window, a little above its middle.
void placeOver(HWND dialog, HWND owner)
{
    RECT d, o;
    GetWindowRect(dialog, &d);
    GetWindowRect(owner, &o);
    SetWindowPos(dialog, nullptr, o.left + (o.right - o.left - (d.right - d.left)) / 2,
                 o.top + (o.bottom - o.top - (d.bottom - d.top)) / 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR CALLBACK openDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        wchar_t folder[MAX_PATH];
        const DWORD n = GetCurrentDirectoryW(MAX_PATH, folder);
        SetDlgItemTextW(dialog, IDC_OPEN_FOLDER, n && n < MAX_PATH ? folder : L"");
        placeOver(dialog, mainWindow);
        return TRUE; // the focus goes to the file name
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            HWND field = GetDlgItem(dialog, IDC_OPEN_NAME);
            std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
            typed.resize(static_cast<std::size_t>(GetWindowTextW(field, typed.data(), static_cast<int>(typed.size()))));
            const std::size_t first = typed.find_first_not_of(L" \t");
            if (first == std::wstring::npos) {
                MessageBeep(MB_OK);
                return TRUE;
            }
            *reinterpret_cast<std::wstring*>(GetWindowLongPtrW(dialog, DWLP_USER)) =
                typed.substr(first, typed.find_last_not_of(L" \t") + 1 - first);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void chooseFile()
{
    std::wstring typed;
    if (DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_OPEN), mainWindow, openDialogProc,
                        reinterpret_cast<LPARAM>(&typed)) == IDOK)
        openFile(typed);
}

void viewChanged()
{
    InvalidateRect(boardView, nullptr, FALSE);
    if (design)
        status(lt::win32::widen(boardZoom.status()));
}

// Keys the board view takes for itself; the rest go on as usual.
bool viewKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !design || (msg.hwnd != mainWindow && msg.hwnd != boardView))
        return false;
    if (!boardZoom.key(static_cast<unsigned>(msg.wParam), GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0))
        return false;
    viewChanged();
    return true;
}

void onCommand(UINT id)
{
    switch (id) {
    case ID_VIEW_ZOOM_IN:
        boardZoom.zoomIn();
        viewChanged();
        return;
    case ID_VIEW_ZOOM_OUT:
        boardZoom.zoomOut();
        viewChanged();
        return;
    case ID_VIEW_ALL:
        boardZoom.wholeBoard();
        viewChanged();
        return;
    case ID_VIEW_GO_TO:
        if (design) {
            boardZoom.askPlace();
            viewChanged();
        }
        return;
    case ID_VIEW_REDRAW:
        viewChanged();
        return;
    case ID_WINDOW_DESIGN:
        SetFocus(mainWindow);
        return;
    case ID_FILE_NEW:
        showDesign(std::nullopt);
        status(L"New design: no board yet");
        return;
    case ID_FILE_OPEN:
        chooseFile();
        return;
    case ID_FILE_CLOSE:
        showDesign(std::nullopt);
        status(L"Ready");
        return;
    case ID_FILE_EXIT:
        DestroyWindow(mainWindow);
        return;
    case ID_HELP_ABOUT:
        MessageBoxW(mainWindow,
                    L"Trazel design window\n\nA stand-in for Quarn Trazel that the Learning Trazel demo and tests "
                    L"drive. It opens and shows the tutorial boards; it does not edit them.",
                    L"About Trazel", MB_OK | MB_ICONINFORMATION);
        return;
    default:
        if (standin::notModelled(id))
            status(standin::commandName(mainWindow, id) + L" is not part of the stand-in Trazel");
        return;
    }
}

void paintView(HWND view)
{
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(view, &ps);
    RECT area;
    GetClientRect(view, &area);
    // Drawn off screen first so resizing does not flicker.
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max<LONG>(1, area.right), std::max<LONG>(1, area.bottom));
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    lt::win32::fill(dc, area, RGB(0, 0, 0));
    const lt::win32::Canvas canvas{dc, area, GetDeviceCaps(screen, LOGPIXELSY)};
    if (design) {
        lt::win32::paintBoard(canvas, design->file.board, area, boardZoom.zoom());
    } else {
        lt::win32::text(canvas, "No design is open. From the File menu, choose Open.", area, RGB(128, 128, 128),
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    BitBlt(screen, 0, 0, area.right, area.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(view, &ps);
}

LRESULT CALLBACK viewProc(HWND view, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintView(view);
        return 0;
    case WM_SIZE:
        InvalidateRect(view, nullptr, FALSE);
        return 0;
    default:
        return DefWindowProcW(view, msg, wParam, lParam);
    }
}

LRESULT CALLBACK mainProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam)
{
    static const UINT hang = standin::hangMessage();
    if (msg == hang) {
        Sleep(static_cast<DWORD>(wParam));
        return 0;
    }
    switch (msg) {
    case WM_CREATE:
        boardView = CreateWindowExW(WS_EX_CLIENTEDGE, ViewClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, w, nullptr,
                                    instance, nullptr);
        statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                                    0, w, nullptr, instance, nullptr);
        return 0;
    case WM_SIZE: {
        SendMessageW(statusBar, WM_SIZE, 0, 0);
        RECT bar;
        GetWindowRect(statusBar, &bar);
        MoveWindow(boardView, 0, 0, LOWORD(lParam), std::max<int>(0, HIWORD(lParam) - (bar.bottom - bar.top)), TRUE);
        return 0;
    }
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(w, msg, wParam, lParam);
    }
}

void registerClasses()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);

    wc.lpfnWndProc = viewProc;
    wc.lpszClassName = ViewClass;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    RegisterClassExW(&wc);

    wc.lpfnWndProc = mainProc;
    wc.lpszClassName = MainClass;
    wc.style = 0;
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClassExW(&wc);
}

// The command line may name a design to open, as when a file is opened
// from the desktop.
std::wstring fileArgument(const wchar_t* commandLine)
{
    std::wstring s = commandLine ? commandLine : L"";
    const std::size_t first = s.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return L"";
    s = s.substr(first, s.find_last_not_of(L" \t") + 1 - first);
    if (s.size() >= 2 && s.front() == L'"' && s.back() == L'"')
        s = s.substr(1, s.size() - 2);
    return s;
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    instance = hInstance;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    registerClasses();

    mainWindow = CreateWindowExW(
        0, MainClass, AppTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 120, 90, 900, 700, nullptr,
        standin::buildMenuBar(lt::pictures::HostWindow::DesignWindow, standin::designWindowCommands(), designs()),
        instance, nullptr);
    if (!mainWindow)
        return 1;
    standin::startKeyLog(mainWindow);
    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);
    SetForegroundWindow(mainWindow);
    if (const std::wstring file = fileArgument(commandLine); !file.empty())
        openFile(file);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (viewKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
