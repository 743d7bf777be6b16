// Lesson 11: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson11Content()
{
    return ScriptBuilder(11, 9)
        .box(2, 5015, 4045)
        .build(lesson11Pictures());
}

} // namespace lt
