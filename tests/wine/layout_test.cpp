// Every window fits the screen at the desktop's resolution, no control sticks
// out of the window that holds it, and no text is cut off. The suite runs at
// 96 and at 144 DPI, where the bitmap fonts and the window frames do not grow
// in proportion to the twips the windows are designed in.
//
// Every screen of every window is measured from inside: the tutorial runs in
// the test's own process on the real window system (with a simulated desktop
// and file system around it), so each control's real font can be measured
// against its real size. The installed program, measured from outside, shows
// that it scales with the desktop by itself.
#include "installed.h"

#include <cstdlib>
#include <sstream>

#include "app/lay_intro.h"
#include "app/main_routine.h"
#include "app/tutorial.h"
#include "exercises/steps_window.h"
#include "lessons/lesson_content.h"
#include "lessons/lesson_window.h"
#include "menu/sel_menu.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_files.h"
#include "platform/win32/resource_strings.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_ui.h"

namespace e2e {
namespace {

using lt::win32::narrow;

const std::string TutorDir = "C:\\TRAZEL\\TUTOR";

HMODULE installedProgram()
{
    const std::wstring program = std::wstring(_wgetenv(L"LT_STAGE")) + L"\\TUTOR\\learning-trazel.exe";
    return LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

RECT windowRect(HWND w)
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
    const RECT r = windowRect(w);
    std::ostringstream out;
    out << narrow(uia::className(w)) << " \"" << narrow(uia::text(w).substr(0, 50)) << "\" " << r.right - r.left << "x"
        << r.bottom - r.top;
    return out.str();
}

// The size a control's text needs in the control's own font; wrapped to its
// width when it wraps.
SIZE textSize(HWND control, const std::wstring& text, UINT format)
{
    RECT client;
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r = {0, 0, client.right, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_EXPANDTABS | format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right, r.bottom};
}

// What a control's text needs beside the text itself: a push button's edges,
// a check box's box and the gap after it.
SIZE needOf(HWND w, const std::wstring& text)
{
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    if (_wcsicmp(uia::className(w).c_str(), L"Static") == 0) {
        const bool wraps = (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP && (style & SS_TYPEMASK) != SS_SIMPLE;
        return textSize(w, text, (wraps ? DT_WORDBREAK : DT_SINGLELINE) | (style & SS_NOPREFIX ? DT_NOPREFIX : 0));
    }
    SIZE need = textSize(w, text, DT_SINGLELINE);
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        need.cx += GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
        break;
    case BS_GROUPBOX:
        need.cx += 4 * GetSystemMetrics(SM_CXEDGE);
        need.cy = 0; // the title stands on the frame's top edge
        break;
    default:
        need.cx += 2 * GetSystemMetrics(SM_CXEDGE);
        need.cy += 2 * GetSystemMetrics(SM_CYEDGE);
        break;
    }
    return need;
}

// What is wrong with a window's layout, one line per fault. Text is measured
// only in this process, where the control's font can be read.
std::vector<std::string> layoutFaults(HWND top, bool measureText)
{
    std::vector<std::string> faults;
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!inside(windowRect(top), screen))
        faults.push_back("off the screen: " + describe(top));
    for (HWND w : uia::descendants(top)) {
        if (!IsWindowVisible(w))
            continue;
        if (!inside(windowRect(w), clientOnScreen(GetParent(w))))
            faults.push_back("outside its window: " + describe(w));
        if (!measureText)
            continue;
        const std::wstring cls = uia::className(w);
        const std::wstring text = uia::text(w);
        if (text.empty() || (_wcsicmp(cls.c_str(), L"Static") != 0 && _wcsicmp(cls.c_str(), L"Button") != 0))
            continue;
        RECT client;
        GetClientRect(w, &client);
        const SIZE need = needOf(w, text);
        if (need.cx > client.right || need.cy > client.bottom)
            faults.push_back("text cut off, needs " + std::to_string(need.cx) + "x" + std::to_string(need.cy) + ": " +
                             describe(w));
    }
    return faults;
}

// The tutorial in this process: Trazel Ultor installed and running, the
// tutorial in C:\TRAZEL\TUTOR with its board sources.
class Inside : public ::testing::Test {
protected:
    Inside() : strings_(installedProgram()), ui_(GetModuleHandleW(nullptr), strings_), t_(desktop_, files_, strings_, ui_)
    {
        ui_.attach(t_.forms);
        desktop_.addRegistryKey("QuarnTrazelUltor9.20");
        desktop_.openWindow("QaTrazelFrame", "Trazel Session", true, "host");
        desktop_.openWindow("MaxFrame", "Trazel", true, "host");
        desktop_.setProgramDirectory(TutorDir);
        files_.makeDirectory("C:\\WINDOWS");
        for (const char* source :
             {"SRCTRZ1.MA$", "SRCTRZ2.MA$", "SRCTRZ3.MA$", "SRCTRZ4.MA$", "SRCTRZ6.S$", "SRCTRZ7.LL$"})
            files_.writeFile(TutorDir + "\\" + source, source);
    }
    ~Inside() override
    {
        for (lt::forms::Form* f : t_.forms.loadedForms())
            t_.forms.unload(*f);
    }

    static HWND windowOf(lt::forms::Form& f) { return reinterpret_cast<HWND>(f.handle()); }
    template <class T, class... Number>
    T& form(Number... number)
    {
        T* f = t_.forms.find<T>(number...);
        if (!f)
            throw std::runtime_error("a window of the tutorial is not there");
        return *f;
    }
    // Presses a button of a window as a click would, and lets what follows run.
    void press(lt::forms::Form& f, const std::wstring& caption)
    {
        HWND button = uia::findChild(windowOf(f), caption, L"Button");
        if (!button)
            throw std::runtime_error("no button " + narrow(caption));
        SendMessageW(button, BM_CLICK, 0, 0);
        ui_.doEvents();
    }
    void expectFits(lt::forms::Form& f, const std::string& where)
    {
        EXPECT_EQ(layoutFaults(windowOf(f), true), std::vector<std::string>{}) << where;
    }

    lt::win32::ResourceStrings strings_;
    lt::sim::SimDesktop desktop_;
    lt::sim::SimFiles files_;
    lt::win32::Win32Ui ui_;
    lt::Tutorial t_;
};

TEST_F(Inside, EveryScreenOfEveryWindowShowsAllOfItsText)
{
    lt::Main(t_);
    ui_.doEvents();
    expectFits(form<lt::LayIntro>(), "the intro");
    press(form<lt::LayIntro>(), L"Lesson Menu");
    lt::forms::Form& menu = form<lt::SelMenu>();
    expectFits(menu, "the lesson menu");

    for (int n = 1; n <= 15; ++n) {
        press(menu, lt::win32::widen(t_.text(700 + n)));
        lt::forms::Form& lesson = form<lt::LessonWindow>(n);
        const int screens = static_cast<int>(lt::lessonContent(n).screens.size());
        for (int screen = 1; screen <= screens; ++screen) {
            expectFits(lesson, "lesson " + std::to_string(n) + " screen " + std::to_string(screen));
            if (screen < screens)
                press(lesson, L"Continue");
        }
        press(lesson, L"Controls");
        expectFits(lesson, "lesson " + std::to_string(n) + " with its palette");
        desktop_.answer(lt::mb::IdYes);
        press(lesson, L"Lesson Menu");
    }

    press(menu, lt::win32::widen(t_.text(706)));
    lt::forms::Form& autorouting = form<lt::LessonWindow>(6);
    press(autorouting, L"Controls");
    desktop_.answer(lt::mb::IdYes);
    press(autorouting, L"Exercises");
    expectFits(form<lt::StepsWindow>(), "the steps window");
}


class Layout : public WithHost {};

TEST_F(Layout, EveryWindowFitsTheScreenAndCutsOffNoControl)
{
    start();
    ASSERT_TRUE(uia::answer(box(), L"No")) << "Trazel is not open yet";
    HWND intro = uia::waitWindowOf(program().pid(), FormClass, AppTitle);
    ASSERT_TRUE(intro);
    EXPECT_EQ(layoutFaults(intro, false), std::vector<std::string>{}) << "the intro";
    ASSERT_TRUE(uia::clickButton(intro, L"Lesson Menu"));
    HWND menu = waitMenu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(layoutFaults(menu, false), std::vector<std::string>{}) << "the lesson menu";

    // Lessons with a chart and with a definition box, and their palettes.
    const std::pair<const wchar_t*, int> lessons[] = {{L"Introducing Trazel", 2}, {L"Creating a new design", 2}};
    for (const auto& [name, screens] : lessons) {
        const std::string lessonName = lt::win32::narrow(name);
        ASSERT_TRUE(uia::clickButton(menu, name));
        HWND lesson = uia::waitWindowOf(program().pid(), FormClass, std::wstring(L"Learning Trazel - ") + name);
        ASSERT_TRUE(lesson);
        HWND palette = uia::findChild(lesson, L"Lesson Menu", L"Button");
        ASSERT_TRUE(uia::clickButton(lesson, L"Controls"));
        ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(palette) != FALSE; }));
        EXPECT_EQ(layoutFaults(lesson, false), std::vector<std::string>{}) << lessonName << " with its palette";
        ASSERT_TRUE(uia::clickButton(lesson, L"Cancel"));
        for (int screen = 2; screen <= screens; ++screen) {
            ASSERT_TRUE(uia::clickButton(lesson, L"Continue"));
            // The screen counter (hidden unless the learner asks for it) tells the screen has changed.
            EXPECT_TRUE(waitUntil([&] { return uia::findChild(lesson, std::to_wstring(screen), L"Static") != nullptr; }))
                << lessonName << " screen " << screen;
            EXPECT_EQ(layoutFaults(lesson, false), std::vector<std::string>{}) << lessonName << " screen " << screen;
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
    ASSERT_TRUE(waitUntil([&] { return layoutFaults(steps, false).empty(); }, 5000))
        << testing::PrintToString(layoutFaults(steps, false));
    ASSERT_TRUE(uia::clickButton(steps, L"Quit"));
    ASSERT_TRUE(uia::answer(box(), L"Yes"));
    ASSERT_TRUE(program().waitExit());
}

} // namespace
} // namespace e2e
