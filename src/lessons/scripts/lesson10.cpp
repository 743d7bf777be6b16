// Lesson 10: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson10Content()
{
    return ScriptBuilder(10, 13)
        .box(2, 5015, 4045)
        .build(lesson10Pictures());
}

} // namespace lt
