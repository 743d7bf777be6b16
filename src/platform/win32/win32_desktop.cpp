#include "platform/win32/win32_desktop.h"

#include <cstring>

#include "platform/win32/help_viewer.h"
#include "platform/win32/utf.h"

namespace lt::win32 {

namespace {

HWND hwndOf(WindowHandle w) { return reinterpret_cast<HWND>(w); }
WindowHandle handleOf(HWND h) { return reinterpret_cast<WindowHandle>(h); }

// An empty string stands for "any", as a null pointer does for FindWindow.
const wchar_t* orNull(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }

} // namespace

Win32Desktop::Win32Desktop(Win32Ui& ui, const StringTable& strings)
    : ui_(ui), help_(std::make_unique<HelpViewer>(strings))
{
}

Win32Desktop::~Win32Desktop()
{
    if (instanceMutex_)
        CloseHandle(instanceMutex_);
}

WindowHandle Win32Desktop::findWindow(const std::string& className, const std::string& title)
{
    const std::wstring cls = widen(className), text = widen(title);
    return handleOf(FindWindowW(orNull(cls), orNull(text)));
}

WindowHandle Win32Desktop::findTutorialWindow(const std::string& title)
{
    return handleOf(FindWindowW(FormClassName, widen(title).c_str()));
}

bool Win32Desktop::windowExists(WindowHandle w) { return w && IsWindow(hwndOf(w)); }

std::string Win32Desktop::windowTitle(WindowHandle w)
{
    const int n = GetWindowTextLengthW(hwndOf(w));
    if (n <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(hwndOf(w), text.data(), n + 1);
    text.resize(static_cast<std::size_t>(got));
    return narrow(text);
}

WindowHandle Win32Desktop::windowAbove(WindowHandle w) { return w ? handleOf(GetWindow(hwndOf(w), GW_HWNDPREV)) : 0; }

WindowHandle Win32Desktop::lastActivePopup(WindowHandle w) { return w ? handleOf(GetLastActivePopup(hwndOf(w))) : 0; }

void Win32Desktop::showWindow(WindowHandle w, ShowCommand cmd)
{
    ui_.applyChanges();
    if (w)
        ShowWindow(hwndOf(w), static_cast<int>(cmd));
}

bool Win32Desktop::isMinimized(WindowHandle w) { return w && IsIconic(hwndOf(w)); }

void Win32Desktop::bringToTop(WindowHandle w)
{
    ui_.applyChanges();
    if (w)
        BringWindowToTop(hwndOf(w));
}

void Win32Desktop::setForeground(WindowHandle w)
{
    ui_.applyChanges();
    foreground_.bring(hwndOf(w));
}

void Win32Desktop::setTopmost(WindowHandle w, bool topmost)
{
    ui_.applyChanges();
    if (w)
        SetWindowPos(hwndOf(w), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Desktop::sleep(int milliseconds)
{
    ui_.applyChanges();
    Sleep(static_cast<DWORD>(milliseconds));
}

int Win32Desktop::winExec(const std::string& commandLine, ShowCommand show)
{
    // WinExec's results: 2 file not found, 3 path not found, 11 not a program,
    // 0 for anything else that fails; started programs give 33.
    constexpr int Started = 33, FileNotFound = 2, PathNotFound = 3, BadFormat = 11, OtherFailure = 0;
    constexpr DWORD InputIdleTimeoutMs = 30000;
    ui_.applyChanges();
    std::wstring line = widen(commandLine);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
            return FileNotFound;
        case ERROR_PATH_NOT_FOUND:
            return PathNotFound;
        case ERROR_BAD_EXE_FORMAT:
            return BadFormat;
        default:
            return OtherFailure;
        }
    }
    WaitForInputIdle(pi.hProcess, InputIdleTimeoutMs);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return Started;
}

KeysOutcome Win32Desktop::sendKeys(const std::vector<Keystroke>& keys, const std::vector<std::string>& windowClasses)
{
    ui_.applyChanges();
    return keys_.send(keys, windowClasses);
}

long Win32Desktop::openClassesRootKey(const std::string& key)
{
    HKEY h = nullptr;
    const LONG result = RegOpenKeyExW(HKEY_CLASSES_ROOT, widen(key).c_str(), 0, KEY_READ, &h);
    if (result == ERROR_SUCCESS)
        RegCloseKey(h);
    return result;
}

unsigned Win32Desktop::windowsDirectory(char* buffer, unsigned size)
{
    std::wstring wide(size, L'\0');
    const UINT n = GetWindowsDirectoryW(wide.data(), size);
    if (n == 0 || n >= size)
        return 0;
    const std::string dir = narrow(std::wstring_view(wide.data(), n));
    if (dir.size() + 1 > size)
        return 0;
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return static_cast<unsigned>(dir.size());
}

std::optional<int> Win32Desktop::systemFontHeight()
{
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDC(desktop);
    if (!dc)
        return std::nullopt;
    const int previous = SetMapMode(dc, MM_TEXT);
    TEXTMETRICW tm{};
    const BOOL ok = GetTextMetricsW(dc, &tm);
    SetMapMode(dc, previous);
    ReleaseDC(desktop, dc);
    if (!ok)
        return std::nullopt;
    return static_cast<int>(tm.tmHeight);
}

bool Win32Desktop::fontInstalled(const std::string& face)
{
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = widen(face);
    if (name.size() >= LF_FACESIZE)
        return false;
    wcscpy(lf.lfFaceName, name.c_str());
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &lf, [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

int Win32Desktop::messageBox(const std::string& text, const std::string& title, int style)
{
    ui_.applyChanges();
    HWND owner = ui_.ownerWindow();
    Win32Ui::ModalScope modal(ui_, owner);
    return MessageBoxW(owner, widen(text).c_str(), widen(title).c_str(), static_cast<UINT>(style));
}

void Win32Desktop::winHelp(WindowHandle owner, const std::string& file, unsigned command, unsigned long data)
{
    ui_.applyChanges();
    help_->command(hwndOf(owner), file, command, data);
}

void Win32Desktop::setScreenPointer(Pointer p) { ui_.setScreenPointer(p); }

bool Win32Desktop::anotherInstanceRunning()
{
    if (!instanceMutex_)
        instanceMutex_ = CreateMutexW(nullptr, FALSE, L"Local\\Quarn.LearningTrazel.Running");
    return instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string Win32Desktop::commandLine()
{
    // What follows the program's own name, which may stand in quotes.
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"')
            ++p;
        if (*p)
            ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t')
            ++p;
    }
    return narrow(p);
}

std::string Win32Desktop::programDirectory()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.erase(path.find_last_of(L'\\'));
    return narrow(path);
}

} // namespace lt::win32
