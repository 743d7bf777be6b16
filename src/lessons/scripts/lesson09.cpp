// Lesson 9: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson9Content()
{
    return ScriptBuilder(9, 13)
        .box(2, 5015, 3645)
        .build(lesson9Pictures());
}

} // namespace lt
