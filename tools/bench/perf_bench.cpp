// The tutorial's speed and memory measured from outside, under Wine, with
// their floors in the same run (tools/bench.sh runs it):
//   perf-bench.exe HOST-DIR BARE-WINDOW-EXE FLOOR-HOOK-DLL OUT-FILE ROUNDS STARTS KEY-PAIRS all|one
// HOST-DIR is the installed tree (Trazel's stand-in with the tutorial in its
// TUTOR folder). Writes the rows of the results table to OUT-FILE, lines
// beginning with "|", and notes on how they were measured, lines beginning
// with "- ". Nothing here passes or fails on a figure.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "bench_stats.h"
#include "key_delivery.h"
#include "lesson_walk.h"
#include "machine_pace.h"
#include "process_counts.h"
#include "start_up.h"
#include "tutorial_session.h"

namespace bench {

namespace {

constexpr double StartGoal = 1.3, MemoryGoal = 1.5, PressGoalMs = 5.0, KeysGoal = 1.5;

void installEdition()
{
    for (const wchar_t* k : {L"QuarnTrazelStd9.20", L"QuarnTrazelKmEd9.20"})
        RegDeleteKeyW(HKEY_CLASSES_ROOT, k);
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, L"QuarnTrazelUltor9.20", 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) ==
        ERROR_SUCCESS)
        RegCloseKey(h);
}

std::string ms(double v) { return fixed(v, v < 10 ? 2 : 1) + " ms"; }
std::string ratio(double a, double b) { return b > 0 ? fixed(a / b, 2) + "×" : "–"; }

std::string countsRow(const WalkFigures& w, long Counts::*member)
{
    std::string s = std::to_string(w.atMenuBefore.*member);
    for (const Counts& c : w.atMenuAfterRound)
        s += " → " + std::to_string(c.*member);
    return s;
}

void startUpRows(const StartUpFigures& s, std::vector<Row>& rows)
{
    const double t = median(s.tutorialMs), b = median(s.bareMs);
    rows.push_back({"Start → intro visible (" + std::to_string(s.tutorialMs.size()) + " starts each, median; p95)",
                    ms(t) + "; " + ms(p95(s.tutorialMs)), ms(b) + "; " + ms(p95(s.bareMs)), ratio(t, b),
                    "≤ " + fixed(StartGoal, 1) + "×", yesNo(t <= StartGoal * b)});
    const double l = median(s.bareWithLogoMs);
    rows.push_back({"Floor: the bare window after flashing a logo-sized window first, as the start-up must (median; p95)",
                    "", ms(l) + "; " + ms(p95(s.bareWithLogoMs)), ratio(t, l), "", ""});
    const double lc = median(s.bareWithLogoAndControlsMs);
    rows.push_back({"Floor: that, built with the tutorial's manifest, so that it loads the common controls (version 6) "
                    "at its start as the tutorial does (median; p95)",
                    "", ms(lc) + "; " + ms(p95(s.bareWithLogoAndControlsMs)), ratio(t, lc), "", ""});
    const double tm = median(s.tutorialPeakMb), bm = median(s.barePeakMb);
    rows.push_back({"Peak working set at the intro (median)", fixed(tm) + " MB", fixed(bm) + " MB", ratio(tm, bm),
                    "≤ " + fixed(MemoryGoal, 1) + "×", yesNo(tm <= MemoryGoal * bm)});
    if (!s.otherMs.empty())
        rows.push_back({"Start → intro visible, the other build (median; p95)",
                        ms(median(s.otherMs)) + "; " + ms(p95(s.otherMs)), ms(b), ratio(median(s.otherMs), b), "", ""});
}

void keyRows(const KeyFigures& k, std::vector<Row>& rows)
{
    const double s = median(k.senderMs), f = median(k.floorMs);
    rows.push_back({"20 keys into Trazel until handled (" + std::to_string(k.senderMs.size()) + " each, median; p95)",
                    ms(s) + "; " + ms(p95(k.senderMs)), ms(f) + "; " + ms(p95(k.floorMs)), ratio(s, f),
                    "≤ " + fixed(KeysGoal, 1) + "×", yesNo(s <= KeysGoal * f && k.notHandled == 0)});
}

void walkRows(const WalkFigures& w, const std::vector<double>& floor, const std::vector<double>& boxFloor,
              std::vector<Row>& rows)
{
    const double floorP95 = p95(floor);
    rows.push_back({"Floor: a click that repaints a slide-sized area of the bare window, " +
                        std::to_string(floor.size()) + " presses (p50; p95; max)",
                    "", ms(median(floor)) + "; **" + ms(floorP95) + "**; " + ms(maxOf(floor)), "", "", ""});
    rows.push_back({"Floor: the same click when it also moves, resizes and retitles a caption box (a child window "
                    "with a label), " + std::to_string(boxFloor.size()) + " presses (p50; p95; max)",
                    "", ms(median(boxFloor)) + "; **" + ms(p95(boxFloor)) + "**; " + ms(maxOf(boxFloor)), "", "", ""});
    for (int n = 1; n <= 15; ++n) {
        const LessonFigures& l = w.lessons[static_cast<std::size_t>(n)];
        // Each statistic per round, then the median of the rounds.
        std::vector<double> p50s, p95s, maxes;
        for (const auto& round : l.pressesMs) {
            p50s.push_back(median(round));
            p95s.push_back(p95(round));
            maxes.push_back(maxOf(round));
        }
        const double worst = median(p95s);
        rows.push_back({"Lesson " + std::to_string(n) + ": Continue and Go Back, " +
                            std::to_string(2 * (l.screens - 1)) + " presses (p50; p95; max); opening it",
                        ms(median(p50s)) + "; **" + ms(worst) + "**; " + ms(median(maxes)) + "; open " +
                            ms(median(l.openMs)),
                        "p95 " + ms(floorP95), ratio(worst, floorP95), "p95 ≤ " + fixed(PressGoalMs, 0) + " ms",
                        yesNo(worst <= PressGoalMs)});
    }
    const Counts& first = w.atMenuAfterRound.front();
    const Counts& last = w.atMenuAfterRound.back();
    std::string sets = fixed(w.atMenuBefore.workingSetMb);
    for (const Counts& c : w.atMenuAfterRound)
        sets += " → " + fixed(c.workingSetMb);
    // Fonts and brushes are made on first use and kept; what a visit makes
    // must be gone again after the next one.
    rows.push_back({"Working set at the menu: before, after each round of all lessons and exercises", sets + " MB", "",
                    "", "no growth after the first round",
                    yesNo(last.workingSetMb <= first.workingSetMb * 1.02 + 0.5)});
    rows.push_back({"GDI objects at the menu: before, after each round", countsRow(w, &Counts::gdi), "", "",
                    "back where the first round left them", yesNo(last.gdi == first.gdi && last.gdi >= 0)});
    rows.push_back({"USER objects at the menu: before, after each round", countsRow(w, &Counts::user), "", "",
                    "back where they were", yesNo(last.user == first.user && first.user == w.atMenuBefore.user)});
}

int run(int argc, wchar_t** argv)
{
    if (argc != 9)
        throw std::runtime_error(
            "usage: perf-bench HOST-DIR BARE-WINDOW-EXE FLOOR-HOOK-DLL OUT-FILE ROUNDS STARTS KEY-PAIRS all|one");
    const Installed at{argv[1], std::wstring(argv[1]) + L"\\TUTOR"};
    const std::wstring bare = argv[2], floorHook = argv[3], out = argv[4];
    const int rounds = _wtoi(argv[5]), starts = _wtoi(argv[6]), pairs = _wtoi(argv[7]);
    const Exercises exercises = std::wstring(argv[8]) == L"all" ? Exercises::All : Exercises::OneLesson;

    installEdition();
    const CountsReader reader;
    const Texts texts(at.tutorial());
    // Trazel stays open throughout, so the tutorial asks nothing at start-up.
    Started frame(at.hostDir + L"\\TRZFRAME.EXE", L"", at.hostDir);
    Started design(at.hostDir + L"\\TRAZEL.EXE", L"", at.hostDir);
    if (!waitVisibleWindowOf(frame.pid(), L"QaTrazelFrame", L"Trazel Session", 20000) ||
        !waitVisibleWindowOf(design.pid(), L"MaxFrame", L"Trazel", 20000))
        throw std::runtime_error("Trazel did not open");

    // LT_BENCH_ONLY=start,keys,lessons measures only those parts, for
    // quicker looks while profiling.
    const wchar_t* only = _wgetenv(L"LT_BENCH_ONLY");
    const auto wanted = [only](const wchar_t* part) { return !only || wcsstr(only, part); };
    std::vector<Row> rows;
    const double paceBefore = windowMakeAndDestroyMs();
    // LT_BENCH_OTHER names another build of the tutorial in its folder (see
    // tools/bench.sh), started in turn with the two others.
    const wchar_t* other = _wgetenv(L"LT_BENCH_OTHER");
    if (wanted(L"start"))
        startUpRows(measureStartUp(at, bare, texts, starts, reader, other ? at.tutorDir + L"\\" + other : L""), rows);
    KeyFigures keys;
    if (wanted(L"keys")) {
        keys = measureKeys(floorHook, pairs);
        keyRows(keys, rows);
    }
    WalkFigures walk;
    if (wanted(L"lessons")) {
        constexpr int FloorPresses = 100;
        const std::vector<double> floor = measurePressFloor(bare, FloorPresses * rounds, PressFloor::SlideOnly);
        const std::vector<double> boxFloor =
            measurePressFloor(bare, FloorPresses * rounds, PressFloor::WithCaptionBox);
        walk = walkLessons(at, texts, rounds, exercises, reader);
        walkRows(walk, floor, boxFloor, rows);
    }
    const double paceAfter = windowMakeAndDestroyMs();

    std::ofstream file(out.c_str(), std::ios::binary | std::ios::trunc);
    for (const Row& r : rows)
        file << "| " << r.what << " | " << r.measured << " | " << r.floor << " | " << r.ratio << " | " << r.goal
             << " | " << r.met << " |\n";
    file << "- Machine pace: a hidden top-level window made and destroyed took " << ms(paceBefore)
         << " at the start of the run and " << ms(paceAfter) << " at its end (median of 21); the same operation "
         << "takes from one to about five times as long on this machine from one hour to the next, and every figure "
         << "above moves with it.\n";
    file << "- GDI objects counted by: " << reader.gdiSource() << "; USER objects: " << reader.userSource() << ".\n";
    if (wanted(L"lessons"))
        file << "- Lesson figures: " << rounds << " round(s) of every lesson; each statistic is taken per round and the "
         << "median of the rounds is shown. " << walk.exercisePages << " exercise pages were shown on the way, "
         << walk.exerciseBoxes << " of them with a message.\n";
    if (keys.notHandled)
        file << "- The key sender reported " << keys.notHandled << " sends as not handled.\n";
    if (keys.floorLost)
        file << "- " << keys.floorLost << " sends of the key floor went elsewhere and were repeated.\n";
    return 0;
}

} // namespace

} // namespace bench

int wmain(int argc, wchar_t** argv)
{
    try {
        return bench::run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "perf-bench: %s\n", e.what());
        return 1;
    }
}
