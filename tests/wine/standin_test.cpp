// The stand-in Trazel as the tutorial meets it: its session frame, the
// design window the frame starts, the host's error box, the Open dialog and
// the key log, all driven through the window system.
#include <algorithm>
#include <cctype>

#include "host/send_keys.h"
#include "installed.h"
#include "platform/win32/key_sender.h"
#include "standin/key_names.h"

namespace e2e {
namespace {

UINT keyFor(char c)
{
    if (c == '.')
        return VK_OEM_PERIOD;
    if (c == '\\')
        return VK_OEM_5;
    return static_cast<UINT>(std::toupper(static_cast<unsigned char>(c)));
}

std::wstring wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// Lets the window's thread finish what it took from its queue: a sent
// message is handled only when the thread next waits for messages.
void settle(HWND w)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

// Under Wine on Xvfb the X focus events that follow a window appearing or
// closing reach the program a moment later and reset its keyboard state
// from the X server's, where no key is held: an Alt pressed just then is
// lost and Alt+F arrives as a plain F (about one time in thirty, measured;
// never in 200 tries after this pause).
void letFocusSettle(HWND w)
{
    Sleep(250);
    settle(w);
}

class Standin : public WithHost {
protected:
    void TearDown() override
    {
        programs_.clear();
        WithHost::TearDown();
    }

    uia::Program& run(const std::wstring& exe, const std::wstring& arguments = L"")
    {
        programs_.push_back(std::make_unique<uia::Program>(hostDir() + L"\\" + exe, arguments, tutorDir()));
        return *programs_.back();
    }

    HWND startFrame()
    {
        HWND frame = uia::waitWindowOf(run(L"TRZFRAME.EXE").pid(), FrameClass, L"Trazel Session");
        letFocusSettle(frame);
        return frame;
    }

    // The frame's File > New, typed as a learner would.
    HWND newDesignWindow(HWND frame)
    {
        uia::pressKey(frame, 'F', true);
        uia::pressKey(frame, 'N');
        HWND design = uia::waitWindow(DesignClass, L"Trazel");
        letFocusSettle(design);
        return design;
    }


    // The log once it has at least `lines` lines.
    std::vector<std::string> keyLogOf(std::size_t lines) const
    {
        waitUntil([&] { return keyLog().size() >= lines; }, 5000);
        return keyLog();
    }

    void type(HWND w, const std::string& text)
    {
        for (char c : text)
            uia::pressKey(w, keyFor(c));
    }

    static std::vector<std::string> typedLines(const std::string& text)
    {
        std::vector<std::string> lines;
        for (char c : text)
            lines.push_back("MaxFrame " + standin::keyName(keyFor(c)));
        return lines;
    }

    // File > Open, the name typed into the dialog and Enter.
    void openByTyping(HWND design, const std::string& name)
    {
        uia::pressKey(design, 'F', true);
        uia::pressKey(design, 'O');
        HWND dialog = uia::waitWindow(L"#32770", L"Open");
        ASSERT_TRUE(dialog);
        type(dialog, name);
        uia::pressKey(dialog, VK_RETURN);
        ASSERT_TRUE(uia::waitGone(dialog));
        letFocusSettle(design);
    }

    static std::wstring statusOf(HWND design)
    {
        return uia::text(FindWindowExW(design, nullptr, L"msctls_statusbar32", nullptr));
    }

    static bool waitTitle(HWND w, const std::wstring& title)
    {
        return waitUntil([&] { return uia::text(w) == title; }, 5000);
    }

private:
    std::vector<std::unique_ptr<uia::Program>> programs_;
};

TEST_F(Standin, FrameOpensADesignWindowAndBothLogTheirKeys)
{
    HWND frame = startFrame();
    ASSERT_TRUE(frame);
    uia::pressKey(frame, VK_ESCAPE);
    uia::pressKey(frame, VK_ESCAPE);
    HWND design = newDesignWindow(frame);
    ASSERT_TRUE(design) << "File > New opens a design window";
    EXPECT_TRUE(IsWindow(frame)) << "the frame stays";

    uia::pressKey(design, VK_F5);
    uia::pressKey(design, VK_OEM_2);
    uia::pressKey(design, 'E', true);
    uia::pressKey(design, VK_ESCAPE);
    uia::pressKey(design, VK_ESCAPE);
    EXPECT_EQ(keyLogOf(9), (std::vector<std::string>{"QaTrazelFrame Esc", "QaTrazelFrame Esc",
                                                       "QaTrazelFrame Alt+F", "QaTrazelFrame N", "MaxFrame F5",
                                                       "MaxFrame /", "MaxFrame Alt+E", "MaxFrame Esc",
                                                       "MaxFrame Esc"}));

    // Exit ends each program.
    uia::pressKey(design, 'F', true);
    uia::pressKey(design, 'X');
    EXPECT_TRUE(uia::waitGone(design));
    letFocusSettle(frame);
    uia::pressKey(frame, 'F', true);
    uia::pressKey(frame, 'X');
    EXPECT_TRUE(uia::waitGone(frame));
}

TEST_F(Standin, TheTutorialsKeySenderDrivesTheFrameMenu)
{
    HWND frame = startFrame();
    ASSERT_TRUE(frame);
    SetForegroundWindow(frame);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == frame; }));
    lt::win32::KeySender sender([] {});
    const auto keys = lt::parseSendKeys("{ESC 2}%(fn)");
    ASSERT_TRUE(keys);
    ASSERT_TRUE(sender.send(*keys));
    // The sender returns once the frame has taken every key from its queue.
    EXPECT_EQ(keyLog(), (std::vector<std::string>{"QaTrazelFrame Esc", "QaTrazelFrame Esc", "QaTrazelFrame Alt+F",
                                                  "QaTrazelFrame Alt+N"}));
    EXPECT_TRUE(uia::waitWindow(DesignClass, L"Trazel"));
}

TEST_F(Standin, WithoutTheDesignProgramTheFrameShowsItsErrorBoxAboveItself)
{
    ASSERT_TRUE(DeleteFileW((hostDir() + L"\\TRAZEL.EXE").c_str()));
    HWND frame = startFrame();
    ASSERT_TRUE(frame);
    uia::pressKey(frame, 'F', true);
    uia::pressKey(frame, 'N');
    HWND boxWindow = uia::waitWindow(L"", L"Quarn Trazel");
    ASSERT_TRUE(boxWindow);
    EXPECT_EQ(GetWindow(frame, GW_HWNDPREV), boxWindow) << "the box stands directly above the frame";
    EXPECT_EQ(GetWindow(boxWindow, GW_OWNER), frame);
    const uia::MessageBoxInfo box = uia::readMessageBox(boxWindow);
    EXPECT_EQ(box.text, L"TRAZEL.EXE wasn't found in " + hostDir() + L". Trazel can't open a design window.");
    EXPECT_EQ(box.buttons, (std::vector<std::wstring>{L"OK"}));
    EXPECT_EQ(box.defaultButton, L"OK");
    EXPECT_EQ(box.icon, uia::Icon::Exclamation);

    uia::pressKey(boxWindow, VK_ESCAPE);
    ASSERT_EQ(keyLogOf(3).back(), "QaTrazelFrame Esc");
    settle(boxWindow);
    EXPECT_TRUE(IsWindowVisible(boxWindow)) << "Esc leaves the box up";
    EXPECT_EQ(GetWindow(frame, GW_HWNDPREV), boxWindow);

    ASSERT_TRUE(uia::clickButton(boxWindow, L"OK"));
    EXPECT_TRUE(uia::waitGone(boxWindow));
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_FALSE(uia::findVisible(DesignClass, L""));
}

TEST_F(Standin, TheOpenDialogOpensEachTutorialBoardByItsTypedName)
{
    HWND design = newDesignWindow(startFrame());
    ASSERT_TRUE(design);
    EXPECT_EQ(statusOf(design), L"Ready");
    for (const char* n : {"1", "2", "3", "4"}) {
        const std::string name = std::string("TUTORBD") + n + ".MAX";
        ASSERT_TRUE(CopyFileW((tutorDir() + L"\\SRCTRZ" + wide(n) + L".MA$").c_str(),
                              (tutorDir() + L"\\" + wide(name)).c_str(), FALSE));
        const std::size_t before = keyLog().size();
        openByTyping(design, name);
        EXPECT_TRUE(waitTitle(design, L"Trazel - " + wide(name))) << name;
        EXPECT_EQ(statusOf(design).rfind(L"Board " + wide(name) + L": ", 0), 0u) << name;

        std::vector<std::string> expected = {"MaxFrame Alt+F", "MaxFrame O"};
        for (const std::string& typed : typedLines(name))
            expected.push_back(typed);
        expected.push_back("MaxFrame Enter");
        const std::vector<std::string> log = keyLogOf(before + expected.size());
        EXPECT_EQ(std::vector<std::string>(log.begin() + static_cast<std::ptrdiff_t>(before), log.end()), expected)
            << name;
    }
}

struct OpenCase {
    const char* name;
    const char* typed;
    const char* content; // written under the typed name; nullptr for none
    const wchar_t* title;
    const wchar_t* status;
    const wchar_t* complaint; // the message box's text after "Can't open <path>."
};

void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

class StandinOpen : public Standin, public ::testing::WithParamInterface<OpenCase> {};

// Each case starts from TUTORBD2.MAX open in the design window.
TEST_P(StandinOpen, WhatTheDesignWindowShows)
{
    const OpenCase& c = GetParam();
    ASSERT_TRUE(CopyFileW((tutorDir() + L"\\SRCTRZ2.MA$").c_str(), (tutorDir() + L"\\TUTORBD2.MAX").c_str(), FALSE));
    CreateDirectoryW((tutorDir() + L"\\SUB").c_str(), nullptr);
    writeFile(tutorDir() + L"\\SUB\\SMALL.MAX", "TRAZEL BOARD\r\nNAME SMALL\r\nOUTLINE 0 0 1000 800\r\n"
                                                "PART U1 SOIC8 500 400 250 240 8 smd\r\nEND\r\n");
    if (c.content)
        writeFile(tutorDir() + L"\\" + wide(c.typed), c.content);
    HWND design = newDesignWindow(startFrame());
    ASSERT_TRUE(design);
    openByTyping(design, "tutorbd2.max");
    ASSERT_TRUE(waitTitle(design, L"Trazel - TUTORBD2.MAX"));

    openByTyping(design, c.typed);
    if (c.complaint) {
        const auto box = uia::waitMessageBox(L"Trazel");
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text, L"Can't open " + tutorDir() + L"\\" + wide(c.typed) + L"." + c.complaint);
        EXPECT_EQ(box->buttons, (std::vector<std::wstring>{L"OK"}));
        uia::pressKey(box->hwnd, VK_ESCAPE);
        EXPECT_TRUE(uia::waitGone(box->hwnd)) << "Esc closes the box";
    }
    settle(design);
    EXPECT_EQ(uia::text(design), c.title);
    EXPECT_EQ(statusOf(design), c.status);
}

const wchar_t* const Board2Status = L"Board TUTORBD2.MAX: 22 components, 23 connections to route";

INSTANTIATE_TEST_SUITE_P(
    Standin, StandinOpen,
    ::testing::Values(
        OpenCase{"ABoardInASubfolder", "sub\\small.max", nullptr, L"Trazel - SMALL.MAX",
                 L"Board SMALL.MAX: 1 component, 0 connections to route", nullptr},
        OpenCase{"ALibraryLeavesTheBoard", "mine.llb",
                 "TRAZEL LIBRARY\r\nNAME MINE\r\nFOOTPRINT SOIC8 8 250 240 smd\r\nFOOTPRINT DIP14 14 750 400 th\r\n"
                 "END\r\n",
                 L"Trazel - TUTORBD2.MAX", L"Library MINE.LLB: 2 footprints", nullptr},
        OpenCase{"ASupportFile", "tutor.sf", "TRAZEL SUPPORT\r\nDESIGNS TUTORBD1 TUTORBD2\r\nEND\r\n",
                 L"Trazel - TUTORBD2.MAX", L"Support file TUTOR.SF: 2 designs", nullptr},
        OpenCase{"AMissingFileChangesNothing", "nosuch.max", nullptr, L"Trazel - TUTORBD2.MAX", Board2Status, L""},
        OpenCase{"AMalformedFileIsRefusedWithItsLine", "bad.max",
                 "TRAZEL BOARD\r\nNAME BAD\r\nOUTLINE 0 0 -5 100\r\nEND\r\n", L"Trazel - TUTORBD2.MAX",
                 Board2Status, L"\n\nLine 3: width must be more than 0"}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

TEST_F(Standin, TheCurrentFolderFollowsTheLastFileOpened)
{
    CreateDirectoryW((tutorDir() + L"\\SUB").c_str(), nullptr);
    const std::string board = "TRAZEL BOARD\r\nNAME X\r\nOUTLINE 0 0 1000 800\r\nEND\r\n";
    writeFile(tutorDir() + L"\\SUB\\FIRST.MAX", board);
    writeFile(tutorDir() + L"\\SUB\\SECOND.MAX", board);
    HWND design = newDesignWindow(startFrame());
    ASSERT_TRUE(design);
    openByTyping(design, "sub\\first.max");
    ASSERT_TRUE(waitTitle(design, L"Trazel - FIRST.MAX"));
    openByTyping(design, "second.max");
    EXPECT_TRUE(waitTitle(design, L"Trazel - SECOND.MAX"));
}

TEST_F(Standin, EscCancelsTheOpenDialogAndCloseClearsTheBoard)
{
    ASSERT_TRUE(CopyFileW((tutorDir() + L"\\SRCTRZ3.MA$").c_str(), (tutorDir() + L"\\TUTORBD3.MAX").c_str(), FALSE));
    // The design program opens the file its command line names.
    HWND design = uia::waitWindowOf(run(L"TRAZEL.EXE", L"TUTORBD3.MAX").pid(), DesignClass, L"Trazel - TUTORBD3.MAX");
    ASSERT_TRUE(design);
    letFocusSettle(design);

    uia::pressKey(design, 'F', true);
    uia::pressKey(design, 'O');
    HWND dialog = uia::waitWindow(L"#32770", L"Open");
    ASSERT_TRUE(dialog);
    uia::pressKey(dialog, 'Q');
    uia::pressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(uia::waitGone(dialog));
    letFocusSettle(design);
    EXPECT_EQ(uia::text(design), L"Trazel - TUTORBD3.MAX");
    EXPECT_EQ(keyLogOf(4), (std::vector<std::string>{"MaxFrame Alt+F", "MaxFrame O", "MaxFrame Q", "MaxFrame Esc"}));

    uia::pressKey(design, 'F', true);
    uia::pressKey(design, 'C');
    EXPECT_TRUE(waitTitle(design, L"Trazel"));
}

} // namespace
} // namespace e2e
