// Lesson 3: the screen table of its slide script.
#include "lessons/lesson_content.h"

namespace lt {

LessonContent lesson3Content()
{
    return ScriptBuilder(3, 17)
        .box(2, 225, 3815)
        .box(9, 225, 3815)
        .box(10, 225, 3815)
        .box(11, 5225, 4200)
        .definition(4, {1375, 1376, 1377, 3360, 225})
        .definition(5, {1378, 1379, 1380, 3360, 225})
        .definition(8, {1381, 1382, 0, 3360, 225})
        .hideDefinition({3, 6, 7, 9})
        .build(lesson3Pictures());
}

} // namespace lt
