// Lesson 9, Finishing the design: the screen pictures.
#include "lessons/pictures/picture_kit.h"

#include <map>

namespace lt {

using namespace pictures;
using forms::Area;
using forms::Figure;
using forms::Point;

namespace {

const std::vector<std::string> PlaceMenu = {"Component...", "Pad...", "Pad Array...", "Via", "-", "Line", "Arc",
                                            "Text...", "Dimension", "Reference Designator", "-", "Zone", "Keepout"};
const std::vector<std::string> ToolsMenu = {"Library Manager...", "-", "Renumber...", "Relinx...", "Cross Probe",
                                            "-", "Design Rule Check...", "Reports...", "-", "Options..."};
const std::vector<std::string> DimensionKinds = {"Horizontal", "Vertical", "Aligned"};

// As the schematic named them, the components of the top row read U13, U1,
// U2 from left to right, and there is no U3. Renumbering by rows gives them
// the designators of the finished board.
const std::map<std::string, std::string> SchematicNames = {{"U1", "U13"}, {"U2", "U1"}, {"U3", "U2"}};

forms::Board schematicBoard()
{
    forms::Board board = tutorialBoard(Stage::Routed);
    for (forms::Component& c : board.components)
        if (auto r = SchematicNames.find(c.reference); r != SchematicNames.end())
            c.reference = r->second;
    return board;
}

forms::Board renumberedBoard() { return tutorialBoard(Stage::Routed); }

// The board's width across the top edge, its height beside the left edge.
const forms::Area Outline = renumberedBoard().outline;
std::string mils(int value) { return std::to_string(value) + " mil"; }
const forms::Dimension Width = {
    {Outline.left, Outline.top + 300}, {Outline.left + Outline.width, Outline.top + 300}, mils(Outline.width)};
const forms::Dimension Height = {
    {Outline.left - 260, Outline.top}, {Outline.left - 260, Outline.top + Outline.height}, mils(Outline.height)};

forms::Board finishedBoard(bool height)
{
    forms::Board b = renumberedBoard();
    b.dimensions.push_back(Width);
    if (height)
        b.dimensions.push_back(Height);
    return b;
}

// Where the left end of a component lies on the slide.
Point leftEnd(const forms::Board& b, const std::string& reference)
{
    const forms::Component& c = part(b, reference);
    return onSlide(b, {c.at.x - c.width / 2, c.at.y});
}

forms::PictureRef outOfOrder()
{
    const forms::Board b = schematicBoard();
    return Shot::host(b).note("Top row, left to right: U13, U1, U2", {150, 1250, 1850, 560}, leftEnd(b, "U13")).done();
}

// Numbering by rows: each row left to right, the rows from the top down.
forms::PictureRef rowOrder()
{
    Shot s = Shot::diagram();
    s.text("Rows: left to right, then top to bottom", {600, 300, 5000, 300}, true);
    constexpr int Left = 600, Top = 900, Across = 1250, Down = 950, W = 800, H = 420;
    int n = 1;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            const int x = Left + col * Across, y = Top + row * Down;
            s.box("U" + std::to_string(n), {x, y, W, H}, 0x000000);
            if (col < 3)
                s.arrow({x + W + 40, y + H / 2}, {x + Across - 40, y + H / 2});
            else if (row < 2)
                s.arrow({x, y + H + 40}, {Left + W, y + Down - 40}, 0x808080);
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
    return Shot::host(schematicBoard())
        .dialog("Renumber", {300, 800, 4500, 5200},
                {group("Direction", {120, 60, 4150, 1500}),
                 option("Rows: left to right, then top to bottom", true, {240, 360, 3900, 270}, true),
                 option("Columns: top to bottom, then left to right", false, {240, 690, 3900, 270}),
                 field("Row tolerance", "200 mil", {240, 1080, 3900, 300}, true),
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
    const forms::Board b = renumberedBoard();
    return Shot::host(b)
        .dialog("Renumber Results", {5500, 650, 4300, 2900},
                {label("3 designators changed:", {120, 90, 3900, 240}),
                 list({"U13  ->  U1", "U1  ->  U2", "U2  ->  U3"}, "", {120, 390, 3900, 780}),
                 label("Changes written to TUTORBD2.WAS", {120, 1320, 3900, 240}),
                 button("OK", {1450, 1860, 1100, 360}, true)})
        .note("U1, formerly U13", {150, 1250, 1850, 330}, leftEnd(b, "U1"))
        .status("Renumbered: 3 designators changed")
        .done();
}

forms::PictureRef backAnnotate()
{
    using namespace item;
    return Shot::host(renumberedBoard())
        .dialog("Relinx", {300, 800, 4600, 5300},
                {group("Direction", {120, 60, 4250, 960}),
                 option("Forward: schematic to board", false, {240, 360, 3900, 270}),
                 option("Back annotate: board to schematic", true, {240, 660, 3900, 270}, true),
                 field("Was/is file", "TUTORBD2.WAS", {120, 1170, 4250, 300}, true),
                 field("Schematic", "TUTORBD2.SCH", {120, 1560, 4250, 300}, true),
                 label("Changes:", {120, 1980, 4250, 240}),
                 list({"Rename U13 to U1", "Rename U1 to U2", "Rename U2 to U3"}, "", {120, 2250, 4250, 1500}),
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
    return Shot::host(renumberedBoard())
        .dialog("Dimension", {300, 800, 4400, 4500},
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
    forms::Board b = renumberedBoard();
    b.dimensions.push_back(Width);
    b.cursor = Width.to;
    const Point end = onSlide(b, {Width.to.x - 300, Width.to.y});
    return Shot::host(b)
        .note("Horizontal dimension", {8300, 1900, 1650, 560}, end)
        .status("Horizontal dimension: " + Width.text + ", layer Board Drawing")
        .done();
}

forms::PictureRef heightPlaced()
{
    const forms::Board b = finishedBoard(true);
    const Point line = onSlide(b, {Height.to.x, Height.to.y - 500});
    return Shot::host(b)
        .note("Vertical dimension", {150, 4300, 1300, 560}, line)
        .status("Vertical dimension: " + Height.text + ", layer Board Drawing")
        .done();
}

} // namespace

LessonPictures lesson9Pictures()
{
    return LessonPictureList(13)
        .add("Image1", Shot::host(finishedBoard(true)).done(), {1})
        .add("Image2", outOfOrder(), {2})
        .add("Image3", rowOrder(), {3})
        .add("Image4", Shot::host(schematicBoard()).menu("Tools", ToolsMenu, 2).done(), {4})
        .add("Image5", renumberDialog(), {5})
        .add("Image6", renumbered(), {6})
        .add("Image7", Shot::host(renumberedBoard()).menu("Tools", ToolsMenu, 3).done(), {7})
        .add("Image8", backAnnotate(), {8})
        .add("Image9", dimensionParts(), {9})
        .add("Image10", Shot::host(renumberedBoard()).menu("Place", PlaceMenu, 8, DimensionKinds, 0).done(), {10})
        .add("Image11", dimensionDialog(), {11})
        .add("Image12", widthPlaced(), {12})
        .add("Image13", heightPlaced(), {13})
        .done();
}

} // namespace lt
