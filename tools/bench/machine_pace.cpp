#include "machine_pace.h"

#include <windows.h>

#include <vector>

#include "bench_stats.h"

namespace bench {

double windowMakeAndDestroyMs()
{
    constexpr int Samples = 21;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"BenchPace";
    RegisterClassExW(&cls);
    std::vector<double> times;
    for (int i = 0; i < Samples; ++i) {
        const double t0 = nowMs();
        HWND w = CreateWindowExW(0, cls.lpszClassName, L"Pace", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 496,
                                 384, nullptr, nullptr, cls.hInstance, nullptr);
        if (w)
            DestroyWindow(w);
        times.push_back(nowMs() - t0);
    }
    return median(times);
}

} // namespace bench
