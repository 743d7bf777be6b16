// What the Start-menu shortcut runs: starts the tutorial with a working
// directory of the learner's own, "Learning Trazel" in their local
// application data, made here when it is missing.
//
// The shortcut cannot name that directory itself. The setup program runs as
// an administrator, who may be someone other than the learner, so a path it
// writes names the administrator's folder; and an environment variable in a
// shortcut's arguments is not expanded everywhere (Wine passes it on as it
// stands). Here the folder is looked up for whoever starts the tutorial.
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace {

constexpr wchar_t Title[] = L"Learning Trazel";
constexpr wchar_t TutorialProgram[] = L"learning-trazel.exe";
constexpr wchar_t WorkFolder[] = L"Learning Trazel";

std::wstring ownDirectory()
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
    return path.substr(0, path.find_last_of(L'\\'));
}

// The learner's working directory, created if needed; empty when the local
// application data folder is unknown.
std::wstring learnerDirectory()
{
    PWSTR local = nullptr;
    std::wstring dir;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &local)))
        dir = std::wstring(local) + L"\\" + WorkFolder;
    CoTaskMemFree(local);
    // A directory that cannot be made is named all the same: the tutorial
    // then says that it cannot write there and chooses another.
    if (!dir.empty())
        CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

std::wstring systemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? text : L"Error " + std::to_wstring(error) + L".";
    LocalFree(text);
    return message;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring program = ownDirectory() + L"\\" + TutorialProgram;
    const std::wstring workDir = learnerDirectory();
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!workDir.empty())
        commandLine += L" -i \"" + workDir + L"\"";

    // The shortcut's window state (normal, minimised, maximised) goes on to
    // the tutorial.
    STARTUPINFOW own{};
    own.cb = sizeof own;
    GetStartupInfoW(&own);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = own.dwFlags & STARTF_USESHOWWINDOW;
    startup.wShowWindow = own.wShowWindow;
    PROCESS_INFORMATION process{};
    // Started suspended, so that it has been allowed to come to the front
    // before its first window opens: the shell gave that right to this
    // program, which passes it on.
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &process)) {
        const std::wstring message = L"Learning Trazel can't be started.\r\n\r\n" + program + L"\r\n" +
                                     systemMessage(GetLastError());
        MessageBoxW(nullptr, message.c_str(), Title, MB_OK | MB_ICONSTOP);
        return 1;
    }
    AllowSetForegroundWindow(process.dwProcessId);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
