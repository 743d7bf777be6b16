// Lesson 12, Intertool communication: the screen pictures. Quarn Skemora's
// schematic TUTOR.SCH and the tutorial board describe the same circuit, so a
// component or net picked in one program is highlighted in the other.
#include <algorithm>
#include <cmath>
#include <memory>

#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Board;
using pictures::Point;

namespace {

const std::string File = "TUTORBD2.MAX";

using pictures::rgb;

constexpr unsigned Black = rgb(0, 0, 0), White = rgb(255, 255, 255), Face = rgb(192, 192, 192),
                   Navy = rgb(0, 0, 128), Ink = rgb(0, 0, 160), Probe = rgb(220, 30, 30),
                   Silk = rgb(230, 230, 90), TopCopper = rgb(230, 60, 60), BottomCopper = rgb(70, 130, 255),
                   WireColor = rgb(0, 128, 0);

// The design area of a host window on the slide, in twips.
constexpr Area DesignArea = {45, 990, 9990, 5175};

// The menu bar of a window drawn small: the names of its menus.
std::string menuNames(HostWindow window)
{
    std::string names;
    for (const Menu& m : menuBar(window))
        names += (names.empty() ? "" : "  ") + m.name();
    return names;
}

// The schematic sheet TUTOR.SCH, in sheet units of 1000 across by 600 down.
struct Symbol {
    const char* ref;
    const char* part;
    Area at;
};

constexpr Symbol Symbols[] = {
    {"J1", "HEADER 20", {40, 100, 60, 280}},  {"U1", "74HC04", {240, 30, 130, 140}},
    {"U2", "74HC04", {520, 30, 130, 140}},    {"U7", "74HC74", {800, 30, 140, 200}},
    {"U5", "GAL22V10", {240, 220, 130, 140}}, {"U6", "24LC256", {520, 220, 130, 140}},
    {"U9", "74HC595", {240, 410, 130, 140}},  {"R1", "10K", {410, 62, 70, 24}},
    {"C1", "100N", {415, 440, 30, 40}},
};

struct Wire {
    std::vector<Point> points;
    bool clock = false; // a wire of the net CLK
};

const std::vector<Wire>& wires()
{
    static const std::vector<Wire> all = {
        {{{100, 195}, {200, 195}, {200, 100}, {240, 100}}, true},
        {{{100, 280}, {240, 280}}},
        {{{200, 280}, {200, 450}, {240, 450}}},
        {{{370, 74}, {410, 74}}},
        {{{480, 74}, {520, 74}}},
        {{{650, 100}, {800, 100}}},
        {{{370, 290}, {520, 290}}},
        {{{650, 290}, {720, 290}, {720, 180}, {800, 180}}},
        {{{370, 430}, {430, 430}, {430, 440}}},
        {{{430, 480}, {430, 510}}},
    };
    return all;
}

constexpr Point Junctions[] = {{200, 280}};

// Sheet units to twips of the area the sheet is drawn in.
Point onSheet(Area sheet, Point p) { return {sheet.left + p.x * sheet.width / 1000, sheet.top + p.y * sheet.height / 600}; }

Area sheetArea(Area sheet, Area a)
{
    const Point from = onSheet(sheet, Point{a.left, a.top}), to = onSheet(sheet, Point{a.left + a.width, a.top + a.height});
    return {from.x, from.y, to.x - from.x, to.y - from.y};
}

// Draws the schematic into `sheet`: symbols, wires, the CLK label and, on a
// big sheet, part names and the title block. The probed symbol and net are red.
void schematic(Shot& s, Area sheet, const std::string& probed, bool clockProbed)
{
    const bool big = sheet.width > 6000;
    for (const Wire& w : wires())
        for (std::size_t i = 1; i < w.points.size(); ++i) {
            const Point a = onSheet(sheet, w.points[i - 1]), b = onSheet(sheet, w.points[i]);
            const bool hot = w.clock && clockProbed;
            s.figure({pictures::Figure::Kind::Line, {a.x, a.y, b.x - a.x, b.y - a.y}, "", hot ? Probe : WireColor,
                      false, hot});
        }
    for (Point j : Junctions) {
        const Point at = onSheet(sheet, j);
        s.figure({pictures::Figure::Kind::Ellipse, {at.x - 45, at.y - 45, 90, 90}, "", WireColor, true});
    }
    const Point label = onSheet(sheet, Point{112, 160});
    s.text("CLK", {label.x, label.y, 700, 240}, true, clockProbed ? Probe : WireColor);
    for (const Symbol& sym : Symbols) {
        const Area a = sheetArea(sheet, sym.at);
        const bool hot = probed == sym.ref;
        if (hot)
            s.box("", a, rgb(255, 210, 210), true);
        s.box("", a, hot ? Probe : Ink);
        // Small symbols carry their designator above (lying down) or beside (standing up).
        const bool small = sym.at.width < 100;
        const Area refAt = !small                      ? Area{a.left + 60, a.top + 40, a.width, 240}
                           : sym.at.width > sym.at.height ? Area{a.left, a.top - 260, 600, 240}
                                                          : Area{a.left + a.width + 40, a.top - 30, 600, 240};
        s.text(sym.ref, refAt, true, hot ? Probe : Ink);
        if (big && !small)
            s.text(sym.part, {a.left + 60, a.top + 280, a.width - 60, 240}, false, hot ? Probe : Ink);
    }
    const Point ground = onSheet(sheet, Point{430, 510});
    s.figure({pictures::Figure::Kind::Line, {ground.x - 150, ground.y, 300, 0}, "", WireColor, false, true});
    if (big) {
        s.box("", sheetArea(sheet, Area{5, 5, 990, 590}), Ink);
        const Area block = sheetArea(sheet, Area{700, 480, 285, 105});
        s.box("", block, Ink);
        s.text("TUTOR.SCH\nTutorial controller card\nSheet 1 of 1", {block.left + 80, block.top + 60, block.width - 100, block.height - 80},
               false, Ink);
    }
}

// Where a board point appears on the small board drawn into `body`.
struct MiniBoard {
    double scale;
    int left, top;
    Point at(Point p) const
    {
        return {left + static_cast<int>(p.x * scale), top + static_cast<int>(p.y * scale)};
    }
};

const pictures::Area Outline = tutorialBoard(Stage::PartlyRouted).outline;

MiniBoard miniFit(Area body)
{
    const double scale = std::min((body.width - 300.0) / Outline.width, (body.height - 300.0) / Outline.height);
    return {scale, body.left + (body.width - static_cast<int>(Outline.width * scale)) / 2,
            body.top + (body.height - static_cast<int>(Outline.height * scale)) / 2};
}

// The net CLK joins pin 1 of the connector J1 to pin 1 of U1; the partly
// routed board has its track already.
void selectClock(Board& b) { selectNet(b, "CLK"); }

// The partly routed tutorial board, drawn small inside a Trazel window; the
// probed part and net are white.
void miniBoard(Shot& s, Area body, const std::string& probed, bool clockProbed)
{
    const MiniBoard m = miniFit(body);
    Board b = tutorialBoard(Stage::PartlyRouted);
    if (clockProbed)
        selectClock(b);
    const Point corner = m.at({Outline.width, Outline.height}), origin = m.at({0, 0});
    s.box("", {origin.x, origin.y, corner.x - origin.x, corner.y - origin.y}, Silk);
    auto drawTrack = [&](const pictures::Track& t, bool hot) {
        for (std::size_t i = 1; i < t.points.size(); ++i) {
            const Point a = m.at(t.points[i - 1]), z = m.at(t.points[i]);
            s.figure({pictures::Figure::Kind::Line, {a.x, a.y, z.x - a.x, z.y - a.y}, "",
                      hot ? White : t.layer == pictures::Layer::Top ? TopCopper : BottomCopper, false, hot});
        }
    };
    for (const pictures::Track& t : b.tracks)
        if (!t.selected)
            drawTrack(t, false);
    for (const pictures::Track& t : b.tracks)
        if (t.selected)
            drawTrack(t, true);
    for (const pictures::Component& c : b.components) {
        const Point a = m.at({c.at.x - c.width / 2, c.at.y - c.height / 2});
        const Point z = m.at({c.at.x + c.width / 2, c.at.y + c.height / 2});
        const bool hot = probed == c.reference;
        const Area at = {a.x, a.y, std::max(30, z.x - a.x), std::max(30, z.y - a.y)};
        s.box("", at, hot ? White : Silk, hot);
        if (c.width >= 500 || hot)
            s.text(c.reference, {at.left + at.width / 2 - 150, at.top + at.height / 2 - 110, 600, 240}, hot,
                   hot ? Black : Silk);
    }
}

// A small window of either program, drawn as part of a diagram. Returns the
// area of its body.
Area window(Shot& s, Area at, const std::string& title, const std::string& menus, unsigned body)
{
    s.box("", at, Face, true);
    s.figure({pictures::Figure::Kind::Box, {at.left + 30, at.top + 30, at.width - 60, 270}, title, Navy, true, true});
    s.text(menus, {at.left + 90, at.top + 320, at.width - 120, 240});
    const Area inside = {at.left + 30, at.top + 570, at.width - 60, at.height - 600};
    s.box("", inside, body, true);
    s.box("", at, Black);
    return inside;
}

// Skemora's window returns the area of its sheet, Trazel's the area of its design window's body.
Area skemoraWindow(Shot& s, Area at, const std::string& probed = "", bool clockProbed = false)
{
    const Area body = window(s, at, "Quarn Skemora - TUTOR.SCH", menuNames(HostWindow::Skemora), White);
    const Area sheet = {body.left + 60, body.top + 60, body.width - 120, body.height - 120};
    schematic(s, sheet, probed, clockProbed);
    return sheet;
}

Area trazelWindow(Shot& s, Area at, const std::string& probed = "", bool clockProbed = false)
{
    const Area body = window(s, at, "Trazel - " + File, menuNames(HostWindow::DesignWindow), Black);
    miniBoard(s, body, probed, clockProbed);
    return body;
}

// The centre of a symbol on a sheet, and of a part on a small board.
Point symbolIn(Area sheet, const char* ref)
{
    for (const Symbol& sym : Symbols)
        if (std::string(sym.ref) == ref)
            return onSheet(sheet, Point{sym.at.left + sym.at.width / 2, sym.at.top + sym.at.height / 2});
    return {sheet.left, sheet.top};
}

Point partIn(Area body, const char* ref)
{
    for (const pictures::Component& c : tutorialBoard(Stage::Placed).components)
        if (c.reference == ref)
            return miniFit(body).at(c.at);
    return {body.left, body.top};
}

constexpr Area LeftWindow = {120, 200, 4850, 3800}, RightWindow = {5110, 200, 4850, 3800};

forms::PictureRef bothPrograms()
{
    Shot s = Shot::diagram();
    const Area trazel = trazelWindow(s, {300, 3150, 5200, 3200}, "U9");
    const Area skemora = skemoraWindow(s, {4500, 200, 5400, 3500}, "U9");
    // Two arrows side by side between the symbol and the part: probing works both ways.
    const Point from = symbolIn(skemora, "U9"), to = partIn(trazel, "U9");
    const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
    const double ux = dx / length, uy = dy / length;
    auto along = [&](Point p, double ahead, double aside) {
        return Point{static_cast<int>(p.x + ux * ahead - uy * aside), static_cast<int>(p.y + uy * ahead + ux * aside)};
    };
    s.arrow(along(from, 500, 120), along(to, -350, 120), Probe);
    s.arrow(along(to, -350, -120), along(from, 500, -120), Probe);
    s.note("Cross probing", {6300, 4300, 1600, 300});
    return s.done();
}

forms::PictureRef sameCircuit()
{
    Shot s = Shot::diagram();
    skemoraWindow(s, LeftWindow, "U9", true);
    trazelWindow(s, RightWindow, "U9", true);
    s.note("In red: symbol U9 and net CLK in TUTOR.SCH", {300, 4300, 4400, 300})
        .note("In white: footprint U9 and net CLK on the board", {300, 4750, 4400, 300});
    return s.done();
}

forms::PictureRef sideBySide()
{
    Shot s = Shot::diagram();
    skemoraWindow(s, LeftWindow);
    trazelWindow(s, RightWindow);
    return s.done();
}

forms::PictureRef probedFromBoard()
{
    Shot s = Shot::diagram();
    const Area skemora = skemoraWindow(s, LeftWindow, "U7");
    const Area trazel = trazelWindow(s, RightWindow, "U7");
    const Point from = partIn(trazel, "U7"), to = symbolIn(skemora, "U7");
    s.arrow({from.x - 300, from.y}, {to.x + 500, to.y}, Probe);
    s.note("1. Select U7 on the board", {300, 4300, 3300, 300})
        .note("2. Skemora highlights symbol U7", {300, 4750, 3300, 300});
    return s.done();
}

// Skemora's sheet when it fills the design area.
constexpr Area FullSheet = {DesignArea.left + 105, DesignArea.top + 90, DesignArea.width - 210, DesignArea.height - 180};

Shot skemoraScreen(const std::string& probed)
{
    Shot s = Shot::skemora("TUTOR.SCH");
    s.box("", DesignArea, White, true);
    schematic(s, FullSheet, probed, false);
    return s;
}

// The partly routed board with the net CLK highlighted, drawn over the
// tracks it shares a course with.
Board withClockNet()
{
    Board b = tutorialBoard(Stage::PartlyRouted);
    selectClock(b);
    std::stable_partition(b.tracks.begin(), b.tracks.end(), [](const pictures::Track& t) { return !t.selected; });
    for (pictures::Track& t : b.tracks)
        if (t.selected)
            t.width = 25; // Trazel draws the tracks of a probed net bold
    return b;
}

// U9 as Trazel shows it zoomed in on a probed U9, with U7 above it and C5
// below.
Board zoomedOnU9()
{
    Board b = tutorialBoard(Stage::PartlyRouted);
    select(b, {"U9"});
    const Point u9 = part(b, "U9").at;
    return zoomIn(b, {u9.x - 600, u9.y - 1100, 1400, 1500});
}

forms::PictureRef zoomOptions()
{
    using namespace item;
    return Shot::host(zoomedOnU9(), File)
        .dialogOf("Tools", "Cross Probe Options", {200, 1150, 3300, 3000},
                {group("When an item is probed", {120, 60, 2950, 1500}),
                 check("Highlight Probed Item", true, {260, 400, 2700, 285}),
                 check("Zoom to Probed Item", true, {260, 780, 2700, 285}, true),
                 check("Probe Nets", true, {260, 1160, 2700, 285}),
                 field("Zoom Margin", "200 mil", {120, 1750, 2950, 300}), button("OK", {500, 2250, 1000, 360}, true),
                 button("Cancel", {1700, 2250, 1000, 360})})
        .status("Cross probe from Skemora: U9 (SOIC16), zoomed in")
        .done();
}

} // namespace

LessonPictures lesson12Pictures()
{
    Board probedU9 = tutorialBoard(Stage::PartlyRouted);
    select(probedU9, {"U9"});
    const pictures::Component& u9 = part(probedU9, "U9");
    const Board clock = withClockNet();
    const pictures::Track& clockTrack = trackAt(clock, pinOf(clock, "J1", 1));

    return LessonPictureList(9)
        .add("Image1", bothPrograms(), {1})
        .add("Image2", sameCircuit(), {2})
        .add("Image3", Shot::host(Stage::PartlyRouted).menu("Tools", "Cross Probe").done(), {3})
        .add("Image4", sideBySide(), {4})
        .add("Image5",
             skemoraScreen("U9")
                 .note("Click U9", {3700, 3900, 1300, 300}, symbolIn(FullSheet, "U9"))
                 .status("U9  74HC595  selected; sent to Trazel")
                 .done(),
             {5})
        .add("Image6",
             Shot::host(probedU9, File)
                 .note("U9, highlighted by the cross probe", {150, 5300, 3300, 300},
                       onSlide(probedU9, {u9.at.x - u9.width / 2, u9.at.y + u9.height / 2}))
                 .status("Cross probe from Skemora: U9 (SOIC16) selected")
                 .done(),
             {6})
        .add("Image7", probedFromBoard(), {7})
        .add("Image8",
             Shot::host(clock, File)
                 .note("Net CLK: J1 to U1", {150, 1250, 1750, 300}, onSlide(clock, clockTrack.points[1]))
                 .status("Cross probe from Skemora: net CLK, 2 pins, 1 connection")
                 .done(),
             {8})
        .add("Image9", zoomOptions(), {9})
        .done();
}

} // namespace lt
