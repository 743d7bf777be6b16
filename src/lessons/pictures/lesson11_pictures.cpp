// Lesson 11, Using Relinx: the screen pictures.
#include "lessons/pictures/picture_kit.h"

#include <algorithm>

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Board;
using pictures::Figure;
using pictures::Layer;
using pictures::Point;

namespace {

const std::string File = "TUTORBD2.MAX";

// TUTORBD2.MAX once every connection is routed.
const Board Before = tutorialBoard(Stage::Autorouted);
// The schematic's changes: J1's pin 9 moves from U9 to U10, R1 goes, and a
// new decoupling capacitor, C7, takes R1's place next to U3.
const Point J1Pin = pinOf(Before, "J1", 9), U10Pin = pinOf(Before, "U10", 13);
const Point R1At = part(Before, "R1").at;
const Point U3Gnd = pinOf(Before, "U3", 10), U3Vcc = pinOf(Before, "U3", 20);
const Point C7Waiting = {Before.outline.left + Before.outline.width + 300, 600};

pictures::Component c7(Point at) { return {"C7", at, 160, 100, 2, true}; }

// The board once Relinx has applied the schematic's changes: R1 and its
// track gone, J1's changed connection unrouted, C7 waiting beside the board.
Board changedBoard()
{
    Board b = Before;
    removePart(b, "R1");
    unroute(b, "J1", 9, "U9", 1);
    b.connections.back() = {J1Pin, U10Pin};
    b.components.push_back(c7(C7Waiting));
    b.connections.push_back({pinOf(b, "C7", 1), U3Gnd});
    b.connections.push_back({pinOf(b, "C7", 2), U3Vcc});
    return b;
}

// C7 moved next to U3, its connections still to route.
Board placedBoard()
{
    Board b = changedBoard();
    b.connections.resize(b.connections.size() - 2);
    b.components.back() = c7(R1At);
    b.components.back().selected = true;
    b.connections.push_back({pinOf(b, "C7", 1), U3Gnd});
    b.connections.push_back({pinOf(b, "C7", 2), U3Vcc});
    return b;
}

Board reroutedBoard()
{
    Board b = placedBoard();
    b.components.back().selected = false;
    b.connections.clear();
    const Point c7Gnd = pinOf(b, "C7", 1), c7Vcc = pinOf(b, "C7", 2);
    // J1 to U10 passes above U9 and drops onto the upper row of U10.
    const int rise = U10Pin.y - J1Pin.y - 500;
    b.tracks.push_back(
        {Layer::Top, {J1Pin, {1200, J1Pin.y}, {1700, J1Pin.y + 500}, {U10Pin.x - rise, J1Pin.y + 500}, U10Pin}, 12});
    // C7's ground pin turns up to the ground pin at the right end of U3; its
    // supply pin runs under U3 on the Bottom layer to pin 20 at the other end.
    const int below = c7Gnd.y + 50;
    b.tracks.push_back(
        {Layer::Top, {c7Gnd, {c7Gnd.x, below}, {U3Gnd.x + 130, below}, {U3Gnd.x, below - 130}, U3Gnd}, 12});
    const Point via = {c7Vcc.x, c7Vcc.y - 70};
    const int under = (U3Gnd.y + U3Vcc.y) / 2;
    b.tracks.push_back({Layer::Top, {c7Vcc, via}, 12});
    b.tracks.push_back(
        {Layer::Bottom,
         {via, {via.x - 125, via.y - 125}, {via.x - 125, under}, {U3Vcc.x + 100, under}, {U3Vcc.x, under - 100}, U3Vcc},
         12});
    b.vias.push_back({via});
    return b;
}

Point between(Point a, Point z) { return {(a.x + z.x) / 2, (a.y + z.y) / 2}; }

// From the schematic to the board, and back.
forms::PictureRef relinxFlow()
{
    Shot s = Shot::diagram();
    const char* steps[][2] = {{"Quarn Skemora(R)", "The schematic, TUTOR.SCH"},
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

    s.text("Added: C7 beside U3", {300, 800, 2900, 280}, true);
    s.box("U3", {500, 1400, 1100, 1300});
    s.figure({Figure::Kind::Line, {1600, 1700, 900, 0}, "", Wire});
    s.figure({Figure::Kind::Line, {1600, 2400, 900, 0}, "", Wire});
    s.figure({Figure::Kind::Line, {2500, 1700, 0, 250}, "", Wire});
    s.figure({Figure::Kind::Line, {2500, 2150, 0, 250}, "", Wire});
    s.figure({Figure::Kind::Line, {2300, 1950, 400, 0}, "", 0x000000, false, true});
    s.figure({Figure::Kind::Line, {2300, 2150, 400, 0}, "", 0x000000, false, true});
    s.text("C7", {2750, 1900, 600, 280}, true);
    s.text("VCC", {1700, 1450, 700, 250});
    s.text("GND", {1700, 2450, 700, 250});

    s.text("Removed: R1", {3600, 800, 2900, 280}, true);
    s.box("R1", {4200, 1850, 1000, 400});
    s.figure({Figure::Kind::Line, {3700, 2050, 500, 0}, "", Old});
    s.figure({Figure::Kind::Line, {5200, 2050, 500, 0}, "", Old});
    s.figure({Figure::Kind::Line, {4000, 1650, 1400, 800}, "", Gone, false, true});
    s.figure({Figure::Kind::Line, {4000, 2450, 1400, -800}, "", Gone, false, true});

    s.text("Changed: J1 pin 9 goes to U10", {6600, 800, 3300, 280}, true);
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

const std::vector<std::string> Changes = {"Add component C7 (100nF, C0805)", "Delete component R1",
                                          "Add connection C7-2 to U3-20 (VCC)", "Add connection C7-1 to U3-10 (GND)",
                                          "Move J1-9 from U9-1 to U10-13 (SDI)"};

// Relinx carrying the netlist forward to the board; `step` is the button pressed.
forms::PictureRef relinxDialog(const std::string& step)
{
    using namespace item;
    const bool compared = step != "Compare";
    Shot s = Shot::host(step == "Apply" ? changedBoard() : Before, File);
    s.dialogOf("Tools", "Relinx", {250, 750, 4700, 5150},
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
    const Board b = changedBoard();
    return Shot::host(b, File)
        .note("New component C7", {7700, 1050, 2000, 330}, onSlide(b, {C7Waiting.x, C7Waiting.y - 50}))
        .note("R1 and its track removed", {8000, 3100, 1950, 560}, onSlide(b, R1At))
        .note("Changed: J1 pin 9 now goes to U10", {150, 5550, 3300, 330}, onSlide(b, between(J1Pin, U10Pin)))
        .status("Unrouted: " + std::to_string(b.connections.size()) + " connections")
        .done();
}

forms::PictureRef c7Placed()
{
    const Board b = placedBoard();
    return Shot::host(b, File)
        .note("C7, next to U3", {8300, 2350, 1600, 330}, onSlide(b, R1At))
        .status("C7 moved: " + std::to_string(b.connections.size()) + " connections to route")
        .done();
}

forms::PictureRef rerouted()
{
    const Board b = reroutedBoard();
    // TUTORBD2's connections, less R1's, with C7's two.
    const std::string all = std::to_string(connectionCount(Stage::Placed) - 1 + 2);
    return Shot::host(b, File)
        .note("C7 routed", {8300, 2350, 1600, 330}, onSlide(b, {R1At.x, R1At.y + 100}))
        .note("J1 to U10 routed", {150, 5550, 2000, 330}, onSlide(b, {1450, J1Pin.y + 250}))
        .status("Routed: " + all + " of " + all + " connections (100%)")
        .done();
}

} // namespace

LessonPictures lesson11Pictures()
{
    return LessonPictureList(9)
        .add("Image1", relinxFlow(), {1})
        .add("Image2", schematicChanges(), {2})
        .add("Image3", Shot::host(Before, File).menu("Tools", "Relinx").done(), {3})
        .add("Image4", relinxDialog("Compare"), {4})
        .add("Image5", relinxDialog("Changes"), {5})
        .add("Image6", relinxDialog("Apply"), {6})
        .add("Image7", changesApplied(), {7})
        .add("Image8", c7Placed(), {8})
        .add("Image9", rerouted(), {9})
        .done();
}

} // namespace lt
