// Lesson 8: the screen pictures.
#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;

LessonPictures lesson8Pictures()
{
    LessonPictureList list(19);
    for (int screen = 1; screen <= 19; ++screen)
        list.add("Image" + std::to_string(screen), Shot::host(Stage::Placed).done(), {screen});
    return list.done();
}

} // namespace lt
