// Lesson 15, Enhanced routing: the screen pictures. Most show Trazel zoomed
// in on the middle of TUTORBD4.MAX, the dense board of the exercises, where
// auto path routes a connection from U2 to U6 around R3, and one from U3 to
// U7 that has to pass under the track from R6 to U7 on the bottom layer.
#include <algorithm>

#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using pictures::Board;
using pictures::Layer;
using pictures::Point;

namespace {

using pictures::rgb;

constexpr unsigned Black = rgb(0, 0, 0), Copper = rgb(230, 60, 60), Pushed = rgb(70, 130, 255),
                   Ghost = rgb(190, 190, 190), PadColor = rgb(60, 60, 60);


// TUTORBD4.MAX, the board of the exercises.
const std::string File = "TUTORBD4.MAX";
const Board Dense = denseBoard();

// The connection from U2 to U6: R3 lies on the straight way between its
// pads, so the path turns right of it and comes back between the vias above U6.
const Point U2Pad = pinOf(Dense, "U2", 4), U6Pad = pinOf(Dense, "U6", 11);
const std::vector<Point> AroundR3 = {U2Pad,        {U2Pad.x, U2Pad.y + 30}, {1175, 754}, {1175, 1030}, {1130, 1075},
                                     {1080, 1075}, {U6Pad.x, 1105},         U6Pad};
// The connection from U3 to U7: the track from R6 to U7 crosses its way, so
// the path dips to the bottom layer between two vias.
const Point U3Pad = pinOf(Dense, "U3", 7), U7Pad = pinOf(Dense, "U7", 9);
const std::vector<Point> DownUnder = {U3Pad, {U3Pad.x, 790}, {1740, 840}};
const std::vector<Point> Under = {{1740, 840}, {1840, 940}};
const std::vector<Point> BackUp = {{1840, 940}, {1840, U7Pad.y - 76}, U7Pad};

// The design window zoomed in on the columns of U2 and U3, above U6 and U7,
// where the first connection lies, and on those of U3 and U4, where the
// second one does; each is kept clear of the description box at the lower
// right.
constexpr pictures::Area FirstView = {800, 300, 1300, 1180}, SecondView = {1400, 300, 1300, 1180};

Board withConnections()
{
    Board b = Dense;
    b.connections.push_back({U2Pad, U6Pad});
    b.connections.push_back({U3Pad, U7Pad});
    return b;
}

Board scene() { return zoomIn(withConnections(), FirstView); }

// The board once auto path has routed U2 to U6 (shown selected, as just
// routed).
Board aroundR3(bool justRouted, pictures::Area view = FirstView)
{
    Board b = withConnections();
    dropConnectionFrom(b, U2Pad);
    addTrack(b, Layer::Top, AroundR3, justRouted);
    return zoomIn(b, view);
}

// The scene once auto path has also routed U3 to U7, in the colours of its
// two layers.
Board withVias()
{
    Board b = withConnections();
    dropConnectionFrom(b, U2Pad);
    dropConnectionFrom(b, U3Pad);
    addTrack(b, Layer::Top, AroundR3);
    addTrack(b, Layer::Top, DownUnder);
    addTrack(b, Layer::Bottom, Under);
    addTrack(b, Layer::Top, BackUp);
    b.vias.push_back({Under.front()});
    b.vias.push_back({Under.back()});
    return zoomIn(b, SecondView);
}

// A numbered click of the mouse, drawn as a ring with its number beside it.
void click(Shot& s, Point at, int number)
{
    s.figure({pictures::Figure::Kind::Ellipse, {at.x - 110, at.y - 110, 220, 220}, "", rgb(0, 0, 200)});
    s.text(std::to_string(number), {at.x + 120, at.y - 330, 300, 260}, true, rgb(0, 0, 200));
}

void line(Shot& s, Point a, Point b, unsigned color, bool bold = true)
{
    s.figure({pictures::Figure::Kind::Line, {a.x, a.y, b.x - a.x, b.y - a.y}, "", color, false, bold});
}

void polyline(Shot& s, const std::vector<Point>& points, unsigned color)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        line(s, points[i - 1], points[i], color);
}

// One panel of the comparison: two pads with a component between them and a
// track that goes around it; `clicks` marks the corners the user clicks.
void routingPanel(Shot& s, int left, const char* title, const char* remark, bool everyCorner)
{
    s.box("", {left, 250, 4600, 3400}, Black);
    s.text(title, {left + 150, 330, 4300, 260}, true);
    const Point start = {left + 700, 1200}, end = {left + 3900, 2400};
    s.figure({pictures::Figure::Kind::Pad, {start.x - 150, start.y - 150, 300, 300}, "", Copper});
    s.figure({pictures::Figure::Kind::Pad, {end.x - 150, end.y - 150, 300, 300}, "", Copper});
    s.box("", {left + 1700, 1300, 1300, 900}, PadColor, true);
    s.text("R3", {left + 2200, 1620, 600, 260}, true, rgb(255, 255, 255));
    const std::vector<Point> path = {start, {left + 3300, 1200}, {left + 3900, 1800}, end};
    polyline(s, path, Copper);
    for (std::size_t i = 0; i < path.size(); ++i)
        if (everyCorner || i == 0 || i + 1 == path.size())
            click(s, path[i], everyCorner ? static_cast<int>(i) + 1 : i == 0 ? 1 : 2);
    s.text(remark, {left + 150, 2850, 4300, 600});
}

forms::PictureRef manualAndAutoPath()
{
    Shot s = Shot::diagram();
    routingPanel(s, 300, "Add Track", "You click at the start, at every corner and at the end.", true);
    routingPanel(s, 5150, "Auto Path", "You click at the start and at the end; Trazel finds the corners.", false);
    return s.done();
}

// Before and after: a new track through the gap between two components
// pushes the track already there aside.
forms::PictureRef pushAndShove()
{
    Shot s = Shot::diagram();
    for (int panel = 0; panel < 2; ++panel) {
        const int left = 300 + panel * 4850;
        const bool after = panel == 1;
        s.box("", {left, 250, 4600, 3400}, Black);
        s.text(after ? "After: the track moves aside" : "Before: no room for the new track", {left + 150, 330, 4300, 260},
               true);
        s.box("", {left + 1300, 850, 2000, 600}, PadColor, true);
        s.box("", {left + 1300, 2250, 2000, 600}, PadColor, true);
        s.figure({pictures::Figure::Kind::Pad, {left + 400, 1550, 200, 200}, "", Copper});
        s.figure({pictures::Figure::Kind::Pad, {left + 4000, 1550, 200, 200}, "", Copper});
        const std::vector<Point> straight = {{left + 150, 1850}, {left + 4450, 1850}};
        if (!after) {
            polyline(s, straight, Pushed);
            line(s, {left + 600, 1650}, {left + 4000, 1650}, Ghost);
        } else {
            line(s, straight[0], straight[1], Ghost, false);
            polyline(s, {straight[0], {left + 1000, 1850}, {left + 1150, 2000}, {left + 3450, 2000}, {left + 3600, 1850},
                         straight[1]},
                     Pushed);
            line(s, {left + 600, 1650}, {left + 4000, 1650}, Copper);
        }
        s.text(after ? "Both tracks keep their clearances." : "The new track, in grey, would run too close to the one already there.",
               {left + 150, 3050, 4300, 480});
    }
    return s.done();
}

forms::PictureRef optionsDialog()
{
    using namespace item;
    return Shot::host(aroundR3(false), File)
        .dialogOf("Route", "Options", {250, 1100, 4700, 5000},
                {group("Layers", {120, 40, 4300, 1000}), check("Top", true, {260, 340, 1900, 285}),
                 check("Bottom", true, {2300, 340, 1900, 285}), check("Inner 1 (plane)", false, {260, 660, 1900, 285}),
                 check("Inner 2 (plane)", false, {2300, 660, 1900, 285}),
                 field("Maximum vias", "2", {120, 1200, 4300, 300}),
                 group("Corners", {120, 1600, 4300, 700}), option("45 degrees", true, {260, 1900, 1900, 285}),
                 option("90 degrees", false, {2300, 1900, 1900, 285}),
                 field("Search window", "1000 mil", {120, 2450, 4300, 300}),
                 check("Push and Shove", true, {120, 2900, 4300, 285}, true),
                 check("Do not move locked tracks", true, {420, 3250, 4000, 285}),
                 button("OK", {1000, 3950, 1100, 380}), button("Cancel", {2400, 3950, 1100, 380})})
        .done();
}

// The routed tutorial board with two connections the autorouter could not
// finish.
// TUTORBD2.MAX as the autorouter may leave it: two connections unrouted.
Board autorouterLeftovers()
{
    Board b = tutorialBoard(Stage::Autorouted);
    unroute(b, "U10", 8, "U8", 2);
    unroute(b, "J1", 20, "U11", 1);
    return b;
}

std::string routedStatus(int routed, int total)
{
    return "Routed: " + std::to_string(routed) + " of " + std::to_string(total) + " connections (" +
           std::to_string(routed * 100 / total) + "%)";
}

} // namespace

LessonPictures lesson15Pictures()
{
    Board picking = scene();
    picking.cursor = U2Pad;

    const Board routed = aroundR3(true);
    const Board twoVias = withVias();

    // Without vias allowed, U3 cannot reach U7 across the track between them.
    Board noPath = aroundR3(false, SecondView);
    noPath.cursor = U3Pad;

    const Board leftovers = autorouterLeftovers();
    const pictures::Connection& leftover = leftovers.connections.back();
    const int total = connectionCount(Stage::Autorouted);

    return LessonPictureList(12)
        .add("Image1",
             Shot::host(routed, File)
                 .note("Auto path: around R3", {150, 3850, 2000, 300}, onSlide(routed, {AroundR3[2].x, 1000}))
                 .status("Auto Path: 1 connection routed")
                 .done(),
             {1, 5})
        .add("Image2", manualAndAutoPath(), {2})
        .add("Image3", Shot::host(scene(), File).menu("Route", "Auto Path").done(), {3})
        .add("Image4",
             Shot::host(picking, File)
                 .note("Start: a pad of U2", {150, 2300, 2000, 300}, onSlide(picking, U2Pad))
                 .status("Auto Path: click the pad where the track ends")
                 .done(),
             {4})
        .add("Image5",
             Shot::host(twoVias, File)
                 .note(
                     "Two vias: under the track on the bottom layer", {150, 3400, 2100, 480},
                     onSlide(twoVias, {(Under.front().x + Under.back().x) / 2, (Under.front().y + Under.back().y) / 2}))
                 .status("Auto Path: 1 connection routed, 2 vias added")
                 .done(),
             {6})
        .add("Image6", pushAndShove(), {7})
        .add("Image7", Shot::host(aroundR3(false), File).menu("Route", "Options").done(), {8})
        .add("Image8", optionsDialog(), {9})
        .add("Image9",
             Shot::host(noPath, File)
                 .note("Still unrouted", {150, 2700, 1700, 300},
                       onSlide(noPath, {(U3Pad.x + U7Pad.x) / 2, (U3Pad.y + U7Pad.y) / 2}))
                 .status("Auto Path: no path found with 0 vias allowed; connection left unrouted")
                 .done(),
             {10})
        .add("Image10",
             Shot::host(leftovers, designFile(Stage::Autorouted))
                 .note(
                     "Left unrouted by the autorouter", {300, 5300, 3300, 300},
                     onSlide(leftovers, {(leftover.from.x + leftover.to.x) / 2, (leftover.from.y + leftover.to.y) / 2}))
                 .status(routedStatus(total - 2, total))
                 .done(),
             {11})
        .add("Image11", Shot::host(denseBoard(), File).done(), {12})
        .done();
}

} // namespace lt
