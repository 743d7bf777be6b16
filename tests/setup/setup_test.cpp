// The setup program as a learner's machine meets it, in a fresh Wine prefix
// with a stand-in Trazel under Program Files: installed silently and from its
// pages, the tutorial started from the Start-menu shortcut, and removed again.
// run-setup-test.sh names the package folder, the package's unpacked zip and
// Trazel's folder in LT_PACKAGE, LT_PACKAGE_TREE and LT_TRAZEL.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <optional>

#include "installed.h"
#include "version.h"

namespace e2e {
namespace {

constexpr wchar_t Version[] = L"" LT_VERSION_TEXT;
constexpr wchar_t UninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LearningTrazel";
constexpr wchar_t SetupTitle[] = L"Learning Trazel Setup";
constexpr wchar_t Uninstaller[] = L"Uninstall Learning Trazel.exe";
const std::string Progress = "3,3,1,0,0,0,0,0,0,0,0,0,0,0,0\r\n";

std::wstring env(const wchar_t* name)
{
    const wchar_t* v = _wgetenv(name);
    return v ? v : L"";
}

std::wstring knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)))
        result = path;
    CoTaskMemFree(path);
    return result;
}

std::vector<std::wstring> filesIn(const std::wstring& dir)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    } while (FindNextFileW(h, &data));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::wstring> uninstallValue(const wchar_t* name)
{
    wchar_t value[1024];
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, UninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

// The product version of a program's version resource, as text and as numbers.
std::wstring versionOf(const std::wstring& program)
{
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
    std::vector<BYTE> info(size);
    if (!size || !GetFileVersionInfoW(program.c_str(), 0, size, info.data()))
        return L"no version resource";
    wchar_t* text = nullptr;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\StringFileInfo\\040904B0\\ProductVersion", reinterpret_cast<void**>(&text),
                        &length) ||
        !VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length))
        return L"no product version";
    const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwProductVersionMS)) + L"." +
                                 std::to_wstring(LOWORD(fixed->dwProductVersionMS)) + L"." +
                                 std::to_wstring(HIWORD(fixed->dwProductVersionLS));
    return numbers == text || numbers + L".0" == text ? numbers : L"\"" + std::wstring(text) + L"\" but " + numbers;
}

struct Shortcut {
    std::wstring target, arguments, workingDir, icon;
};

Shortcut readShortcut(const std::wstring& path)
{
    Shortcut s;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return s;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
        wchar_t text[MAX_PATH * 2];
        int iconIndex = 0;
        if (SUCCEEDED(link->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH)))
            s.target = text;
        if (SUCCEEDED(link->GetArguments(text, MAX_PATH * 2)))
            s.arguments = text;
        if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH * 2)))
            s.workingDir = text;
        if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH * 2, &iconIndex)))
            s.icon = std::wstring(text) + L"," + std::to_wstring(iconIndex);
    }
    if (file)
        file->Release();
    link->Release();
    return s;
}

// Runs a command line to its end; its exit code.
DWORD run(std::wstring commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return GetLastError();
    CloseHandle(process.hThread);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return code;
}

// The first edit box among the window's descendants.
HWND editBox(HWND window)
{
    HWND edit = nullptr;
    EnumChildWindows(
        window,
        [](HWND w, LPARAM found) {
            if (uia::className(w) != L"Edit")
                return TRUE;
            *reinterpret_cast<HWND*>(found) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&edit));
    return edit;
}

// A message box of the setup program: a dialog owned by its window.
HWND boxOwnedBy(HWND owner, int timeoutMs = 10000)
{
    HWND found = nullptr;
    waitUntil(
        [&] {
            for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w && !found;
                 w = FindWindowExW(nullptr, w, L"#32770", nullptr))
                if (GetWindow(w, GW_OWNER) == owner && IsWindowVisible(w))
                    found = w;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

class Setup : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // Trazel Ultor is installed on this machine.
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CLASSES_ROOT, UltorKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
            ERROR_SUCCESS)
            RegCloseKey(key);
    }

    const std::wstring setup = env(L"LT_PACKAGE") + L"\\LearningTrazel-" + Version + L"-setup.exe";
    const std::wstring packageTree = env(L"LT_PACKAGE_TREE") + L"\\TUTOR";
    const std::wstring shortcut = knownFolder(FOLDERID_CommonPrograms) + L"\\Learning Trazel.lnk";
    const std::wstring learnerDir = knownFolder(FOLDERID_LocalAppData) + L"\\Learning Trazel";

    // The installed tree holds the package's files and the uninstaller.
    void expectInstalled(const std::wstring& tutor)
    {
        std::vector<std::wstring> expected = filesIn(packageTree);
        ASSERT_FALSE(expected.empty()) << "the package's tree is missing";
        for (const std::wstring& name : expected)
            EXPECT_TRUE(readFile(tutor + L"\\" + name) == readFile(packageTree + L"\\" + name))
                << "installed differently: " << std::string(name.begin(), name.end());
        expected.push_back(Uninstaller);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(filesIn(tutor), expected);
    }

    // Uninstalls as the installed programs list does it without asking. The
    // uninstaller goes on in a copy of itself, so the end is its last step:
    // the entry in the list disappears.
    void uninstall()
    {
        const std::optional<std::wstring> quiet = uninstallValue(L"QuietUninstallString");
        ASSERT_TRUE(quiet) << "no entry in the installed programs";
        ASSERT_EQ(run(*quiet), 0u);
        ASSERT_TRUE(waitUntil([] { return !uninstallValue(L"DisplayName"); }, 30000)) << "the uninstaller did not end";
    }
};

TEST_F(Setup, InstallsSilentlyForEveryLearnerAndUninstallsKeepingTheirProgress)
{
    const std::wstring trazel = env(L"LT_TRAZEL"), tutor = trazel + L"\\TUTOR";
    ASSERT_TRUE(exists(trazel + L"\\TRZFRAME.EXE"));
    ASSERT_EQ(run(L"\"" + setup + L"\" /S /D=" + trazel), 0u);

    expectInstalled(tutor);
    EXPECT_EQ(versionOf(tutor + L"\\learning-trazel.exe"), Version);
    EXPECT_EQ(versionOf(setup), Version);
    EXPECT_EQ(uninstallValue(L"DisplayName"), L"Learning Trazel");
    EXPECT_EQ(uninstallValue(L"DisplayVersion"), Version);
    EXPECT_EQ(uninstallValue(L"UninstallString"), L"\"" + tutor + L"\\" + Uninstaller + L"\"");

    const Shortcut s = readShortcut(shortcut);
    EXPECT_EQ(s.target, tutor + L"\\learning-trazel-start.exe");
    EXPECT_EQ(s.arguments, L"");
    EXPECT_EQ(s.workingDir, tutor);
    EXPECT_EQ(s.icon, tutor + L"\\learning-trazel.exe,0");
    EXPECT_FALSE(exists(knownFolder(FOLDERID_Programs) + L"\\Learning Trazel.lnk"))
        << "the shortcut is for all users";
    EXPECT_FALSE(exists(learnerDir)) << "setup ran as the administrator, who may not be the learner";

    // The learner starts it from the Start menu. A working directory that
    // could not be written would be reported first; Trazel's question comes.
    uia::Program starter(s.target, s.arguments, s.workingDir);
    std::optional<uia::MessageBoxInfo> question = uia::waitMessageBox(AppTitle, 20000);
    ASSERT_TRUE(question) << "the tutorial did not start";
    EXPECT_EQ(question->text.substr(0, 24), L"Quarn Trazel isn't open.") << "first message: " << question->text;
    ASSERT_TRUE(uia::answer(*question, L"No"));
    HWND intro = uia::waitWindow(FormClass, AppTitle, 20000);
    ASSERT_TRUE(intro) << "the intro did not appear";
    EXPECT_TRUE(waitForFile(learnerDir + L"\\TRAZEL.LRN"));
    EXPECT_TRUE(starter.waitExit(0)) << "the starter stays only until the tutorial runs";

    DWORD pid = 0;
    GetWindowThreadProcessId(intro, &pid);
    HANDLE tutorial = OpenProcess(SYNCHRONIZE, FALSE, pid);
    ASSERT_TRUE(uia::clickButton(intro, L"Quit"));
    const std::optional<uia::MessageBoxInfo> quit = uia::waitMessageBox(AppTitle);
    ASSERT_TRUE(quit);
    ASSERT_TRUE(uia::answer(*quit, L"Yes"));
    EXPECT_EQ(WaitForSingleObject(tutorial, 10000), WAIT_OBJECT_0) << "the tutorial did not end";
    CloseHandle(tutorial);
    writeFile(learnerDir + L"\\TRAZEL.LRN", Progress);

    uninstall();
    EXPECT_FALSE(exists(tutor));
    EXPECT_FALSE(exists(shortcut));
    EXPECT_TRUE(exists(trazel + L"\\TRZFRAME.EXE")) << "Trazel's own files stay";
    EXPECT_EQ(readFile(learnerDir + L"\\TRAZEL.LRN"), Progress);
}

TEST_F(Setup, WarnsWhenTheFolderHasNoTrazelAndInstallsWhenTheLearnerGoesOn)
{
    const std::wstring folder = L"C:\\Quarn\\TRAZEL", tutor = folder + L"\\TUTOR";
    ASSERT_FALSE(exists(folder));
    uia::Program installer(setup, L"");
    // Its pages add a blank to the title: the window is found by its program.
    HWND window = uia::waitWindowOf(installer.pid(), L"#32770", L"", 20000);
    ASSERT_TRUE(window) << "setup showed no window";
    HWND folderBox = editBox(window);
    ASSERT_TRUE(folderBox);
    EXPECT_EQ(uia::text(folderBox), folder) << "the folder offered first";

    for (const wchar_t* answer : {L"No", L"Yes"}) {
        ASSERT_TRUE(uia::clickButton(window, L"Install"));
        HWND box = boxOwnedBy(window);
        ASSERT_TRUE(box) << "no warning before installing " << std::string(folder.begin(), folder.end());
        const uia::MessageBoxInfo warning = uia::readMessageBox(box);
        EXPECT_EQ(warning.title, SetupTitle);
        EXPECT_EQ(warning.text, L"TRZFRAME.EXE isn't in C:\\Quarn\\TRAZEL.\r\n\r\nLearning Trazel starts Trazel from "
                                L"the folder above its own, so its exercises work only when it is installed in "
                                L"Trazel's folder.\r\n\r\nDo you want to install it here anyway?");
        EXPECT_EQ(warning.buttons, (std::vector<std::wstring>{L"Yes", L"No"}));
        EXPECT_EQ(warning.defaultButton, L"No");
        EXPECT_EQ(warning.icon, uia::Icon::Exclamation);
        ASSERT_TRUE(uia::answer(warning, answer));
        if (std::wstring(answer) == L"No") {
            EXPECT_TRUE(IsWindowVisible(folderBox)) << "No keeps the folder page";
            EXPECT_FALSE(exists(tutor)) << "No installs nothing";
        }
    }
    ASSERT_TRUE(waitUntil([&] { return uia::findChild(window, L"Finish", L"Button") != nullptr; }, 30000));
    ASSERT_TRUE(uia::clickButton(window, L"Finish"));
    ASSERT_TRUE(installer.waitExit(10000));
    expectInstalled(tutor);

    // Where its own folder is writable, the tutorial started without the
    // shortcut keeps its progress there; the uninstaller leaves it.
    writeFile(tutor + L"\\TRAZEL.LRN", Progress);
    uninstall();
    EXPECT_EQ(filesIn(tutor), std::vector<std::wstring>{L"TRAZEL.LRN"});
    EXPECT_EQ(readFile(tutor + L"\\TRAZEL.LRN"), Progress);
}

} // namespace
} // namespace e2e
