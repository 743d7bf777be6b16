// What each lesson shows, as data: its screens, where the description box
// goes, which picture each screen shows, and the definition boxes, chart and
// highlight frame that some screens carry.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "forms/picture.h"
#include "pictures/geometry.h"

namespace lt {

// A definition box: a term (title string) and its definition (one or two strings).
struct Definition {
    int title = 0;
    int first = 0;
    int second = 0; // 0: the definition is one string
    int left = 0, top = 0;
};

enum class Toggle { Keep, Show, Hide };

struct Screen {
    std::optional<pictures::Area> box; // the description box moves here
    std::optional<Definition> definition;
    bool hideDefinition = false;
    Toggle chart = Toggle::Keep;  // lesson 1's design-flow chart
    Toggle hilite = Toggle::Keep; // lesson 1's highlight frame
};

// A picture control of a lesson window: Image3, Image1(14), Newpadst.
struct NamedPicture {
    std::string name;
    int index = -1; // element of a control array, or -1
    forms::PictureRef picture;
};

struct LessonPictures {
    std::vector<NamedPicture> pictures;
    // Per screen, the position in `pictures` of the picture it shows; -1 for
    // a screen that shows none (lesson 1's chart screen).
    std::vector<int> screenPicture;
};

struct LessonContent {
    int lesson = 0;
    bool exercises = false;
    std::vector<Screen> screens; // screen k is screens[k - 1]
    LessonPictures pictures;
};

inline constexpr int BoxWidth = 3685, BoxHeight = 2000;
inline constexpr pictures::Area FirstBox = {225, 240, BoxWidth, 2700};
inline constexpr pictures::Area FirstShadow = {330, 330, BoxWidth, 2700};

// The string of screen k's caption; lessons 2 and 13 join two strings on screen 1.
int captionId(int lesson, int screen);
bool joinsFirstCaption(int lesson);
bool hasExercises(int lesson);

const LessonContent& lessonContent(int lesson);

// Each lesson's pictures, kept with its picture descriptions.
LessonPictures lesson1Pictures();
LessonPictures lesson2Pictures();
LessonPictures lesson3Pictures();
LessonPictures lesson4Pictures();
LessonPictures lesson5Pictures();
LessonPictures lesson6Pictures();
LessonPictures lesson7Pictures();
LessonPictures lesson8Pictures();
LessonPictures lesson9Pictures();
LessonPictures lesson10Pictures();
LessonPictures lesson11Pictures();
LessonPictures lesson12Pictures();
LessonPictures lesson13Pictures();
LessonPictures lesson14Pictures();
LessonPictures lesson15Pictures();

} // namespace lt

namespace lt {

// Writes a lesson's screen table step by step (step k is screen k).
class ScriptBuilder {
public:
    ScriptBuilder(int lesson, int screens);
    ScriptBuilder& box(int step, int left, int top, int width = BoxWidth, int height = BoxHeight);
    ScriptBuilder& definition(int step, Definition d);
    ScriptBuilder& hideDefinition(std::initializer_list<int> steps);
    ScriptBuilder& chart(int step, Toggle t);
    ScriptBuilder& hilite(int step, Toggle t);
    LessonContent build(LessonPictures pictures) const;

private:
    Screen& at(int step);
    LessonContent content_;
};

} // namespace lt
