// The simplest window program: one top-level window of its own class, the
// size of the tutorial's intro, shown at once. The benchmark starts it the
// way it starts the tutorial, so that the difference is the tutorial's own.
// Started with "press" it is the size of a lesson window and has one button
// whose click fills the slide area with the next colour: the least a press
// of Continue can cost.
#include <windows.h>

#include <cwchar>

namespace {

constexpr int ButtonId = 1;
// A lesson window's client area and its slide, at 96 dots per inch.
constexpr int LessonWidth = 672, LessonHeight = 480, SlideHeight = 432;

COLORREF colour = RGB(255, 255, 255);

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == ButtonId) {
            colour = colour == RGB(255, 255, 255) ? RGB(255, 255, 192) : RGB(255, 255, 255);
            const RECT slide = {0, 0, LessonWidth, SlideHeight};
            InvalidateRect(hwnd, &slide, FALSE);
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &ps.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    const bool press = std::wcscmp(commandLine, L"press") == 0;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = L"BareWindow";
    RegisterClassExW(&cls);
    // Otherwise the intro's client area, 7440 x 5760 twips.
    RECT r = {0, 0, press ? LessonWidth : 496, press ? LessonHeight : 384};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    HWND w = CreateWindowExW(0, cls.lpszClassName, L"Bare window", WS_OVERLAPPEDWINDOW | (press ? WS_CLIPCHILDREN : 0),
                             CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                             instance, nullptr);
    if (press)
        CreateWindowExW(0, L"BUTTON", L"Continue", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, LessonWidth - 180,
                        SlideHeight + 10, 86, 28, w, reinterpret_cast<HMENU>(ButtonId), instance, nullptr);
    ShowWindow(w, SW_SHOWNORMAL);
    UpdateWindow(w);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
