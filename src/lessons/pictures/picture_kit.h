// The building blocks of the lessons' screen pictures: Trazel's design window
// with the tutorial board at each stage of its design, open menus, dialogs
// and notes. Picture positions are twips in the lesson window's slide area.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "forms/host_view.h"
#include "forms/picture.h"
#include "lessons/lesson_content.h"

namespace lt::pictures {

inline constexpr int SlideWidth = 10080, SlideHeight = 6480;

// How far the tutorial board has come.
enum class Stage {
    Empty,        // a new design: no board yet
    Outline,      // the board outline only
    Unplaced,     // components waiting beside the board, joined by connections
    Placed,       // components placed, connections unrouted
    PartlyRouted, // some connections routed
    Routed,       // every connection routed
    Planes,       // routed, with a ground zone poured on the bottom layer
};

forms::Board tutorialBoard(Stage stage);

// Where a point of the board of a host screen lies on the slide, so a note
// can point at it.
forms::Point onSlide(const forms::Board& board, forms::Point mils);

// The pop-up menu of a component, as the right mouse button opens it.
extern const std::vector<std::string> ComponentPopup;

// Marks the named components of a board as selected (or locked).
void select(forms::Board& board, std::initializer_list<const char*> references);
void lock(forms::Board& board, std::initializer_list<const char*> references);

namespace item {
forms::DialogItem label(const std::string& text, forms::Area at);
forms::DialogItem field(const std::string& name, const std::string& value, forms::Area at, bool highlighted = false);
forms::DialogItem check(const std::string& text, bool on, forms::Area at, bool highlighted = false);
forms::DialogItem option(const std::string& text, bool on, forms::Area at, bool highlighted = false);
forms::DialogItem button(const std::string& text, forms::Area at, bool highlighted = false);
// Items one per line; `chosen` is shown selected.
forms::DialogItem list(const std::vector<std::string>& items, const std::string& chosen, forms::Area at);
forms::DialogItem group(const std::string& text, forms::Area at);
} // namespace item

class Shot {
public:
    // Trazel's design window with a board, titled with the design's file.
    static Shot host(Stage stage, const std::string& file = "TUTORBD2.MAX");
    static Shot host(forms::Board board, const std::string& file = "TUTORBD2.MAX");
    // Trazel's session frame, before any design is open.
    static Shot sessionFrame();
    // A plain white diagram.
    static Shot diagram();

    // The menu bar entry `title` dropped open with the item `highlighted`.
    Shot& menu(const std::string& title, std::vector<std::string> items, int highlighted,
                 std::vector<std::string> submenu = {}, int submenuHighlighted = -1);
    // A pop-up menu with its corner at `at`.
    Shot& popup(forms::Point at, std::vector<std::string> items, int highlighted);
    Shot& dialog(const std::string& title, forms::Area at, std::vector<forms::DialogItem> items);
    Shot& note(const std::string& text, forms::Area at);
    Shot& note(const std::string& text, forms::Area at, forms::Point pointsTo);
    Shot& status(const std::string& text);
    Shot& tool(int index); // highlights a toolbar button
    Shot& figure(forms::Figure f);
    Shot& box(const std::string& text, forms::Area at, unsigned color = 0x000000, bool filled = false);
    Shot& text(const std::string& text, forms::Area at, bool bold = false, unsigned color = 0x000000);
    Shot& arrow(forms::Point from, forms::Point to, unsigned color = 0x0000C0);
    forms::Board& board() { return picture_.board.value(); }

    forms::PictureRef done() const;

private:
    forms::Picture picture_;
};

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
