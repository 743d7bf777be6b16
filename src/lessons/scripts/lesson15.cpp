// Lesson 15: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson15Content()
{
    return ScriptBuilder(15, 12)
        .box(2, 5375, 4145)
        .build(lesson15Pictures());
}

} // namespace lt
