// The installed program under Wine, driven through the real window system.
#include "installed.h"

namespace e2e {
namespace {

using uia::Icon;

const std::string Fifteen0 = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";

class Tutorial : public InstalledTutorial {};

TEST_F(Tutorial, NewWorkingDirectoryGetsAnEmptyProgressFile)
{
    const std::wstring work = scratch(L"fresh");
    CreateDirectoryW(work.c_str(), nullptr);
    HWND menu = startToMenu(L"-i " + work + L"\\");
    ASSERT_TRUE(menu);
    EXPECT_TRUE(exists(work + L"\\TRAZEL.LRN"));
    EXPECT_EQ(readFile(work + L"\\TRAZEL.LRN"), "");
    // The menu's activation copies the work files there.
    ASSERT_TRUE(waitForFile(work + L"\\TUTORBD1.MAX"));
    EXPECT_EQ(readFile(work + L"\\TUTORBD1.MAX"), readFile(tutorDir() + L"\\SRCTRZ1.MA$"));
    EXPECT_FALSE(exists(tutorDir() + L"\\TRAZEL.LRN"));
    quitFromMenu(menu);
    EXPECT_TRUE(exists(work + L"\\TRAZEL.LRN"));
    EXPECT_FALSE(exists(work + L"\\TUTORBD1.MAX"));
}

TEST_F(Tutorial, MarkersFromTheFileAndDeleteMarkers)
{
    writeFile(tutorDir() + L"\\TRAZEL.LRN", "3,0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n");
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    struct Expect {
        const wchar_t* lesson;
        bool lessonDone, exercisesDone;
    };
    for (const Expect& e : {Expect{L"Introducing Trazel", true, true}, Expect{L"Enhanced routing", true, false},
                            Expect{L"Autorouting", false, false}}) {
        const Markers m = markersOf(menu, e.lesson);
        EXPECT_EQ(m.lesson, e.lessonDone) << std::string(e.lesson, e.lesson + wcslen(e.lesson));
        EXPECT_EQ(m.exercises, e.exercisesDone) << std::string(e.lesson, e.lesson + wcslen(e.lesson));
    }

    ASSERT_TRUE(uia::clickButton(menu, L"Delete Markers"));
    uia::MessageBoxInfo q = box();
    EXPECT_EQ(q.text, L"Do you want to delete all progress markers from the lesson menu?");
    EXPECT_EQ(q.buttons, (std::vector<std::wstring>{L"Yes", L"No"}));
    EXPECT_EQ(q.defaultButton, L"Yes");
    EXPECT_EQ(q.icon, Icon::Question);
    ASSERT_TRUE(uia::answer(q, L"Yes"));
    ASSERT_TRUE(uia::waitGone(q.hwnd));
    for (int i = 0; i < 100 && readFile(tutorDir() + L"\\TRAZEL.LRN") != Fifteen0; ++i)
        Sleep(20);
    EXPECT_EQ(readFile(tutorDir() + L"\\TRAZEL.LRN"), Fifteen0);
    EXPECT_FALSE(markersOf(menu, L"Introducing Trazel").lesson);
    EXPECT_FALSE(IsWindowEnabled(uia::findChild(menu, L"Delete Markers")));
    quitFromMenu(menu);
}

TEST_F(Tutorial, QuitWithUnchangedProgressAsksOnceAndCleansUp)
{
    writeFile(tutorDir() + L"\\TRAZEL.LRN", "1,1,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(waitForFile(tutorDir() + L"\\TUTOR.LLB"));
    for (const wchar_t* byProduct : {L"BACKUP1.MAX", L"PLACE2.MAX", L"TRAZEL.LOG", L"TUTORSCH.DBK", L"DESIGN.OPJ"})
        writeFile(tutorDir() + L"\\" + byProduct, "by-product");
    writeFile(tutorDir() + L"\\NOTES.TXT", "the learner's own");

    ASSERT_TRUE(uia::clickButton(menu, L"Quit"));
    uia::MessageBoxInfo q = box();
    EXPECT_EQ(q.text, L"Do you want to quit Learning Trazel?");
    EXPECT_EQ(q.buttons, (std::vector<std::wstring>{L"Yes", L"No"}));
    EXPECT_EQ(q.defaultButton, L"Yes");
    EXPECT_EQ(q.icon, Icon::Question);
    ASSERT_TRUE(uia::answer(q, L"Yes"));
    ASSERT_TRUE(program().waitExit());
    EXPECT_FALSE(uia::waitMessageBox(AppTitle, 300)) << "only one question is asked";

    for (const wchar_t* gone : {L"TUTORBD1.MAX", L"TUTORBD2.MAX", L"TUTORBD3.MAX", L"TUTORBD4.MAX", L"TUTOR.SF",
                                L"TUTOR.LLB", L"BACKUP1.MAX", L"PLACE2.MAX", L"TRAZEL.LOG", L"TUTORSCH.DBK",
                                L"DESIGN.OPJ"})
        EXPECT_FALSE(exists(tutorDir() + L"\\" + gone)) << std::string(gone, gone + wcslen(gone));
    EXPECT_EQ(readFile(tutorDir() + L"\\TRAZEL.LRN"), "1,1,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_TRUE(exists(tutorDir() + L"\\NOTES.TXT"));
    EXPECT_TRUE(exists(tutorDir() + L"\\SRCTRZ7.LL$"));
}

TEST_F(Tutorial, CloseBoxWithNoKeepsTheMenu)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(waitForFile(tutorDir() + L"\\TUTORBD1.MAX"));
    uia::closeAsCloseBox(menu);
    uia::MessageBoxInfo q = box();
    EXPECT_EQ(q.text, L"Do you want to quit Learning Trazel?");
    ASSERT_TRUE(uia::answer(q, L"No"));
    ASSERT_TRUE(uia::waitGone(q.hwnd));
    Sleep(300);
    EXPECT_TRUE(program().running());
    EXPECT_TRUE(IsWindowVisible(menu));
    EXPECT_TRUE(exists(tutorDir() + L"\\TUTORBD1.MAX"));
    quitFromMenu(menu);
}

TEST_F(Tutorial, SecondCopyBringsTheFirstForwardAndEnds)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    ShowWindow(menu, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(menu));

    uia::Program second(tutorDir() + L"\\learning-trazel.exe", L"", tutorDir());
    ASSERT_TRUE(second.waitExit(15000)) << "the second copy must end by itself";
    EXPECT_FALSE(IsIconic(menu));
    EXPECT_EQ(GetForegroundWindow(), menu);
    EXPECT_EQ(uia::findVisible(FormClass, MenuTitle), menu) << "the second copy showed no window of its own";
    quitFromMenu(menu);
}

TEST_F(Tutorial, MissingOptionDirectoryFallsBackToTheWindowsDirectory)
{
    const std::wstring windows = windowsDirectory();
    DeleteFileW((windows + L"\\TRAZEL.LRN").c_str());
    start(L"/i " + scratch(L"no such folder"));
    uia::MessageBoxInfo m = box(15000);
    std::wstring upper = scratch(L"no such folder");
    CharUpperW(upper.data());
    EXPECT_EQ(m.text, L"Unable to open " + upper +
                          L" for writing. An invalid or read-only directory may be specified for the Trazel "
                          L"tutorial.\r\n\r\nThe tutorial progress file and exercises files will be placed in the "
                          L"Windows directory.");
    EXPECT_EQ(m.buttons, (std::vector<std::wstring>{L"OK"}));
    EXPECT_EQ(m.icon, Icon::Information);
    ASSERT_TRUE(uia::answer(m, L"OK"));
    HWND menu = continueToMenu();
    ASSERT_TRUE(menu);
    EXPECT_TRUE(exists(windows + L"\\TRAZEL.LRN"));
    EXPECT_TRUE(waitForFile(windows + L"\\TUTORBD2.MAX"));
    EXPECT_FALSE(exists(tutorDir() + L"\\TRAZEL.LRN")) << "the option clears the program's own directory";
    quitFromMenu(menu);
    EXPECT_FALSE(exists(windows + L"\\TUTORBD2.MAX"));
    DeleteFileW((windows + L"\\TRAZEL.LRN").c_str());
}

TEST_F(Tutorial, SessionEndWithUnchangedProgressAsksNothing)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(waitForFile(tutorDir() + L"\\TUTORBD3.MAX"));
    std::future<bool> allowed = uia::endSession(menu);
    ASSERT_EQ(allowed.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_TRUE(allowed.get());
    EXPECT_TRUE(program().waitExit());
    EXPECT_FALSE(exists(tutorDir() + L"\\TUTORBD1.MAX"));
}

TEST_F(Tutorial, ClosedByAnotherProgramEndsAndCleansUp)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(waitForFile(tutorDir() + L"\\TUTORBD3.MAX"));
    uia::closeByOtherProgram(menu);
    EXPECT_TRUE(program().waitExit());
    EXPECT_FALSE(exists(tutorDir() + L"\\TUTORBD3.MAX"));
}

TEST_F(Tutorial, F1OpensHelpAndQuitClosesIt)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    uia::pressKey(menu, VK_F1);
    HWND help = uia::waitWindow(L"", L"Help for Learning Trazel");
    ASSERT_TRUE(help);
    quitFromMenu(menu);
    EXPECT_FALSE(IsWindow(help));
}

// Help reads its file afresh each time: missing or damaged, the learner is
// told which file, and the tutorial goes on; put back, it shows again.
TEST_F(Tutorial, AMissingOrDamagedHelpFileIsToldAndTheTutorialGoesOn)
{
    const std::wstring helpFile = tutorDir() + L"\\TRZTUTOR.HLP";
    const std::string good = readFile(helpFile);
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    const struct {
        std::string content; // empty: no file
        const wchar_t* told;
    } cases[] = {{"", L""}, {"#1000\n", L"\r\n\r\nhelp file line 1: topic 1000 needs a title"}};
    for (const auto& c : cases) {
        DeleteFileW(helpFile.c_str());
        if (!c.content.empty())
            writeFile(helpFile, c.content);
        uia::pressKey(menu, VK_F1);
        uia::MessageBoxInfo problem = box();
        EXPECT_EQ(lstrcmpiW(problem.text.c_str(),
                            (L"The help file can't be opened:\r\n" + helpFile + c.told).c_str()), 0)
            << std::string(problem.text.begin(), problem.text.end());
        EXPECT_EQ(problem.icon, Icon::Exclamation);
        EXPECT_EQ(problem.buttons, std::vector<std::wstring>{L"OK"});
        ASSERT_TRUE(uia::answer(problem, L"OK"));
        ASSERT_TRUE(uia::waitGone(problem.hwnd));
        EXPECT_FALSE(FindWindowW(nullptr, L"Help for Learning Trazel"));
    }
    writeFile(helpFile, good);
    uia::pressKey(menu, VK_F1);
    EXPECT_TRUE(uia::waitWindow(L"", L"Help for Learning Trazel"));
    quitFromMenu(menu);
}

TEST_F(Tutorial, ReadOnlyProgressFileIsToldAndKept)
{
    const std::wstring file = tutorDir() + L"\\TRAZEL.LRN";
    writeFile(file, "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(uia::clickButton(menu, L"Delete Markers"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    uia::MessageBoxInfo failure = box();
    std::wstring upperFile = file;
    CharUpperW(upperFile.data());
    EXPECT_EQ(failure.text, L"Your progress couldn't be saved in this file:\r\n" + upperFile +
                                L"\r\n\r\nThe file is read-only.");
    EXPECT_EQ(failure.icon, Icon::Exclamation);
    ASSERT_TRUE(uia::answer(failure, L"OK"));
    EXPECT_EQ(readFile(file), "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    quitFromMenu(menu);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
} // namespace e2e
