#include "key_log.h"

#include <string>

#include "key_names.h"

namespace standin {

namespace {

std::wstring logPath;
HWND fallbackWindow = nullptr;

// The active top-level window, or for a dialog or box the window that owns
// it, so a key typed into a program's dialog is logged against the program.
std::string receivingClass()
{
    HWND w = GetActiveWindow();
    if (!w)
        w = fallbackWindow;
    if (HWND root = GetAncestor(w, GA_ROOTOWNER))
        w = root;
    char name[256] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

// Opened and closed for every line, so both programs can share one file and
// the reader sees each line as soon as the key is handled.
void append(const std::string& line)
{
    HANDLE f = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return;
    const std::string bytes = line + "\r\n";
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
}

LRESULT CALLBACK logKey(int code, WPARAM key, LPARAM flags)
{
    constexpr LPARAM AltDown = LPARAM{1} << 29, KeyUp = LPARAM{1} << 31;
    const unsigned vk = static_cast<unsigned>(key);
    // HC_NOREMOVE calls are peeks at a key that is still queued.
    if (code == HC_ACTION && !(flags & KeyUp) && !isModifierKey(vk)) {
        const Modifiers held{GetKeyState(VK_CONTROL) < 0, (flags & AltDown) != 0 || GetKeyState(VK_MENU) < 0,
                             GetKeyState(VK_SHIFT) < 0};
        append(keyLogLine(receivingClass(), held, vk));
    }
    return CallNextHookEx(nullptr, code, key, flags);
}

} // namespace

void startKeyLog(HWND mainWindow)
{
    wchar_t path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"TRAZEL_KEYLOG", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return;
    logPath.assign(path, n);
    fallbackWindow = mainWindow;
    SetWindowsHookExW(WH_KEYBOARD, logKey, nullptr, GetCurrentThreadId());
}

} // namespace standin
