// Lesson 2: the screen pictures.
#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;

LessonPictures lesson2Pictures()
{
    LessonPictureList list(26);
    for (int screen = 1; screen <= 26; ++screen)
        list.add("Image" + std::to_string(screen), Shot::host(Stage::Placed).done(), {screen});
    return list.done();
}

} // namespace lt
