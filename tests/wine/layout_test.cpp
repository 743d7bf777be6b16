// Every window of the installed program fits the screen at the desktop's
// resolution, and none of its controls is cut off by the window that holds it. The suite
// runs at 96 DPI and again at 144 DPI (150 %), where window frames and
// system fonts do not grow in proportion to the twips the windows are
// designed in.
#include "installed.h"

#include <sstream>

#include "platform/win32/utf.h"

namespace e2e {
namespace {

RECT screenRect(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    return r;
}

RECT clientOnScreen(HWND w)
{
    RECT r;
    GetClientRect(w, &r);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string describe(HWND w)
{
    const std::wstring text = uia::text(w);
    const RECT r = screenRect(w);
    std::ostringstream out;
    out << lt::win32::narrow(uia::className(w)) << " \"" << lt::win32::narrow(text.substr(0, 40)) << "\" at " << r.left
        << "," << r.top << "-" << r.right << "," << r.bottom;
    return out.str();
}

// What is wrong with a window's layout, one line per fault.
std::vector<std::string> layoutFaults(HWND top)
{
    std::vector<std::string> faults;
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!inside(screenRect(top), screen))
        faults.push_back("off the screen: " + describe(top));
    for (HWND w : uia::descendants(top)) {
        if (!IsWindowVisible(w))
            continue;
        if (!inside(screenRect(w), clientOnScreen(GetParent(w))))
            faults.push_back("outside its window: " + describe(w));
    }
    return faults;
}

class Layout : public WithHost {};

TEST_F(Layout, EveryWindowFitsTheScreenAndCutsOffNoControl)
{
    start();
    ASSERT_TRUE(uia::answer(box(), L"No")) << "Trazel is not open yet";
    HWND intro = uia::waitWindowOf(program().pid(), FormClass, AppTitle);
    ASSERT_TRUE(intro);
    EXPECT_EQ(layoutFaults(intro), std::vector<std::string>{}) << "the intro";
    ASSERT_TRUE(uia::clickButton(intro, L"Lesson Menu"));
    HWND menu = waitMenu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(layoutFaults(menu), std::vector<std::string>{}) << "the lesson menu";

    // Lessons with a chart and with a definition box, and their palettes.
    // Every screen of every window is measured inside the test's own process
    // (layout_inside_test.cpp); here the installed program shows that it
    // scales with the desktop by itself.
    const std::pair<const wchar_t*, int> lessons[] = {{L"Introducing Trazel", 2}, {L"Creating a new design", 2}};
    for (const auto& [name, screens] : lessons) {
        const std::string lessonName = lt::win32::narrow(name);
        ASSERT_TRUE(uia::clickButton(menu, name));
        HWND lesson = uia::waitWindowOf(program().pid(), FormClass, std::wstring(L"Learning Trazel - ") + name);
        ASSERT_TRUE(lesson);
        HWND palette = uia::findChild(lesson, L"Lesson Menu", L"Button");
        ASSERT_TRUE(uia::clickButton(lesson, L"Controls"));
        ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(palette) != FALSE; }));
        EXPECT_EQ(layoutFaults(lesson), std::vector<std::string>{}) << lessonName << " with its palette";
        ASSERT_TRUE(uia::clickButton(lesson, L"Cancel"));
        for (int screen = 2; screen <= screens; ++screen) {
            ASSERT_TRUE(uia::clickButton(lesson, L"Continue"));
            // The screen counter (hidden unless the learner asks for it) tells the screen has changed.
            EXPECT_TRUE(waitUntil([&] { return uia::findChild(lesson, std::to_wstring(screen), L"Static") != nullptr; }))
                << lessonName << " screen " << screen;
            EXPECT_EQ(layoutFaults(lesson), std::vector<std::string>{}) << lessonName << " screen " << screen;
        }
        ASSERT_TRUE(uia::clickButton(lesson, L"Controls"));
        ASSERT_TRUE(uia::clickButton(lesson, L"Lesson Menu"));
        ASSERT_TRUE(uia::answer(box(), L"Yes"));
        ASSERT_TRUE(uia::waitGone(lesson));
    }

    // The steps window, over Trazel.
    ASSERT_TRUE(uia::clickButton(menu, L"Autorouting"));
    HWND lesson = uia::waitWindowOf(program().pid(), FormClass, L"Learning Trazel - Autorouting");
    ASSERT_TRUE(lesson);
    ASSERT_TRUE(uia::clickButton(lesson, L"Controls"));
    ASSERT_TRUE(uia::clickButton(lesson, L"Exercises"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    HWND steps = uia::waitWindowOf(program().pid(), FormClass, L"Trazel Exercises", 20000);
    ASSERT_TRUE(steps);
    ASSERT_TRUE(waitUntil([&] { return layoutFaults(steps).empty(); }, 5000))
        << testing::PrintToString(layoutFaults(steps));
    ASSERT_TRUE(uia::clickButton(steps, L"Quit"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    ASSERT_TRUE(program().waitExit());
}

} // namespace
} // namespace e2e
