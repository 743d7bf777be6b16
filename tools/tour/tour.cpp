// Plays one lesson of the installed tutorial and saves a picture of every
// screen: lesson-tour.exe PROGRAM WORKDIR "LESSON CAPTION" OUTPUT-PREFIX
// writes OUTPUT-PREFIX01.bmp, OUTPUT-PREFIX02.bmp, ... one per screen.
// lesson-tour.exe --start PROGRAM OUTPUT-PREFIX goes through start-up as a
// learner would (opening Trazel when asked) and saves the whole screen at
// each step: the question, the intro in front of Trazel, the lesson menu,
// and then the first exercise of lesson 9.
// lesson-tour.exe --exercises PROGRAM WORKDIR "LESSON CAPTION" OUTPUT-PREFIX
// starts a lesson's exercises (Trazel must be installed above the program)
// and saves the whole screen at every page of the steps window.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "uia.h"

namespace {

bool saveWindow(HWND w, const std::wstring& path)
{
    RECT r;
    GetWindowRect(w, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * height),
                          0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    FILE* f = _wfopen(path.c_str(), L"wb");
    bool ok = f != nullptr;
    if (f) {
        fwrite(&file, sizeof file, 1, f);
        fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f);
        fwrite(bits, static_cast<std::size_t>(stride * height), 1, f);
        fclose(f);
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

int fail(const char* why)
{
    std::fprintf(stderr, "lesson-tour: %s\n", why);
    return 1;
}

// From start-up to the lesson menu; start-up may ask about Trazel first
// (answered No), and the intro leads to the menu.
HWND toMenu(const uia::Program& tutorial)
{
    HWND menu = nullptr;
    for (int waited = 0; !menu && waited < 20000; waited += 50) {
        if (auto box = uia::waitMessageBox(L"Learning Trazel", 1)) {
            uia::answer(*box, box->buttons.size() == 3 ? L"No" : L"Yes");
            uia::waitGone(box->hwnd, 2000);
        }
        if (HWND intro = uia::findVisibleOf(tutorial.pid(), L"LearningTrazelForm", L"Learning Trazel")) {
            uia::clickButton(intro, L"Lesson Menu");
            uia::waitGone(intro, 2000);
        }
        menu = uia::findVisibleOf(tutorial.pid(), L"LearningTrazelForm", L"Learning Trazel - Lesson menu");
        Sleep(50);
    }
    return menu;
}

void quitFrom(HWND window, bool saveProgress)
{
    if (!uia::clickButton(window, L"Quit"))
        return;
    if (auto box = uia::waitMessageBox(L"Learning Trazel", 5000))
        uia::answer(*box, L"Yes");
    if (auto save = uia::waitMessageBox(L"Learning Trazel", 2000))
        uia::answer(*save, saveProgress ? L"Yes" : L"No");
}

HWND openLesson(const uia::Program& tutorial, HWND menu, const std::wstring& lesson)
{
    if (!uia::clickButton(menu, lesson))
        return nullptr;
    return uia::waitWindowOf(tutorial.pid(), L"LearningTrazelForm", L"Learning Trazel - " + lesson, 10000);
}

// Opens a lesson and starts its exercises from the palette; the steps window.
HWND startExercises(const uia::Program& tutorial, HWND menu, const std::wstring& lesson)
{
    HWND window = openLesson(tutorial, menu, lesson);
    if (!window)
        return nullptr;
    uia::clickButton(window, L"Controls");
    uia::clickButton(window, L"Exercises");
    if (auto box = uia::waitMessageBox(L"Learning Trazel", 5000))
        uia::answer(*box, L"Yes");
    return uia::waitWindowOf(tutorial.pid(), L"LearningTrazelForm", L"Trazel Exercises", 30000);
}

// A lesson's exercises page by page, each page shown over Trazel.
int exercises(const std::wstring& program, const std::wstring& workDir, const std::wstring& lesson,
              const std::wstring& prefix)
{
    uia::Program tutorial(program, L"-i " + workDir);
    HWND menu = toMenu(tutorial);
    if (!menu)
        return fail("the lesson menu did not appear");
    HWND steps = startExercises(tutorial, menu, lesson);
    if (!steps)
        return fail("the steps window did not appear");
    HWND next = uia::findChild(steps, L"Exercise", L"Button");
    for (int page = 1; page < 40; ++page) {
        Sleep(page <= 3 ? 1500 : 600); // Trazel opens the design at the third page
        wchar_t name[16];
        swprintf(name, 16, L"%02d.bmp", page);
        if (!saveWindow(GetDesktopWindow(), prefix + name))
            return fail("cannot write a picture");
        if (!IsWindowEnabled(next)) {
            std::printf("%d pages\n", page);
            break;
        }
        uia::clickButton(steps, L"Exercise");
    }
    quitFrom(steps, false);
    tutorial.waitExit(10000);
    return 0;
}

// The start of the tutorial as the demo shows it, and the first exercise of
// lesson 9 in Trazel.
int startUp(const std::wstring& program, const std::wstring& prefix)
{
    uia::Program tutorial(program, L"");
    HWND screen = GetDesktopWindow();
    auto question = uia::waitMessageBox(L"Learning Trazel", 20000);
    if (!question)
        return fail("start-up asked nothing");
    Sleep(300);
    saveWindow(screen, prefix + L"1-question.bmp");
    uia::answer(*question, L"Yes");
    HWND intro = uia::waitWindowOf(tutorial.pid(), L"LearningTrazelForm", L"Learning Trazel", 30000);
    if (!intro)
        return fail("the intro did not appear");
    Sleep(800);
    saveWindow(screen, prefix + L"2-intro.bmp");
    uia::clickButton(intro, L"Lesson Menu");
    HWND menu = uia::waitWindowOf(tutorial.pid(), L"LearningTrazelForm", L"Learning Trazel - Lesson menu", 10000);
    if (!menu)
        return fail("the lesson menu did not appear");
    Sleep(500);
    saveWindow(screen, prefix + L"3-lesson-menu.bmp");
    HWND steps = startExercises(tutorial, menu, L"Finishing the design");
    if (!steps)
        return fail("the exercises did not start");
    for (int page = 0; page < 3; ++page) {
        uia::clickButton(steps, L"Exercise");
        Sleep(1500);
    }
    saveWindow(screen, prefix + L"4-exercise.bmp");
    quitFrom(steps, false);
    tutorial.waitExit(10000);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 4 && std::wstring(argv[1]) == L"--start")
        return startUp(argv[2], argv[3]);
    if (argc == 6 && std::wstring(argv[1]) == L"--exercises")
        return exercises(argv[2], argv[3], argv[4], argv[5]);
    if (argc != 5)
        return fail("usage: lesson-tour PROGRAM WORKDIR \"LESSON CAPTION\" OUTPUT-PREFIX");
    const std::wstring program = argv[1], workDir = argv[2], lesson = argv[3], prefix = argv[4];
    uia::Program tutorial(program, L"-i " + workDir);
    HWND menu = toMenu(tutorial);
    if (!menu)
        return fail("the lesson menu did not appear");
    HWND window = openLesson(tutorial, menu, lesson);
    if (!window)
        return fail("the lesson window did not appear");
    for (int screen = 1; screen < 100; ++screen) {
        Sleep(250);
        wchar_t name[16];
        swprintf(name, 16, L"%02d.bmp", screen);
        if (!saveWindow(window, prefix + name))
            return fail("cannot write a picture");
        if (!uia::clickButton(window, L"Continue"))
            return fail("Continue could not be pressed");
        Sleep(200);
        // After the last screen Continue is disabled and the lesson ends with a message.
        HWND next = uia::findChild(window, L"Continue", L"Button");
        if (!IsWindow(window) || !next || !IsWindowEnabled(next)) {
            if (auto box = uia::waitMessageBox(L"Learning Trazel", 5000))
                uia::answer(*box, box->buttons.size() > 1 ? L"No" : L"OK");
            std::printf("%d screens\n", screen);
            break;
        }
    }
    menu = uia::waitWindowOf(tutorial.pid(), L"LearningTrazelForm", L"Learning Trazel - Lesson menu", 10000);
    if (menu)
        quitFrom(menu, false);
    tutorial.waitExit(10000);
    return 0;
}
