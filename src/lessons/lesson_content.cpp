#include "lessons/lesson_content.h"

#include <array>
#include <stdexcept>

namespace lt {

LessonContent lesson1Content();
LessonContent lesson2Content();
LessonContent lesson3Content();
LessonContent lesson4Content();
LessonContent lesson5Content();
LessonContent lesson6Content();
LessonContent lesson7Content();
LessonContent lesson8Content();
LessonContent lesson9Content();
LessonContent lesson10Content();
LessonContent lesson11Content();
LessonContent lesson12Content();
LessonContent lesson13Content();
LessonContent lesson14Content();
LessonContent lesson15Content();

bool joinsFirstCaption(int lesson) { return lesson == 2 || lesson == 13; }

int captionId(int lesson, int screen)
{
    const int first = 1000 + 100 * lesson;
    if (joinsFirstCaption(lesson))
        return screen == 1 ? first : first + screen;
    return first + screen - 1;
}

bool hasExercises(int lesson)
{
    switch (lesson) {
    case 1:
    case 2:
    case 7:
    case 10:
    case 11:
    case 12:
        return false;
    default:
        return lesson >= 1 && lesson <= 15;
    }
}

const LessonContent& lessonContent(int lesson)
{
    using Make = LessonContent (*)();
    static constexpr Make makers[] = {lesson1Content,  lesson2Content,  lesson3Content,  lesson4Content,
                                      lesson5Content,  lesson6Content,  lesson7Content,  lesson8Content,
                                      lesson9Content,  lesson10Content, lesson11Content, lesson12Content,
                                      lesson13Content, lesson14Content, lesson15Content};
    static std::array<std::optional<LessonContent>, 15> made;
    if (lesson < 1 || lesson > 15)
        throw std::out_of_range("no lesson " + std::to_string(lesson));
    auto& content = made[static_cast<std::size_t>(lesson - 1)];
    if (!content)
        content = makers[lesson - 1]();
    return *content;
}

ScriptBuilder::ScriptBuilder(int lesson, int screens)
{
    content_.lesson = lesson;
    content_.exercises = hasExercises(lesson);
    content_.screens.resize(static_cast<std::size_t>(screens));
}

Screen& ScriptBuilder::at(int step) { return content_.screens.at(static_cast<std::size_t>(step - 1)); }

ScriptBuilder& ScriptBuilder::box(int step, int left, int top, int width, int height)
{
    at(step).box = pictures::Area{left, top, width, height};
    return *this;
}

ScriptBuilder& ScriptBuilder::definition(int step, Definition d)
{
    at(step).definition = d;
    return *this;
}

ScriptBuilder& ScriptBuilder::hideDefinition(std::initializer_list<int> steps)
{
    for (int step : steps)
        at(step).hideDefinition = true;
    return *this;
}

ScriptBuilder& ScriptBuilder::chart(int step, Toggle t)
{
    at(step).chart = t;
    return *this;
}

ScriptBuilder& ScriptBuilder::hilite(int step, Toggle t)
{
    at(step).hilite = t;
    return *this;
}

LessonContent ScriptBuilder::build(LessonPictures pictures) const
{
    LessonContent c = content_;
    if (pictures.screenPicture.size() != c.screens.size())
        throw std::logic_error("lesson " + std::to_string(c.lesson) + " has " + std::to_string(c.screens.size()) +
                               " screens but pictures for " + std::to_string(pictures.screenPicture.size()));
    c.pictures = std::move(pictures);
    return c;
}

} // namespace lt
