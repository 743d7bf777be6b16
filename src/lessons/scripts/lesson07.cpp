// Lesson 7: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson7Content()
{
    return ScriptBuilder(7, 18)
        .box(2, 5215, 4145)
        .definition(7, {1775, 1776, 1777, 4860, 165})
        .definition(13, {1778, 1779, 1780, 4860, 165})
        .hideDefinition({6, 8, 12, 14})
        .build(lesson7Pictures());
}

} // namespace lt
