// Lesson 7, Resolving problems: the screen pictures.
#include <algorithm>

#include "lessons/pictures/picture_kit.h"
#include "pictures/trazel_dialogs.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Figure;
using pictures::Layer;
using pictures::Point;

namespace {

const std::string File = "TUTORBD3.MAX";

using pictures::rgb;

// A clearance marker as Trazel draws it: a ring with a cross.
void marker(Shot& s, Point at)
{
    const unsigned color = rgb(0, 255, 255);
    s.figure({Figure::Kind::Ellipse, {at.x - 180, at.y - 180, 360, 360}, "", color});
    s.figure({Figure::Kind::Line, {at.x - 130, at.y - 130, 260, 260}, "", color, false, true});
    s.figure({Figure::Kind::Line, {at.x - 130, at.y + 130, 260, -260}, "", color, false, true});
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

void markAll(Shot& s, std::initializer_list<Point> places)
{
    for (const Point& p : places)
        marker(s, onSlide(s.board(), p));
}

const pictures::Board Routed = tutorialBoard(Stage::Routed);

// The RD track from pin 13 of U3 to pin 11 of U8 runs down past pin 2 of R2:
// at first too close to it, then moved clear. `x` is where it runs down.
pictures::Track readTrack(int x, bool selected = false)
{
    const Point from = pinOf(Routed, "U3", 13), to = pinOf(Routed, "U8", 11);
    return {Layer::Top,
            {from,
             {from.x, from.y - 70},
             {from.x + 70, from.y - 140},
             {x - 70, from.y - 140},
             {x, from.y - 70},
             {x, to.y - (x - to.x)},
             to},
            12,
            selected};
}

// How far the RD track stays from pin 2 of R2 when it runs down at `x`.
const pictures::Component& R2 = part(Routed, "R2");
const int R2PadEdge = R2.at.x + R2.width / 4; // the right edge of its pads
int clearance(int x) { return x - 6 - R2PadEdge; }
const int TooCloseX = R2PadEdge + 12, ClearX = R2PadEdge + 70;

std::string at(Point p) { return std::to_string(p.x) + ", " + std::to_string(p.y); }

// Where the design rule check finds its three errors: the RD track at pin 2
// of R2; the tracks from J1 to U9, closest where they near U9; and the
// connection from U5 to U6, left unrouted.
const Point TooClose = {R2PadEdge + 3, pinOf(Routed, "R2", 2).y};
const Point TrackToTrack = {1000, 3339};
const Point Unrouted = {(pinOf(Routed, "U5", 13).x + pinOf(Routed, "U6", 1).x) / 2,
                        (pinOf(Routed, "U5", 13).y + pinOf(Routed, "U6", 1).y) / 2};

// The routed board as the design rule check finds it.
pictures::Board checkedBoard(bool fixed = false)
{
    pictures::Board b = Routed;
    b.tracks.push_back(readTrack(fixed ? ClearX : TooCloseX));
    if (!fixed)
        unroute(b, "U5", 13, "U6", 1);
    return b;
}

Shot withErrors()
{
    Shot s = Shot::host(checkedBoard(), File);
    markAll(s, {TooClose, TrackToTrack, Unrouted});
    s.status("Design rule check complete: 3 errors");
    return s;
}

const std::vector<std::string> ErrorLines = {"1  Clearance: track to pad, " + std::to_string(clearance(TooCloseX)) +
                                                 " mil  (" + at(TooClose) + ")",
                                             "2  Clearance: track to track, 8 mil  (" + at(TrackToTrack) + ")",
                                             "3  Unrouted: U5 pin 13 to U6 pin 1  (" + at(Unrouted) + ")"};

void errorList(Shot& s, Area at, bool goTo)
{
    using namespace item;
    s.dialog("Error List - 3 errors", at,
             {list(ErrorLines, ErrorLines[0], {120, 100, at.width - 300, 750}),
              button("Go To", {120, 950, 1200, 360}, goTo), button("Check Again", {1450, 950, 1400, 360}),
              button("Close", {2980, 950, 1200, 360})});
}

forms::PictureRef importErrors()
{
    using namespace item;
    return Shot::host(Stage::Unplaced)
        .dialog("Import Errors - TUTORBD1.NET", {300, 700, 6000, 3200},
                {label("Trazel found 3 errors and 1 warning while importing the netlist:", {150, 100, 5600, 300}),
                 list({"Error: U16: footprint DIP16W not found in the libraries",
                       "Error: Net CLK: pin U3.21 is not in footprint DIP20",
                       "Error: Reference designator R3 is used twice", "Warning: Net SPARE has only one pin"},
                      "", {150, 450, 5600, 1500}),
                 button("Save Report...", {2350, 2200, 1600, 360}), button("Close", {4150, 2200, 1600, 360})})
        .status("Import complete: 3 errors, 1 warning")
        .done();
}

// The Library Manager lists the libraries the import searched; its Open
// button adds the one that holds the missing footprint.
forms::PictureRef addLibrary()
{
    Shot s = Shot::host(Stage::Unplaced);
    libraryManager(s, {150, 1050}, {"STANDARD.LLB", "CONNECT.LLB"}, "", {}, "", "", "Open...");
    return openLibrary(s, {3500, 1100}, "C:\\TRAZEL\\TUTOR", {"MYPARTS.LLB", "TUTOR.LLB"}, "TUTOR.LLB").done();
}

forms::PictureRef pinMismatch()
{
    Shot s = Shot::diagram();
    const unsigned red = rgb(200, 0, 0), pad = rgb(70, 130, 255);
    // The symbol's pins, as Quarn Skemora numbers them.
    s.text("Schematic symbol U3 (Quarn Skemora)", {500, 300, 4000, 300}, true);
    s.box("U3", {900, 800, 1500, 2800});
    for (int i = 0; i < 5; ++i) {
        const int pin = 17 + i, y = 1100 + i * 500;
        const unsigned color = pin == 21 ? red : 0;
        s.figure({Figure::Kind::Line, {2400, y, 700, 0}, "", color, false, pin == 21});
        s.text(std::to_string(pin), {2550, y - 280, 500, 260}, pin == 21, color);
        s.text(pin == 21 ? "CLK" : "", {1700, y - 130, 600, 260}, true, color);
    }
    // The footprint's pads: two rows of ten.
    s.text("Footprint DIP20 (TUTOR.LLB)", {5300, 300, 4200, 300}, true);
    s.box("", {5300, 1200, 4100, 1600}, rgb(128, 128, 128));
    for (int i = 0; i < 10; ++i) {
        const int x = 5500 + i * 390;
        s.figure({Figure::Kind::Pad, {x, 2350, 240, 240}, "", pad});
        s.figure({Figure::Kind::Pad, {x, 1400, 240, 240}, "", pad});
        s.text(std::to_string(i + 1), {x - 20, 2620, 400, 260});
        s.text(std::to_string(20 - i), {x - 20, 1130, 400, 260});
    }
    s.arrow({3150, 3100}, {5200, 3100}, red);
    s.text("Pin 21 has no pad to go to", {5300, 2980, 4000, 300}, true, red);
    return s.done();
}

forms::PictureRef overlap(bool fixed)
{
    pictures::Board b = tutorialBoard(Stage::Placed);
    const pictures::Component u9 = part(b, "U9"), u10 = part(b, "U10");
    // U10 dropped onto the right end of U9; its connections follow it.
    const Point dropped = {u9.at.x + u9.width / 2 + 25, u10.at.y};
    if (!fixed)
        move(b, "U10", dropped);
    else
        select(b, {"U10"});
    Shot s = Shot::host(std::move(b), designFile(Stage::Placed));
    const Point overlapping = {(dropped.x - u10.width / 2 + u9.at.x + u9.width / 2) / 2, u9.at.y};
    if (!fixed) {
        markAll(s, {overlapping});
        return s.note("U10 overlaps U9", {2300, 5000, 1600, 300}, onSlide(s.board(), {overlapping.x, u10.at.y + 150}))
            .status("Clearance violation: U10 overlaps U9")
            .done();
    }
    const Point from = onSlide(s.board(), {dropped.x, u10.at.y + 250}),
                to = onSlide(s.board(), {u10.at.x, u10.at.y + 250});
    return s.tool(1)
        .arrow(from, to, rgb(255, 255, 255))
        .status("Component U10 moved to X " + std::to_string(u10.at.x) + " Y " + std::to_string(u10.at.y))
        .done();
}

forms::PictureRef unrouted(bool autoMenu)
{
    pictures::Board b = Routed;
    unroute(b, "U5", 13, "U6", 1);
    unroute(b, "U4", 9, "U5", 1);
    Shot s = Shot::host(std::move(b), File);
    const int total = connectionCount(Stage::Routed), left = total - 2;
    s.status("Routed: " + std::to_string(left) + " of " + std::to_string(total) + " connections (" +
             std::to_string(left * 100 / total) + "%)");
    if (autoMenu)
        return s.menu("Auto", "Autoroute", "Net").done();
    const Point from = pinOf(s.board(), "U4", 9), to = pinOf(s.board(), "U5", 1);
    return s
        .note("Unrouted connections", {150, 1400, 1650, 500},
              onSlide(s.board(), {(from.x + to.x) / 2, (from.y + to.y) / 2}))
        .done();
}

forms::PictureRef checkDialog()
{
    Shot s = Shot::host(checkedBoard(), File);
    return designRuleCheckDialog(s, {300, 700}, "TUTORBD3.DRC", {}).done();
}

forms::PictureRef report()
{
    using namespace item;
    Shot s = withErrors();
    return s
        .dialog("TUTORBD3.DRC - Report", {200, 600, 4500, 4000},
                {list({"Design rule check of TUTORBD3.MAX", "", "1  Clearance violation",
                       "   Track to pad: " + std::to_string(clearance(TooCloseX)) + " mil, rule 10 mil",
                       "   Net RD track and R2 pin 2",
                       "   At X " + std::to_string(TooClose.x) + "  Y " + std::to_string(TooClose.y),
                       "2  Clearance violation", "   Track to track: 8 mil, rule 10 mil",
                       "   At X " + std::to_string(TrackToTrack.x) + "  Y " + std::to_string(TrackToTrack.y),
                       "3  Unrouted connection", "   U5 pin 13 to U6 pin 1", "", "Total: 3 errors"},
                      "", {100, 100, 4200, 3400})})
        .done();
}

forms::PictureRef errorListScreen()
{
    Shot s = withErrors();
    errorList(s, {300, 700, 4600, 1900}, false);
    return s.done();
}

// The design window zoomed in on the first error, around R2.
pictures::Board aroundR2(pictures::Board b)
{
    const Area window = {R2.at.x - 450, R2.at.y - 200, 600, 1400};
    std::erase_if(b.components, [&](const pictures::Component& c) {
        return c.at.x < window.left || c.at.x > window.left + window.width || c.at.y < window.top ||
               c.at.y > window.top + window.height;
    });
    b.outline = {b.components.front().at.x, b.components.front().at.y, 0, 0};
    return b;
}

forms::PictureRef goTo()
{
    pictures::Board b = aroundR2(checkedBoard());
    b.tracks.back().selected = true;
    select(b, {"R2"});
    Shot s = Shot::host(std::move(b), File);
    marker(s, onSlide(s.board(), TooClose));
    errorList(s, {150, 3200, 4600, 1900}, true);
    return s
        .status("Error 1 of 3: track to pad clearance " + std::to_string(clearance(TooCloseX)) + " mil (rule 10 mil)")
        .done();
}

forms::PictureRef fixedTrack()
{
    pictures::Board b = aroundR2(checkedBoard(true));
    b.tracks.back().selected = true;
    Shot s = Shot::host(std::move(b), File);
    pointAt(s, "Segment moved clear of R2", {7300, 3400, 2500, 300}, onSlide(s.board(), {ClearX, R2.at.y + 250}));
    return s.status("Move Segment: clearance to R2 pin 2 is now " + std::to_string(clearance(ClearX)) + " mil").done();
}

forms::PictureRef checkedAgain()
{
    using namespace item;
    return Shot::host(checkedBoard(true), File)
        .dialog("Design Rule Check", {2000, 2000, 4600, 1500},
                {label("Design rule check complete. No errors found.", {300, 200, 4000, 300}),
                 button("OK", {1700, 650, 1200, 360}, true)})
        .done();
}

} // namespace

LessonPictures lesson7Pictures()
{
    return LessonPictureList(18)
        .add("Image1", withErrors().done(), {1, 12})
        .add("Image2",
             Shot::host(Stage::Outline, designFile(Stage::Unplaced))
                 .menu("File", "Import Netlist")
                 .done(),
             {2})
        .add("Image3", importErrors(), {3})
        .add("Image4", addLibrary(), {4})
        .add("Image5", pinMismatch(), {5})
        .add("Image6", overlap(false), {6})
        .add("Image7", overlap(true), {7})
        .add("Image8", unrouted(false), {8})
        .add("Image9", unrouted(true), {9})
        .add("Image10", Shot::host(checkedBoard(), File).menu("Tools", "Design Rule Check").done(), {10})
        .add("Image11", checkDialog(), {11})
        .add("Image12", report(), {13})
        .add("Image13", errorListScreen(), {14})
        .add("Image14", goTo(), {15})
        .add("Image15", fixedTrack(), {16})
        .add("Image16", checkedAgain(), {17})
        .add("Image17", Shot::host(checkedBoard(true), File).status("Design rule check complete: 0 errors").done(), {18})
        .done();
}

} // namespace lt
