// Lessons under Wine: playing a lesson to its end, the controls palette and
// the way back to the lesson menu, on real windows.
#include "installed.h"

#include "platform/win32/resource_strings.h"
#include "platform/win32/utf.h"

namespace e2e {
namespace {

class Lessons : public InstalledTutorial {
protected:
    HWND openLesson(HWND menu, const std::wstring& caption)
    {
        EXPECT_TRUE(uia::clickButton(menu, caption));
        return uia::waitWindowOf(program().pid(), FormClass, L"Learning Trazel - " + caption);
    }
};

TEST_F(Lessons, Lesson7ToItsEndMarksItAndTheSavedFileSaysSo)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND lesson = openLesson(menu, L"Resolving problems");
    ASSERT_TRUE(lesson);
    EXPECT_FALSE(IsWindowVisible(menu)) << "the lesson window hides the menu";
    for (int press = 1; press <= 18; ++press) {
        ASSERT_TRUE(uia::clickButton(lesson, L"Continue")) << "press " << press;
        if (press < 18) {
            ASSERT_FALSE(uia::waitMessageBox(AppTitle, 50)) << "a message before the end, press " << press;
        }
    }
    uia::MessageBoxInfo end = box();
    EXPECT_EQ(end.text, L"There are no exercises for this lesson.");
    EXPECT_EQ(end.buttons, (std::vector<std::wstring>{L"OK"}));
    EXPECT_EQ(end.icon, uia::Icon::Information);
    ASSERT_TRUE(uia::answer(end, L"OK"));
    ASSERT_TRUE(uia::waitGone(lesson));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(menu) != FALSE; }));
    EXPECT_TRUE(markersOf(menu, L"Resolving problems").lesson);
    EXPECT_FALSE(markersOf(menu, L"Autorouting").lesson);

    ASSERT_TRUE(uia::clickButton(menu, L"Quit"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    uia::MessageBoxInfo save = box();
    EXPECT_EQ(save.text, L"Your progress with the Learning Trazel lessons and exercises has changed.\r\n\r\n"
                         L"Do you want to save your progress?");
    EXPECT_EQ(save.buttons, (std::vector<std::wstring>{L"Yes", L"No"}));
    EXPECT_EQ(save.icon, uia::Icon::Question);
    ASSERT_TRUE(uia::answer(save, L"Yes"));
    ASSERT_TRUE(program().waitExit());
    EXPECT_EQ(readFile(tutorDir() + L"\\TRAZEL.LRN"), "0,0,0,0,0,0,1,0,0,0,0,0,0,0,0\r\n");
}

TEST_F(Lessons, PaletteAndTheWayBackToTheMenu)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND lesson = openLesson(menu, L"Autorouting");
    ASSERT_TRUE(lesson);
    HWND back = uia::findChild(lesson, L"Go Back", L"Button");
    ASSERT_TRUE(back);
    EXPECT_FALSE(IsWindowEnabled(back));
    ASSERT_TRUE(uia::clickButton(lesson, L"Continue"));
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(back) != FALSE; }));

    HWND lessonMenu = uia::findChild(lesson, L"Lesson Menu", L"Button");
    ASSERT_TRUE(lessonMenu);
    EXPECT_FALSE(IsWindowVisible(lessonMenu));
    ASSERT_TRUE(uia::clickButton(lesson, L"Controls"));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(lessonMenu) != FALSE; }));
    EXPECT_FALSE(IsWindowEnabled(uia::findChild(lesson, L"Continue", L"Button")));
    ASSERT_TRUE(uia::clickButton(lesson, L"Cancel"));
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(lessonMenu) && IsWindowEnabled(back); }));

    ASSERT_TRUE(uia::clickButton(lesson, L"Controls"));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(lessonMenu) != FALSE; }));
    ASSERT_TRUE(uia::clickButton(lesson, L"Lesson Menu"));
    uia::MessageBoxInfo q = box();
    EXPECT_EQ(q.text, L"Do you want to quit this lesson and return to the lesson menu?");
    EXPECT_EQ(q.defaultButton, L"Yes");
    ASSERT_TRUE(uia::answer(q, L"No"));
    ASSERT_TRUE(uia::waitGone(q.hwnd));
    EXPECT_TRUE(IsWindowVisible(lesson));
    EXPECT_FALSE(IsWindowVisible(menu));

    ASSERT_TRUE(uia::clickButton(lesson, L"Lesson Menu"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    EXPECT_TRUE(uia::waitGone(lesson));
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(menu) != FALSE; }));
    EXPECT_EQ(uia::text(menu), MenuTitle);
    quitFromMenu(menu);
}

// The chart's stages are drawn, not windows: clicks on them are found by
// where they land.
TEST_F(Lessons, ClickingAStageOfTheDesignFlowChartDescribesIt)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND lesson = openLesson(menu, L"Introducing Trazel");
    ASSERT_TRUE(lesson);
    ASSERT_TRUE(uia::clickButton(lesson, L"Continue"));
    HWND chart = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        for (HWND w = FindWindowExW(lesson, nullptr, L"LearningTrazelPanel", nullptr); w;
             w = FindWindowExW(lesson, w, L"LearningTrazelPanel", nullptr)) {
            RECT r;
            GetClientRect(w, &r);
            if (IsWindowVisible(w) && r.right == pixels(9360) && r.bottom == pixels(4680))
                chart = w;
        }
        return chart != nullptr;
    }));
    HWND desc = FindWindowExW(chart, nullptr, L"Static", nullptr);
    ASSERT_TRUE(desc);
    EXPECT_EQ(uia::text(desc), L"");

    HMODULE resources = LoadLibraryExW((tutorDir() + L"\\learning-trazel.exe").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const lt::win32::ResourceStrings strings(resources);
    // The middle of a stage's box, in twips of the chart, and its description.
    struct Click {
        int x, y, text;
    };
    for (const Click& c :
         {Click{2625, 1185, 1150}, Click{6675, 1530, 1157}, Click{2175, 2730, 1157}, Click{8670, 1305, 1160}}) {
        const LPARAM at = MAKELPARAM(pixels(c.x), pixels(c.y));
        PostMessageW(chart, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(chart, WM_LBUTTONUP, 0, at);
        const std::wstring expected = lt::win32::widen(strings.find(c.text).value_or("?"));
        EXPECT_TRUE(waitUntil([&] { return uia::text(desc) == expected; }, 3000))
            << "after a click at " << c.x << "," << c.y;
    }
    FreeLibrary(resources);
    ASSERT_TRUE(uia::clickButton(lesson, L"Controls"));
    ASSERT_TRUE(uia::clickButton(lesson, L"Quit"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    EXPECT_TRUE(program().waitExit());
}

} // namespace
} // namespace e2e
