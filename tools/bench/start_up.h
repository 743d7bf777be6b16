// Start-up: the tutorial (with Trazel open, so it asks nothing) until its
// intro is visible, against the bare window program started the same way.
#pragma once

#include <string>
#include <vector>

#include "process_counts.h"
#include "tutorial_session.h"

namespace bench {

inline constexpr wchar_t BareClass[] = L"BareWindow", BareTitle[] = L"Bare window";

struct StartUpFigures {
    std::vector<double> tutorialMs, bareMs;
    // The bare window started so that it first flashes a logo-sized window;
    // and that with the tutorial's manifest, loading the common controls.
    std::vector<double> bareWithLogoMs, bareWithLogoAndControlsMs;
    std::vector<double> tutorialPeakMb, barePeakMb;
    std::vector<double> otherMs; // another build of the tutorial, when compared
};

// `starts` starts of each, alternating. With `other` (another build of the
// tutorial in the same folder) that one is started in turn as well, for
// comparisons while profiling.
StartUpFigures measureStartUp(const Installed& at, const std::wstring& bareExe, const Texts& texts, int starts,
                              const CountsReader& reader, const std::wstring& other = L"");

} // namespace bench
