// Leaving a lesson: the confirmation, the return to the lesson menu and the
// end of the lesson after its last screen.
#include "exercises/host_for_exercises.h"
#include "exercises/steps_window.h"
#include "forms/form.h"
#include "host/host_windows.h"
#include "lessons/lesson_window.h"
#include "lessons/slide_script.h"
#include "menu/sel_menu.h"

namespace lt {

namespace {

constexpr int ReturnQuestion = 65, ExercisesQuestion = 66, PracticeNow = 27, DoExercises = 28, NoExercises = 85;

bool exercisesAvailable(const Tutorial& t) { return !t.g.Work_Dir.empty() && !launchFailed(t.g.Launch_Code); }

void backToMenu(Tutorial& t)
{
    SelMenu& menu = Sel_menu(t);
    menu.UpdateDeleteMarkers();
    t.forms.unload<StepsWindow>();
    menu.setCaption(t.text(txt::MenuTitle));
    menu.Select_info.setCaption(t.text(txt::PressF1));
    if (!exercisesAvailable(t))
        menu.ShowExercisesUnavailable();
    t.forms.unload<LessonWindow>(t.g.Cur_Lesson);
    menu.show();
}

} // namespace

std::int16_t ConfirmLeaveLesson(Tutorial& t)
{
    int prompt = 0;
    if (t.g.Ask_Return) {
        prompt = ReturnQuestion;
        t.g.Ask_Return = false;
    }
    if (t.g.Ask_Exercises) {
        prompt = ExercisesQuestion;
        t.g.Ask_Exercises = false;
    }
    return t.message(t.text(prompt), mb::YesNo | mb::IconQuestion) == mb::IdYes ? 1 : 0;
}

void ReturnToLessonMenu(Tutorial& t)
{
    t.g.Ask_Return = true;
    t.g.Leave_Answer = ConfirmLeaveLesson(t);
    if (t.g.Leave_Answer != 1)
        return;
    t.g.Step_No = 0;
    ShowLessonMenu(t);
}

void EndOfLesson(Tutorial& t)
{
    if (!hasExercises(t.g.Cur_Lesson)) {
        t.message(t.text(NoExercises), mb::Ok | mb::IconInformation);
        backToMenu(t);
        return;
    }
    t.desktop.setScreenPointer(Pointer::Default);
    if (exercisesAvailable(t) &&
        t.message(t.text(PracticeNow) + t.g.CRLF2 + t.text(DoExercises), mb::YesNo | mb::IconQuestion) == mb::IdYes) {
        t.desktop.setScreenPointer(Pointer::Hourglass);
        StartHost(t);
        if (exercisesAvailable(t)) {
            t.desktop.setScreenPointer(Pointer::Hourglass);
            t.forms.unload<LessonWindow>(t.g.Cur_Lesson);
            t.g.Step_No = 0;
            ShowExerciseSteps(t);
            t.desktop.setScreenPointer(Pointer::Default);
            return;
        }
    }
    backToMenu(t);
}

} // namespace lt
