#include "lessons/pictures/picture_kit.h"

#include <stdexcept>

namespace lt::pictures {

Point onSlide(const Board& board, Point mils)
{
    return BoardFit(board, hostLayout({0, 0, SlideWidth, SlideHeight}).design).toPicture(mils);
}

LessonPictureList& LessonPictureList::add(const std::string& name, forms::PictureRef picture,
                                          std::initializer_list<int> screens, int index)
{
    const int position = static_cast<int>(built_.pictures.size());
    built_.pictures.push_back({name, index, std::move(picture)});
    for (int s : screens) {
        if (s < 1 || s > static_cast<int>(built_.screenPicture.size()))
            throw std::logic_error(name + " is listed for screen " + std::to_string(s) + ", which the lesson lacks");
        built_.screenPicture[static_cast<std::size_t>(s - 1)] = position;
    }
    return *this;
}

LessonPictures LessonPictureList::done() const { return built_; }

} // namespace lt::pictures
