#include "tutorial_session.h"

#include <stdexcept>

#include "uia.h"

namespace bench {

Texts::Texts(const std::wstring& program) : module_(LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
{
    if (!module_)
        throw std::runtime_error("the tutorial's string table cannot be read");
}

Texts::~Texts() { FreeLibrary(module_); }

std::wstring Texts::operator()(int id) const
{
    wchar_t buf[2048];
    const int n = LoadStringW(module_, static_cast<UINT>(id), buf, 2048);
    return std::wstring(buf, static_cast<std::size_t>(n > 0 ? n : 0));
}

Started::Started(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingDir)
{
    std::wstring line = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.empty() ? nullptr : workingDir.c_str(), &si, &info_))
        throw std::runtime_error("cannot start a program");
    CloseHandle(info_.hThread);
    info_.hThread = nullptr;
}

Started::~Started()
{
    end();
    CloseHandle(info_.hProcess);
}

bool Started::running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

bool Started::waitExit(DWORD ms) { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }

void Started::end()
{
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        waitExit(10000);
    }
}

HWND visibleWindowOf(DWORD pid, const wchar_t* cls, const std::wstring& title)
{
    for (HWND w = FindWindowExW(nullptr, nullptr, cls, title.c_str()); w;
         w = FindWindowExW(nullptr, w, cls, title.c_str())) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w))
            return w;
    }
    return nullptr;
}

HWND waitVisibleWindowOf(DWORD pid, const wchar_t* cls, const std::wstring& title, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND w = visibleWindowOf(pid, cls, title))
            return w;
        if (GetTickCount64() > deadline)
            return nullptr;
        Sleep(1);
    }
}

bool waitForeground(HWND w, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetForegroundWindow() != w) {
        if (GetTickCount64() > deadline)
            return false;
        Sleep(1);
    }
    return true;
}

bool settle(HWND top)
{
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored))
        return false;
    // Sent to another thread, the paint requests wait for that thread to
    // have painted.
    return RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN) != FALSE;
}

bool press(HWND button, UINT timeoutMs)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

bool answerBox(const std::wstring& title, const std::wstring& answer, DWORD timeoutMs)
{
    HWND box = uia::waitWindow(L"#32770", title, static_cast<int>(timeoutMs));
    return box && uia::clickButton(box, answer) && uia::waitGone(box, 5000);
}

} // namespace bench
