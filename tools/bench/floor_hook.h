// What the benchmark and its floor hook agree on.
#pragma once

#include <windows.h>

namespace bench {

inline constexpr WORD FloorMarker = VK_F22;
inline constexpr wchar_t FloorEventName[] = L"Local\\LearningTrazel.Bench.FloorDone";
inline constexpr wchar_t FloorHookLibrary[] = L"bench-floor-hook.dll";

} // namespace bench
