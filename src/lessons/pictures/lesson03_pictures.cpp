// Lesson 3, Placing components: keepout areas, the placement grid, locking
// the preplaced components, then placing, rotating and moving the others.
#include <algorithm>
#include <cstdlib>

#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using namespace pictures::item;
using forms::Area;
using forms::Board;
using forms::Component;
using forms::Point;

namespace {

const std::string File = "TUTORBD1.MAX";
const std::vector<std::string> PlaceMenu = {"Component...", "Keepout", "Copper Zone", "-", "Text...", "Dimension"};
const std::vector<std::string> ToolsMenu = {"Design Check...", "Reports...", "Post Process...", "-",
                                            "Relinx...",       "Cross Probe", "-",              "Library Manager..."};
enum PopupItem { Move, Rotate, Lock = 4, None = -1 };
enum PlaceItem { PlaceComponent, PlaceKeepout };

constexpr int ComponentButton = 1;
constexpr Point ComponentButtonAt = {600, 795};

bool isPreplaced(const Component& c) { return c.reference == "J1" || c.reference == "U16"; }

bool named(const Component& c, std::initializer_list<const char*> references)
{
    return std::any_of(references.begin(), references.end(), [&](const char* r) { return c.reference == r; });
}

// Moves a component and the ends of its connections with it. A connection
// ends at a pad at the bottom corner of a component's pad row.
void moveComponent(Board& b, Component& c, Point to)
{
    const int dx = to.x - c.at.x, dy = to.y - c.at.y;
    const auto isPinOf = [&c](const Point& p) {
        return p.y == c.at.y + c.height / 2 && std::abs(p.x - c.at.x) == c.width / 2 - 40;
    };
    for (forms::Connection& n : b.connections)
        for (Point* end : {&n.from, &n.to})
            if (isPinOf(*end))
                *end = {end->x + dx, end->y + dy};
    c.at = to;
}

// The four corners of the board, kept free for its mounting holes.
void addKeepouts(Board& b)
{
    const int w = b.outline.width, h = b.outline.height, size = 450, inset = 50;
    for (const Point corner : {Point{inset, inset}, Point{w - inset - size, inset}, Point{inset, h - inset - size},
                               Point{w - inset - size, h - inset - size}})
        b.zones.push_back({forms::Layer::Keepout,
                           {corner, {corner.x + size, corner.y}, {corner.x + size, corner.y + size},
                            {corner.x, corner.y + size}},
                           true,
                           false});
}

// TUTORBD1.MAX as it comes from the schematic: the connector J1 and U16 are
// preplaced, the components named in `placed` stand in their places and the
// others wait in three columns left of the board, each in a place of its own.
Board board(std::initializer_list<const char*> placed, bool keepouts = true)
{
    Board b = tutorialBoard(Stage::Placed);
    constexpr int Rows = 8, ColumnStep = 1050, RowStep = 560, FirstColumn = -2750, FirstRow = 300;
    int slot = 0;
    for (Component& c : b.components) {
        if (isPreplaced(c))
            continue;
        if (!named(c, placed))
            moveComponent(b, c, {FirstColumn + (slot / Rows) * ColumnStep, FirstRow + (slot % Rows) * RowStep});
        ++slot;
    }
    if (keepouts)
        addKeepouts(b);
    return b;
}

// Every component placed, with the preplaced ones locked.
Board finished()
{
    Board b = tutorialBoard(Stage::Placed);
    addKeepouts(b);
    lock(b, {"J1", "U16"});
    return b;
}

const Component& part(const Board& b, const std::string& reference)
{
    return *std::find_if(b.components.begin(), b.components.end(),
                         [&](const Component& c) { return c.reference == reference; });
}

Point slideAt(const Board& b, const std::string& reference) { return onSlide(b, part(b, reference).at); }

Shot host(Board b) { return Shot::host(std::move(b), File); }

forms::PictureRef fromSchematic()
{
    Shot s = host(board({}, false));
    const Board& b = s.board();
    s.status("Unplaced: 24 components")
        .note("Components beside the board", {4700, 1500, 2300, 300}, slideAt(b, "U9"))
        .note("Connections", {5900, 3900, 1500, 300}, onSlide(b, {1140, 3480}));
    return s.done();
}

forms::PictureRef keepouts()
{
    Shot s = host(board({}));
    s.note("Keepout area", {8250, 3300, 1600, 300}, onSlide(s.board(), {5575, 4175}));
    return s.done();
}

forms::PictureRef gridsDialog()
{
    return host(board({}))
        .dialog("Grids", {4400, 3080, 4300, 3050},
                {field("Design grid", "25 mil", {150, 120, 3850, 300}),
                 field("Placement grid", "100 mil", {150, 500, 3850, 300}, true),
                 field("Via grid", "25 mil", {150, 880, 3850, 300}),
                 field("Display grid", "100 mil", {150, 1260, 3850, 300}),
                 check("Snap to grid", true, {150, 1680, 3850, 270}), button("OK", {900, 2150, 1000, 360}),
                 button("Cancel", {2250, 2150, 1000, 360})})
        .done();
}

forms::PictureRef preplaced()
{
    Shot s = host(board({}));
    const Board& b = s.board();
    s.note("Connector J1 at the board edge", {5000, 1700, 2700, 300}, onSlide(b, {350, 1800}))
        .note("U16", {7000, 4200, 900, 300}, slideAt(b, "U16"));
    return s.done();
}

// U16 selected with SHIFT+click, and its pop-up menu.
forms::PictureRef selectU16(int highlighted)
{
    Shot s = host(board({}));
    select(s.board(), {"U16"});
    s.board().cursor = part(s.board(), "U16").at;
    s.tool(ComponentButton).status("U16 selected");
    s.popup({slideAt(s.board(), "U16").x + 450, 3000}, ComponentPopup, highlighted);
    s.note("Component button", {4300, 1400, 1700, 300}, ComponentButtonAt);
    return s.done();
}

forms::PictureRef locked()
{
    Board b = board({});
    lock(b, {"J1", "U16"});
    Shot s = host(b);
    const Component& u16 = part(s.board(), "U16");
    s.status("Locked: J1, U16").note("Lock mark", {5600, 3300, 1400, 300},
                                     onSlide(s.board(), {u16.at.x + u16.width / 2 - 60, u16.at.y - u16.height / 2 + 60}));
    return s.done();
}

Board lockedBoard(std::initializer_list<const char*> placed)
{
    Board b = board(placed);
    lock(b, {"J1", "U16"});
    return b;
}

forms::PictureRef placeComponent()
{
    return host(lockedBoard({}))
        .menu("Place", PlaceMenu, PlaceComponent)
        .dialog("Place Component", {5000, 1300, 4300, 3700},
                {field("Reference", "U6", {150, 120, 3850, 300}, true),
                 label("Unplaced components", {150, 560, 3850, 240}),
                 list({"U1", "U2", "U3", "U4", "U5", "U6", "U7", "U8"}, "U6", {150, 830, 3850, 1950}),
                 button("OK", {900, 2950, 1000, 360}), button("Cancel", {2250, 2950, 1000, 360})})
        .done();
}

forms::PictureRef onCursor()
{
    Shot s = host(lockedBoard({"U6"}));
    select(s.board(), {"U6"});
    s.board().cursor = part(s.board(), "U6").at;
    s.status("Place U6: click to place").note("U6 on the cursor", {5500, 1450, 1800, 300}, slideAt(s.board(), "U6"));
    return s.done();
}

// A placed component selected with SHIFT+click, with the pop-up menu.
forms::PictureRef componentMenu(const std::string& reference, PopupItem item, bool rotated)
{
    Board b = lockedBoard({"U1", "U3", "U5", "U6", "R1"});
    for (Component& c : b.components)
        if (c.reference == reference) {
            c.selected = true;
            if (rotated)
                std::swap(c.width, c.height);
            b.cursor = c.at;
        }
    Shot s = host(b);
    // The menu opens beside the component, no lower than the description box allows.
    const Component& c = part(s.board(), reference);
    const Point right = onSlide(s.board(), {c.at.x + c.width / 2, c.at.y});
    s.popup({right.x + 90, std::min(right.y, 2050)}, ComponentPopup, item);
    s.status(reference + " selected");
    return s.done();
}

forms::PictureRef inGroups()
{
    Shot s = host(lockedBoard({"U1", "U2", "U5", "U6", "R1", "R2", "C1", "C2"}));
    s.status("Placed: 10 of 26 components")
        .note("Connected parts side by side: short connections", {7300, 2700, 2400, 480},
              onSlide(s.board(), {1875, 950}));
    return s.done();
}

forms::PictureRef designCheck()
{
    return host(finished())
        .menu("Tools", ToolsMenu, 0)
        .dialog("Design Check", {200, 1300, 3700, 4100},
                {group("Check", {150, 60, 3250, 1450}), check("Placement", true, {350, 360, 2800, 270}, true),
                 check("Clearances", false, {350, 700, 2800, 270}), check("Connectivity", false, {350, 1040, 2800, 270}),
                 label("Results", {150, 1700, 3250, 240}),
                 list({"26 components checked", "No overlapping components", "No components off the board",
                       "No components in keepout areas"},
                      "", {150, 1970, 3250, 1000}),
                 button("Check", {600, 3200, 1000, 360}, true), button("Close", {1900, 3200, 1000, 360})})
        .done();
}

} // namespace

LessonPictures lesson3Pictures()
{
    return LessonPictureList(17)
        .add("Image1", host(finished()).status("Placed: 26 of 26 components").done(), {1, 15, 17})
        .add("Image2", fromSchematic(), {2})
        .add("Image3", host(board({}, false)).menu("Place", PlaceMenu, PlaceKeepout).done(), {3})
        .add("Image4", keepouts(), {4})
        .add("Image5", gridsDialog(), {5})
        .add("Image6", preplaced(), {6})
        .add("Image7", selectU16(None), {7})
        .add("Image8", selectU16(Lock), {8})
        .add("Image9", locked(), {9})
        .add("Image10", placeComponent(), {10})
        .add("Image11", onCursor(), {11})
        .add("Image12", componentMenu("U3", Rotate, true), {12})
        .add("Image13", componentMenu("U6", Move, false), {13})
        .add("Image14", inGroups(), {14})
        .add("Image15", designCheck(), {16})
        .done();
}

} // namespace lt
