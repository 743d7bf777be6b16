// Lesson 14: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson14Content()
{
    return ScriptBuilder(14, 17)
        .box(2, 5115, 4145)
        .build(lesson14Pictures());
}

} // namespace lt
