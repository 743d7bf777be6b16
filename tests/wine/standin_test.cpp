// The stand-in Trazel as a person uses it: the design window the session
// frame starts, its Open dialog with what each kind of file shows, Esc and
// Close, all driven through the window system.
#include <algorithm>
#include <cctype>

#include "installed.h"

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
        OpenCase{"ALibraryLeavesTheBoard", "mine.llb",
                 "TRAZEL LIBRARY\r\nNAME MINE\r\nFOOTPRINT SOIC8 8 250 240 smd\r\nFOOTPRINT DIP14 14 750 400 th\r\n"
                 "END\r\n",
                 L"Trazel - TUTORBD2.MAX", L"Library MINE.LLB: 2 footprints", nullptr},
        OpenCase{"AMalformedFileIsRefusedWithItsLine", "bad.max",
                 "TRAZEL BOARD\r\nNAME BAD\r\nOUTLINE 0 0 -5 100\r\nEND\r\n", L"Trazel - TUTORBD2.MAX",
                 Board2Status, L"\n\nLine 3: width must be more than 0"}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

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
