// What the lessons' screen pictures are made of: Trazel's windows and the
// tutorial boards from the picture layer, placed on a lesson window's slide
// area, and the list that ties each picture to the screens that show it.
#pragma once

#include <initializer_list>
#include <string>

#include "lessons/lesson_content.h"
#include "pictures/board_edits.h"
#include "pictures/host_view.h"
#include "pictures/shot.h"
#include "pictures/tutorial_boards.h"

namespace lt::pictures {

// The slide area of a lesson window, in twips.
inline constexpr int SlideWidth = 10080, SlideHeight = 6480;

// Where a point of the board of a host screen lies on the slide, so a note
// can point at it.
Point onSlide(const Board& board, Point mils);

// A lesson's pictures: add each picture with the screens that show it.
class LessonPictureList {
public:
    explicit LessonPictureList(int screens) : built_{{}, std::vector<int>(static_cast<std::size_t>(screens), -1)} {}
    // A picture control named `name` (or name(index)) shown on these screens.
    LessonPictureList& add(const std::string& name, forms::PictureRef picture, std::initializer_list<int> screens,
                           int index = -1);
    LessonPictures done() const;

private:
    LessonPictures built_;
};

} // namespace lt::pictures
