// Lesson 3, Placing components: keepout areas, the placement grid, locking
// the preplaced components, then placing, rotating and moving the others.
#include <algorithm>

#include "lessons/pictures/picture_kit.h"
#include "pictures/trazel_dialogs.h"

namespace lt {

using namespace pictures;
using namespace pictures::item;
using pictures::Area;
using pictures::Board;
using pictures::Component;
using pictures::Point;

namespace {

const std::string File = "TUTORBD1.MAX";

constexpr int ComponentButton = 1;
constexpr Point ComponentButtonAt = {600, 795};

// The four corners of the board, kept free for its mounting holes.
void addKeepouts(Board& b)
{
    const int w = b.outline.width, h = b.outline.height, size = 450, inset = 50;
    for (const Point corner : {Point{inset, inset}, Point{w - inset - size, inset}, Point{inset, h - inset - size},
                               Point{w - inset - size, h - inset - size}})
        b.zones.push_back({pictures::Layer::Keepout,
                           {corner, {corner.x + size, corner.y}, {corner.x + size, corner.y + size},
                            {corner.x, corner.y + size}},
                           true,
                           false});
}

// TUTORBD1.MAX as it opens: the connector J1, U16 and some other components
// stand on the board, the others wait in two columns right of it. The
// components named in `placed` have joined them in their places.
Board board(std::initializer_list<const char*> placed, bool keepouts = true)
{
    Board b = tutorialBoard(Stage::Unplaced);
    for (const char* ref : placed)
        move(b, ref, finalPlace(ref));
    if (keepouts)
        addKeepouts(b);
    return b;
}

bool onTheBoard(const Board& b, const Component& c)
{
    return c.at.x < b.outline.left + b.outline.width && c.at.y < b.outline.top + b.outline.height;
}

int placedCount(const Board& b)
{
    return static_cast<int>(
        std::count_if(b.components.begin(), b.components.end(), [&](const Component& c) { return onTheBoard(b, c); }));
}

std::string placedStatus(const Board& b)
{
    return "Placed: " + std::to_string(placedCount(b)) + " of " + std::to_string(b.components.size()) + " components";
}

// Every component placed, with the preplaced ones locked.
Board finished()
{
    Board b = tutorialBoard(Stage::Unplaced);
    for (const Component& c : tutorialBoard(Stage::Unplaced).components)
        move(b, c.reference, finalPlace(c.reference));
    addKeepouts(b);
    lock(b, {"J1", "U16"});
    return b;
}

Point slideAt(const Board& b, const std::string& reference) { return onSlide(b, part(b, reference).at); }

Point between(Point a, Point z) { return {(a.x + z.x) / 2, (a.y + z.y) / 2}; }

Shot host(Board b) { return Shot::host(std::move(b), File); }

forms::PictureRef fromSchematic()
{
    Shot s = host(board({}, false));
    const Board& b = s.board();
    const int waiting = static_cast<int>(b.components.size()) - placedCount(b);
    s.status("Unplaced: " + std::to_string(waiting) + " components")
        .note("Components beside the board", {5150, 1400, 1600, 480}, slideAt(b, "U9"))
        .note("Connections", {5150, 4400, 1500, 300}, onSlide(b, between(pinOf(b, "U16", 12), pinOf(b, "U10", 1))));
    return s.done();
}

forms::PictureRef keepouts()
{
    Shot s = host(board({}));
    const pictures::Area o = s.board().outline;
    s.note("Keepout area", {5000, 4500, 1600, 300}, onSlide(s.board(), {o.width - 275, o.height - 275}));
    return s.done();
}

forms::PictureRef gridsDialog()
{
    Shot s = host(board({}));
    return pictures::gridsDialog(s, {4400, 3080}, 100, {"Placement grid"}).done();
}

// The design window zoomed in on the lower left of the board, where the
// preplaced J1 and U16 stand with U4, U5 and U6 above them.
Board nearU16(const Board& b)
{
    const Component &u4 = part(b, "U4"), &u6 = part(b, "U6"), &u16 = part(b, "U16");
    // The view reaches a little beyond these parts, as far as the window shows, so that the lines leaving
    // it run on to the window's edge.
    const int top = u4.at.y - u4.height / 2 - 200, bottom = u16.at.y + u16.height / 2 + 250;
    return zoomIn(b, {b.outline.left, top, u6.at.x + u6.width / 2 + 800 - b.outline.left, bottom - top});
}

forms::PictureRef preplaced()
{
    Shot s = host(nearU16(board({})));
    const Board& b = s.board();
    const Component& j1 = part(b, "J1");
    s.note("Connector J1 at the board edge", {2100, 3200, 2600, 300}, onSlide(b, {j1.at.x - j1.width / 2, j1.at.y}))
        .note("U16", {6400, 4400, 900, 300}, slideAt(b, "U16"));
    return s.done();
}

// U16 selected with SHIFT+click, and its pop-up menu above it.
forms::PictureRef selectU16(const std::string& highlighted)
{
    Shot s = host(nearU16(board({})));
    select(s.board(), {"U16"});
    s.board().cursor = part(s.board(), "U16").at;
    s.tool(ComponentButton).status("U16 selected");
    s.popup({slideAt(s.board(), "U16").x + 450, 2850}, highlighted);
    s.note("Component button", {1300, 1050, 1700, 300}, ComponentButtonAt);
    return s.done();
}

forms::PictureRef locked()
{
    Board b = board({});
    lock(b, {"J1", "U16"});
    Shot s = host(nearU16(b));
    const Component& u16 = part(s.board(), "U16");
    s.status("Locked: J1, U16")
        .note("Lock mark", {6400, 4300, 1400, 300},
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
        .menu("Place", "Component")
        .dialogOf("Place", "Component", {5000, 1300, 4300, 3700},
                {field("Reference", "U12", {150, 120, 3850, 300}, true),
                 label("Unplaced components", {150, 560, 3850, 240}),
                 list({"U7", "U8", "U9", "U10", "U11", "U12", "U13", "U14"}, "U12", {150, 830, 3850, 1950}),
                 button("OK", {900, 2950, 1000, 360}), button("Cancel", {2250, 2950, 1000, 360})})
        .done();
}

forms::PictureRef onCursor()
{
    Shot s = host(lockedBoard({"U12"}));
    select(s.board(), {"U12"});
    s.board().cursor = part(s.board(), "U12").at;
    s.status("Place U12: click to place").note("U12 on the cursor", {5300, 3500, 1800, 300}, slideAt(s.board(), "U12"));
    return s.done();
}

// A placed component selected with SHIFT+click, with the pop-up menu.
forms::PictureRef componentMenu(const std::string& reference, const std::string& item, bool rotated)
{
    Board b = lockedBoard({"U12", "R1", "R2", "C6"});
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
    s.popup({right.x + 90, std::min(right.y, 2050)}, item);
    s.status(reference + " selected");
    return s.done();
}

forms::PictureRef inGroups()
{
    Shot s = host(lockedBoard({"U7", "U8", "U12", "R1", "R2", "R3", "R4", "R5", "C3", "C4", "C6"}));
    const Board& b = s.board();
    s.status(placedStatus(b))
        .note("Connected parts side by side: short connections", {5400, 3300, 2000, 480},
              onSlide(b, between(pinOf(b, "R4", 1), pinOf(b, "U6", 21))));
    return s.done();
}

forms::PictureRef designCheck()
{
    Shot s = host(finished()).menu("Tools", "Design Rule Check");
    return designRuleCheckDialog(s, {200, 1300}, "TUTORBD1.DRC", {"Placement"}).done();
}

} // namespace

LessonPictures lesson3Pictures()
{
    return LessonPictureList(17)
        .add("Image1", host(finished()).status(placedStatus(finished())).done(), {1, 15, 17})
        .add("Image2", fromSchematic(), {2})
        .add("Image3", host(board({}, false)).menu("Place", "Keepout").done(), {3})
        .add("Image4", keepouts(), {4})
        .add("Image5", gridsDialog(), {5})
        .add("Image6", preplaced(), {6})
        .add("Image7", selectU16(""), {7})
        .add("Image8", selectU16("Lock"), {8})
        .add("Image9", locked(), {9})
        .add("Image10", placeComponent(), {10})
        .add("Image11", onCursor(), {11})
        .add("Image12", componentMenu("U3", "Rotate 90", true), {12})
        .add("Image13", componentMenu("U6", "Move", false), {13})
        .add("Image14", inGroups(), {14})
        .add("Image15", designCheck(), {16})
        .done();
}

} // namespace lt
