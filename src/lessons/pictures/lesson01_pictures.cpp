// Lesson 1: the screen pictures.
#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;

LessonPictures lesson1Pictures()
{
    LessonPictureList list(22);
    for (int screen = 1; screen <= 22; ++screen)
        list.add("Image" + std::to_string(screen), Shot::host(Stage::Placed).done(), {screen});
    return list.done();
}

} // namespace lt
