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

// How far the tutorial board has come. The stages show the tutorial designs
// the exercises open: TUTORBD1.MAX before placement, TUTORBD2.MAX placed
// and partly routed, TUTORBD3.MAX routed. All of them lie on a 6000 by 5000
// mil board.
enum class Stage {
    Empty,        // a new design: no board yet
    Outline,      // the board outline only
    Unplaced,     // TUTORBD1: J1 and some parts placed, the others waiting right of the board
    Placed,       // TUTORBD2's components placed, connections unrouted
    PartlyRouted, // TUTORBD2: a few connections routed, the ground pins fanned out
    Routed,       // TUTORBD3: every connection routed, U12 and C7 added at the lower left
    Planes,       // routed, with a ground zone poured on the bottom layer
};

forms::Board tutorialBoard(Stage stage);
// TUTORBD4.MAX, the small, dense board of the enhanced routing exercises, as
// it opens: its resistors and capacitors routed, the rest not.
forms::Board denseBoard();

// How many connections the tutorial board has at a stage, and how many of
// them are routed.
int connectionCount(Stage stage);
int routedCount(Stage stage);

// Where the finished placement of TUTORBD1 (Stage::Unplaced) puts a component.
forms::Point finalPlace(const std::string& reference);

// The board as Trazel shows it zoomed in on `view`: the parts wholly in
// view, tracks, connections and the board's edge cut at its edges. The
// outline shrinks to a point inside the first part, so the window fits the
// parts in view rather than the whole board.
forms::Board zoomIn(const forms::Board& board, forms::Area view);

// Where a point of the board of a host screen lies on the slide, so a note
// can point at it.
forms::Point onSlide(const forms::Board& board, forms::Point mils);

// A component of a board by its reference designator; throws if the board
// lacks it.
const forms::Component& part(const forms::Board& board, const std::string& reference);
// The centre of a pad: pin 1 lies at the left end of the lower pad row (at
// the top of the left row of an upright part), the others follow it
// counterclockwise.
forms::Point pinOf(const forms::Component& component, int pin);
forms::Point pinOf(const forms::Board& board, const std::string& reference, int pin);

// The track of a board that starts or ends at a point, such as a pad or a
// via; throws if there is none.
const forms::Track& trackAt(const forms::Board& board, forms::Point end);
const forms::Track& trackAt(const forms::Board& board, forms::Point end, forms::Layer layer);

// Draws a track along `points`.
void addTrack(forms::Board& board, forms::Layer layer, std::vector<forms::Point> points, bool selected = false);
// Takes away the connection line that starts at `from`, as Trazel does once
// a track is being drawn from there.
void dropConnectionFrom(forms::Board& board, forms::Point from);

// Moves a component to `to`; the connections of its pads move with it.
void move(forms::Board& board, const std::string& reference, forms::Point to);
// Takes the route between two pins of the tutorial board off it, tracks and
// vias, and shows the connection as a line again.
void unroute(forms::Board& board, const std::string& from, int fromPin, const std::string& to, int toPin);
// Takes a component off the tutorial board with its routes and connections.
void removePart(forms::Board& board, const std::string& reference);
// Marks the tracks and vias of a route of the tutorial board selected.
void selectRoute(forms::Board& board, const std::string& from, int fromPin, const std::string& to, int toPin);

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
