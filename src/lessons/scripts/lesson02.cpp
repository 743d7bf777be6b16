// Lesson 2: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson2Content()
{
    return ScriptBuilder(2, 26)
        .box(2, 225, 945)
        .box(3, 5375, 4145)
        .box(15, 5375, 4145)
        .box(16, 900, 3000)
        .box(17, 5375, 4145)
        .definition(5, {1275, 1276, 1277, 5145, 945})
        .hideDefinition({4, 6})
        .build(lesson2Pictures());
}

} // namespace lt
