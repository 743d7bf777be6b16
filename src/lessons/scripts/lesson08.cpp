// Lesson 8: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson8Content()
{
    return ScriptBuilder(8, 19)
        .box(2, 3215, 4175)
        .box(13, 3215, 4175)
        .box(14, 5475, 4175)
        .build(lesson8Pictures());
}

} // namespace lt
