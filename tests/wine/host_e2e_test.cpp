// Start-up with the stand-in Trazel in the host's directory: the questions,
// the host start and the keys that reach it, and keys that must not.
#include "installed.h"

#include "host/send_keys.h"
#include "platform/win32/key_sender.h"
#include "standin/hang.h"

namespace e2e {
namespace {

std::vector<std::string> repeated(const std::string& line, int times) { return std::vector<std::string>(times, line); }

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class WithTrazel : public WithHost {
protected:
    HWND intro() { return uia::waitWindowOf(program().pid(), FormClass, AppTitle, 20000); }
    // Quits from the intro window.
    void quitFromIntro(HWND window)
    {
        ASSERT_TRUE(uia::clickButton(window, L"Quit"));
        ASSERT_TRUE(uia::answer(box(), L"Yes"));
        ASSERT_TRUE(program().waitExit());
    }
};

TEST_F(WithTrazel, NotRunningAsksToOpenItAndOpensTheStandIn)
{
    start();
    uia::MessageBoxInfo q = box();
    EXPECT_EQ(q.text, L"Quarn Trazel isn't open. Trazel must be open if you want to do the Learning Trazel "
                      L"exercises.\r\n\r\nYou can open Trazel now, or when you do the exercises.\r\n\r\nDo you want "
                      L"to open Trazel now?");
    EXPECT_EQ(q.buttons, (std::vector<std::wstring>{L"Yes", L"No", L"Cancel"}));
    EXPECT_EQ(q.defaultButton, L"Yes");
    EXPECT_EQ(q.icon, uia::Icon::Information);
    ASSERT_TRUE(uia::answer(q, L"Yes"));
    HWND window = intro();
    ASSERT_TRUE(window);
    EXPECT_TRUE(uia::findVisible(FrameClass, L""));
    EXPECT_TRUE(uia::findVisible(DesignClass, L""));
    // Six Esc keys and File > New at the session frame, then six Esc keys at
    // the design window it opened (and six more when the intro raises it).
    const std::vector<std::string> expected = repeated("QaTrazelFrame Esc", 6) +
                                              std::vector<std::string>{"QaTrazelFrame Alt+F", "QaTrazelFrame Alt+N"} +
                                              repeated("MaxFrame Esc", 6);
    ASSERT_TRUE(waitUntil([&] { return keyLog().size() >= expected.size() + 6; }));
    const std::vector<std::string> log = keyLog();
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + static_cast<long>(expected.size())), expected);
    EXPECT_EQ(std::vector<std::string>(log.begin() + static_cast<long>(expected.size()), log.end()),
              repeated("MaxFrame Esc", 6));
    EXPECT_TRUE(exists(tutorDir() + L"\\TUTORBD2.MAX"));
    quitFromIntro(window);
    EXPECT_TRUE(uia::findVisible(DesignClass, L"")) << "quitting the tutorial leaves Trazel open";
}

TEST_F(WithTrazel, OnlyTheDesignWindowRunningAsksNothing)
{
    uia::Program design(hostDir() + L"\\TRAZEL.EXE", L"", hostDir());
    ASSERT_TRUE(uia::waitWindow(DesignClass, L""));
    start();
    HWND window = intro();
    ASSERT_TRUE(window);
    EXPECT_FALSE(uia::waitMessageBox(AppTitle, 200));
    EXPECT_TRUE(waitForFile(tutorDir() + L"\\TUTOR.LLB"));
    quitFromIntro(window);
}

TEST_F(WithTrazel, MissingSessionFrameProgramDisablesTheExercises)
{
    DeleteFileW((hostDir() + L"\\TRZFRAME.EXE").c_str());
    start();
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    uia::MessageBoxInfo missing = box();
    EXPECT_EQ(missing.text, L"Quarn Trazel (TRZFRAME.EXE) wasn't found!\r\n\r\nYou can continue running Learning "
                            L"Trazel, but the Trazel exercises will be disabled.\r\n\r\nDo you want to continue?");
    EXPECT_EQ(missing.buttons, (std::vector<std::wstring>{L"Yes", L"No"}));
    EXPECT_EQ(missing.icon, uia::Icon::Exclamation);
    ASSERT_TRUE(uia::answer(missing, L"Yes"));
    HWND window = intro();
    ASSERT_TRUE(window);
    ASSERT_TRUE(uia::clickButton(window, L"Lesson Menu"));
    HWND menu = waitMenu();
    ASSERT_TRUE(menu);
    // The menu takes its title before the rest of its activation has run.
    EXPECT_TRUE(waitUntil([&] {
        return uia::findChild(menu, L"Place the pointer on a button. Its function displays in the Description frame. "
                                    L"Choose a lesson button to start a lesson.\r\n\r\nThe Trazel exercises for "
                                    L"Learning Trazel are disabled because Trazel isn't available.",
                              L"Static") != nullptr;
    }));
    quitFromMenu(menu);
}

TEST_F(WithTrazel, MissingDesignProgramIsFoundByTheHostsErrorBox)
{
    DeleteFileW((hostDir() + L"\\TRAZEL.EXE").c_str());
    start();
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    uia::MessageBoxInfo missing = box(20000);
    EXPECT_EQ(missing.text, L"Quarn Trazel (TRAZEL.EXE) wasn't found!\r\n\r\nYou can continue running Learning "
                            L"Trazel, but the Trazel exercises will be disabled.\r\n\r\nDo you want to continue?");
    EXPECT_TRUE(uia::findVisible(L"", L"Quarn Trazel")) << "the host's own box is still up";
    ASSERT_TRUE(uia::answer(missing, L"No"));
    EXPECT_TRUE(program().waitExit()) << "No ends the tutorial";
    EXPECT_FALSE(exists(tutorDir() + L"\\TUTORBD1.MAX"));
}

TEST_F(WithTrazel, NoEditionInstalledWelcomesWithoutExercises)
{
    installEdition(L"");
    start();
    uia::MessageBoxInfo missing = box();
    EXPECT_EQ(missing.text, L"Quarn Trazel (TRAZEL.EXE) wasn't found!\r\n\r\nYou can continue running Learning "
                            L"Trazel, but the Trazel exercises will be disabled.\r\n\r\nDo you want to continue?");
    ASSERT_TRUE(uia::answer(missing, L"Yes"));
    HWND window = intro();
    ASSERT_TRUE(window);
    const std::wstring welcome =
        L"Welcome to Learning Trazel. Trazel is the printed circuit board designer of the Quarn(R) family of "
        L"electronic design tools, beside Quarn Skemora(R) for schematics.\r\n\r\nThis tutorial is structured so "
        L"you learn about a tool or process, then you can practice what you learned by doing exercises in "
        L"Trazel.\r\nThe exercises are disabled because Trazel isn't available.\r\n\r\nChoose the Lesson Menu "
        L"button to display the lesson menu.";
    EXPECT_TRUE(uia::findChild(window, welcome, L"Static"));
    EXPECT_FALSE(uia::findVisible(FrameClass, L""));
    quitFromIntro(window);
}

TEST_F(WithTrazel, KeysGoToTrazelOrNowhere)
{
    uia::Program design(hostDir() + L"\\TRAZEL.EXE", L"", hostDir());
    HWND host = uia::waitWindow(DesignClass, L"");
    ASSERT_TRUE(host);
    uia::Program notepad(L"C:\\windows\\notepad.exe", L"");
    HWND stranger = uia::waitWindowOf(notepad.pid(), L"Notepad", L"");
    ASSERT_TRUE(stranger);
    HWND strangersText = FindWindowExW(stranger, nullptr, L"Edit", nullptr);
    const auto keys = lt::parseSendKeys("{ESC 6}abc");
    ASSERT_TRUE(keys);
    const std::vector<std::string> trazel = {"MaxFrame", "QaTrazelFrame"};
    lt::win32::Foreground foreground;
    lt::win32::KeySender sender(foreground);
    const auto strangerInFront = [&] {
        SetForegroundWindow(stranger);
        return waitUntil([&] { return GetForegroundWindow() == stranger; });
    };

    // Trazel is brought forward and gets the keys. A window manager may keep
    // the stranger in front, as openbox does for a program that is not in
    // front itself, or hand the focus back while the keys are on their way:
    // then nothing is typed, or what Trazel did not take is reported.
    ASSERT_TRUE(strangerInFront());
    const lt::KeysOutcome outcome = sender.send(*keys, trazel);
    const std::vector<std::string> all =
        repeated("MaxFrame Esc", 6) + std::vector<std::string>{"MaxFrame A", "MaxFrame B", "MaxFrame C"};
    if (outcome == lt::KeysOutcome::Handled) {
        EXPECT_EQ(keyLog(), all) << "the sender returns once Trazel has handled every key";
    } else {
        EXPECT_STREQ(std::getenv("LT_WINE_WM"), "openbox") << "without a window manager Trazel always comes forward";
    }
    if (outcome == lt::KeysOutcome::NotInFront) {
        EXPECT_TRUE(keyLog().empty());
    }
    EXPECT_EQ(uia::text(strangersText), L"");

    // Trazel stops answering while a stranger is in front: it does not come
    // forward (or, where a window manager hands it the foreground at once, it
    // takes the keys without handling them), and the stranger gets nothing.
    ASSERT_TRUE(strangerInFront());
    PostMessageW(host, standin::hangMessage(), 8000, 0);
    EXPECT_NE(sender.send(*keys, trazel), lt::KeysOutcome::Handled);
    EXPECT_EQ(uia::text(strangersText), L"");

    // Trazel stops answering while it is in front: the keys are typed into
    // it, and the sender gives up waiting for them.
    ASSERT_TRUE(waitUntil([&] { return SetForegroundWindow(host) && GetForegroundWindow() == host; }, 15000));
    PostMessageW(host, standin::hangMessage(), 8000, 0);
    EXPECT_EQ(sender.send(*keys, trazel), lt::KeysOutcome::NotHandled);
    EXPECT_EQ(uia::text(strangersText), L"");
}

} // namespace
} // namespace e2e
