// Lesson 1, Introducing Trazel: the session frame, the parts of the design
// window, its menus, pop-up menus, layer colors, zooming and help.
#include <algorithm>

#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Point;

namespace {

const std::vector<std::string> OpenDesigns = {"TUTORBD1.MAX", "TUTORBD2.MAX"};

constexpr unsigned Face = 0xC0C0C0, Navy = 0x800000, White = 0xFFFFFF, Grey = 0x808080;

// Toolbar buttons: the component button and the zoom button, and the centres
// of the toolbar and the status bar's text, in slide twips.
constexpr int ComponentButton = 1, ZoomButton = 5;
constexpr Point ComponentButtonAt = {600, 795}, ZoomButtonAt = {2100, 795};

// The session frame, with its Designs list at the right naming the designs
// open in the session.
Shot session()
{
    Shot s = Shot::sessionFrame();
    const Area panel = {7395, 1230, 1860, 2460};
    s.box("", panel, Face, true);
    s.box("", panel, 0x000000);
    s.figure({pictures::Figure::Kind::Box, {panel.left + 30, panel.top + 30, panel.width - 60, 270}, "Designs", Navy,
              true, true});
    const Area list = {panel.left + 60, panel.top + 360, panel.width - 120, 1500};
    s.box("", list, White, true);
    s.box("", list, Grey);
    for (std::size_t i = 0; i < OpenDesigns.size(); ++i) {
        const int top = list.top + 45 + static_cast<int>(i) * 240;
        if (i + 1 == OpenDesigns.size())
            s.box("", {list.left + 30, top, list.width - 60, 240}, Navy, true);
        s.text(OpenDesigns[i], {list.left + 90, top + 15, list.width - 120, 225}, false,
               i + 1 == OpenDesigns.size() ? White : 0x000000);
    }
    s.text("Double-click a design to show its window.", {panel.left + 60, list.top + list.height + 60,
                                                           panel.width - 120, 480});
    return s;
}

// The design window with the tutorial board and a menu of the menu bar open.
forms::PictureRef withMenu(Stage stage, const std::string& menu, const std::string& item)
{
    return Shot::host(stage).openDesigns(OpenDesigns).menu(menu, item).done();
}

Point between(Point a, Point b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// The design window with notes naming its parts; the cross-hair stands on U6
// and the status bar shows where it is.
forms::PictureRef windowParts()
{
    Shot s = Shot::host(Stage::PartlyRouted);
    const Point u6 = part(s.board(), "U6").at;
    s.board().cursor = u6;
    s.status("X " + std::to_string(u6.x) + "  Y " + std::to_string(u6.y) + "   Top   Grid 25");
    s.note("Title bar", {7300, 345, 1300, 240}, {7950, 180})
        .note("Menu bar", {6300, 660, 1300, 240}, {5900, 460})
        .note("Toolbar", {5500, 1020, 1300, 240}, {5100, 800})
        .note("Design area", {8400, 2400, 1500, 300})
        .note("Status bar", {900, 5250, 1600, 300}, {2550, 6300});
    return s.done();
}

forms::PictureRef toolbar()
{
    return Shot::host(Stage::PartlyRouted)
        .tool(ComponentButton)
        .status("Select, move and place parts")
        .note("Component button", {150, 1500, 1700, 300}, ComponentButtonAt)
        .note("Zoom button", {2300, 1500, 1500, 300}, ZoomButtonAt)
        .note("The status bar describes the button", {150, 4700, 2400, 480}, {900, 6300})
        .done();
}

forms::PictureRef designArea()
{
    Shot s = Shot::host(Stage::PartlyRouted);
    const pictures::Board& b = s.board();
    // The track from J1 to U1 runs on the top layer; U1 reaches C1 through a via;
    // U8 is still to be joined to R4.
    const pictures::Track& track = trackAt(b, pinOf(b, "J1", 1));
    s.note("Component U6 and its reference designator", {8250, 1230, 1700, 700}, onSlide(b, part(b, "U6").at))
        .note("Track", {150, 1500, 1500, 300}, onSlide(b, between(track.points[1], track.points[2])))
        .note("Via", {150, 2250, 1500, 300}, onSlide(b, trackAt(b, pinOf(b, "U1", 14)).points.back()))
        .note("Connection still to be routed", {8250, 3300, 1700, 480},
              onSlide(b, between(pinOf(b, "U8", 10), pinOf(b, "R4", 1))));
    return s.done();
}

forms::PictureRef popupMenu()
{
    Shot s = Shot::host(Stage::PartlyRouted);
    select(s.board(), {"U3"});
    s.board().cursor = part(s.board(), "U3").at;
    const Point at = onSlide(s.board(), *s.board().cursor);
    s.popup({at.x + 45, at.y + 15}, "Move");
    s.note("Right-click U3", {at.x - 600, at.y - 1000, 1500, 240}, at);
    return s.done();
}

forms::PictureRef layerColors()
{
    Shot s = Shot::host(Stage::Routed);
    const pictures::Board& b = s.board();
    // U1 to U2 runs on the top layer; R1 to U3 turns down to the bottom layer
    // through a via.
    const pictures::Track& top = trackAt(b, pinOf(b, "U1", 9));
    const Point via = trackAt(b, pinOf(b, "R1", 2)).points.back();
    const pictures::Track& bottom = trackAt(b, via, pictures::Layer::Bottom);
    s.note("Top layer: red", {150, 1900, 1600, 300}, onSlide(b, between(top.points[0], top.points[1])))
        .note("Via: joins the layers", {8300, 2600, 1600, 300}, onSlide(b, via))
        .note("Bottom layer: blue", {8300, 1700, 1600, 300}, onSlide(b, between(bottom.points[0], bottom.points[1])));
    return s.done();
}

forms::PictureRef zoomWindow()
{
    Shot s = Shot::host(Stage::PartlyRouted);
    const pictures::Area window = {1100, 1600, 2500, 1000};
    s.board().selection = window;
    s.board().cursor = Point{window.left + window.width, window.top + window.height};
    s.tool(ZoomButton).status("Drag a window to zoom into");
    s.note("Zoom button", {150, 1500, 1500, 300}, ZoomButtonAt);
    return s.done();
}

std::string routedStatus(Stage stage)
{
    return "Routed: " + std::to_string(routedCount(stage)) + " of " + std::to_string(connectionCount(stage)) +
           " connections";
}

} // namespace

LessonPictures lesson1Pictures()
{
    Shot sessionStart = session();
    sessionStart.note("Session frame (TRZFRAME.EXE)", {2500, 1500, 2800, 300}, {2400, 180});
    Shot exit = session();
    exit.menu("File", "Exit");

    return LessonPictureList(22)
        .add("Image1", Shot::host(Stage::Routed).status(routedStatus(Stage::Routed)).done(), {1}, 0)
        .add("Image1", sessionStart.done(), {3, 5}, 1)
        .add("Image1", session().menu("File", "Open").done(), {4}, 2)
        .add("Image1", windowParts(), {6, 7, 12}, 3)
        .add("Image1", withMenu(Stage::PartlyRouted, "Place", "Component"), {8}, 4)
        .add("Image1", toolbar(), {9, 10}, 5)
        .add("Image1", designArea(), {11}, 6)
        .add("Image1", popupMenu(), {13}, 7)
        .add("Image1", layerColors(), {14}, 8)
        .add("Image1", withMenu(Stage::Routed, "Setup", "Display Colors"), {15}, 9)
        .add("Image1", withMenu(Stage::PartlyRouted, "View", "Zoom In"), {16}, 10)
        .add("Image1", zoomWindow(), {17}, 11)
        .add("Image1", withMenu(Stage::PartlyRouted, "Window", "Session Frame"), {18}, 12)
        .add("Image1", withMenu(Stage::PartlyRouted, "Help", "Help Topics"), {19}, 13)
        .add("Image1", withMenu(Stage::PartlyRouted, "File", "Save"), {20}, 14)
        .add("Image1", exit.done(), {21}, 31)
        .add("Image1", Shot::host(Stage::Planes).status(routedStatus(Stage::Planes)).done(), {22}, 32)
        .done();
}

} // namespace lt
