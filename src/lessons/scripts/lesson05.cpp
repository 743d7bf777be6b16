// Lesson 5: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson5Content()
{
    return ScriptBuilder(5, 24)
        .box(2, 5200, 4215)
        .box(12, 5200, 4215)
        .box(13, 1200, 4215)
        .box(14, 1200, 4215)
        .box(15, 5200, 4215)
        .build(lesson5Pictures());
}

} // namespace lt
