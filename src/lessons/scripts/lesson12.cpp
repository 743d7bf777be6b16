// Lesson 12: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson12Content()
{
    return ScriptBuilder(12, 9)
        .box(2, 5015, 4175)
        .box(5, 5015, 4175)
        .box(6, 5015, 2175)
        .box(7, 5015, 4175)
        .build(lesson12Pictures());
}

} // namespace lt
