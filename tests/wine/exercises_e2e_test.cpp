// The exercises end to end with the stand-in Trazel: a lesson's Exercises
// button starts Trazel and opens the steps window, whose pages make Trazel
// open the tutorial design and move its view; the last page marks the
// lesson's exercises, and the saved progress file says so.
#include "installed.h"

#include <algorithm>

#include "host/send_keys.h"
#include "standin/key_names.h"

namespace e2e {
namespace {

constexpr wchar_t StepsTitle[] = L"Trazel Exercises";

class Exercises : public WithHost {
protected:
    // Opens a lesson from the menu and starts its exercises from the palette.
    HWND startExercises(HWND menu, const std::wstring& lessonName)
    {
        EXPECT_TRUE(uia::clickButton(menu, lessonName));
        HWND lesson = uia::waitWindowOf(program().pid(), FormClass, L"Learning Trazel - " + lessonName);
        EXPECT_TRUE(lesson);
        EXPECT_TRUE(uia::clickButton(lesson, L"Controls"));
        EXPECT_TRUE(uia::clickButton(lesson, L"Exercises"));
        uia::MessageBoxInfo q = box();
        EXPECT_EQ(q.text, L"Do you want to quit this lesson and start the Trazel exercises?");
        EXPECT_TRUE(uia::answer(q, L"Yes"));
        HWND steps = uia::waitWindowOf(program().pid(), FormClass, StepsTitle, 20000);
        if (!steps)
            ADD_FAILURE() << "no steps window; on the screen:\n" << onScreen();
        return steps;
    }
    static HWND pageOf(HWND steps) { return FindWindowExW(steps, nullptr, L"Edit", nullptr); }
    static std::wstring page(HWND steps) { return uia::text(pageOf(steps)); }
    // Presses Exercise and waits for the next page (the page is empty while
    // the press prepares Trazel).
    static bool next(HWND steps)
    {
        const std::wstring before = page(steps);
        return uia::clickButton(steps, L"Exercise") && waitUntil([&] {
                   const std::wstring now = page(steps);
                   return now != before && !now.empty();
               }, 15000);
    }
    // How the key log writes the keys a string types into the design window.
    static std::vector<std::string> atDesign(const std::string& keys)
    {
        const std::vector<lt::Keystroke> strokes = lt::parseSendKeys(keys).value();
        std::vector<std::string> lines;
        for (const lt::Keystroke& k : strokes) {
            const SHORT scan = k.vk ? k.vk : VkKeyScanW(static_cast<wchar_t>(k.ch));
            const standin::Modifiers held{(k.modifiers & lt::mod::Ctrl) != 0, (k.modifiers & lt::mod::Alt) != 0,
                                          (k.modifiers & lt::mod::Shift) != 0 || (!k.vk && (scan & 0x100))};
            lines.push_back(standin::keyLogLine("MaxFrame", held, static_cast<unsigned>(scan & 0xFF)));
        }
        return lines;
    }
    // The last lines of the key log, once there are at least n.
    std::vector<std::string> logTail(std::size_t n)
    {
        waitUntil([&] { return keyLog().size() >= n; });
        const std::vector<std::string> log = keyLog();
        return {log.end() - static_cast<long>(std::min(n, log.size())), log.end()};
    }
};

TEST_F(Exercises, Lesson9FromItsPaletteToTheSavedExercisesMark)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND steps = startExercises(menu, L"Finishing the design");
    ASSERT_TRUE(steps) << "the steps window opens once Trazel runs";
    HWND design = uia::waitWindow(L"MaxFrame", L"");
    ASSERT_TRUE(design);
    EXPECT_EQ(page(steps).rfind(L"\r\n=========================\r\nIMPORTANT\r\n=========================\r\n\r\n", 0),
              0u);
    EXPECT_TRUE(waitUntil([&] { return (GetWindowLongPtrW(steps, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }))
        << "always on top, as its check box says";
    EXPECT_EQ(GetMenuState(GetSystemMenu(steps, FALSE), SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1))
        << "no Close command";

    ASSERT_TRUE(next(steps));
    ASSERT_TRUE(next(steps));
    EXPECT_NE(page(steps).find(L"--- TUTORBD3.MAX ---"), std::wstring::npos);
    EXPECT_TRUE(waitUntil([&] { return uia::text(design) == L"Trazel - TUTORBD3.MAX"; }, 15000))
        << "Trazel opened the library and then the design from the working directory; it received:\n"
        << testing::PrintToString(keyLog());

    ASSERT_TRUE(next(steps));
    EXPECT_EQ(page(steps).rfind(L"\r\nExercise 1 of 2 -- ", 0), 0u);
    const std::vector<std::string> view = atDesign("+{HOME}{BACKSPACE}{i 2}^f1025,4525{Enter}{ESC}{home}");
    EXPECT_EQ(logTail(view.size()), view) << "the keys that put the view on U12";
    ASSERT_TRUE(next(steps));
    EXPECT_NE(page(steps).find(L"Choose the Lesson Menu button."), std::wstring::npos);
    HWND exercise = uia::findChild(steps, L"Exercise", L"Button");
    ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(exercise); }));

    ASSERT_TRUE(uia::clickButton(steps, L"Lesson Menu"));
    ASSERT_TRUE(uia::waitGone(steps));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(menu) != FALSE; }));
    EXPECT_FALSE(uia::waitMessageBox(AppTitle, 200)) << "finished exercises are left without a question";
    const Markers marks = markersOf(menu, L"Finishing the design");
    EXPECT_FALSE(marks.lesson);
    EXPECT_TRUE(marks.exercises);
    EXPECT_TRUE(uia::findVisible(L"MaxFrame", L"")) << "Trazel stays open";

    quitSavingFromMenu(menu);
    EXPECT_EQ(readFile(tutorDir() + L"\\TRAZEL.LRN"), "0,0,0,0,0,0,0,0,2,0,0,0,0,0,0\r\n");
}

TEST_F(Exercises, TheWindowKeepsItsWidthAndItsSmallestHeight)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND steps = startExercises(menu, L"Autorouting");
    ASSERT_TRUE(steps);
    RECT before;
    GetWindowRect(steps, &before);
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_NEAR(before.right, screen - pixels(50), 2) << "at the right edge of the screen, 50 twips in";
    EXPECT_NEAR(before.top, pixels(50), 2);
    MoveWindow(steps, before.left - 200, before.top, 500, 100, TRUE);
    ASSERT_TRUE(waitUntil([&] {
        RECT r;
        GetWindowRect(steps, &r);
        return r.right - r.left == before.right - before.left && r.bottom - r.top == pixels(3000);
    })) << "the width snaps back and the height grows to its smallest";

    const auto topmost = [&] { return (GetWindowLongPtrW(steps, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    ASSERT_TRUE(uia::clickButton(steps, L"Always on top"));
    EXPECT_TRUE(waitUntil([&] { return !topmost(); })) << "cleared, the window goes back among the others";
    // Checked again, it brings Trazel forward, and the window answers once
    // Trazel has come.
    ASSERT_TRUE(uia::clickButton(steps, L"Always on top"));
    EXPECT_TRUE(waitUntil(topmost));
    ASSERT_TRUE(uia::clickButton(steps, L"Quit"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    ASSERT_TRUE(program().waitExit());
}

// Pointing at the on-top option only describes it; it does not take the
// front from the window the learner is working in.
TEST_F(Exercises, PointingAtTheOnTopOptionOnlyDescribesIt)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND steps = startExercises(menu, L"Autorouting");
    ASSERT_TRUE(steps);
    ASSERT_TRUE(uia::waitWindow(L"MaxFrame", L""));
    // Opening, the steps window raises Trazel and closes what it has open,
    // after the start's own Esc keys: six and six.
    const std::vector<std::string> escapes = atDesign("{ESC 12}");
    ASSERT_TRUE(waitUntil([&] {
        const std::vector<std::string> log = keyLog();
        return log.size() >= escapes.size() && std::equal(escapes.begin(), escapes.end(), log.end() - static_cast<long>(escapes.size()));
    }, 15000)) << testing::PrintToString(keyLog());
    // Then the learner has clicked into the steps window, which stays in front.
    ASSERT_TRUE(waitUntil([&] {
        SetForegroundWindow(steps);
        Sleep(300);
        return GetForegroundWindow() == steps;
    }));
    HWND check = uia::findChild(steps, L"Always on top", L"Button");
    ASSERT_TRUE(check);
    uia::moveMouseOver(check);
    EXPECT_TRUE(waitUntil([&] { return uia::findChild(steps, L"On-top window -- Enabled.", L"Static") != nullptr; }))
        << "the description line says what the option does";
    Sleep(500);
    EXPECT_EQ(GetForegroundWindow(), steps) << "Trazel is not brought forward";
    ASSERT_TRUE(uia::clickButton(steps, L"Quit"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    ASSERT_TRUE(program().waitExit());
}

TEST_F(Exercises, TrazelClosedDuringTheExercisesLeadsBackToTheMenu)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND steps = startExercises(menu, L"Autoplacement");
    ASSERT_TRUE(steps);
    HWND design = uia::waitWindow(L"MaxFrame", L"");
    ASSERT_TRUE(design);
    uia::closeAsCloseBox(design);
    ASSERT_TRUE(uia::waitGone(design));
    ASSERT_TRUE(uia::clickButton(steps, L"Exercise")) << "pressed once it is enabled";
    uia::MessageBoxInfo gone = box();
    EXPECT_EQ(gone.text, L"Trazel isn't running! Learning Trazel will return to the lesson menu.\r\n\r\nIf Trazel was "
                         L"terminated before you finished the exercises, choose the lesson you were running and "
                         L"choose Exercises to restart Trazel and the exercises.");
    EXPECT_EQ(gone.icon, uia::Icon::Stop);
    ASSERT_TRUE(uia::answer(gone, L"OK"));
    ASSERT_TRUE(uia::waitGone(steps));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(menu) != FALSE; }));
    EXPECT_EQ(uia::text(menu), MenuTitle);
    quitFromMenu(menu);
}

TEST_F(Exercises, TheEndOfALessonOffersItsExercises)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(uia::clickButton(menu, L"Autorouting"));
    HWND lesson = uia::waitWindowOf(program().pid(), FormClass, L"Learning Trazel - Autorouting");
    ASSERT_TRUE(lesson);
    for (int press = 1; press <= 11; ++press) {
        ASSERT_TRUE(uia::clickButton(lesson, L"Continue")) << "press " << press;
        if (press < 11) {
            ASSERT_FALSE(uia::waitMessageBox(AppTitle, 50)) << "a message before the end, press " << press;
        }
    }
    uia::MessageBoxInfo offer = box();
    EXPECT_EQ(offer.text, L"Now you can practice what you've learned by doing some exercises in Trazel. When Trazel "
                          L"displays, follow the instructions in the Trazel Exercises window.\r\n\r\nDo you want to "
                          L"do the exercises?");
    ASSERT_TRUE(uia::answer(offer, L"Yes"));
    HWND steps = uia::waitWindowOf(program().pid(), FormClass, StepsTitle, 20000);
    ASSERT_TRUE(steps) << "Trazel starts and the steps window opens; on the screen:\n" << onScreen();
    EXPECT_TRUE(uia::waitGone(lesson));
    EXPECT_TRUE(uia::findVisible(L"MaxFrame", L""));
    ASSERT_TRUE(uia::clickButton(steps, L"Lesson Menu"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(menu) != FALSE; }));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == menu; }, 3000)) << "the menu comes in front of Trazel";
    EXPECT_TRUE(waitUntil([&] { return markersOf(menu, L"Autorouting").lesson; }, 3000));
    EXPECT_FALSE(markersOf(menu, L"Autorouting").exercises);
    quitSavingFromMenu(menu);
    EXPECT_EQ(readFile(tutorDir() + L"\\TRAZEL.LRN"), "0,0,0,0,0,1,0,0,0,0,0,0,0,0,0\r\n")
        << "the lesson is done, its exercises are not";
}

TEST_F(Exercises, AMissingDesignFileIsNamedAndTheMenuComesBack)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND steps = startExercises(menu, L"Enhanced routing");
    ASSERT_TRUE(steps);
    ASSERT_TRUE(next(steps));
    ASSERT_TRUE(waitUntil([&] { return DeleteFileW((tutorDir() + L"\\TUTORBD4.MAX").c_str()) != FALSE; }))
        << "deleted once Trazel has let go of it";
    ASSERT_TRUE(uia::clickButton(steps, L"Exercise"));
    uia::MessageBoxInfo missing = box();
    EXPECT_NE(missing.text.find(L"\\TUTORBD4.MAX\r\n\r\nThis tutorial file wasn't found! The Learning Trazel "
                                L"tutorial source files may need to be reinstalled."),
              std::wstring::npos)
        << std::string(missing.text.begin(), missing.text.end());
    EXPECT_EQ(missing.icon, uia::Icon::Exclamation);
    EXPECT_TRUE(IsIconic(steps)) << "the steps window makes way for the message";
    ASSERT_TRUE(uia::answer(missing, L"OK"));
    ASSERT_TRUE(uia::waitGone(steps));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(menu) != FALSE; }));
    EXPECT_TRUE(waitForFile(tutorDir() + L"\\TUTORBD4.MAX")) << "the menu copies the work files afresh";
    HWND design = uia::findVisible(L"MaxFrame", L"");
    EXPECT_EQ(uia::text(design), L"Trazel") << "nothing was opened in Trazel";
    quitFromMenu(menu);
}

} // namespace
} // namespace e2e
