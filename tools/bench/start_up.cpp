#include "start_up.h"

#include <stdexcept>

#include "bench_stats.h"

namespace bench {

namespace {

constexpr int AppTitle = 22;
constexpr DWORD ShowTimeoutMs = 20000, SettleTimeoutMs = 5000, QuietMs = 300;

struct OneStart {
    double ms;
    Counts counts;
};

// Starts the program, times it until its window is visible, lets it settle
// in front and reads its memory; then ends it.
OneStart startOnce(const std::wstring& exe, const std::wstring& arguments, const std::wstring& dir, const wchar_t* cls,
                   const std::wstring& title, const CountsReader& reader)
{
    const double t0 = nowMs();
    Started program(exe, arguments, dir);
    HWND w = waitVisibleWindowOf(program.pid(), cls, title, ShowTimeoutMs);
    const double t1 = nowMs();
    if (!w)
        throw std::runtime_error("a started program showed no window");
    // The intro first makes Trazel take an Escape or two and then comes back
    // to the front; its memory is read once it is there and painted.
    waitForeground(w, SettleTimeoutMs);
    settle(w);
    const OneStart result{t1 - t0, reader.read(program.process(), program.pid())};
    program.end();
    // The ended program's windows and its Wine process go before the next start.
    Sleep(QuietMs);
    return result;
}

} // namespace

StartUpFigures measureStartUp(const Installed& at, const std::wstring& bareExe, const Texts& texts, int starts,
                              const CountsReader& reader, const std::wstring& other)
{
    StartUpFigures f;
    const std::wstring bareDir = bareExe.substr(0, bareExe.find_last_of(L'\\'));
    for (int i = 0; i < starts; ++i) {
        const OneStart tutorial = startOnce(at.tutorial(), L"", at.tutorDir, FormClass, texts(AppTitle), reader);
        f.tutorialMs.push_back(tutorial.ms);
        f.tutorialPeakMb.push_back(tutorial.counts.peakWorkingSetMb);
        const OneStart bare = startOnce(bareExe, L"", bareDir, BareClass, BareTitle, reader);
        f.bareMs.push_back(bare.ms);
        f.barePeakMb.push_back(bare.counts.peakWorkingSetMb);
        f.bareWithLogoMs.push_back(startOnce(bareExe, L"logo", bareDir, BareClass, BareTitle, reader).ms);
        f.bareWithLogoAndControlsMs.push_back(
            startOnce(bareDir + L"\\bare-window-cc.exe", L"logo", bareDir, BareClass, BareTitle, reader).ms);
        if (!other.empty())
            f.otherMs.push_back(startOnce(other, L"", at.tutorDir, FormClass, texts(AppTitle), reader).ms);
    }
    return f;
}

} // namespace bench
