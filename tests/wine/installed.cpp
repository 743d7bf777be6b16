#include "installed.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace e2e {

namespace {

std::wstring env(const wchar_t* name)
{
    const wchar_t* v = _wgetenv(name);
    return v ? v : L"";
}

void copyTree(const std::wstring& from, const std::wstring& to)
{
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW((from + L"\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            copyTree(from + L"\\" + name, to + L"\\" + name);
        else
            CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
    } while (FindNextFileW(h, &data));
    FindClose(h);
}

// Empties a test's folder left by an earlier run of the same test.
void removeTree(const std::wstring& dir)
{
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName, path = dir + L"\\" + name;
            if (name == L"." || name == L"..")
                continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(h, &data));
        FindClose(h);
    }
    SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(dir.c_str());
}

std::wstring testName()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    return std::wstring(name.begin(), name.end());
}

struct ScreenPixels {
    RECT area{};
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>((y - area.top) * (area.right - area.left) + (x - area.left))];
    }
};

ScreenPixels capture(const RECT& area)
{
    ScreenPixels s;
    s.area = area;
    const int w = area.right - area.left, h = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    s.pixels.reserve(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.pixels.push_back(GetPixel(mem, x, y));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return s;
}

// The check mark's green.
bool isTick(COLORREF c) { return GetRValue(c) < 40 && GetGValue(c) > 70 && GetGValue(c) < 130 && GetBValue(c) < 40; }

HWND labelBelow(HWND menu, const RECT& button, const wchar_t* caption)
{
    for (HWND label : uia::findChildren(menu, caption, L"Static")) {
        RECT r;
        GetWindowRect(label, &r);
        if (IsWindowVisible(label) && r.top >= button.bottom && r.top <= button.bottom + 30 && r.left >= button.left &&
            r.left < button.right)
            return label;
    }
    return nullptr;
}

} // namespace

std::string readFile(const std::wstring& path)
{
    std::ifstream f(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void writeFile(const std::wstring& path, const std::string& content)
{
    std::ofstream f(path.c_str(), std::ios::binary | std::ios::trunc);
    f << content;
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int pixels(int twips)
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(twips, dpi, 1440);
}

std::wstring windowsDirectory()
{
    wchar_t buf[MAX_PATH];
    const UINT n = GetWindowsDirectoryW(buf, MAX_PATH);
    return std::wstring(buf, n);
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    for (int waited = 0; !condition(); waited += 20) {
        if (waited >= timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

bool waitForFile(const std::wstring& path, int timeoutMs)
{
    return waitUntil([&] { return exists(path); }, timeoutMs);
}

Markers markersOf(HWND menu, const std::wstring& lessonCaption)
{
    HWND button = uia::findChild(menu, lessonCaption, L"Button");
    if (!button)
        return {};
    SetForegroundWindow(menu);
    RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    RECT b;
    GetWindowRect(button, &b);
    HWND lessonLabel = labelBelow(menu, b, L"Lesson");
    HWND exercisesLabel = labelBelow(menu, b, L"Exercises");
    if (!lessonLabel || !exercisesLabel)
        return {};
    RECT l, e;
    GetWindowRect(lessonLabel, &l);
    GetWindowRect(exercisesLabel, &e);
    const RECT area = {l.left, b.bottom, b.right, std::max(l.bottom, e.bottom)};
    const ScreenPixels shot = capture(area);
    Markers m;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (isTick(shot.at(x, y)))
                (x < e.left ? m.lesson : m.exercises) = true;
    return m;
}

void InstalledTutorial::installEdition(const std::wstring& key)
{
    for (const wchar_t* k : {L"QuarnTrazelStd9.20", L"QuarnTrazelKmEd9.20", L"QuarnTrazelUltor9.20"})
        RegDeleteKeyW(HKEY_CLASSES_ROOT, k);
    if (key.empty())
        return;
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) == ERROR_SUCCESS)
        RegCloseKey(h);
}

void InstalledTutorial::SetUp()
{
    installEdition(UltorKey);
    root_ = env(L"LT_SCRATCH") + L"\\" + testName();
    removeTree(root_);
    CreateDirectoryW(root_.c_str(), nullptr);
    hostDir_ = root_ + L"\\TRAZEL";
    copyTree(env(L"LT_STAGE"), hostDir_);
    ASSERT_TRUE(exists(tutorDir() + L"\\learning-trazel.exe")) << "the installed tree is missing";
}

void InstalledTutorial::TearDown()
{
    if (program_ && program_->running()) {
        ADD_FAILURE() << "the program was still running at the end of the test";
        program_.reset();
    }
    // A left-over box or window of this test must not meet the next one.
    for (int i = 0; i < 50 && (uia::findVisible(L"", AppTitle) || uia::findVisible(FormClass, L"")); ++i)
        Sleep(20);
}

uia::Program& InstalledTutorial::start(const std::wstring& arguments)
{
    program_ = std::make_unique<uia::Program>(tutorDir() + L"\\learning-trazel.exe", arguments, tutorDir());
    return *program_;
}

HWND InstalledTutorial::continueToMenu()
{
    HWND intro = nullptr;
    waitUntil(
        [&] {
            if (auto question = uia::waitMessageBox(AppTitle, 0)) {
                if (question->text.rfind(L"Quarn Trazel isn't open.", 0) == 0)
                    uia::answer(*question, L"No");
                return false;
            }
            intro = uia::findVisibleOf(program_->pid(), FormClass, AppTitle);
            return intro != nullptr;
        },
        15000);
    if (!intro) {
        ADD_FAILURE() << "the intro window did not appear";
        return nullptr;
    }
    EXPECT_TRUE(uia::clickButton(intro, L"Lesson Menu"));
    return waitMenu();
}

HWND InstalledTutorial::waitMenu(int timeoutMs)
{
    return uia::waitWindowOf(program_->pid(), FormClass, MenuTitle, timeoutMs);
}

std::string InstalledTutorial::onScreen()
{
    std::wstring list;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!IsWindowVisible(w))
            continue;
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        list += L"  " + std::wstring(cls) + L" \"" + uia::text(w) + L"\"";
        if (HWND message = FindWindowExW(w, nullptr, L"Static", nullptr); message && wcscmp(cls, L"#32770") == 0)
            for (HWND c = message; c; c = FindWindowExW(w, c, L"Static", nullptr))
                list += L" " + uia::text(c);
        list += L"\n";
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, list.data(), static_cast<int>(list.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, list.data(), static_cast<int>(list.size()), utf8.data(), n, nullptr, nullptr);
    return utf8;
}

uia::MessageBoxInfo InstalledTutorial::box(int timeoutMs)
{
    auto b = uia::waitMessageBox(AppTitle, timeoutMs);
    if (!b) {
        ADD_FAILURE() << "no message box titled Learning Trazel appeared";
        return {};
    }
    return *b;
}

void InstalledTutorial::quitFromMenu(HWND menu)
{
    ASSERT_TRUE(uia::clickButton(menu, L"Quit"));
    uia::MessageBoxInfo question = box();
    ASSERT_EQ(question.text, L"Do you want to quit Learning Trazel?");
    ASSERT_TRUE(uia::answer(question, L"Yes"));
    ASSERT_TRUE(program_->waitExit(10000)) << "the program did not end after Quit";
}

void InstalledTutorial::quitSavingFromMenu(HWND menu)
{
    ASSERT_TRUE(uia::clickButton(menu, L"Quit"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    ASSERT_TRUE(program_->waitExit(10000)) << "the program did not end after Quit";
}

void WithHost::SetUp()
{
    InstalledTutorial::SetUp();
    keyLog_ = scratch(L"keys.log");
    DeleteFileW(keyLog_.c_str());
    // The tutorial and the programs it starts inherit the variable.
    SetEnvironmentVariableW(L"TRAZEL_KEYLOG", keyLog_.c_str());
}

void WithHost::TearDown()
{
    for (const wchar_t* cls : {DesignClass, FrameClass})
        for (int i = 0; i < 10; ++i) {
            HWND w = FindWindowW(cls, nullptr);
            DWORD pid = 0;
            if (!w || !GetWindowThreadProcessId(w, &pid))
                break;
            if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
                TerminateProcess(p, 1);
                WaitForSingleObject(p, 5000);
                CloseHandle(p);
            }
            uia::waitGone(w, 5000);
        }
    SetEnvironmentVariableW(L"TRAZEL_KEYLOG", nullptr);
    InstalledTutorial::TearDown();
}

std::vector<std::string> WithHost::keyLog() const
{
    std::vector<std::string> lines;
    const std::string text = readFile(keyLog_);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace e2e
