#include <gtest/gtest.h>

#include "uia.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using uia::Icon;

std::string narrow(const std::wstring& s)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring systemDir()
{
    wchar_t dir[MAX_PATH] = {};
    GetSystemDirectoryW(dir, MAX_PATH);
    return dir;
}

std::wstring tempDir()
{
    wchar_t dir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, dir);
    return dir;
}

// Test parameters print as their names in failure messages.
template <class Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

template <class Done>
bool eventually(Done done, int timeoutMs = 5000)
{
    for (int waited = 0; !done(); waited += 20) {
        if (waited >= timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

// ---- Message boxes, shown here and by another program --------------------

enum class Where { ThisProcess, OtherProcess };

void PrintTo(Where where, std::ostream* out)
{
    *out << (where == Where::ThisProcess ? "this process" : "another process");
}

// A standard message box shown either by a thread of the test or by Windows
// Script Host in a process of its own, where icon handles mean nothing to the
// test. Whatever happens, the box is gone when this goes.
class ShownBox {
public:
    ShownBox(Where where, const std::wstring& title, const std::wstring& text, UINT flags) : title_(title)
    {
        if (where == Where::ThisProcess) {
            shown_ = std::async(std::launch::async,
                                [=] { return MessageBoxW(nullptr, text.c_str(), title.c_str(), flags); });
            return;
        }
        script_ = tempDir() + L"uia-box-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(++scripts_) + L".vbs";
        writeScript(L"WScript.Quit MsgBox(" + vbString(text) + L", " + std::to_wstring(flags) + L", " +
                    vbString(title) + L")\r\n");
        auto program = std::make_shared<uia::Program>(systemDir() + L"\\wscript.exe", L"\"" + script_ + L"\"");
        shown_ = std::async(std::launch::async, [program] {
            return program->waitExit(30000) ? static_cast<int>(program->exitCode()) : 0;
        });
    }

    ~ShownBox()
    {
        // A failed test may leave the box up; pressing any of its buttons ends it.
        while (shown_.valid() && shown_.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
            if (HWND box = FindWindowW(L"#32770", title_.c_str()))
                PostMessageW(GetDlgItem(box, firstButton(box)), BM_CLICK, 0, 0);
        if (!script_.empty())
            DeleteFileW(script_.c_str());
    }

    ShownBox(const ShownBox&) = delete;
    ShownBox& operator=(const ShownBox&) = delete;

    // What MessageBox returned: the id of the button pressed; 0 if it has not
    // returned in time. Asked once.
    int result(int timeoutMs = 10000)
    {
        if (shown_.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready)
            return 0;
        return shown_.get();
    }

private:
    static std::wstring vbString(const std::wstring& s)
    {
        std::wstring out = L"\"";
        for (wchar_t c : s) {
            if (c == L'"')
                out += L"\"\"";
            else if (c == L'\n')
                out += L"\" & vbLf & \"";
            else
                out += c;
        }
        return out + L"\"";
    }

    void writeScript(const std::wstring& source) const
    {
        FILE* f = _wfopen(script_.c_str(), L"wb");
        ASSERT_NE(f, nullptr);
        const std::string bytes = narrow(source);
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }

    static int firstButton(HWND box)
    {
        for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
            if (HWND b = GetDlgItem(box, id); b && IsWindowVisible(b))
                return id;
        return IDOK;
    }

    static inline std::atomic<int> scripts_{0};
    std::wstring title_;
    std::wstring script_;
    std::future<int> shown_;
};

struct BoxCase {
    const char* name;
    UINT flags;
    std::vector<std::wstring> buttons;
    std::wstring defaultButton;
    Icon icon;
    std::wstring press;
    int result;
};

class MessageBoxes : public ::testing::TestWithParam<std::tuple<BoxCase, Where>> {};

TEST_P(MessageBoxes, ReadsWhatIsShownAndPressesTheChosenButton)
{
    const auto& [c, where] = GetParam();
    const std::wstring title = L"uia box " + std::wstring(c.name, c.name + strlen(c.name)) +
                               (where == Where::ThisProcess ? L" here" : L" elsewhere");
    const std::wstring text = L"First line & \"quoted\".\nSecond line.";
    ShownBox shown(where, title, text, c.flags);

    const std::optional<uia::MessageBoxInfo> box = uia::waitMessageBox(title);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, title);
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->buttons, c.buttons);
    EXPECT_EQ(box->defaultButton, c.defaultButton);
    EXPECT_EQ(box->icon, c.icon);

    ASSERT_TRUE(uia::answer(*box, c.press));
    EXPECT_EQ(shown.result(), c.result);
    EXPECT_TRUE(uia::waitGone(box->hwnd, 1000));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MessageBoxes,
    ::testing::Combine(
        ::testing::Values(
            BoxCase{"QuestionYesNoSecondDefault", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {L"Yes", L"No"}, L"No",
                    Icon::Question, L"Yes", IDYES},
            BoxCase{"ExclamationOk", MB_OK | MB_ICONEXCLAMATION, {L"OK"}, L"OK", Icon::Exclamation, L"OK", IDOK},
            BoxCase{"InformationYesNoCancel", MB_YESNOCANCEL | MB_ICONINFORMATION, {L"Yes", L"No", L"Cancel"}, L"Yes",
                    Icon::Information, L"&No", IDNO},
            BoxCase{"StopOkCancel", MB_OKCANCEL | MB_ICONHAND, {L"OK", L"Cancel"}, L"OK", Icon::Stop, L"Cancel",
                    IDCANCEL},
            BoxCase{"NoIconRetryCancel", MB_RETRYCANCEL, {L"Retry", L"Cancel"}, L"Retry", Icon::None, L"Retry",
                    IDRETRY},
            BoxCase{"WarningAbortRetryIgnoreThirdDefault", MB_ABORTRETRYIGNORE | MB_ICONWARNING | MB_DEFBUTTON3,
                    {L"Abort", L"Retry", L"Ignore"}, L"Ignore", Icon::Exclamation, L"Retry", IDRETRY}),
        ::testing::Values(Where::ThisProcess, Where::OtherProcess)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == Where::ThisProcess ? "_Here" : "_Elsewhere");
    });

TEST(MessageBoxes, WaitingForOneThatNeverComesGivesNothing)
{
    EXPECT_FALSE(uia::waitMessageBox(L"uia box that is never shown", 200));
}

TEST(MessageBoxes, AnsweringWithAButtonTheBoxLacksFails)
{
    ShownBox shown(Where::ThisProcess, L"uia box lacking", L"Only OK here.", MB_OK);
    const std::optional<uia::MessageBoxInfo> box = uia::waitMessageBox(L"uia box lacking");
    ASSERT_TRUE(box);
    EXPECT_FALSE(uia::answer(*box, L"Cancel"));
    EXPECT_FALSE(uia::waitGone(box->hwnd, 300));
    ASSERT_TRUE(uia::answer(*box, L"OK"));
    EXPECT_EQ(shown.result(), IDOK);
}

// ---- Captions ------------------------------------------------------------

struct CaptionCase {
    const wchar_t* caption;
    const wchar_t* shown;
};

void PrintTo(const CaptionCase& c, std::ostream* out)
{
    *out << '"' << narrow(c.caption) << '"';
}

class AccessKeys : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(AccessKeys, AreRemovedAsTheyAreDrawn)
{
    EXPECT_EQ(uia::withoutAccessKeys(GetParam().caption), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Captions, AccessKeys,
                         ::testing::Values(CaptionCase{L"", L""}, CaptionCase{L"Quit", L"Quit"},
                                           CaptionCase{L"&Quit", L"Quit"},
                                           CaptionCase{L"Delete &Markers", L"Delete Markers"},
                                           CaptionCase{L"Save && Exit", L"Save & Exit"},
                                           CaptionCase{L"&&&Both", L"&Both"}, CaptionCase{L"Trailing&", L"Trailing"},
                                           CaptionCase{L"&", L""}));

// ---- A window of this test, run like another program's ------------------

// A top-level window on its own thread, so the test drives it from outside
// as it would another program's, logging what reaches it. Its controls:
enum : int {
    kQuit = 1,      // "&Quit"
    kOff = 2,       // "&Off", disabled
    kHidden = 3,    // "Hi&dden", not visible
    kQuitLabel = 4, // a static that also reads "&Quit"
    kInner = 5,     // "&Inner", inside a child panel
    kAsk = 6,       // "&Ask", which asks in a message box before it returns
    kEdit = 7,
    kInnerPanel = 8,
};

class Panel {
public:
    Panel()
    {
        std::promise<void> ready;
        std::future<void> created = ready.get_future();
        thread_ = std::thread([this, &ready] { run(ready); });
        created.wait();
    }

    ~Panel()
    {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }

    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND control(int id) const
    {
        return GetDlgItem(id == kInner ? GetDlgItem(hwnd_, kInnerPanel) : hwnd_, id);
    }

    std::vector<std::wstring> events() const
    {
        std::lock_guard lock(mutex_);
        return events_;
    }

    // The log once it holds `count` entries, or as it is after the time-out.
    std::vector<std::wstring> waitEvents(std::size_t count, int timeoutMs = 5000) const
    {
        eventually([&] { return events().size() >= count; }, timeoutMs);
        return events();
    }

private:
    static constexpr const wchar_t* kClass = L"UiaTestPanel";

    void run(std::promise<void>& ready)
    {
        threadId_ = GetCurrentThreadId();
        WNDCLASSW wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
        wc.lpszClassName = kClass;
        RegisterClassW(&wc);
        hwnd_ = CreateWindowW(kClass, L"uia panel", WS_OVERLAPPEDWINDOW, 40, 40, 360, 260, nullptr, nullptr,
                              wc.hInstance, this);
        const auto child = [&](HWND parent, const wchar_t* cls, const wchar_t* caption, DWORD style, int id, int y) {
            return CreateWindowW(cls, caption, WS_CHILD | style, 10, y, 150, 24, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), wc.hInstance, this);
        };
        child(hwnd_, L"Button", L"&Quit", WS_VISIBLE, kQuit, 10);
        child(hwnd_, L"Button", L"&Off", WS_VISIBLE | WS_DISABLED, kOff, 40);
        child(hwnd_, L"Button", L"Hi&dden", 0, kHidden, 70);
        child(hwnd_, L"Static", L"&Quit", WS_VISIBLE, kQuitLabel, 100);
        child(hwnd_, L"Button", L"&Ask", WS_VISIBLE, kAsk, 130);
        child(hwnd_, L"Edit", L"", WS_VISIBLE | WS_BORDER, kEdit, 160);
        HWND inner = CreateWindowW(kClass, L"", WS_CHILD | WS_VISIBLE, 180, 10, 160, 60, hwnd_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kInnerPanel)), wc.hInstance, this);
        child(inner, L"Button", L"&Inner", WS_VISIBLE, kInner, 10);
        ShowWindow(hwnd_, SW_SHOW);
        ready.set_value();

        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            // Access keys press buttons, as in the program's forms.
            if (IsDialogMessageW(hwnd_, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (IsWindow(hwnd_))
            DestroyWindow(hwnd_);
        UnregisterClassW(kClass, wc.hInstance);
    }

    void log(std::wstring event)
    {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }

    static LRESULT CALLBACK proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_NCCREATE)
            SetWindowLongPtrW(w, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
        auto* self = reinterpret_cast<Panel*>(GetWindowLongPtrW(w, GWLP_USERDATA));
        if (!self)
            return DefWindowProcW(w, msg, wp, lp);
        const bool top = (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) == 0;
        switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wp) != BN_CLICKED)
                break;
            self->log(L"clicked " + std::to_wstring(LOWORD(wp)));
            if (LOWORD(wp) == kAsk) {
                const int answer = MessageBoxW(w, L"Sure?", L"uia asks", MB_YESNO | MB_ICONQUESTION);
                self->log(L"asked " + std::to_wstring(answer));
            }
            return 0;
        case WM_SETFOCUS:
            if (!top)
                break;
            // Typing goes to the edit control, as in a dialog.
            SetFocus(GetDlgItem(w, kEdit));
            return 0;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_CLOSE)
                self->log(L"close box");
            if ((wp & 0xFFF0) == SC_KEYMENU) {
                // Logged, not handled: the panel has no menu to open.
                self->log(L"menu key " + std::wstring(1, static_cast<wchar_t>(lp)));
                return 0;
            }
            break;
        case WM_CLOSE:
            self->log(L"close");
            break;
        case WM_QUERYENDSESSION: {
            const int answer = MessageBoxW(w, L"Let the session end?", L"uia session", MB_YESNO | MB_ICONEXCLAMATION);
            self->log(L"asked to end " + std::to_wstring(answer));
            return answer == IDYES;
        }
        case WM_ENDSESSION:
            self->log(L"session ends " + std::to_wstring(wp));
            return 0;
        case WM_DESTROY:
            if (top)
                PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcW(w, msg, wp, lp);
    }

    std::thread thread_;
    std::atomic<DWORD> threadId_{0};
    HWND hwnd_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<std::wstring> events_;
};

struct FindCase {
    const char* name;
    const wchar_t* caption;
    const wchar_t* className;
    int id; // 0: none found
};

class FindChild : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindChild, MatchesCaptionWithoutAccessKeysAndClass)
{
    Panel panel;
    const FindCase& c = GetParam();
    EXPECT_EQ(uia::findChild(panel.hwnd(), c.caption, c.className), c.id ? panel.control(c.id) : nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, FindChild,
    ::testing::Values(FindCase{"PlainCaption", L"Quit", L"", kQuit}, FindCase{"MarkedCaption", L"&Quit", L"", kQuit},
                      FindCase{"ClassNarrowsIt", L"Quit", L"Static", kQuitLabel},
                      FindCase{"ClassIgnoresCase", L"Quit", L"button", kQuit},
                      FindCase{"Nested", L"Inner", L"", kInner}, FindCase{"Disabled", L"Off", L"Button", kOff},
                      FindCase{"OnlyMatchHidden", L"Hidden", L"", kHidden},
                      FindCase{"WrongClass", L"Inner", L"Static", 0}, FindCase{"Missing", L"Exit", L"", 0},
                      FindCase{"PartOfACaption", L"Qui", L"", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindChildren, GivesEveryMatch)
{
    Panel panel;
    EXPECT_EQ(uia::findChildren(panel.hwnd(), L"Quit"),
              (std::vector<HWND>{panel.control(kQuit), panel.control(kQuitLabel)}));
}

struct ClickCase {
    const char* name;
    const wchar_t* caption;
    int clicked; // 0: refused
};

class ClickButton : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ClickButton, PressesOnlyAnEnabledVisibleButton)
{
    Panel panel;
    const ClickCase& c = GetParam();
    EXPECT_EQ(uia::clickButton(panel.hwnd(), c.caption), c.clicked != 0);
    // A click posted by mistake would arrive before this one.
    ASSERT_TRUE(uia::clickButton(panel.hwnd(), L"Quit"));
    std::vector<std::wstring> expected;
    if (c.clicked)
        expected.push_back(L"clicked " + std::to_wstring(c.clicked));
    expected.push_back(L"clicked " + std::to_wstring(kQuit));
    EXPECT_EQ(panel.waitEvents(expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ClickButton,
                         ::testing::Values(ClickCase{"Enabled", L"&Quit", kQuit}, ClickCase{"Nested", L"Inner", kInner},
                                           ClickCase{"Disabled", L"Off", 0}, ClickCase{"Hidden", L"Hidden", 0},
                                           ClickCase{"Missing", L"Exit", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClickButton, ReturnsWhileTheHandlerWaitsForAnAnswer)
{
    Panel panel;
    std::future<bool> clicking = std::async(std::launch::async, [&] { return uia::clickButton(panel.hwnd(), L"Ask"); });
    EXPECT_EQ(clicking.wait_for(std::chrono::seconds(5)), std::future_status::ready) << "it waited for the handler";

    const std::optional<uia::MessageBoxInfo> box = uia::waitMessageBox(L"uia asks");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->icon, Icon::Question);
    ASSERT_TRUE(uia::answer(*box, L"No"));
    EXPECT_TRUE(clicking.get());
    EXPECT_EQ(panel.waitEvents(2), (std::vector<std::wstring>{L"clicked 6", L"asked 7"}));
}

// ---- Closing and ending the session ---------------------------------------

struct CloseCase {
    const char* name;
    void (*close)(HWND);
    std::vector<std::wstring> seen;
};

class Close : public ::testing::TestWithParam<CloseCase> {};

TEST_P(Close, ReachesTheWindowAsItsOwnWayWould)
{
    Panel panel;
    GetParam().close(panel.hwnd());
    EXPECT_TRUE(uia::waitGone(panel.hwnd()));
    EXPECT_EQ(panel.events(), GetParam().seen);
}

INSTANTIATE_TEST_SUITE_P(Ways, Close,
                         ::testing::Values(CloseCase{"CloseBox", uia::closeAsCloseBox, {L"close box", L"close"}},
                                           CloseCase{"OtherProgram", uia::closeByOtherProgram, {L"close"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WaitGone, TimesOutWhileTheWindowStays)
{
    Panel panel;
    EXPECT_FALSE(uia::waitGone(panel.hwnd(), 200));
    ShowWindow(panel.hwnd(), SW_HIDE);
    EXPECT_TRUE(uia::waitGone(panel.hwnd(), 1000));
}

struct SessionCase {
    const char* name;
    const wchar_t* answer;
    bool allowed;
    std::vector<std::wstring> seen;
};

class EndSession : public ::testing::TestWithParam<SessionCase> {};

TEST_P(EndSession, AsksAndEndsOnlyIfAllowed)
{
    Panel panel;
    std::future<bool> ending = uia::endSession(panel.hwnd());
    const std::optional<uia::MessageBoxInfo> box = uia::waitMessageBox(L"uia session");
    ASSERT_TRUE(box);
    EXPECT_EQ(ending.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout)
        << "the question is still open";
    ASSERT_TRUE(uia::answer(*box, GetParam().answer));
    ASSERT_EQ(ending.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(ending.get(), GetParam().allowed);
    EXPECT_EQ(panel.events(), GetParam().seen);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, EndSession,
    ::testing::Values(SessionCase{"Allowed", L"Yes", true, {L"asked to end 6", L"session ends 1"}},
                      SessionCase{"Refused", L"No", false, {L"asked to end 7"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Keys ----------------------------------------------------------------

TEST(PressKey, TypesIntoTheFocusedControl)
{
    Panel panel;
    for (UINT vk : {UINT{'H'}, UINT{'I'}, UINT{VK_LEFT}, UINT{'X'}})
        uia::pressKey(panel.hwnd(), vk);
    EXPECT_TRUE(eventually([&] { return uia::text(panel.control(kEdit)) == L"hxi"; }))
        << narrow(uia::text(panel.control(kEdit)));
}

TEST(PressKey, AltWithALetterPressesTheButtonWithThatAccessKey)
{
    Panel panel;
    uia::pressKey(panel.hwnd(), 'Q', true);
    EXPECT_EQ(panel.waitEvents(1), (std::vector<std::wstring>{L"clicked 1"}));
    EXPECT_EQ(uia::text(panel.control(kEdit)), L"") << "the letter was not typed";
    EXPECT_EQ(GetAsyncKeyState(VK_MENU) & 0x8000, 0) << "Alt was let go";
}

TEST(PressKey, ReachesAnotherProgram)
{
    uia::Program notepad(systemDir() + L"\\notepad.exe", L"");
    HWND w = uia::waitWindowOf(notepad.pid(), L"Notepad", L"");
    ASSERT_NE(w, nullptr);
    for (UINT vk : {UINT{'O'}, UINT{'K'}})
        uia::pressKey(w, vk);
    HWND edit = FindWindowExW(w, nullptr, L"Edit", nullptr);
    EXPECT_TRUE(eventually([&] { return uia::text(edit) == L"ok"; })) << narrow(uia::text(edit));
}

// ---- Programs ------------------------------------------------------------

struct ExitCase {
    const char* name;
    bool inMarkedDir;
    DWORD code;
};

class ProgramExit : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ProgramExit, RunsInTheGivenDirectoryAndGivesItsExitCode)
{
    const std::wstring dir = tempDir() + L"uia-marked-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring marker = dir + L"\\uia-marker.txt";
    CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

    uia::Program cmd(systemDir() + L"\\cmd.exe", L"/c if exist uia-marker.txt (exit 4) else (exit 5)",
                     GetParam().inMarkedDir ? dir : L"");
    EXPECT_TRUE(cmd.waitExit());
    EXPECT_FALSE(cmd.running());
    EXPECT_EQ(cmd.exitCode(), GetParam().code);

    DeleteFileW(marker.c_str());
    RemoveDirectoryW(dir.c_str());
}

INSTANTIATE_TEST_SUITE_P(Dirs, ProgramExit,
                         ::testing::Values(ExitCase{"GivenDirectory", true, 4},
                                           ExitCase{"InheritedDirectory", false, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Program, KillsWhatStillRunsWhenItGoes)
{
    HANDLE process = nullptr;
    {
        uia::Program notepad(systemDir() + L"\\notepad.exe", L"");
        ASSERT_NE(uia::waitWindowOf(notepad.pid(), L"Notepad", L""), nullptr);
        EXPECT_TRUE(notepad.running());
        EXPECT_EQ(notepad.exitCode(), STILL_ACTIVE);
        EXPECT_FALSE(notepad.waitExit(100));
        process = OpenProcess(SYNCHRONIZE, FALSE, notepad.pid());
        ASSERT_NE(process, nullptr);
    }
    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0);
    CloseHandle(process);
}

TEST(Program, ThatCannotStartThrows)
{
    EXPECT_THROW(uia::Program(tempDir() + L"uia-no-such-program.exe", L""), std::system_error);
}

TEST(WaitWindowOf, MatchesOnlyWindowsOfThatProcess)
{
    uia::Program first(systemDir() + L"\\notepad.exe", L"");
    ASSERT_NE(uia::waitWindowOf(first.pid(), L"Notepad", L""), nullptr);
    uia::Program second(systemDir() + L"\\notepad.exe", L"");
    HWND w = uia::waitWindowOf(second.pid(), L"Notepad", L"");
    ASSERT_NE(w, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    EXPECT_EQ(owner, second.pid());
    EXPECT_EQ(uia::findVisibleOf(GetCurrentProcessId(), L"Notepad", L""), nullptr);
    EXPECT_EQ(uia::waitWindowOf(second.pid(), L"Notepad", L"a title it does not have", 200), nullptr);
    EXPECT_NE(uia::findVisible(L"Notepad", uia::text(w)), nullptr);
}

} // namespace
