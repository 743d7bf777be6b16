// Times and their summaries for the benchmark, and the rows of its table.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

// Milliseconds since an arbitrary start, from the performance counter.
inline double nowMs()
{
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / perMs;
}

// The value below which the fraction q of the samples lie (nearest rank).
inline double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(q * static_cast<double>(v.size()) + 0.999999);
    return v[std::min(v.size(), std::max<std::size_t>(rank, 1)) - 1];
}
inline double median(const std::vector<double>& v) { return quantile(v, 0.5); }
inline double p95(const std::vector<double>& v) { return quantile(v, 0.95); }
inline double maxOf(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end()); }

inline std::string fixed(double v, int decimals = 1)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

// One line of the table: what was measured, the tutorial's figure, the
// floor it is held against, their ratio, the goal and whether it is met.
struct Row {
    std::string what, measured, floor, ratio, goal, met;
};

inline std::string yesNo(bool met) { return met ? "yes" : "**no**"; }

} // namespace bench
