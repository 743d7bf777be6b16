// Lesson 10: the screen pictures.
#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;

LessonPictures lesson10Pictures()
{
    LessonPictureList list(13);
    for (int screen = 1; screen <= 13; ++screen)
        list.add("Image" + std::to_string(screen), Shot::host(Stage::Placed).done(), {screen});
    return list.done();
}

} // namespace lt
