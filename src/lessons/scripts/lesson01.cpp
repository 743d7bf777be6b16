// Lesson 1: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson1Content()
{
    return ScriptBuilder(1, 22)
        .box(2, 2225, 105, 5800, 1200)
        .box(3, 2800, 4160)
        .box(20, 2800, 4160)
        .box(21, 900, 3000)
        .box(22, 2800, 200)
        .chart(1, Toggle::Hide)
        .chart(2, Toggle::Show)
        .chart(3, Toggle::Hide)
        .hilite(4, Toggle::Hide)
        .hilite(5, Toggle::Show)
        .hilite(6, Toggle::Hide)
        .build(lesson1Pictures());
}

} // namespace lt
