// Every screen of every lesson, forward and back: the time from a press of
// Continue or Go Back to the lesson window and all its children painted.
// Between rounds the lessons' exercises are done, and the tutorial's memory
// and its GDI and USER objects are read at the lesson menu.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "process_counts.h"
#include "tutorial_session.h"

namespace bench {

struct LessonFigures {
    int screens = 0;
    std::vector<double> openMs;                    // menu button to screen 1 painted, one per round
    std::vector<std::vector<double>> pressesMs;    // per round: every Continue, then every Go Back
};

struct WalkFigures {
    std::array<LessonFigures, 16> lessons; // 1 to 15
    Counts atMenuBefore;
    std::vector<Counts> atMenuAfterRound;
    int exercisePages = 0;
    int exerciseBoxes = 0; // messages during the exercises (keys not taken): should be none
};

enum class Exercises { All, OneLesson };

// The floor of a press: the bare window program started with "press", its
// button clicked `presses` times, each click filling its slide area anew;
// with a caption box, each click also moves, resizes and retitles it.
enum class PressFloor { SlideOnly, WithCaptionBox };
std::vector<double> measurePressFloor(const std::wstring& bareExe, int presses, PressFloor kind);

WalkFigures walkLessons(const Installed& at, const Texts& texts, int rounds, Exercises exercises,
                        const CountsReader& reader);

} // namespace bench
