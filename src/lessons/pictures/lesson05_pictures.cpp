// Lesson 5, Manual routing: the screen pictures. The lesson routes one
// connection, pin 1 of R2 to pin 8 of U6 (net EN), step by step: down from
// R2 on the Top layer, across on the Bottom layer and down to U6 on the Top
// layer again.
#include <algorithm>
#include <cmath>

#include "lessons/pictures/picture_kit.h"
#include "pictures/trazel_dialogs.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Figure;
using pictures::Layer;
using pictures::Point;

namespace {

const std::string File = "TUTORBD2.MAX";

using pictures::rgb;

// The example connection's ends and the corners of its finished route.
const pictures::Board Placed = tutorialBoard(Stage::Placed);
const Point Start = pinOf(Placed, "R2", 1);
const Point End = pinOf(Placed, "U6", 8);
const Point Corner = {Start.x, Start.y + 200}; // where the track drops to the Bottom layer
const Point Bend = {Corner.x - 50, Corner.y + 50};
const Point Return = {End.x, Bend.y}; // where it climbs back to the Top layer

std::string routingStatus(const std::string& layer, Point cursor)
{
    return "Net: EN   Layer: " + layer + "   Width: 12 mil   X: " + std::to_string(cursor.x) +
           "   Y: " + std::to_string(cursor.y);
}

std::string routedStatus(int routed)
{
    return "Routed: " + std::to_string(routed) + " of " + std::to_string(connectionCount(Stage::Placed)) +
           " connections";
}

// The design window zoomed in on R1 and R2, U6 below them and C4 below that.
pictures::Board zoomed(pictures::Board b)
{
    const Area window = {4600, 1300, 600, 1400};
    std::erase_if(b.components, [&](const pictures::Component& c) {
        return c.at.x < window.left || c.at.x > window.left + window.width || c.at.y < window.top ||
               c.at.y > window.top + window.height;
    });
    // The board's edge lies outside the view: the view is the components' extent.
    b.outline = {b.components.front().at.x, b.components.front().at.y, 0, 0};
    return b;
}

// The route while it is being drawn: fixed segments, then the segment that follows the cursor.
pictures::Board routing(std::vector<Point> fixed, std::vector<Point> following, Layer layer = Layer::Top)
{
    pictures::Board b = zoomed(Placed);
    dropConnectionFrom(b, Start);
    if (fixed.size() > 1)
        addTrack(b, Layer::Top, fixed);
    addTrack(b, layer, following);
    b.connections.push_back({following.back(), End});
    b.cursor = following.back();
    return b;
}

// The finished route: Top, a via, Bottom, a via, Top.
pictures::Board routed(bool selected = false)
{
    pictures::Board b = zoomed(Placed);
    dropConnectionFrom(b, Start);
    addTrack(b, Layer::Top, {Start, Corner}, selected);
    addTrack(b, Layer::Bottom, {Corner, Bend}, selected);
    addTrack(b, Layer::Bottom, {Bend, Return}, selected);
    addTrack(b, Layer::Top, {Return, End}, selected);
    b.vias = {{Corner, selected}, {Return, selected}};
    return b;
}

const Point MidRoute = {Bend.x - 100, Bend.y};
const std::string RoutingStatus = routingStatus("Top", MidRoute);

pictures::Board midRoute() { return routing({Start, Corner}, {Corner, Bend, MidRoute}); }

forms::PictureRef routeMenu(pictures::Board b, const std::string& item, const std::string& choice = "")
{
    return Shot::host(std::move(b), File).menu("Route", item, choice).done();
}

forms::PictureRef designRules(bool onlineCheck)
{
    Shot s = Shot::host(Placed, File);
    const Highlighted sizes = {"Default width", "Track to track", "Track to pad", "Default via"};
    return designRulesDialog(s, {150, 650}, onlineCheck ? Highlighted{"Check rules while routing"} : sizes).done();
}

// A thick line drawn as a bundle of parallel strokes.
void thickLine(Shot& s, Point from, Point to, int strokes, unsigned color)
{
    const int dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::max(1.0, std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
    const double nx = -dy / length * 14, ny = dx / length * 14;
    for (int k = -strokes / 2; k <= strokes / 2; ++k)
        s.figure({Figure::Kind::Line,
                  {from.x + static_cast<int>(nx * k), from.y + static_cast<int>(ny * k), dx, dy}, "", color, false, true});
}

forms::PictureRef cornerStyles()
{
    Shot s = Shot::diagram();
    const unsigned copper = rgb(230, 60, 60);
    const char* names[] = {"90 degree corners", "45 degree corners"};
    for (int i = 0; i < 2; ++i) {
        const int l = 500 + i * 4800, t = 500;
        const auto at = [&](int x, int y) { return Point{l + x, t + y}; };
        std::vector<Point> path = i == 0 ? std::vector<Point>{at(500, 500), at(2200, 500), at(2200, 2700), at(3800, 2700)}
                                         : std::vector<Point>{at(500, 500), at(1700, 500), at(2200, 1000), at(2200, 2200),
                                                              at(2700, 2700), at(3800, 2700)};
        s.box("", {l, t, 4300, 3200}, rgb(128, 128, 128));
        for (std::size_t k = 1; k < path.size(); ++k)
            thickLine(s, path[k - 1], path[k], 5, copper);
        s.box("", {l + 350, t + 380, 300, 240}, copper, true);
        s.box("", {l + 3650, t + 2580, 300, 240}, copper, true);
        s.text(names[i], {l, t + 3300, 4300, 300}, true);
    }
    return s.done();
}

forms::PictureRef shortcutKeys()
{
    Shot s = Shot::diagram();
    // A command of the Route menu, by its shortcut key.
    const auto route = [](const std::string& command, const std::string& what) {
        return std::pair(findMenu(HostWindow::DesignWindow, "Route")->item(command)->shortcut, command + ": " + what);
    };
    const std::pair<std::string, std::string> keys[] = {
        route("Add Track", "start a new track"),
        route("Add Via", "place a via at the cursor"),
        route("Change Layer", "add a via and continue on the other layer"),
        route("Width", "change the width of the next segments"),
        {"BACKSPACE", "Remove the last segment you added"},
        {"DELETE", "Delete the selected segment"},
        route("Unroute", "remove a whole route"),
        {"ESC", "Stop routing"},
    };
    s.text("Routing shortcut keys", {900, 250, 6000, 300}, true);
    int top = 700;
    for (const auto& [key, command] : keys) {
        s.box("", {900, top, 1500, 360}, rgb(96, 96, 96));
        s.text(key, {1000, top + 60, 1350, 260}, true);
        s.text(command, {2600, top + 60, 6000, 300});
        top += 440;
    }
    return s.done();
}

// A note with a white arrow from its nearest edge to what it names; the
// arrow stands out from the red and blue tracks of a zoomed board.
void pointAt(Shot& s, const std::string& text, Area note, Point target)
{
    s.note(text, note);
    const Point from = {std::clamp(target.x, note.left, note.left + note.width),
                        std::clamp(target.y, note.top, note.top + note.height)};
    s.arrow(from, target, rgb(255, 255, 255));
}

// A clearance marker as Trazel draws it: a ring with a cross.
void marker(Shot& s, Point at)
{
    const unsigned color = rgb(0, 255, 255);
    s.figure({Figure::Kind::Ellipse, {at.x - 180, at.y - 180, 360, 360}, "", color});
    s.figure({Figure::Kind::Line, {at.x - 130, at.y - 130, 260, 260}, "", color, false, true});
    s.figure({Figure::Kind::Line, {at.x - 130, at.y + 130, 260, -260}, "", color, false, true});
}

forms::PictureRef clearanceConflict()
{
    // Heading left too early, the track passes just below the pad of R1's pin 1.
    const Point r1 = pinOf(Placed, "R1", 1), turn = {Start.x, r1.y + 50}, stop = {r1.x + 15, turn.y};
    Shot s = Shot::host(routing({Start, turn}, {turn, stop}), File);
    const Point conflict = onSlide(s.board(), {stop.x, stop.y - 5});
    marker(s, conflict);
    pointAt(s, "Too close to R1 pin 1", {2900, 2950, 1900, 300}, {conflict.x + 60, conflict.y + 190});
    return s.status("Clearance violation: 4 mil from R1 pin 1 (rule: 10 mil)").done();
}

forms::PictureRef trackButton()
{
    pictures::Board b = Placed;
    b.cursor = Start;
    return Shot::host(std::move(b), File)
        .tool(2)
        .note("Track button", {200, 1500, 1400, 300}, {945, 810})
        .status("Add Track: click the pad where the track starts")
        .done();
}

forms::PictureRef firstSegment()
{
    const Point cursor = {Start.x, Start.y + 150};
    Shot s = Shot::host(routing({}, {Start, cursor}), File);
    const Point pin = onSlide(s.board(), Start);
    pointAt(s, "Pin 1 of R2", {7300, 2100, 1500, 300}, {pin.x + 60, pin.y + 30});
    pointAt(s, "Connection to pin 8 of U6", {7300, 3550, 1800, 500},
            onSlide(s.board(), {(cursor.x + End.x) / 2, (cursor.y + End.y) / 2}));
    return s.status("Add Track: click to fix a corner").done();
}

forms::PictureRef corners()
{
    Shot s = Shot::host(midRoute(), File);
    const Point corner = onSlide(s.board(), Corner);
    pointAt(s, "Corner fixed by a click", {7300, 2700, 1600, 500}, {corner.x + 60, corner.y});
    return s.status(RoutingStatus).done();
}

forms::PictureRef statusBar()
{
    Shot s = Shot::host(midRoute(), File);
    pointAt(s, "Net, layer, width and cursor position", {600, 5350, 3400, 300}, {1500, 6290});
    return s.status(RoutingStatus).done();
}

forms::PictureRef widthDialog()
{
    using namespace item;
    return Shot::host(midRoute(), File)
        .status(RoutingStatus)
        .dialog("Track Width", {4200, 1000, 3900, 2100},
                {label("Width of the segments you add next:", {200, 120, 3400, 300}),
                 field("Width", "12 mil", {200, 520, 3400, 300}, true),
                 label("Power and ground: 25 mil or more", {200, 920, 3400, 300}),
                 button("OK", {700, 1350, 1100, 360}), button("Cancel", {2100, 1350, 1100, 360})})
        .done();
}

forms::PictureRef viaAdded()
{
    const Point cursor = {Bend.x - 100, Bend.y};
    pictures::Board b = routing({Start, Corner}, {Corner, Bend, cursor}, Layer::Bottom);
    b.vias.push_back({Corner});
    Shot s = Shot::host(std::move(b), File);
    const Point via = onSlide(s.board(), Corner);
    pointAt(s, "Via added at the corner", {7300, 2950, 2000, 300}, {via.x + 40, via.y - 60});
    pointAt(s, "Bottom layer track", {1900, 3300, 1300, 500}, onSlide(s.board(), {cursor.x + 30, cursor.y}));
    return s.status(routingStatus("Bottom", cursor)).done();
}

forms::PictureRef finished()
{
    Shot s = Shot::host(routed(), File);
    const Point via = onSlide(s.board(), Return);
    pointAt(s, "Via back to the Top layer", {1500, 2950, 2200, 300}, {via.x, via.y - 60});
    return s.status(routedStatus(1)).done();
}

forms::PictureRef moved()
{
    pictures::Board b = routed();
    const Point bend = {Bend.x - 80, Bend.y + 80}, back = {Return.x, bend.y};
    b.tracks[1].points = {Corner, bend};
    b.tracks[2] = {Layer::Bottom, {bend, back}, 12, true};
    b.tracks[3].points = {back, End};
    b.vias[1].at = back;
    Shot s = Shot::host(std::move(b), File);
    const int x = (Bend.x + Return.x) / 2;
    const Point from = onSlide(s.board(), {x, Bend.y}), to = onSlide(s.board(), {x, bend.y});
    return s.arrow({from.x, from.y - 400}, {to.x, to.y - 60}, rgb(255, 255, 255))
        .note("Segment dragged down", {1900, 3000, 1250, 500})
        .status("Move Segment: drag the segment to its new place")
        .done();
}

forms::PictureRef stretched()
{
    pictures::Board b = routed();
    const Point corner = {Bend.x - 30, Bend.y + 70};
    b.tracks[1] = {Layer::Bottom, {Corner, corner}, 12, true};
    b.tracks[2] = {Layer::Bottom, {corner, Return}, 12, true};
    Shot s = Shot::host(std::move(b), File);
    const Point from = onSlide(s.board(), Bend), to = onSlide(s.board(), corner);
    return s.arrow(from, to, rgb(255, 255, 255))
        .note("Corner dragged", {7300, 3000, 1400, 300})
        .status("Stretch Track: drag a corner to its new place")
        .done();
}

forms::PictureRef deleted()
{
    pictures::Board b = routed();
    b.tracks.erase(b.tracks.begin() + 2);
    b.connections.push_back({Bend, Return});
    Shot s = Shot::host(std::move(b), File);
    pointAt(s, "Gap to route again", {1900, 2950, 1700, 300}, onSlide(s.board(), {(Bend.x + Return.x) / 2, Bend.y}));
    return s.status("Segment deleted: 1 connection unrouted").done();
}

forms::PictureRef lockTracks()
{
    return Shot::host(routed(true), File)
        .menu("Edit", "Lock")
        .status("Selected: 4 segments, 2 vias (net EN)")
        .done();
}

} // namespace

LessonPictures lesson5Pictures()
{
    Shot connection = Shot::host(Placed, File);
    connection.note("Connection to route: pin 1 of R2 to pin 8 of U6", {8250, 1700, 1700, 900},
                    onSlide(connection.board(), {(Start.x + End.x) / 2, (Start.y + End.y) / 2}));
    return LessonPictureList(24)
        .add("Image1",
             Shot::host(Stage::PartlyRouted)
                 .status("Routed: " + std::to_string(routedCount(Stage::PartlyRouted)) + " of " +
                         std::to_string(connectionCount(Stage::PartlyRouted)) + " connections")
                 .done(),
             {1, 24})
        .add("Image2", connection.status(routedStatus(0)).done(), {2})
        .add("Image3",
             Shot::host(Placed, File)
                 .menu("Setup", "Design Rules")
                 .done(),
             {3})
        .add("Image4", designRules(false), {4})
        .add("Image5", routeMenu(Placed, "Add Track"), {5})
        .add("Image6", trackButton(), {6})
        .add("Image7", firstSegment(), {7})
        .add("Image8", corners(), {8})
        .add("Image9", cornerStyles(), {9})
        .add("Image10", routeMenu(midRoute(), "Corner Style", "45 Degrees"), {10})
        .add("Image11", statusBar(), {11})
        .add("Image12", widthDialog(), {12})
        .add("Image13", routeMenu(midRoute(), "Change Layer"), {13})
        .add("Image14", viaAdded(), {14})
        .add("Image15", finished(), {15})
        .add("Image16", moved(), {16})
        .add("Image17", stretched(), {17})
        .add("Image18", deleted(), {18})
        .add("Image19", routeMenu(routed(), "Unroute"), {19})
        .add("Image20", clearanceConflict(), {20})
        .add("Image21", designRules(true), {21})
        .add("Image22", shortcutKeys(), {22})
        .add("Image23", lockTracks(), {23})
        .done();
}

} // namespace lt
