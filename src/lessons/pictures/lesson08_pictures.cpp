// Lesson 8, Working with footprints: the screen pictures.
#include "lessons/pictures/picture_kit.h"
#include "pictures/trazel_dialogs.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Figure;
using pictures::Point;

namespace {

const std::vector<std::string> TutorFootprints = {"C0805", "C1206", "CONN20", "DIP14",  "DIP16", "DIP20",
                                                  "DIP24", "R0805", "SOIC8",  "SOIC14", "SOIC16"};
const std::vector<std::string> WithDip8 = {"C0805", "C1206", "CONN20", "DIP8",  "DIP14",  "DIP16",
                                           "DIP20", "DIP24", "R0805",  "SOIC8", "SOIC14", "SOIC16"};

// Layer colours as the design window draws them.
constexpr unsigned Silk = 0x5AE6E6, ThroughPad = 0x2896E6, Black = 0x000000, White = 0xFFFFFF;

// A dual in-line footprint drawn at the editor's zoom: pads 100 mil apart in
// two rows 300 mil apart, pad 1 square at the lower left, the silkscreen
// outline between the rows and the reference designator above them.
constexpr int Pitch = 450, RowGap = 1350, PadSize = 270, Hole = 90, OutlineEnd = 310, OutlineInset = 230,
              ReferenceRise = 620;

enum Parts { Pads = 1, Outline = 2, Reference = 4, Numbers = 8, Whole = Pads | Outline | Reference };

Point pinAt(int pins, Point centre, int pin)
{
    const int perSide = pins / 2, x0 = centre.x - (perSide - 1) * Pitch / 2;
    if (pin <= perSide)
        return {x0 + (pin - 1) * Pitch, centre.y + RowGap / 2};
    return {x0 + (pins - pin) * Pitch, centre.y - RowGap / 2};
}

Area outlineOf(int pins, Point centre)
{
    const int span = (pins / 2 - 1) * Pitch;
    return {centre.x - span / 2 - OutlineEnd, centre.y - RowGap / 2 + OutlineInset, span + 2 * OutlineEnd,
            RowGap - 2 * OutlineInset};
}

Point referenceAt(int pins, Point centre) { return {outlineOf(pins, centre).left, centre.y - RowGap / 2 - ReferenceRise}; }

void drawDip(Shot& s, int pins, Point centre, int parts)
{
    const Area o = outlineOf(pins, centre);
    if (parts & Pads)
        for (int pin = 1; pin <= pins; ++pin) {
            const Point m = pinAt(pins, centre, pin);
            const Area pad = {m.x - PadSize / 2, m.y - PadSize / 2, PadSize, PadSize};
            if (pin == 1) {
                s.figure({Figure::Kind::Pad, pad, "", ThroughPad});
            } else {
                s.figure({Figure::Kind::Ellipse, pad, "", ThroughPad, true});
                s.figure({Figure::Kind::Ellipse, {m.x - Hole / 2, m.y - Hole / 2, Hole, Hole}, "", Black, true});
            }
            if (parts & Numbers) {
                // Pad numbers sit inside the outline, beside their pads.
                const int y = pin <= pins / 2 ? o.top + o.height - 250 : o.top + 20;
                s.text(std::to_string(pin), {m.x - (pin < 10 ? 50 : 100), y, 260, 230}, false, White);
            }
        }
    if (parts & Outline) {
        s.box("", o, Silk);
        // The pin 1 mark: a dot inside the outline beside pad 1.
        s.figure({Figure::Kind::Ellipse, {o.left + 70, o.top + o.height - 170, 100, 100}, "", Silk, true});
    }
    if (parts & Reference) {
        const Point r = referenceAt(pins, centre);
        s.text("REF?", {r.x, r.y, 900, 240}, true, Silk);
    }
}

// The design window editing one footprint of TUTOR.LLB. A footprint has no
// board outline; the cross-hair marks the footprint's origin.
Shot footprintEditor(const std::string& footprint, const std::string& status)
{
    pictures::Board origin;
    origin.cursor = Point{0, 0};
    Shot s = Shot::host(origin, "TUTOR.LLB: " + footprint);
    s.status(status);
    return s;
}

Shot footprintEditor(const std::string& footprint, int pins, Point centre, int parts, const std::string& status)
{
    Shot s = footprintEditor(footprint, status);
    drawDip(s, pins, centre, parts);
    return s;
}

// The Library Manager at the left of the slide, one of its buttons pressed.
constexpr Point ManagerAt = {150, 1050};

Shot& libraryManager(Shot& s, const std::string& library, const std::vector<std::string>& footprints,
                     const std::string& chosen, const std::string& description, const std::string& pressed)
{
    return pictures::libraryManager(s, ManagerAt,
                                    library.empty() ? std::vector<std::string>{} : std::vector<std::string>{library},
                                    library, footprints, chosen, description, pressed);
}

const std::string Dip16Description = "DIP16: 16-pin dual in-line package, rows 300 mil apart. 16 pads.";
const std::string Dip8Description = "DIP8: 8-pin dual in-line package, rows 300 mil apart. 8 pads.";

forms::PictureRef introduction()
{
    const Point c = {6900, 3400};
    const Point pad1 = pinAt(16, c, 1), pad = pinAt(16, c, 4), ref = referenceAt(16, c);
    const Area o = outlineOf(16, c);
    return footprintEditor("DIP16", 16, c, Whole, "Footprint DIP16: 16 pads")
        .note("Pad 1", {3700, 4700, 1000, 330}, {pad1.x - PadSize / 2, pad1.y})
        .note("Pads", {5700, 4900, 1000, 330}, {pad.x, pad.y + PadSize / 2})
        .note("Silkscreen outline", {7700, 4900, 2000, 330}, {o.left + o.width, o.top + o.height})
        .note("Reference designator", {7400, 1300, 2200, 330}, {ref.x + 560, ref.y + 120})
        .done();
}

forms::PictureRef footprintsOnBoard()
{
    Shot s = Shot::host(Stage::Placed);
    select(s.board(), {"U1", "U3", "R1"});
    const pictures::Board& b = s.board();
    return s.note("U1 uses SOIC14", {180, 1150, 1600, 330}, onSlide(b, pinOf(b, "U1", 1)))
        .note("R1 uses R0805", {8300, 2750, 1650, 330}, onSlide(b, part(b, "R1").at))
        .note("U3 uses DIP20", {8300, 1450, 1650, 330}, onSlide(b, pinOf(b, "U3", 11)))
        .done();
}

forms::PictureRef openingTheLibrary()
{
    Shot s = Shot::host(Stage::Placed);
    libraryManager(s, "", {}, "", "", "Open...");
    return openLibrary(s, {3500, 1100}, "C:\\TRAZEL\\TUTOR", {"MYPARTS.LLB", "TUTOR.LLB"}, "TUTOR.LLB").done();
}

forms::PictureRef browseLibrary()
{
    Shot s = footprintEditor("DIP16", 16, {6400, 2550}, Whole, "Footprint DIP16: 16 pads");
    libraryManager(s, "TUTOR.LLB", TutorFootprints, "DIP16", Dip16Description, "");
    return s.done();
}

forms::PictureRef editFootprint()
{
    const Point c = {5200, 2650};
    const Point ref = referenceAt(16, c);
    const Area o = outlineOf(16, c);
    return footprintEditor("DIP16", 16, c, Whole | Numbers, "Editing footprint DIP16: 16 pads")
        .note("Pads, numbered 1 to 16", {300, 3600, 2300, 330}, {pinAt(16, c, 1).x - PadSize / 2, pinAt(16, c, 1).y})
        .note("Silkscreen outline", {7600, 2500, 2000, 330}, {o.left + o.width, c.y})
        .note("Reference designator", {7600, 1300, 2200, 330}, {ref.x + 560, ref.y + 120})
        .done();
}

forms::PictureRef newFootprint()
{
    using namespace item;
    Shot s = footprintEditor("DIP16", 16, {6400, 2550}, Whole, "Footprint DIP16: 16 pads");
    libraryManager(s, "TUTOR.LLB", TutorFootprints, "DIP16", Dip16Description, "New...");
    return s
        .dialog("New Footprint", {3400, 1000, 5300, 2700},
                {field("Name", "DIP8", {120, 120, 4900, 300}, true),
                 field("Description", "8-pin DIP, rows 300 mil apart", {120, 540, 4900, 300}),
                 field("Library", "TUTOR.LLB", {120, 960, 4900, 300}),
                 button("OK", {1400, 1800, 1000, 330}, true), button("Cancel", {2700, 1800, 1000, 330})})
        .done();
}

forms::PictureRef padArrayMenu()
{
    return footprintEditor("DIP8", "New footprint DIP8").menu("Place", "Pad Array").done();
}

forms::PictureRef padArrayDialog()
{
    using namespace item;
    return footprintEditor("DIP8", "New footprint DIP8")
        .dialogOf("Place", "Pad Array", {2300, 900, 5600, 3150},
                {field("Pad stack", "PAD60R32", {120, 120, 3600, 300}),
                 button("Pad Stack...", {3900, 105, 1350, 330}),
                 field("Number of pads", "8", {120, 540, 3600, 300}, true),
                 field("Rows", "2", {120, 930, 3600, 300}),
                 field("Pad spacing", "100 mil", {120, 1320, 3600, 300}, true),
                 field("Row spacing", "300 mil", {120, 1710, 3600, 300}, true),
                 group("Numbering", {3900, 540, 1350, 1470}),
                 option("Around", true, {4020, 900, 1150, 285}),
                 option("By row", false, {4020, 1290, 1150, 285}),
                 button("OK", {1500, 2250, 1000, 330}, true), button("Cancel", {2700, 2250, 1000, 330})})
        .done();
}

forms::PictureRef padStackDiagram()
{
    Shot s = Shot::diagram();
    s.text("Pad stack PAD60R32, seen through the board", {700, 300, 6000, 300}, true);
    // The board's laminate, a pad on each copper layer and the plated hole through them.
    constexpr int Left = 1700, Width = 2400, Top = 1200, Bottom = 3400, Hole = 2800, HoleWidth = 560, Ring = 500,
                  Copper = 110, Plating = 50;
    constexpr unsigned Laminate = 0x9CC8B4, Plated = 0x3C7CC8, Label = 0x404040;
    s.box("", {Left, Top, Width, Bottom - Top}, Laminate, true);
    struct CopperLayer {
        int y;
        unsigned color;
        const char* text;
    };
    const CopperLayer layers[] = {{Top - Copper, 0x3C3CE6, "Top layer: round pad, 60 mil"},
                                  {1900, 0x50BE28, "Inner layers: round pad, 60 mil"},
                                  {2600, 0x50BE28, nullptr},
                                  {Bottom, 0xFF8246, "Bottom layer: round pad, 60 mil"}};
    for (const CopperLayer& l : layers) {
        s.box("", {Hole - Ring, l.y, HoleWidth + 2 * Ring, Copper}, l.color, true);
        if (l.text) {
            s.arrow({5900, l.y + Copper / 2}, {Hole + HoleWidth + Ring + 60, l.y + Copper / 2}, Label);
            s.text(l.text, {6000, l.y + Copper / 2 - 130, 3900, 280});
        } else {
            // A second inner layer, named by the label above it.
            s.arrow({5900, 1955}, {Hole + HoleWidth + Ring + 60, l.y + Copper / 2}, Label);
        }
    }
    s.box("", {Hole, Top - Copper, HoleWidth, Bottom - Top + 2 * Copper}, White, true);
    s.box("", {Hole, Top - Copper, Plating, Bottom - Top + 2 * Copper}, Plated, true);
    s.box("", {Hole + HoleWidth - Plating, Top - Copper, Plating, Bottom - Top + 2 * Copper}, Plated, true);
    s.arrow({5900, 2950}, {Hole + HoleWidth / 2, 2950}, Label);
    s.text("Drill: 32 mil, plated", {6000, 2820, 3900, 280});
    s.text("Each copper layer gets its own pad shape and size.", {700, 3800, 4200, 500});
    return s.done();
}

forms::PictureRef padStackDialog()
{
    using namespace item;
    const Point c = {6300, 2700};
    return footprintEditor("DIP8", 8, c, Pads, "Pad stack PAD60R32")
        .dialog("Pad Stack - PAD60R32", {150, 1000, 2950, 4600},
                {field("Name", "PAD60R32", {120, 120, 2620, 300}),
                 label("Pads by layer:", {120, 510, 2620, 240}),
                 list({"Top layer      Round  60 mil", "Inner layers   Round  60 mil",
                       "Bottom layer   Round  60 mil", "Solder mask    Round  70 mil"},
                      "Top layer      Round  60 mil", {120, 780, 2620, 960}),
                 field("Shape", "Round", {120, 1860, 2620, 300}),
                 field("Size", "60 mil", {120, 2250, 2620, 300}),
                 field("Drill", "32 mil", {120, 2640, 2620, 300}, true),
                 check("Plated", true, {120, 3060, 2620, 285}, true),
                 button("OK", {300, 3600, 1000, 330}, true), button("Cancel", {1500, 3600, 1000, 330})})
        .done();
}

forms::PictureRef padsPlaced()
{
    const Point c = {5200, 2700};
    return footprintEditor("DIP8", 8, c, Pads | Numbers, "8 pads placed")
        .note("Pad 1: square pad stack PAD60S32", {300, 3500, 3000, 330},
              {pinAt(8, c, 1).x - PadSize / 2, pinAt(8, c, 1).y + PadSize / 2})
        .note("Numbered around the footprint", {6800, 1350, 2900, 330}, {pinAt(8, c, 5).x + PadSize / 2, pinAt(8, c, 5).y})
        .done();
}

forms::PictureRef silkscreenOutline()
{
    const Point c = {6600, 2700};
    const Area o = outlineOf(8, c);
    return footprintEditor("DIP8", 8, c, Pads | Outline, "Layer: Silkscreen Top   Width: 10 mil")
        .menu("Place", "Line")
        .note("Silkscreen outline", {7400, 3800, 2000, 330}, {o.left + o.width, o.top + o.height})
        .done();
}

forms::PictureRef referencePosition()
{
    const Point c = {6600, 2700};
    const Point ref = referenceAt(8, c);
    return footprintEditor("DIP8", 8, c, Whole, "Layer: Silkscreen Top")
        .menu("Place", "Reference Designator")
        .note("Reference designator", {7700, 1300, 2200, 330}, {ref.x + 560, ref.y + 120})
        .done();
}

forms::PictureRef saveFootprint()
{
    return footprintEditor("DIP8", 8, {6600, 2700}, Whole, "DIP8 saved in TUTOR.LLB").menu("File", "Save").done();
}

forms::PictureRef copyFootprint()
{
    using namespace item;
    Shot s = footprintEditor("DIP8", 8, {4300, 4650}, Whole, "Footprint DIP8: 8 pads");
    libraryManager(s, "TUTOR.LLB", WithDip8, "DIP8", Dip8Description, "Copy...");
    return s
        .dialog("Copy Footprint", {3500, 900, 5100, 2400},
                {field("Footprint", "DIP8", {120, 120, 4700, 300}),
                 field("To library", "C:\\TRAZEL\\MYPARTS.LLB", {120, 540, 3700, 300}, true),
                 button("Browse...", {3900, 525, 920, 330}),
                 field("New name", "DIP8", {120, 960, 4700, 300}),
                 button("OK", {1350, 1560, 1000, 330}, true), button("Cancel", {2550, 1560, 1000, 330})})
        .done();
}

forms::PictureRef renameFootprint()
{
    using namespace item;
    Shot s = footprintEditor("DIP8", 8, {4300, 4650}, Whole, "Footprint DIP8: 8 pads");
    libraryManager(s, "TUTOR.LLB", WithDip8, "DIP8", Dip8Description, "Rename...");
    return s
        .dialog("Rename Footprint", {3500, 900, 4600, 2000},
                {field("Old name", "DIP8", {120, 120, 4200, 300}),
                 field("New name", "DIP8-300", {120, 540, 4200, 300}, true),
                 button("OK", {1080, 1140, 1000, 330}, true), button("Cancel", {2280, 1140, 1000, 330})})
        .done();
}

forms::PictureRef assignFootprint()
{
    using namespace item;
    Shot s = Shot::host(Stage::Placed);
    select(s.board(), {"U7"});
    const pictures::Component& u7 = part(s.board(), "U7");
    const Point at = onSlide(s.board(), {u7.at.x - u7.width / 2, u7.at.y});
    return s
        .dialog("Component Properties", {5300, 700, 4500, 3300},
                {field("Reference", "U7", {120, 120, 4100, 300}), field("Value", "74HC74", {120, 510, 4100, 300}),
                 label("Footprint:", {120, 900, 1500, 240}),
                 list({"DIP14", "SOIC8", "SOIC14", "SOIC16"}, "DIP14", {1760, 900, 2460, 960}),
                 field("Library", "TUTOR.LLB", {120, 1980, 4100, 300}), button("OK", {1100, 2520, 1000, 330}, true),
                 button("Cancel", {2300, 2520, 1000, 330})})
        .note("U7", {at.x - 1400, at.y - 900, 800, 330}, at)
        .done();
}

forms::PictureRef libraryWithNewFootprint()
{
    Shot s = footprintEditor("DIP8", 8, {6600, 2700}, Whole, "Footprint DIP8: 8 pads");
    libraryManager(s, "TUTOR.LLB", WithDip8, "DIP8", Dip8Description, "Done");
    return s.done();
}

} // namespace

LessonPictures lesson8Pictures()
{
    return LessonPictureList(19)
        .add("Image1", introduction(), {1})
        .add("Image2", footprintsOnBoard(), {2})
        .add("Image3", Shot::host(Stage::Placed).menu("Tools", "Library Manager").done(), {3})
        .add("Image4", openingTheLibrary(), {4})
        .add("Image5", browseLibrary(), {5})
        .add("Image6", editFootprint(), {6})
        .add("Image7", newFootprint(), {7})
        .add("Image8", padArrayMenu(), {8})
        .add("Image9", padArrayDialog(), {9})
        .add("Image10", padStackDiagram(), {10})
        .add("Image11", padStackDialog(), {11})
        .add("Image12", padsPlaced(), {12})
        .add("Image13", silkscreenOutline(), {13})
        .add("Image14", referencePosition(), {14})
        .add("Image15", saveFootprint(), {15})
        .add("Image16", copyFootprint(), {16})
        .add("Image17", renameFootprint(), {17})
        .add("Image18", assignFootprint(), {18})
        .add("Image19", libraryWithNewFootprint(), {19})
        .done();
}

} // namespace lt
