#include "exercises/start_exercises.h"

#include "exercises/host_for_exercises.h"
#include "exercises/steps_window.h"
#include "host/host_windows.h"
#include "lessons/lesson_window.h"
#include "lessons/slide_script.h"

namespace lt {

void StartExercises(Tutorial& t)
{
    if (!hasExercises(t.g.Cur_Lesson))
        return;
    t.g.Ask_Exercises = true;
    t.g.Leave_Answer = ConfirmLeaveLesson(t);
    if (t.g.Leave_Answer != 1)
        return;
    StartHost(t);
    if (launchFailed(t.g.Launch_Code)) {
        if (LessonWindow* lesson = t.forms.find<LessonWindow>(t.g.Cur_Lesson))
            lesson->Do_Exercises.setEnabled(false);
        return;
    }
    t.g.Step_No = 0;
    ShowExerciseSteps(t);
}

} // namespace lt
