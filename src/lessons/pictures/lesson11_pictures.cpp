// Lesson 11, Using Relinx: the screen pictures.
#include "lessons/pictures/picture_kit.h"

#include <algorithm>

namespace lt {

using namespace pictures;
using forms::Area;
using forms::Board;
using forms::Figure;
using forms::Layer;
using forms::Point;

namespace {

const std::vector<std::string> ToolsMenu = {"Library Manager...", "-", "Renumber...", "Relinx...", "Cross Probe",
                                            "-", "Design Rule Check...", "Reports...", "-", "Options..."};
constexpr int RelinxItem = 3;

// Pins of the tutorial board that the schematic changes touch: the routed
// board joins pins by a top-layer run to a corner, then a bottom-layer run.
constexpr Point J1Pin = {440, 3000}, U9Pin = {940, 2750}, U10Pin = {2090, 2750};
constexpr Point R4Pin = {5020, 1295}, U4Left = {4590, 950}, U4Right = {5310, 950};
// C7 takes R4's place next to U4; Relinx first puts it beside the board.
constexpr Point C7At = {4950, 1250}, C7Waiting = {6300, 600}, C7Left = {4910, 1295}, C7Right = {4990, 1295};

bool same(Point a, Point b) { return a.x == b.x && a.y == b.y; }

void unroute(Board& b, Point from, Point to)
{
    const Point corner = {to.x, from.y};
    auto runs = [&](const forms::Track& t) {
        return t.points.size() == 2 && ((same(t.points[0], from) && same(t.points[1], corner)) ||
                                        (same(t.points[0], corner) && same(t.points[1], to)));
    };
    std::erase_if(b.tracks, runs);
    std::erase_if(b.vias, [&](const forms::Via& v) { return same(v.at, corner); });
}

void route(Board& b, Point from, Point to)
{
    const Point corner = {to.x, from.y};
    b.tracks.push_back({Layer::Top, {from, corner}, 12});
    b.tracks.push_back({Layer::Bottom, {corner, to}, 12});
    b.vias.push_back({corner});
}

forms::Component c7(Point at) { return {"C7", at, 160, 90, 2, true}; }

// The board once Relinx has applied the schematic's changes: R4 and its
// track gone, J1's changed connection unrouted, C7 waiting beside the board.
Board changedBoard()
{
    Board b = tutorialBoard(Stage::Routed);
    std::erase_if(b.components, [](const forms::Component& c) { return c.reference == "R4"; });
    unroute(b, R4Pin, U4Left);
    unroute(b, J1Pin, U9Pin);
    b.connections.push_back({J1Pin, U10Pin});
    b.components.push_back(c7(C7Waiting));
    b.connections.push_back({C7Waiting, U4Left});
    b.connections.push_back({C7Waiting, U4Right});
    return b;
}

// C7 moved next to U4, its connections still to route.
Board placedBoard()
{
    Board b = changedBoard();
    b.components.back() = c7(C7At);
    b.components.back().selected = true;
    b.connections = {{J1Pin, U10Pin}, {C7Left, U4Left}, {C7Right, U4Right}};
    return b;
}

Board reroutedBoard()
{
    Board b = placedBoard();
    b.components.back().selected = false;
    b.connections.clear();
    route(b, J1Pin, U10Pin);
    route(b, C7Left, U4Left);
    route(b, C7Right, U4Right);
    return b;
}

// From the schematic to the board, and back.
forms::PictureRef relinxFlow()
{
    Shot s = Shot::diagram();
    const char* steps[][2] = {{"Quarn Skemora(R)", "The schematic, TUTORBD2.SCH"},
                              {"Netlist", "TUTORBD2.NET"},
                              {"Relinx", "Compares and updates"},
                              {"Trazel", "The board, TUTORBD2.MAX"}};
    const unsigned colors[] = {0x8C4A1E, 0x606060, 0x2C6E2C, 0x2C2CA0};
    for (int i = 0; i < 4; ++i) {
        const int left = 300 + i * 2450;
        s.box("", {left, 3700, 2050, 900}, colors[i], true);
        s.text(steps[i][0], {left + 120, 3800, 1850, 280}, true, 0xFFFFFF);
        s.text(steps[i][1], {left + 120, 4120, 1850, 450}, false, 0xFFFFFF);
        if (i < 3)
            s.arrow({left + 2080, 4150}, {left + 2420, 4150});
    }
    s.arrow({8700, 4650}, {8700, 5400}, 0x808080);
    s.figure({Figure::Kind::Line, {1325, 5400, 7375, 0}, "", 0x808080, false, true});
    s.arrow({1325, 5400}, {1325, 4650}, 0x808080);
    s.text("Back annotation carries renamed components back to the schematic.", {2000, 5550, 6500, 300});
    return s.done();
}

// What changed in the schematic: a part added, a part removed, a pin moved.
forms::PictureRef schematicChanges()
{
    Shot s = Shot::diagram();
    constexpr unsigned Wire = 0x008000, Gone = 0x0000C0, Old = 0xA0A0A0;
    s.text("Changes made in Quarn Skemora(R)", {300, 200, 6000, 300}, true);

    s.text("Added: C7 beside U4", {300, 800, 2900, 280}, true);
    s.box("U4", {500, 1400, 1100, 1300});
    s.figure({Figure::Kind::Line, {1600, 1700, 900, 0}, "", Wire});
    s.figure({Figure::Kind::Line, {1600, 2400, 900, 0}, "", Wire});
    s.figure({Figure::Kind::Line, {2500, 1700, 0, 250}, "", Wire});
    s.figure({Figure::Kind::Line, {2500, 2150, 0, 250}, "", Wire});
    s.figure({Figure::Kind::Line, {2300, 1950, 400, 0}, "", 0x000000, false, true});
    s.figure({Figure::Kind::Line, {2300, 2150, 400, 0}, "", 0x000000, false, true});
    s.text("C7", {2750, 1900, 600, 280}, true);
    s.text("VCC", {1700, 1450, 700, 250});
    s.text("GND", {1700, 2450, 700, 250});

    s.text("Removed: R4", {3600, 800, 2900, 280}, true);
    s.box("R4", {4200, 1850, 1000, 400});
    s.figure({Figure::Kind::Line, {3700, 2050, 500, 0}, "", Old});
    s.figure({Figure::Kind::Line, {5200, 2050, 500, 0}, "", Old});
    s.figure({Figure::Kind::Line, {4000, 1650, 1400, 800}, "", Gone, false, true});
    s.figure({Figure::Kind::Line, {4000, 2450, 1400, -800}, "", Gone, false, true});

    s.text("Changed: J1 pin 7 goes to U10", {6600, 800, 3300, 280}, true);
    s.box("J1", {6700, 1400, 700, 1700});
    s.box("U9", {8800, 1300, 900, 600});
    s.box("U10", {8800, 2500, 900, 600});
    s.figure({Figure::Kind::Line, {7400, 1700, 1400, -100}, "", Old});
    s.figure({Figure::Kind::Line, {7950, 1500, 250, 250}, "", Gone, false, true});
    s.figure({Figure::Kind::Line, {7950, 1750, 250, -250}, "", Gone, false, true});
    s.figure({Figure::Kind::Line, {7400, 2100, 1400, 700}, "", Wire, false, true});
    s.text("Skemora writes the new netlist, TUTORBD2.NET.", {300, 3500, 6000, 300});
    return s.done();
}

const std::vector<std::string> Changes = {"Add component C7 (100nF, C0805)", "Delete component R4",
                                          "Add connection C7-1 to U4-14 (VCC)", "Add connection C7-2 to U4-7 (GND)",
                                          "Move J1-7 from U9-1 to U10-1 (RESET)"};

// Relinx carrying the netlist forward to the board; `step` is the button pressed.
forms::PictureRef relinxDialog(const std::string& step)
{
    using namespace item;
    const bool compared = step != "Compare";
    Shot s = Shot::host(step == "Apply" ? changedBoard() : tutorialBoard(Stage::Routed));
    s.dialog("Relinx", {250, 750, 4700, 5150},
             {group("Direction", {120, 60, 4350, 960}),
              option("Forward: schematic to board", true, {240, 360, 3900, 270}, !compared),
              option("Back annotate: board to schematic", false, {240, 660, 3900, 270}),
              field("Netlist", "TUTORBD2.NET", {120, 1170, 4350, 300}, !compared),
              field("Board", "TUTORBD2.MAX", {120, 1560, 4350, 300}),
              check("Place new components beside the board", true, {120, 1980, 4350, 285}),
              check("Unroute changed connections", true, {120, 2310, 4350, 285}),
              label("Changes:", {120, 2700, 4350, 240}),
              list(compared ? Changes : std::vector<std::string>{}, "", {120, 2970, 4350, 1200}),
              button("Compare", {120, 4350, 1350, 360}, step == "Compare"),
              button("Apply", {1620, 4350, 1350, 360}, step == "Apply"), button("Close", {3120, 4350, 1350, 360})});
    if (step == "Apply")
        s.status("Relinx: 5 changes applied, listed in TUTORBD2.RLX");
    else if (compared)
        s.status("Relinx: 5 differences between TUTORBD2.NET and the board");
    return s.done();
}

forms::PictureRef changesApplied()
{
    return Shot::host(changedBoard())
        .note("New component C7", {7700, 1050, 2000, 330}, {8338, 1790})
        .note("R4 and its track removed", {8000, 3100, 1950, 560}, {6980, 2551})
        .note("Changed: J1 pin 7 now goes to U10", {150, 5550, 3300, 330}, {2898, 4307})
        .status("Unrouted: 3 connections")
        .done();
}

forms::PictureRef c7Placed()
{
    return Shot::host(placedBoard())
        .note("C7, next to U4", {8300, 2350, 1600, 330}, {7420, 2551})
        .status("C7 moved: 3 connections to route")
        .done();
}

forms::PictureRef rerouted()
{
    return Shot::host(reroutedBoard())
        .note("C7 routed", {8300, 2350, 1600, 330}, {7420, 2600})
        .note("J1 to U10 routed", {150, 5550, 2000, 330}, {3000, 4442})
        .status("Routed: 36 of 36 connections (100%)")
        .done();
}

} // namespace

LessonPictures lesson11Pictures()
{
    return LessonPictureList(9)
        .add("Image1", relinxFlow(), {1})
        .add("Image2", schematicChanges(), {2})
        .add("Image3", Shot::host(Stage::Routed).menu("Tools", ToolsMenu, RelinxItem).done(), {3})
        .add("Image4", relinxDialog("Compare"), {4})
        .add("Image5", relinxDialog("Changes"), {5})
        .add("Image6", relinxDialog("Apply"), {6})
        .add("Image7", changesApplied(), {7})
        .add("Image8", c7Placed(), {8})
        .add("Image9", rerouted(), {9})
        .done();
}

} // namespace lt
