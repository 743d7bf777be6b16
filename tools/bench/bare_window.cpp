// The simplest window program: one top-level window of its own class, the
// size of the tutorial's intro, shown at once. The benchmark starts it the
// way it starts the tutorial, so that the difference is the tutorial's own.
// Started with "press" it is the size of a lesson window and has one button
// whose click fills the slide area with the next colour: the least a press
// of Continue can cost. With "press-box" the click also moves and resizes a
// caption box (a child window with a label in it) and retitles the label, as
// a screen whose caption box moves does. With "logo" it first shows a window
// the size of the tutorial's logo and closes it at once, as the tutorial's
// start-up must. Built as bare-window-cc it carries the tutorial's manifest
// and loads the common controls at its start, as the tutorial does.
#include <windows.h>
#ifdef BARE_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include <cwchar>

namespace {

constexpr int ButtonId = 1;
// A lesson window's client area and its slide, at 96 dots per inch.
constexpr int LessonWidth = 672, LessonHeight = 480, SlideHeight = 432;

COLORREF colour = RGB(255, 255, 255);
HWND captionBox = nullptr, captionLabel = nullptr;

// Two places of a lesson's caption box, with a text for each.
struct BoxPlace {
    RECT at;
    const wchar_t* text;
};
const BoxPlace BoxPlaces[] = {
    {{22, 23, 268, 203}, L"This is the design as it comes from the schematic: the components lie beside the board."},
    {{22, 261, 268, 394}, L"The connections are drawn straight, from pin to pin."},
};
int boxPlace = 0;

void moveCaptionBox()
{
    boxPlace = 1 - boxPlace;
    const BoxPlace& p = BoxPlaces[boxPlace];
    SetWindowPos(captionBox, nullptr, p.at.left, p.at.top, p.at.right - p.at.left, p.at.bottom - p.at.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(captionLabel, nullptr, 0, 0, p.at.right - p.at.left - 20, p.at.bottom - p.at.top - 20,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    SetWindowTextW(captionLabel, p.text);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == ButtonId) {
            colour = colour == RGB(255, 255, 255) ? RGB(255, 255, 192) : RGB(255, 255, 255);
            const RECT slide = {0, 0, LessonWidth, SlideHeight};
            InvalidateRect(hwnd, &slide, FALSE);
            if (captionBox)
                moveCaptionBox();
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
#ifdef BARE_COMMON_CONTROLS
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
#endif
    const bool withBox = std::wcscmp(commandLine, L"press-box") == 0;
    const bool press = withBox || std::wcscmp(commandLine, L"press") == 0;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = L"BareWindow";
    RegisterClassExW(&cls);
    if (std::wcscmp(commandLine, L"logo") == 0) {
        // The logo's client area, 5400 x 2700 twips.
        WNDCLASSEXW logoClass = cls;
        logoClass.lpfnWndProc = DefWindowProcW;
        logoClass.lpszClassName = L"BareLogo";
        RegisterClassExW(&logoClass);
        RECT l = {0, 0, 360, 180};
        AdjustWindowRect(&l, WS_OVERLAPPEDWINDOW, FALSE);
        HWND logo = CreateWindowExW(0, logoClass.lpszClassName, L"Bare logo", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                    CW_USEDEFAULT, l.right - l.left, l.bottom - l.top, nullptr, nullptr, instance, nullptr);
        ShowWindow(logo, SW_SHOWNORMAL);
        UpdateWindow(logo);
        DestroyWindow(logo);
    }
    // Otherwise the intro's client area, 7440 x 5760 twips.
    RECT r = {0, 0, press ? LessonWidth : 496, press ? LessonHeight : 384};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    HWND w = CreateWindowExW(0, cls.lpszClassName, L"Bare window", WS_OVERLAPPEDWINDOW | (press ? WS_CLIPCHILDREN : 0),
                             CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                             instance, nullptr);
    if (press)
        CreateWindowExW(0, L"BUTTON", L"Continue", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, LessonWidth - 180,
                        SlideHeight + 10, 86, 28, w, reinterpret_cast<HMENU>(ButtonId), instance, nullptr);
    if (withBox) {
        captionBox = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, 0, 0,
                                     10, 10, w, nullptr, instance, nullptr);
        captionLabel = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE, 10, 10, 10, 10, captionBox,
                                       nullptr, instance, nullptr);
        moveCaptionBox();
    }
    ShowWindow(w, SW_SHOWNORMAL);
    UpdateWindow(w);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
