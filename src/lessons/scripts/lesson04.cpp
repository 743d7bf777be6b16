// Lesson 4: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson4Content()
{
    return ScriptBuilder(4, 18)
        .box(2, 5000, 3560)
        .box(8, 5000, 3560)
        .box(9, 330, 3560)
        .box(10, 330, 3560)
        .box(11, 5000, 3560)
        .box(12, 5000, 3560)
        .box(13, 330, 3560)
        .build(lesson4Pictures());
}

} // namespace lt
