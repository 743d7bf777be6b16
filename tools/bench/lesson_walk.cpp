#include "lesson_walk.h"

#include <stdexcept>
#include <string>

#include "bench_stats.h"
#include "lessons/lesson_content.h"
#include "uia.h"

namespace bench {

namespace {

constexpr int ContinueCaption = 10, QuitCaption = 12, ControlsCaption = 13, BackCaption = 14, MenuCaption = 15,
              ExercisesCaption = 16, AppTitle = 22, FirstLessonTitle = 31, StepsTitle = 47, MenuTitle = 63,
              FirstLessonButton = 700, ExerciseCaption = 809, StepsMenuCaption = 812;
constexpr DWORD WindowTimeoutMs = 20000, PageTimeoutMs = 30000;

void require(bool ok, const std::string& what)
{
    if (!ok)
        throw std::runtime_error(what);
}

// The time from a click of the button to the window and its children painted.
double timedPress(HWND window, HWND button)
{
    const double t0 = nowMs();
    require(press(button), "a press was not handled in time");
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return nowMs() - t0;
}

class Walk {
public:
    Walk(const Installed& at, const Texts& texts, const CountsReader& reader)
        : texts_(texts), reader_(reader), tutorial_(at.tutorial(), L"", at.tutorDir)
    {
        HWND intro = waitVisibleWindowOf(tutorial_.pid(), FormClass, texts(AppTitle), WindowTimeoutMs);
        require(intro, "the intro did not appear");
        waitForeground(intro, 5000);
        require(uia::clickButton(intro, texts(MenuCaption)), "the intro has no Lesson Menu button");
        menu_ = waitMenu();
    }

    Counts countsAtMenu()
    {
        settle(menu_);
        return reader_.read(tutorial_.process(), tutorial_.pid());
    }

    // Opens the lesson, goes to its last screen and back to its first, each
    // press timed; then leaves for the menu, by its exercises if asked.
    void lesson(int n, LessonFigures& figures, bool withExercises)
    {
        const int screens = static_cast<int>(lt::lessonContent(n).screens.size());
        figures.screens = screens;
        HWND button = uia::findChild(menu_, texts_(FirstLessonButton + n), L"Button");
        require(button, "the menu has no button for lesson " + std::to_string(n));
        const double t0 = nowMs();
        PostMessageW(button, BM_CLICK, 0, 0);
        HWND w = waitVisibleWindowOf(tutorial_.pid(), FormClass, texts_(FirstLessonTitle + n), WindowTimeoutMs);
        require(w && settle(w), "lesson " + std::to_string(n) + " did not open");
        figures.openMs.push_back(nowMs() - t0);

        HWND forward = uia::findChild(w, texts_(ContinueCaption), L"Button");
        HWND back = uia::findChild(w, texts_(BackCaption), L"Button");
        require(forward && back, "lesson " + std::to_string(n) + " has no Continue or Go Back button");
        std::vector<double> presses;
        for (int k = 2; k <= screens; ++k)
            presses.push_back(timedPress(w, forward));
        for (int k = screens - 1; k >= 1; --k)
            presses.push_back(timedPress(w, back));
        require(!IsWindowEnabled(back), "lesson " + std::to_string(n) + " did not come back to its first screen");
        figures.pressesMs.push_back(std::move(presses));

        require(press(uia::findChild(w, texts_(ControlsCaption), L"Button")), "the palette did not open");
        if (withExercises) {
            doExercises(w, n);
        } else {
            require(uia::clickButton(w, texts_(MenuCaption)), "the palette has no Lesson Menu button");
            require(answerBox(texts_(AppTitle), L"Yes", 5000), "no question about leaving the lesson");
        }
        menu_ = waitMenu();
    }

    void quit()
    {
        if (uia::clickButton(menu_, texts_(QuitCaption)) && answerBox(texts_(AppTitle), L"Yes", 5000))
            answerBox(texts_(AppTitle), L"No", 5000); // the offer to save the exercises' marks
        tutorial_.waitExit(10000);
    }

    int exercisePages = 0, exerciseBoxes = 0;

private:
    HWND waitMenu()
    {
        HWND menu = waitVisibleWindowOf(tutorial_.pid(), FormClass, texts_(MenuTitle), WindowTimeoutMs);
        require(menu, "the lesson menu did not appear");
        return menu;
    }

    // From the palette to the exercises, every page of them, and back to the menu.
    void doExercises(HWND lesson, int n)
    {
        require(uia::clickButton(lesson, texts_(ExercisesCaption)), "the palette has no Exercises button");
        require(answerBox(texts_(AppTitle), L"Yes", 5000), "no question about starting the exercises");
        HWND steps = waitVisibleWindowOf(tutorial_.pid(), FormClass, texts_(StepsTitle), PageTimeoutMs);
        require(steps, "the exercises did not start");
        HWND page = FindWindowExW(steps, nullptr, L"Edit", nullptr);
        HWND next = uia::findChild(steps, texts_(ExerciseCaption), L"Button");
        require(page && next, "the steps window has no page or no Exercise button");
        ULONGLONG disabledSince = 0;
        for (int pages = 0; pages < 60;) {
            settle(steps);
            if (!IsWindowEnabled(next)) {
                // Disabled while a page is prepared, for good after the last.
                const ULONGLONG now = GetTickCount64();
                if (!disabledSince)
                    disabledSince = now;
                if (now - disabledSince > 2000)
                    break;
                Sleep(20);
                continue;
            }
            disabledSince = 0;
            const std::wstring before = uia::text(page);
            PostMessageW(next, BM_CLICK, 0, 0);
            if (!nextPage(page, before)) {
                const std::wstring now = uia::text(page).substr(0, 120);
                throw std::runtime_error("lesson " + std::to_string(n) + ": exercise page " + std::to_string(pages + 1) +
                                         " did not come; the page shows \"" + std::string(now.begin(), now.end()) +
                                         "\"");
            }
            ++pages;
            ++exercisePages;
        }
        require(uia::clickButton(steps, texts_(StepsMenuCaption)), "the steps window has no Lesson Menu button");
    }

    // Waits for the page to change; a message on the way is counted and answered.
    bool nextPage(HWND page, const std::wstring& before)
    {
        const ULONGLONG deadline = GetTickCount64() + PageTimeoutMs;
        while (GetTickCount64() < deadline) {
            if (HWND box = visibleWindowOf(tutorial_.pid(), L"#32770", texts_(AppTitle))) {
                ++exerciseBoxes;
                uia::clickButton(box, L"OK");
                uia::waitGone(box, 5000);
            }
            const std::wstring now = uia::text(page);
            if (now != before && !now.empty())
                return true;
            Sleep(10);
        }
        return false;
    }

    const Texts& texts_;
    const CountsReader& reader_;
    Started tutorial_;
    HWND menu_ = nullptr;
};

} // namespace

std::vector<double> measurePressFloor(const std::wstring& bareExe, int presses, PressFloor kind)
{
    Started bare(bareExe, kind == PressFloor::WithCaptionBox ? L"press-box" : L"press",
                 bareExe.substr(0, bareExe.find_last_of(L'\\')));
    HWND w = waitVisibleWindowOf(bare.pid(), L"BareWindow", L"Bare window", WindowTimeoutMs);
    require(w && settle(w), "the bare window did not appear");
    HWND button = FindWindowExW(w, nullptr, L"Button", nullptr);
    require(button, "the bare window has no button");
    std::vector<double> times;
    for (int i = 0; i < presses; ++i)
        times.push_back(timedPress(w, button));
    return times;
}

WalkFigures walkLessons(const Installed& at, const Texts& texts, int rounds, Exercises exercises,
                        const CountsReader& reader)
{
    WalkFigures f;
    Walk walk(at, texts, reader);
    f.atMenuBefore = walk.countsAtMenu();
    constexpr int OnlyExercisesOf = 9;
    for (int round = 0; round < rounds; ++round) {
        for (int n = 1; n <= 15; ++n) {
            const bool withExercises =
                lt::lessonContent(n).exercises && (exercises == Exercises::All || n == OnlyExercisesOf);
            walk.lesson(n, f.lessons[static_cast<std::size_t>(n)], withExercises);
        }
        f.atMenuAfterRound.push_back(walk.countsAtMenu());
    }
    f.exercisePages = walk.exercisePages;
    f.exerciseBoxes = walk.exerciseBoxes;
    walk.quit();
    return f;
}

} // namespace bench
