// Lesson 15, Enhanced routing: the screen pictures. Most show Trazel zoomed
// in on U1, U2, U5 and U6 of the tutorial board, where auto path routes a
// connection from U2 to U6 around R2, and one from U1 to U5 that has to pass
// under a track on the bottom layer.
#include <algorithm>

#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using forms::Board;
using forms::Component;
using forms::Layer;
using forms::Point;

namespace {

using forms::rgb;

constexpr unsigned Black = rgb(0, 0, 0), Copper = rgb(230, 60, 60), Pushed = rgb(70, 130, 255),
                   Ghost = rgb(190, 190, 190), PadColor = rgb(60, 60, 60);

const std::vector<std::string> RouteMenu = {"Add Track", "Auto Path", "Add Via", "Edit Segment", "-", "Unroute", "-",
                                            "Options..."};

// The connection from U2 to U6: R2 lies on the straight way between its pads.
const std::vector<Point> AroundR2 = {{2450, 950}, {2450, 1040}, {2650, 1240}, {2650, 1300}, {2500, 1450}, {2500, 1550}};
// The connection from U1 to U5: a track on the top layer crosses its way, so
// the path dips to the bottom layer between two vias.
const std::vector<Point> DownUnder = {{1071, 950}, {1071, 1250}};
const std::vector<Point> Under = {{1071, 1250}, {1071, 1470}};
const std::vector<Point> BackUp = {{1071, 1470}, {1150, 1549}, {1150, 1550}};

// The area of the board around U1, U2, U5 and U6, with the tracks routed so far.
Board scene()
{
    const Board full = tutorialBoard(Stage::Placed);
    Board b;
    for (const Component& c : full.components)
        for (const char* ref : {"U1", "U2", "U5", "U6", "R1", "R2", "C1", "C2"})
            if (c.reference == ref)
                b.components.push_back(c);
    // Zoomed in: the outline shrinks to a point inside U1, so the window fits these parts.
    b.outline = {1300, 800, 0, 0};
    b.tracks = {
        {Layer::Top, {{760, 1370}, {1900, 1370}, {2000, 1270}, {2000, 1020}, {2070, 950}, {2107, 950}}, 12},
        {Layer::Top, {{1300, 1205}, {1300, 1120}, {1414, 1006}, {1414, 950}}, 12},
        {Layer::Top, {{2450, 1295}, {2450, 1400}, {2400, 1450}, {2400, 1550}}, 12},
        {Layer::Top, {{1650, 1850}, {1650, 1900}, {1700, 1950}, {2000, 1950}, {2100, 1850}}, 12},
    };
    b.connections = {
        {{1300, 2105}, {1250, 1850}},
        {{2450, 2105}, {2300, 1850}},
        {{1529, 950}, {1550, 1550}},
        {{2793, 950}, {2800, 1550}},
    };
    return b;
}

void route(Board& b, const std::vector<Point>& path, Layer layer = Layer::Top, bool selected = false)
{
    b.tracks.push_back({layer, path, 12, selected});
}

// The scene once auto path has routed U2 to U6 (shown selected, as just routed).
Board aroundR2(bool justRouted)
{
    Board b = scene();
    route(b, AroundR2, Layer::Top, justRouted);
    return b;
}

// The scene once auto path has also routed U1 to U5, in the colours of its
// two layers.
Board withVias()
{
    Board b = aroundR2(false);
    route(b, DownUnder);
    route(b, Under, Layer::Bottom);
    route(b, BackUp);
    b.vias = {{DownUnder.back()}, {Under.back()}};
    return b;
}

// A numbered click of the mouse, drawn as a ring with its number beside it.
void click(Shot& s, Point at, int number)
{
    s.figure({forms::Figure::Kind::Ellipse, {at.x - 110, at.y - 110, 220, 220}, "", rgb(0, 0, 200)});
    s.text(std::to_string(number), {at.x + 120, at.y - 330, 300, 260}, true, rgb(0, 0, 200));
}

void line(Shot& s, Point a, Point b, unsigned color, bool bold = true)
{
    s.figure({forms::Figure::Kind::Line, {a.x, a.y, b.x - a.x, b.y - a.y}, "", color, false, bold});
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
    s.figure({forms::Figure::Kind::Pad, {start.x - 150, start.y - 150, 300, 300}, "", Copper});
    s.figure({forms::Figure::Kind::Pad, {end.x - 150, end.y - 150, 300, 300}, "", Copper});
    s.box("", {left + 1700, 1300, 1300, 900}, PadColor, true);
    s.text("R2", {left + 2200, 1620, 600, 260}, true, rgb(255, 255, 255));
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
        s.figure({forms::Figure::Kind::Pad, {left + 400, 1550, 200, 200}, "", Copper});
        s.figure({forms::Figure::Kind::Pad, {left + 4000, 1550, 200, 200}, "", Copper});
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
    return Shot::host(aroundR2(false))
        .dialog("Auto Path Options", {250, 1100, 4700, 5000},
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

// The routed board with the two connections the autorouter could not finish.
Board autorouterLeftovers()
{
    Board b = tutorialBoard(Stage::Routed);
    const Board placed = tutorialBoard(Stage::Placed);
    // The last two connections, U16 to U13 and J1 to U16, each took two tracks and a via.
    b.tracks.resize(b.tracks.size() - 4);
    b.vias.resize(b.vias.size() - 2);
    b.connections = {placed.connections[placed.connections.size() - 2], placed.connections.back()};
    return b;
}

} // namespace

LessonPictures lesson15Pictures()
{
    Board picking = scene();
    picking.cursor = AroundR2.front();
    picking.connections.push_back({AroundR2.front(), AroundR2.back()});

    const Board routed = aroundR2(true);
    const Board twoVias = withVias();

    // Without vias allowed, U1 cannot reach U5 across the track between them.
    Board noPath = aroundR2(false);
    noPath.cursor = noPath.connections[2].from;

    const Board leftovers = autorouterLeftovers();
    const forms::Connection& leftover = leftovers.connections.back();

    return LessonPictureList(12)
        .add("Image1",
             Shot::host(routed)
                 .note("Auto path: around R2", {7500, 3100, 2400, 300}, onSlide(routed, {2650, 1270}))
                 .status("Auto Path: 1 connection routed")
                 .done(),
             {1, 5})
        .add("Image2", manualAndAutoPath(), {2})
        .add("Image3", Shot::host(scene()).menu("Route", RouteMenu, 1).done(), {3})
        .add("Image4",
             Shot::host(picking)
                 .note("Start: a pad of U2", {7800, 2500, 2100, 300}, onSlide(picking, AroundR2.front()))
                 .status("Auto Path: click the pad where the track ends")
                 .done(),
             {4})
        .add("Image5",
             Shot::host(twoVias)
                 .note("Two vias: under the track on the bottom layer", {150, 1150, 2100, 480},
                       onSlide(twoVias, Under.front()))
                 .status("Auto Path: 1 connection routed, 2 vias added")
                 .done(),
             {6})
        .add("Image6", pushAndShove(), {7})
        .add("Image7", Shot::host(aroundR2(false)).menu("Route", RouteMenu, 7).done(), {8})
        .add("Image8", optionsDialog(), {9})
        .add("Image9",
             Shot::host(noPath)
                 .note("Still unrouted", {150, 2550, 1700, 300}, onSlide(noPath, {1545, 1150}))
                 .status("Auto Path: no path found with 0 vias allowed; connection left unrouted")
                 .done(),
             {10})
        .add("Image10",
             Shot::host(leftovers)
                 .note("Left unrouted by the autorouter", {300, 5300, 3300, 300},
                       onSlide(leftovers, {(leftover.from.x + leftover.to.x) / 2, (leftover.from.y + leftover.to.y) / 2}))
                 .status("Routed: 33 of 35 connections (94%)")
                 .done(),
             {11})
        .add("Image11", Shot::host(Stage::Routed).status("Routed: 35 of 35 connections (100%)").done(), {12})
        .done();
}

} // namespace lt
