// Lesson 5: the screen pictures.
#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;

LessonPictures lesson5Pictures()
{
    LessonPictureList list(24);
    for (int screen = 1; screen <= 24; ++screen)
        list.add("Image" + std::to_string(screen), Shot::host(Stage::Placed).done(), {screen});
    return list.done();
}

} // namespace lt
