// The tutorial without a mouse and without sight: the lesson menu, a lesson
// of each kind (the chart of lesson 1, a definition box, a plain one) and
// the exercise steps window are used with the keyboard alone, and every control is read the way a
// screen reader reads it (the standard accessible object of its window):
// every control has a name, every screen picture says what it shows and
// changes with the screen, and every visible progress marker says which
// lesson it stands for.
#include <oleacc.h>

#include <set>

#include "installed.h"

#include "platform/win32/resource_strings.h"
#include "platform/win32/utf.h"

namespace e2e {
namespace {

constexpr wchar_t StandInClass[] = L"LearningTrazelStandIn";

// What a screen reader gets for a window: the name (or the value) of its
// standard accessible object.
std::wstring accessible(HWND w, HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*))
{
    // __uuidof: the import library's IID_IAccessible symbol is a code thunk under mingw.
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return {};
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR words = nullptr;
    std::wstring result;
    if ((object->*property)(self, &words) == S_OK && words)
        result = words;
    SysFreeString(words);
    object->Release();
    return result;
}

std::wstring accessibleName(HWND w) { return accessible(w, &IAccessible::get_accName); }

std::string utf8(const std::wstring& s) { return lt::win32::narrow(s); }

// The control of the program that has the keyboard focus.
HWND focusOf(HWND top)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info);
    return info.hwndFocus;
}

bool isStandIn(HWND w) { return uia::className(w) == StandInClass; }

std::vector<HWND> visibleStandIns(HWND top)
{
    std::vector<HWND> found;
    for (HWND w : uia::descendants(top))
        if (isStandIn(w) && IsWindowVisible(w))
            found.push_back(w);
    return found;
}

// The screen picture on display: the visible stand-in that fills the slide.
HWND pictureOf(HWND lesson)
{
    for (HWND w : visibleStandIns(lesson)) {
        RECT r;
        GetClientRect(w, &r);
        if (GetParent(w) == lesson && r.right == pixels(10080) && r.bottom == pixels(6480))
            return w;
    }
    return nullptr;
}

// With the stand-in Trazel at hand for the exercises.
class Access : public WithHost {
protected:
    void SetUp() override
    {
        WithHost::SetUp();
        CoInitialize(nullptr);
    }
    void TearDown() override
    {
        strings_.reset();
        if (resources_)
            FreeLibrary(resources_);
        CoUninitialize();
        WithHost::TearDown();
    }

    // Presses a key in the window in front and returns the control that then
    // has the focus, once the focus has settled. The focus must show.
    HWND press(HWND top, UINT vk, bool alt = false)
    {
        const HWND before = focusOf(top);
        uia::pressKey(top, vk, alt);
        // Tab always moves the focus; other keys may.
        waitUntil([&] { return focusOf(top) != before; }, vk == VK_TAB ? 3000 : 300);
        const HWND now = settledFocus(top);
        if (now) {
            EXPECT_TRUE(IsWindowVisible(now)) << "the focus is on a hidden control";
            EXPECT_EQ(SendMessageW(now, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS, 0)
                << "the focus of " << utf8(accessibleName(now)) << " is hidden";
        }
        return now;
    }
    // The focus once it has stayed on one control for a tenth of a second:
    // a control disabled under it leaves it nowhere for a moment.
    static HWND settledFocus(HWND top)
    {
        HWND last = focusOf(top);
        for (int i = 0, same = 0; i < 100 && same < 5; ++i) {
            Sleep(20);
            const HWND now = focusOf(top);
            same = now && now == last ? same + 1 : 0;
            last = now;
        }
        return last;
    }
    // Tabs until the control with that name has the focus.
    bool tabTo(HWND top, const std::wstring& name)
    {
        for (int i = 0; i < 40; ++i) {
            if (accessibleName(focusOf(top)) == name)
                return true;
            press(top, VK_TAB);
        }
        return false;
    }
    // The names of the controls Tab reaches, in order, starting from the one
    // with the focus and ending before it comes round again.
    std::vector<std::wstring> tabCycle(HWND top, std::vector<HWND>* stops = nullptr)
    {
        std::vector<std::wstring> names;
        const HWND first = settledFocus(top);
        for (HWND at = first; at && names.size() < 40;) {
            names.push_back(accessibleName(at));
            if (stops)
                stops->push_back(at);
            if ((at = press(top, VK_TAB)) == first)
                break;
        }
        return names;
    }
    // A lesson chosen on the menu with the keyboard.
    HWND openByKeyboard(HWND menu, const std::wstring& name)
    {
        EXPECT_TRUE(tabTo(menu, name)) << utf8(name);
        press(menu, VK_SPACE);
        return uia::waitWindowOf(program().pid(), FormClass, L"Learning Trazel - " + name);
    }
    // Goes on to screen `last` with Continue's access key, each screen's
    // picture in words and, but where it shows the picture before again,
    // other words than the screen before. Returns the last picture's words.
    std::wstring readScreens(HWND lesson, int last, int repeated = 0)
    {
        std::wstring before = accessibleName(pictureOf(lesson));
        EXPECT_FALSE(before.empty()) << "screen 1";
        for (int screen = 2; screen <= last; ++screen) {
            press(lesson, 'N', true);
            std::wstring now;
            waitUntil([&] { return (now = pictureOf(lesson) ? accessibleName(pictureOf(lesson)) : L"") != before; },
                      screen == repeated ? 300 : 3000);
            EXPECT_FALSE(now.empty()) << "screen " << screen;
            EXPECT_EQ(now == before, screen == repeated) << "screen " << screen;
            before = now;
        }
        return before;
    }
    std::wstring text(int id)
    {
        if (!strings_) {
            resources_ = LoadLibraryExW((tutorDir() + L"\\learning-trazel.exe").c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
            strings_ = std::make_unique<lt::win32::ResourceStrings>(resources_);
        }
        return lt::win32::widen(strings_->find(id).value_or("?"));
    }
    // What a screen reader finds nameless among the controls a learner uses
    // or reads: buttons, check boxes, pictures and markers; a text box says
    // its text when it has no label.
    static std::vector<std::string> namelessControls(HWND top)
    {
        std::vector<std::string> nameless;
        for (HWND w : uia::descendants(top)) {
            const std::wstring cls = uia::className(w);
            if (!IsWindowVisible(w) || (cls != L"Button" && cls != L"Edit" && cls != StandInClass))
                continue;
            if (accessibleName(w).empty() && (cls != L"Edit" || accessible(w, &IAccessible::get_accValue).empty()))
                nameless.push_back(utf8(cls));
        }
        return nameless;
    }

private:
    HMODULE resources_ = nullptr;
    std::unique_ptr<lt::win32::ResourceStrings> strings_;
};

TEST_F(Access, MenuMarkersSayWhichLessonTheyStandForAndTheKeyboardReachesEveryLesson)
{
    writeFile(tutorDir() + L"\\TRAZEL.LRN", "1,0,3,0,0,0,0,0,0,0,0,0,2,0,0\r\n");
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    // Each visible marker names its lesson and stands beneath that lesson's button.
    std::set<std::wstring> said;
    for (HWND marker : visibleStandIns(menu)) {
        const std::wstring name = accessibleName(marker);
        said.insert(name);
        for (int n = 1; n <= 15; ++n)
            if (name == L"Lesson " + std::to_wstring(n) + L" finished" ||
                name == L"Exercises of lesson " + std::to_wstring(n) + L" finished") {
                RECT m, b;
                GetWindowRect(marker, &m);
                GetWindowRect(uia::findChild(menu, text(700 + n), L"Button"), &b);
                EXPECT_TRUE(m.left > b.left && m.right < b.right && m.top > b.top && m.top < b.bottom) << utf8(name);
            }
    }
    EXPECT_EQ(said, (std::set<std::wstring>{L"Lesson 1 finished", L"Lesson 3 finished",
                                            L"Exercises of lesson 3 finished", L"Exercises of lesson 13 finished",
                                            L"Sample of the marker for a finished lesson",
                                            L"Sample of the marker for finished exercises"}));
    for (HWND w : uia::descendants(menu)) {
        if (isStandIn(w) && !IsWindowVisible(w)) {
            EXPECT_EQ(accessibleName(w), L"") << "a hidden marker says nothing";
        }
    }
    EXPECT_EQ(namelessControls(menu), std::vector<std::string>{});

    // Tab goes through the lessons row by row, then Delete Markers and Quit.
    ASSERT_TRUE(tabTo(menu, text(701)));
    std::vector<std::wstring> order;
    for (int n : {1, 2, 3, 8, 4, 13, 5, 6, 7, 9, 10, 11, 12, 14, 15})
        order.push_back(text(700 + n));
    order.push_back(L"Delete Markers");
    order.push_back(L"Quit");
    EXPECT_EQ(tabCycle(menu), order);

    // Lesson 11, a plain one, to its end with the keyboard: its marker says so.
    HWND lesson = openByKeyboard(menu, text(711));
    ASSERT_TRUE(lesson);
    readScreens(lesson, 9);
    EXPECT_EQ(namelessControls(lesson), std::vector<std::string>{});
    press(lesson, 'N', true);
    uia::MessageBoxInfo end = box();
    EXPECT_EQ(end.text, text(85));
    uia::pressKey(end.hwnd, VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(menu) != FALSE; }));
    EXPECT_TRUE(waitUntil([&] {
        for (HWND w : visibleStandIns(menu))
            if (accessibleName(w) == L"Lesson 11 finished")
                return true;
        return false;
    }));
    quitSavingFromMenu(menu);
}

TEST_F(Access, TheChartOfLesson1IsReachedStageByStageFromTheKeyboard)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND lesson = openByKeyboard(menu, text(701));
    ASSERT_TRUE(lesson);
    const std::wstring first = accessibleName(pictureOf(lesson));
    EXPECT_EQ(first.rfind(L"Trazel's design window with TUTORBD3.MAX", 0), 0u) << utf8(first);
    EXPECT_EQ(accessibleName(focusOf(lesson)), L"Continue");

    // Screen 2 shows the chart instead of a picture; its stages follow the
    // lesson's buttons in the order the chart reads, down each column.
    press(lesson, 'N', true);
    ASSERT_TRUE(waitUntil([&] { return pictureOf(lesson) == nullptr; }));
    bool chartNamed = false;
    for (HWND w : uia::descendants(lesson))
        chartNamed |= IsWindowVisible(w) && accessibleName(w).rfind(L"A drawing: Design entry, Board layout", 0) == 0;
    EXPECT_TRUE(chartNamed) << "the chart says what it shows";
    const std::vector<std::wstring> cycle = tabCycle(lesson);
    const std::vector<std::wstring> stages = {
        L"Schematic capture",   L"Symbol libraries",    L"Netlist",        L"Simulation models", L"Board setup",
        L"Footprint libraries", L"Component placement", L"Manual routing", L"Autorouting",       L"Design checks",
        L"Relinx changes",      L"Post processing",     L"Cross probing"};
    std::vector<std::wstring> expected = {L"Continue", L"Go Back", L"Controls"};
    expected.insert(expected.end(), stages.begin(), stages.end());
    EXPECT_EQ(cycle, expected);
    EXPECT_EQ(namelessControls(lesson), std::vector<std::string>{});

    // Space on a stage describes it, as a click does; the arrow keys go on
    // to the next stage.
    ASSERT_TRUE(tabTo(lesson, L"Autorouting"));
    HWND stage = focusOf(lesson);
    HWND desc = FindWindowExW(GetParent(stage), nullptr, L"Static", nullptr);
    ASSERT_TRUE(desc);
    press(lesson, VK_SPACE);
    EXPECT_TRUE(waitUntil([&] { return uia::text(desc) == text(1157); }, 3000));
    HWND checks = press(lesson, VK_RIGHT);
    EXPECT_EQ(accessibleName(checks), L"Design checks");
    press(lesson, VK_RETURN);
    EXPECT_TRUE(waitUntil([&] { return uia::text(desc) == text(1158); }, 3000));
    // The stage with the focus shows it: its place looks different once the
    // focus has gone on.
    const std::vector<std::uint32_t> focused = uia::screenPixelsOf(checks);
    EXPECT_EQ(accessibleName(press(lesson, VK_LEFT)), L"Autorouting");
    EXPECT_TRUE(waitUntil([&] { return uia::screenPixelsOf(checks) != focused; }, 3000))
        << "the focus on a stage of the chart does not show";

    press(lesson, 'N', true);
    ASSERT_TRUE(waitUntil([&] { return pictureOf(lesson) != nullptr; }));
    const std::wstring third = accessibleName(pictureOf(lesson));
    EXPECT_EQ(third.rfind(L"Trazel's session frame", 0), 0u) << utf8(third);

    // The palette: its commands by their access keys; Lesson Menu asks first.
    EXPECT_EQ(accessibleName(press(lesson, 'O', true)), L"Cancel");
    EXPECT_EQ(tabCycle(lesson), (std::vector<std::wstring>{L"Cancel", L"Lesson Menu", L"Exercises", L"Quit"}));
    press(lesson, 'L', true);
    uia::MessageBoxInfo q = box();
    EXPECT_EQ(q.text, text(65));
    uia::pressKey(q.hwnd, VK_RETURN);
    ASSERT_TRUE(uia::waitGone(lesson));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(menu) != FALSE; }));
    quitFromMenu(menu);
}

TEST_F(Access, ADefinitionBoxAndThePicturesOfLesson6ReadScreenByScreen)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND lesson = openByKeyboard(menu, text(706));
    ASSERT_TRUE(lesson);
    const std::wstring picture = readScreens(lesson, 8, 4); // screens 3 and 4 show one drawing
    // Screen 8 explains a term in a definition box, named by the term.
    const std::wstring term = text(1675);
    HWND box = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        for (HWND w : uia::descendants(lesson))
            if (IsWindowVisible(w) && uia::className(w) == L"LearningTrazelPanel" && accessibleName(w) == term)
                box = w;
        return box != nullptr;
    }));
    bool definitionShown = false;
    for (HWND w : uia::descendants(box))
        definitionShown |= IsWindowVisible(w) && uia::text(w).rfind(text(1676), 0) == 0;
    EXPECT_TRUE(definitionShown);
    EXPECT_EQ(namelessControls(lesson), std::vector<std::string>{});

    // Go Back by its access key returns to the picture before.
    press(lesson, 'B', true);
    EXPECT_TRUE(waitUntil([&] { return pictureOf(lesson) && accessibleName(pictureOf(lesson)) != picture; }));
    press(lesson, 'O', true);
    press(lesson, 'Q', true);
    ASSERT_TRUE(uia::answer(this->box(), L"Yes"));
    EXPECT_TRUE(program().waitExit());
}

// The steps window keeps Trazel in front when it opens; the learner comes to
// it with the keyboard, reads the page and chooses its buttons with Tab.
TEST_F(Access, TheStepsWindowIsUsedFromTheKeyboard)
{
    HWND menu = startToMenu();
    ASSERT_TRUE(menu);
    HWND lesson = openByKeyboard(menu, text(706));
    ASSERT_TRUE(lesson);
    press(lesson, 'O', true);
    press(lesson, 'E', true);
    uia::MessageBoxInfo q = box();
    EXPECT_EQ(q.text, text(66));
    uia::pressKey(q.hwnd, VK_RETURN);
    HWND steps = uia::waitWindowOf(program().pid(), FormClass, text(47), 20000);
    ASSERT_TRUE(steps);
    ASSERT_TRUE(uia::waitWindow(DesignClass, L""));
    HWND pageBox = FindWindowExW(steps, nullptr, L"Edit", nullptr);
    ASSERT_TRUE(pageBox);
    // Trazel comes to the front once the steps window is open; the keyboard
    // comes back to the steps window after that.
    EXPECT_TRUE(waitUntil([] { return uia::className(GetForegroundWindow()) == DesignClass; }, 15000));

    ASSERT_TRUE(tabTo(steps, text(811)));
    std::vector<HWND> stops;
    EXPECT_EQ(tabCycle(steps, &stops),
              (std::vector<std::wstring>{text(811), text(813), text(810), text(809), text(812), text(814),
                                         accessibleName(pageBox)}));
    ASSERT_FALSE(stops.empty());
    EXPECT_EQ(stops.back(), pageBox) << "the page comes last";
    EXPECT_EQ(namelessControls(steps), std::vector<std::string>{});

    // Exercise, chosen with the keyboard, shows the set-up page.
    const std::wstring important = uia::text(pageBox);
    ASSERT_TRUE(tabTo(steps, text(809)));
    uia::pressKey(steps, VK_SPACE);
    EXPECT_TRUE(waitUntil([&] {
        const std::wstring now = uia::text(pageBox);
        return now != important && now.find(text(851)) != std::wstring::npos;
    }, 15000));

    ASSERT_TRUE(tabTo(steps, text(812)));
    uia::pressKey(steps, VK_SPACE);
    uia::MessageBoxInfo leave = box();
    ASSERT_TRUE(uia::answer(leave, L"Yes"));
    ASSERT_TRUE(uia::waitGone(steps));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(menu) != FALSE; }));
    quitFromMenu(menu);
}

} // namespace
} // namespace e2e
