// Lesson 13: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson13Content()
{
    return ScriptBuilder(13, 12)
        .box(2, 5275, 3800)
        .build(lesson13Pictures());
}

} // namespace lt
