// Lesson 2, Creating a new design: a new design file, the board outline,
// grids, layers, design rules, pad stacks, vias and the origin.
#include "lessons/pictures/picture_kit.h"
#include "pictures/trazel_dialogs.h"

namespace lt {

using namespace pictures;
using namespace pictures::item;
using pictures::Area;
using pictures::Figure;
using pictures::Point;

namespace {

const std::string NewDesign = "NEWBOARD.MAX";

// Layer colors as the design window draws them (0xBBGGRR).
constexpr unsigned TopCopper = 0x3C3CE6, BottomCopper = 0xFF8246, Inner1Copper = 0x50BE28, Inner2Copper = 0x2896E6,
                   BoardMaterial = 0x9CC8B4, Plating = 0x40A0D0, Ink = 0x000000, Heading = 0x800000;

Shot design(Stage stage) { return Shot::host(stage, NewDesign); }

// The tutorial board's size, as the Board dialog box and the status bar
// give it.
const pictures::Area Outline = tutorialBoard(Stage::Outline).outline;
std::string mils(int value) { return std::to_string(value) + " mil"; }
const std::string BoardSize = std::to_string(Outline.width) + " x " + mils(Outline.height);

forms::PictureRef setupMenu(Stage stage, const std::string& item)
{
    return design(stage).menu("Setup", item).done();
}

// The session frame before any design is open: its Designs list is empty.
Shot session()
{
    Shot s = Shot::sessionFrame();
    const Area panel = {7395, 1230, 1860, 2460};
    s.box("", panel, 0xC0C0C0, true);
    s.box("", panel, Ink);
    s.figure({Figure::Kind::Box, {panel.left + 30, panel.top + 30, panel.width - 60, 270}, "Designs", Heading, true,
              true});
    const Area list = {panel.left + 60, panel.top + 360, panel.width - 120, 1500};
    s.box("", list, 0xFFFFFF, true);
    s.box("", list, 0x808080);
    s.text("Double-click a design to show its window.", {panel.left + 60, list.top + list.height + 60,
                                                           panel.width - 120, 480});
    return s;
}

// The steps of setting up a board, as a chart down the right of the slide.
forms::PictureRef setupSteps()
{
    Shot s = Shot::diagram();
    const char* steps[] = {"Create the design file: File, New", "Board size and outline: Setup, Board",
                           "Grids: Setup, Grids",               "Layers: Setup, Layers",
                           "Design rules: Setup, Design Rules", "Pad stacks and vias: Setup, Pad Stacks",
                           "Origin: Setup, Origin",             "Save the design: File, Save"};
    constexpr int Left = 4700, Width = 4600, Height = 450, Step = 720, Top = 480;
    s.text("Setting up a new board", {Left, 120, Width, 300}, true, Heading);
    for (int i = 0; i < 8; ++i) {
        const int top = Top + i * Step;
        s.box("", {Left, top, Width, Height}, 0xF0E0C0, true);
        s.box("", {Left, top, Width, Height}, Ink);
        s.text(std::to_string(i + 1) + ".  " + steps[i], {Left + 150, top + 120, Width - 300, Height - 120});
        if (i < 7)
            s.arrow({Left + Width / 2, top + Height}, {Left + Width / 2, top + Step}, 0x808080);
    }
    return s.done();
}

forms::PictureRef newDesignDialog()
{
    Shot s = session();
    s.dialogOf("File", "New", {300, 1100, 4500, 3350},
             {field("File name", NewDesign, {150, 150, 4100, 300}),
              field("Folder", "C:\\TRAZEL\\DESIGNS", {150, 550, 4100, 300}),
              group("Design units", {150, 1000, 4100, 1150}),
              option("Mils (0.001 inch)", true, {400, 1330, 3600, 270}, true),
              option("Millimeters", false, {400, 1700, 3600, 270}),
              button("OK", {1050, 2450, 1000, 360}), button("Cancel", {2450, 2450, 1000, 360})});
    return s.done();
}

forms::PictureRef newWindow()
{
    return design(Stage::Empty)
        .note("The design area of a new design is empty: it has no board yet", {2700, 2900, 3900, 480})
        .done();
}

forms::PictureRef boardDialog()
{
    return design(Stage::Empty)
            .dialogOf("Setup", "Board", {600, 1200, 4400, 3750},
                    {group("Size", {150, 60, 4000, 1150}),
                     field("Width", mils(Outline.width), {350, 360, 3600, 300}, true),
                     field("Height", mils(Outline.height), {350, 760, 3600, 300}, true),
                     group("Outline", {150, 1350, 4000, 1100}), option("Rectangle", true, {350, 1680, 3600, 270}),
                     option("Drawn with the mouse", false, {350, 2030, 3600, 270}),
                     field("Corner radius", "0 mil", {150, 2600, 4000, 300}), button("OK", {950, 3050, 1000, 360}),
                     button("Cancel", {2350, 3050, 1000, 360})})
            .done();
}

forms::PictureRef outlineDrawn()
{
    Shot s = design(Stage::Outline);
    const Point leftEdge = onSlide(s.board(), {Outline.left, Outline.top + Outline.height * 3 / 10});
    return s.status("Board: " + BoardSize)
        .note("Board outline", {leftEdge.x + 700, leftEdge.y - 100, 1700, 300}, leftEdge)
        .note(mils(Outline.width) + " wide, " + mils(Outline.height) + " high", {3700, 3400, 2700, 300})
        .done();
}

forms::PictureRef gridsDialog()
{
    Shot s = design(Stage::Outline);
    return pictures::gridsDialog(s, {600, 1300}, 100, {"Design grid", "Placement grid"}).done();
}

forms::PictureRef layersDialog()
{
    Shot s = design(Stage::Outline);
    return pictures::layersDialog(s, {400, 1150}, "Inner 1", {"Plane layer", "Net"}).done();
}

// A cross-section of the four copper layers with board material between
// them. The Top and Bottom copper is drawn from `topRuns` and `bottomRuns`
// (left and width pairs); the planes are whole, except for `gaps`.
constexpr int StackLeft = 600, StackWidth = 5600, Copper = 120, Core = 620;
int layerTop(int top, int layer) { return top + layer * (Copper + Core); }
int stackBottom(int top) { return layerTop(top, 3) + Copper; }

using Runs = std::vector<std::pair<int, int>>;

void crossSection(Shot& s, int top, const Runs& topRuns, const Runs& bottomRuns, const Runs& gaps = {})
{
    s.box("", {StackLeft, layerTop(top, 0) + Copper, StackWidth, 3 * (Copper + Core) - Copper}, BoardMaterial, true);
    for (int layer : {1, 2}) {
        s.box("", {StackLeft, layerTop(top, layer), StackWidth, Copper}, layer == 1 ? Inner1Copper : Inner2Copper,
              true);
        for (const auto& [left, width] : gaps)
            s.box("", {left, layerTop(top, layer), width, Copper}, BoardMaterial, true);
    }
    for (const auto& [left, width] : topRuns)
        s.box("", {left, layerTop(top, 0), width, Copper}, TopCopper, true);
    for (const auto& [left, width] : bottomRuns)
        s.box("", {left, layerTop(top, 3), width, Copper}, BottomCopper, true);
}

// A name at the right of the cross-section, joined to height `y` by a short line.
void layerLabel(Shot& s, int y, const std::string& text)
{
    s.figure({Figure::Kind::Line, {StackLeft + StackWidth + 60, y, 240, 0}, "", 0x808080});
    s.text(text, {StackLeft + StackWidth + 360, y - 120, 3500, 270});
}

forms::PictureRef stackUp()
{
    Shot s = Shot::diagram();
    constexpr int Top = 1300;
    const Runs whole = {{StackLeft, StackWidth}};
    s.text("Stack-up of the tutorial board", {StackLeft, 200, 5000, 300}, true, Heading);
    s.text("Component side", {StackLeft, Top - 330, 1800, 270});
    s.box("", {2700, Top - 450, 1800, 450}, 0x404040, true);
    s.text("U1", {3450, Top - 360, 600, 270}, true, 0xFFFFFF);
    crossSection(s, Top, whole, whole);
    s.text("Solder side", {StackLeft, stackBottom(Top) + 90, 1800, 270});
    layerLabel(s, layerTop(Top, 0) + Copper / 2, "Top: signal layer");
    layerLabel(s, layerTop(Top, 0) + Copper + Core / 2, "Insulating board material");
    layerLabel(s, layerTop(Top, 1) + Copper / 2, "Inner 1: ground plane, GND");
    layerLabel(s, layerTop(Top, 2) + Copper / 2, "Inner 2: power plane, VCC");
    layerLabel(s, layerTop(Top, 3) + Copper / 2, "Bottom: signal layer");
    return s.done();
}

forms::PictureRef designRulesDialog()
{
    Shot s = design(Stage::Outline);
    return pictures::designRulesDialog(
               s, {4700, 600}, {"Default width", "Track to track", "Track to pad", "Pad to pad", "Board edge"})
        .done();
}

// A gap between two items, marked with arrows both ways, and its name.
void gap(Shot& s, Point a, Point b, const std::string& name, Area label)
{
    s.arrow(b, a, Ink).arrow(a, b, Ink);
    s.text(name, label);
}

forms::PictureRef clearances()
{
    Shot s = Shot::diagram();
    constexpr unsigned Pad = 0x3070E0, Error = 0x0000C0;
    constexpr int Track = 240, PadSize = 600;
    s.text("Clearances between copper of different nets", {300, 150, 6000, 300}, true, Heading);
    // Track to track: two parallel tracks.
    s.box("", {300, 800, 2400, Track}, TopCopper, true).box("", {300, 1600, 2400, Track}, TopCopper, true);
    gap(s, {1500, 800 + Track}, {1500, 1600}, "Track to track: 10 mil", {300, 2000, 2400, 270});
    // Track to pad: a track passing a pad.
    s.figure({Figure::Kind::Pad, {3900, 700, PadSize, PadSize}, "", Pad});
    s.box("", {3400, 1600, 2400, Track}, TopCopper, true);
    gap(s, {4200, 700 + PadSize}, {4200, 1600}, "Track to pad: 10 mil", {3400, 2000, 2400, 270});
    // Pad to pad: two pads side by side.
    s.figure({Figure::Kind::Pad, {6600, 1000, PadSize, PadSize}, "", Pad});
    s.figure({Figure::Kind::Pad, {7900, 1000, PadSize, PadSize}, "", Pad});
    gap(s, {6600 + PadSize, 1300}, {7900, 1300}, "Pad to pad: 10 mil", {6600, 2000, 2400, 270});
    // A track that passes too close to a pad, marked as an error.
    s.text("Too close: Trazel marks the error", {300, 2750, 5000, 270}, true, Error);
    s.figure({Figure::Kind::Pad, {1300, 3150, PadSize, PadSize}, "", Pad});
    s.box("", {300, 3150 + PadSize + 60, 3000, Track}, TopCopper, true);
    s.figure({Figure::Kind::Ellipse, {1100, 3330, 1000, 800}, "", Error});
    s.figure({Figure::Kind::Ellipse, {1060, 3290, 1080, 880}, "", Error});
    s.text("Gap of 4 mil: less than the 10 mil clearance", {2500, 3350, 4000, 270}, false, Error);
    return s.done();
}

// The Pad Stacks dialog with `chosen` selected, and a drawing of its pad.
struct PadStack {
    std::string name;
    int diameter, drill;
    bool newOne, defaultVia;
};

forms::PictureRef padStacks(const PadStack& p)
{
    Shot s = design(Stage::Outline);
    const int pad = p.diameter * 15, hole = p.drill * 15;
    const Point centre = {7500, 2000};
    s.figure({Figure::Kind::Ellipse, {centre.x - pad / 2, centre.y - pad / 2, pad, pad}, "", 0x3070E0, true});
    s.figure({Figure::Kind::Ellipse, {centre.x - hole / 2, centre.y - hole / 2, hole, hole}, "", Ink, true});
    s.note(p.name + ": " + std::to_string(p.diameter) + " mil round pad, " + std::to_string(p.drill) + " mil drill",
           {5800, 3000, 3400, 480});
    std::vector<std::string> names = {"PAD60S35", "SMD60X24", "VIA35"};
    if (!p.newOne)
        names.insert(names.begin(), "PAD60R35");
    else
        names.push_back(p.name);
    s.dialogOf("Setup", "Pad Stacks", {300, 1100, 5000, 4650},
             {label("Pad stacks", {150, 60, 1700, 240}), list(names, p.name, {150, 330, 1700, 1500}),
              button("New...", {150, 1950, 800, 360}, p.newOne), button("Delete", {1050, 1950, 800, 360}),
              field("Name", p.name, {2050, 60, 2650, 300}, p.newOne), group("Pad", {2050, 450, 2650, 1600}),
              option("Round", true, {2250, 760, 2200, 270}), option("Square", false, {2250, 1060, 2200, 270}),
              option("Oblong", false, {2250, 1360, 2200, 270}),
              field("Diameter", std::to_string(p.diameter) + " mil", {2250, 1680, 2300, 300}, p.newOne),
              field("Drill", std::to_string(p.drill) + " mil", {2050, 2200, 2650, 300}, p.newOne),
              check("Same pad on every layer", true, {2050, 2620, 2650, 270}),
              check("Plated hole", true, {2050, 2960, 2650, 270}),
              check("Default via", p.defaultVia, {2050, 3300, 2650, 270}, !p.newOne),
              button("OK", {1200, 3750, 1000, 360}), button("Cancel", {2700, 3750, 1000, 360})});
    return s.done();
}

forms::PictureRef viaSection()
{
    Shot s = Shot::diagram();
    constexpr int Top = 1300, Via = 3200, Barrel = 360, ViaPad = 1000, Clear = 1300;
    const int bottom = stackBottom(Top);
    s.text("A via through the tutorial board", {StackLeft, 200, 5000, 300}, true, Heading);
    crossSection(s, Top, {{StackLeft, Via - StackLeft}, {Via - ViaPad / 2, ViaPad}},
                 {{Via - ViaPad / 2, ViaPad}, {Via, StackLeft + StackWidth - Via}}, {{Via - Clear / 2, Clear}});
    s.box("", {Via - Barrel / 2, Top, Barrel, bottom - Top}, Plating, true);
    s.box("", {Via - Barrel / 2 + 90, Top, Barrel - 180, bottom - Top}, 0xFFFFFF, true);
    layerLabel(s, layerTop(Top, 0) + Copper / 2, "Track on the Top layer");
    layerLabel(s, layerTop(Top, 1) + Copper / 2, "Planes keep clear of the via");
    layerLabel(s, layerTop(Top, 3) + Copper / 2, "Track on the Bottom layer");
    s.note("Via pad", {1500, 600, 1100, 300}, {Via - 380, Top + 60});
    s.note("Plated drill hole", {Via + 600, bottom + 300, 1700, 300}, {Via, bottom - 700});
    return s.done();
}

forms::PictureRef origin()
{
    Shot s = design(Stage::Outline);
    const Point lowerLeft = {Outline.left, Outline.top + Outline.height};
    s.board().cursor = lowerLeft;
    s.status("X 0  Y 0   Origin");
    s.note("Origin: X 0 Y 0", {200, 4700, 1500, 300}, onSlide(s.board(), lowerLeft));
    return s.done();
}

} // namespace

LessonPictures lesson2Pictures()
{
    return LessonPictureList(26)
        .add("Image1", design(Stage::Outline).status("Board: " + BoardSize + ", 4 layers").done(), {1, 26})
        .add("Image2", setupSteps(), {2})
        .add("Image3", session().menu("File", "New").done(), {3})
        .add("Image4", newDesignDialog(), {4, 5})
        .add("Image5", newWindow(), {6})
        .add("Image6", setupMenu(Stage::Empty, "Board"), {7})
        .add("Image7", boardDialog(), {8})
        .add("Image8", outlineDrawn(), {9})
        .add("Image9", setupMenu(Stage::Outline, "Grids"), {10})
        .add("Image10", gridsDialog(), {11})
        .add("Image11", setupMenu(Stage::Outline, "Layers"), {12})
        .add("Image12", layersDialog(), {13})
        .add("Image13", stackUp(), {14})
        .add("Image14", setupMenu(Stage::Outline, "Design Rules"), {15})
        .add("Image15", designRulesDialog(), {16})
        .add("Image16", clearances(), {17})
        .add("Image17", setupMenu(Stage::Outline, "Pad Stacks"), {18})
        .add("Newpadst", padStacks({"PAD60R35", 60, 35, true, false}), {19})
        .add("Image18", viaSection(), {20})
        .add("Image19", padStacks({"VIA35", 35, 20, false, true}), {21})
        .add("Image20", setupMenu(Stage::Outline, "Origin"), {22})
        .add("Image21", origin(), {23})
        .add("Image22", design(Stage::Outline).menu("File", "Save").done(), {24})
        .add("Image23", design(Stage::Outline).menu("File", "Import Netlist").done(), {25})
        .done();
}

} // namespace lt
