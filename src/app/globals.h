// The application state shared by every window and routine for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "host/host_link.h"

namespace lt {

inline constexpr int LessonCount = 15;

// Progress marks indexed by lesson number 1..15; element 0 is unused.
using Marks = std::array<std::int16_t, LessonCount + 1>;

namespace mark {
inline constexpr std::int16_t LessonDone = 1, ExercisesDone = 2;
}

struct Globals : HostGlobals {
    const std::string CRLF = "\r\n";
    const std::string CRLF2 = "\r\n\r\n";

    Marks Lsn_Progress{};
    Marks Saved_Progress{};
    std::string Work_Dir;
    std::string Tutor_Dir;
    std::int16_t Edition = 0;
    long Reg_Std = 0, Reg_KmEd = 0, Reg_Ultor = 0;

    // Lesson player and exercises.
    std::int16_t Cur_Lesson = 0;
    std::int16_t Screen_No = 0;
    std::int16_t Step_No = 0;
    bool Ask_Return = false;
    bool Ask_Exercises = false;
    std::int16_t Leave_Answer = 0;
    std::int16_t Exer_Done = 0;
    std::string Design_File;

    // The exercise steps window's place, kept for its next opening in this
    // run: height and left edge in twips (0: not known yet), wide enough for
    // any screen. Last_Right_Button is 1 when the last button pressed or
    // released over the window was the right one.
    int Saved_Height = 0;
    int Saved_Left = 0;
    int Last_Right_Button = 0;
};

// A host start that failed: the exercises are unavailable.
inline bool launchFailed(std::int16_t launchCode) { return launchCode >= 1 && launchCode <= 31; }

} // namespace lt
