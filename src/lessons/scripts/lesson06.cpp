// Lesson 6: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson6Content()
{
    return ScriptBuilder(6, 11)
        .box(2, 5015, 3845)
        .definition(8, {1675, 1676, 1677, 4185, 180})
        .hideDefinition({7, 9})
        .build(lesson6Pictures());
}

} // namespace lt
