// Lesson 9, Finishing the design: the screen pictures.
#include "lessons/pictures/picture_kit.h"
#include "pictures/renumber.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Figure;
using pictures::Point;

namespace {

const std::string File = "TUTORBD3.MAX";

// TUTORBD3.MAX as it opens keeps the designators of the schematic; the
// lesson renumbers it by columns, as the exercise does.
constexpr int Tolerance = 200;
pictures::Board schematicBoard() { return tutorialBoard(Stage::Routed); }
const std::vector<Renaming> Changes = renumber(schematicBoard(), RenumberOrder::Columns, Tolerance);
pictures::Board renumberedBoard() { return renamed(schematicBoard(), Changes); }

std::string changeCount() { return std::to_string(Changes.size()) + " designators changed"; }

// The board's width across the top edge, its height beside the left edge.
const pictures::Area Outline = renumberedBoard().outline;
std::string mils(int value) { return std::to_string(value) + " mil"; }
const pictures::Dimension Width = {
    {Outline.left, Outline.top + 300}, {Outline.left + Outline.width, Outline.top + 300}, mils(Outline.width)};
const pictures::Dimension Height = {
    {Outline.left - 260, Outline.top}, {Outline.left - 260, Outline.top + Outline.height}, mils(Outline.height)};

pictures::Board finishedBoard(bool height)
{
    pictures::Board b = renumberedBoard();
    b.dimensions.push_back(Width);
    if (height)
        b.dimensions.push_back(Height);
    return b;
}

// Where the left end of a component lies on the slide.
Point leftEnd(const pictures::Board& b, const std::string& reference)
{
    const pictures::Component& c = part(b, reference);
    return onSlide(b, {c.at.x - c.width / 2, c.at.y});
}

forms::PictureRef outOfOrder()
{
    const pictures::Board b = schematicBoard();
    return Shot::host(b, File)
        .note("U12 and C7: at the left, numbered last", {150, 3950, 2400, 560}, leftEnd(b, "U12"))
        .done();
}

// Numbering by columns: each column top to bottom, the columns from the left.
forms::PictureRef columnOrder()
{
    Shot s = Shot::diagram();
    s.text("Columns: top to bottom, then left to right", {600, 300, 5400, 300}, true);
    constexpr int Left = 600, Top = 900, Across = 1350, Down = 950, W = 800, H = 420;
    int n = 1;
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 3; ++row) {
            const int x = Left + col * Across, y = Top + row * Down;
            s.box("U" + std::to_string(n), {x, y, W, H}, 0x000000);
            if (row < 2)
                s.arrow({x + W / 2, y + H + 40}, {x + W / 2, y + Down - 40});
            else if (col < 3)
                s.arrow({x + W + 40, y}, {x + Across - 40, Top + H}, 0x808080);
            ++n;
        }
    s.text("Each prefix counts on its own:", {6400, 900, 3300, 300}, true);
    const char* prefixes[] = {"U1, U2, U3 ...", "R1, R2, R3 ...", "C1, C2, C3 ...", "J1, J2 ..."};
    for (int i = 0; i < 4; ++i)
        s.text(prefixes[i], {6700, 1350 + i * 380, 3000, 300});
    return s.done();
}

forms::PictureRef renumberDialog()
{
    using namespace item;
    return Shot::host(schematicBoard(), File)
        .dialogOf("Tools", "Renumber", {300, 800, 4500, 5200},
                {group("Direction", {120, 60, 4150, 1500}),
                 option("Rows: left to right, then top to bottom", false, {240, 360, 3900, 270}),
                 option("Columns: top to bottom, then left to right", true, {240, 690, 3900, 270}, true),
                 field("Tolerance", std::to_string(Tolerance) + " mil", {240, 1080, 3900, 300}, true),
                 group("Designators", {120, 1680, 4150, 1620}),
                 option("All prefixes", true, {240, 1980, 1800, 270}, true),
                 option("Prefix", false, {2160, 1980, 900, 270}),
                 field("", "", {3120, 1965, 1000, 300}),
                 field("Start number", "1", {240, 2400, 3900, 300}, true),
                 field("Increment", "1", {240, 2820, 3900, 300}, true),
                 check("Write was/is file", true, {240, 3480, 3900, 270}),
                 button("OK", {900, 4080, 1100, 360}, true), button("Cancel", {2250, 4080, 1100, 360})})
        .done();
}

forms::PictureRef renumbered()
{
    using namespace item;
    const pictures::Board b = renumberedBoard();
    std::vector<std::string> lines;
    for (const Renaming& r : Changes)
        lines.push_back(r.was + "  ->  " + r.is);
    return Shot::host(b, File)
        .dialog("Renumber Results", {5500, 650, 4300, 2900},
                {label(changeCount() + ":", {120, 90, 3900, 240}), list(lines, "", {120, 390, 3900, 780}),
                 label("Changes written to TUTORBD3.WAS", {120, 1320, 3900, 240}),
                 button("OK", {1450, 1860, 1100, 360}, true)})
        .note("U1, formerly U12", {150, 3950, 1850, 330}, leftEnd(b, "U1"))
        .status("Renumbered: " + changeCount())
        .done();
}

forms::PictureRef backAnnotate()
{
    using namespace item;
    std::vector<std::string> lines;
    for (const Renaming& r : Changes)
        lines.push_back("Rename " + r.was + " to " + r.is);
    return Shot::host(renumberedBoard(), File)
        .dialogOf("Tools", "Relinx", {300, 800, 4600, 5300},
                  {group("Direction", {120, 60, 4250, 960}),
                   option("Forward: schematic to board", false, {240, 360, 3900, 270}),
                   option("Back annotate: board to schematic", true, {240, 660, 3900, 270}, true),
                   field("Was/is file", "TUTORBD3.WAS", {120, 1170, 4250, 300}, true),
                   field("Schematic", "TUTOR.SCH", {120, 1560, 4250, 300}, true),
                   label("Changes:", {120, 1980, 4250, 240}), list(lines, "", {120, 2250, 4250, 1500}),
                   button("Compare", {120, 3990, 1300, 360}), button("Apply", {1590, 3990, 1300, 360}, true),
                   button("Close", {3060, 3990, 1300, 360})})
        .done();
}

// A dimension: the distance between two measured points, written above its line.
forms::PictureRef dimensionParts()
{
    Shot s = Shot::diagram();
    constexpr unsigned Board = 0x5A8C3C, Line = 0x000000;
    s.box("", {1500, 1900, 5200, 1700}, Board, true);
    constexpr int Y = 1350, From = 1500, To = 6700;
    s.figure({Figure::Kind::Line, {From, Y, To - From, 0}, "", Line});
    for (int x : {From, To}) {
        s.figure({Figure::Kind::Line, {x, Y - 150, 0, 300}, "", Line});
        s.figure({Figure::Kind::Line, {x, Y + 150, 0, 1900 - Y - 150}, "", 0x808080});
        s.figure({Figure::Kind::Ellipse, {x - 60, 1840, 120, 120}, "", 0x0000C0, true});
    }
    s.text(Width.text, {3700, Y - 420, 1200, 280}, true);
    return s.note("Distance", {1500, 850, 1300, 330}, {3600, 1010})
        .note("Dimension line", {7200, 1100, 1800, 330}, {To - 300, Y})
        .note("Measured points", {7200, 2200, 1800, 330}, {To + 60, 1900})
        .done();
}

forms::PictureRef dimensionDialog()
{
    using namespace item;
    return Shot::host(renumberedBoard(), File)
        .dialogOf("Place", "Dimension", {300, 800, 4400, 4500},
                {field("Layer", "Board Drawing", {120, 120, 4000, 300}, true),
                 group("Units", {120, 570, 4000, 780}),
                 option("mil", true, {300, 900, 1000, 270}, true), option("inch", false, {1500, 900, 1000, 270}),
                 option("mm", false, {2700, 900, 1000, 270}),
                 field("Decimal places", "0", {120, 1560, 4000, 300}),
                 field("Text height", "60 mil", {120, 1980, 4000, 300}, true),
                 check("Show units after the distance", true, {120, 2430, 4000, 270}),
                 button("OK", {850, 3180, 1100, 360}, true), button("Cancel", {2150, 3180, 1100, 360})})
        .done();
}

forms::PictureRef widthPlaced()
{
    pictures::Board b = renumberedBoard();
    b.dimensions.push_back(Width);
    b.cursor = Width.to;
    const Point end = onSlide(b, {Width.to.x - 300, Width.to.y});
    return Shot::host(b, File)
        .note("Horizontal dimension", {8300, 1900, 1650, 560}, end)
        .status("Horizontal dimension: " + Width.text + ", layer Board Drawing")
        .done();
}

forms::PictureRef heightPlaced()
{
    const pictures::Board b = finishedBoard(true);
    const Point line = onSlide(b, {Height.to.x, Height.to.y - 500});
    return Shot::host(b, File)
        .note("Vertical dimension", {150, 4300, 1300, 560}, line)
        .status("Vertical dimension: " + Height.text + ", layer Board Drawing")
        .done();
}

} // namespace

LessonPictures lesson9Pictures()
{
    return LessonPictureList(13)
        .add("Image1", Shot::host(finishedBoard(true), File).done(), {1})
        .add("Image2", outOfOrder(), {2})
        .add("Image3", columnOrder(), {3})
        .add("Image4", Shot::host(schematicBoard(), File).menu("Tools", "Renumber").done(), {4})
        .add("Image5", renumberDialog(), {5})
        .add("Image6", renumbered(), {6})
        .add("Image7", Shot::host(renumberedBoard(), File).menu("Tools", "Relinx").done(), {7})
        .add("Image8", backAnnotate(), {8})
        .add("Image9", dimensionParts(), {9})
        .add("Image10", Shot::host(renumberedBoard(), File).menu("Place", "Dimension", "Horizontal").done(), {10})
        .add("Image11", dimensionDialog(), {11})
        .add("Image12", widthPlaced(), {12})
        .add("Image13", heightPlaced(), {13})
        .done();
}

} // namespace lt
