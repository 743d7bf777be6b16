// Lesson 10, Post processing: the screen pictures.
#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Point;

namespace {

const std::string File = "TUTORBD3.MAX";


// The finished board: routed, dimensioned, with its ground zone poured.
pictures::Board finishedBoard()
{
    pictures::Board b = tutorialBoard(Stage::Planes);
    const pictures::Area o = b.outline;
    b.dimensions.push_back({{o.left, o.top + 300}, {o.left + o.width, o.top + 300}, std::to_string(o.width) + " mil"});
    b.dimensions.push_back(
        {{o.left - 260, o.top}, {o.left - 260, o.top + o.height}, std::to_string(o.height) + " mil"});
    return b;
}

// The holes of the finished board: its vias, and the pads of its
// through-hole parts, the connector's pads drilled larger.
int holes(bool connector)
{
    int n = 0;
    for (const pictures::Component& c : finishedBoard().components)
        if (!c.surfaceMount && (c.reference[0] == 'J') == connector)
            n += c.pins;
    return n;
}

std::string holesText(int n) { return std::to_string(n) + " holes"; }

Shot finished() { return Shot::host(finishedBoard(), File); }

// The files each layer is plotted to.
struct PlottedLayer {
    const char* layer;
    const char* file;
    unsigned color; // a darker shade of the layer's colour
};
constexpr PlottedLayer Plotted[] = {
    {"Silkscreen top", "TUTORBD3.GTO", 0x008080},    {"Solder mask top", "TUTORBD3.GTS", 0x206020},
    {"Top copper", "TUTORBD3.GTL", 0x2020C0},        {"Bottom copper", "TUTORBD3.GBL", 0xC05020},
    {"Solder mask bottom", "TUTORBD3.GBS", 0x206020}, {"Board drawing", "TUTORBD3.GD1", 0x606060},
};

// From the board to what the manufacturer receives.
forms::PictureRef outputs()
{
    Shot s = Shot::diagram();
    s.box("", {700, 3900, 2900, 900}, 0x2C6E2C, true);
    s.text("TUTORBD3.MAX", {850, 4020, 2600, 280}, true, 0xFFFFFF);
    s.text("Routed and checked", {850, 4350, 2600, 280}, false, 0xFFFFFF);
    const char* made[][2] = {{"Photoplot files", "One Gerber file for each layer"},
                             {"NC drill file", "Every hole to drill"},
                             {"Check plots", "The layers printed on paper"},
                             {"Reports", "The bill of materials and more"}};
    for (int i = 0; i < 4; ++i) {
        const int top = 500 + i * 1450;
        s.box("", {5600, top, 4000, 800});
        s.text(made[i][0], {5750, top + 110, 3700, 280}, true);
        s.text(made[i][1], {5750, top + 420, 3700, 280});
        s.arrow({3600, 4350}, {5560, top + 400});
    }
    return s.done();
}

forms::PictureRef layerFiles()
{
    Shot s = Shot::diagram();
    s.text("One photoplot file for each layer", {700, 250, 6000, 300}, true);
    int top = 750;
    for (const PlottedLayer& l : Plotted) {
        s.box(l.layer, {700, top, 3000, 420}, l.color, true);
        s.arrow({3800, top + 210}, {5300, top + 210}, 0x404040);
        s.text(l.file, {5450, top + 90, 2500, 280}, true);
        top += 540;
    }
    return s.done();
}

forms::PictureRef photoplotDialog()
{
    using namespace item;
    std::vector<pictures::DialogItem> items = {label("Layers to plot:", {120, 90, 4300, 240})};
    int y = 390;
    for (const PlottedLayer& l : Plotted) {
        items.push_back(check(l.layer, true, {240, y, 2400, 285}));
        items.push_back(label(l.file, {2800, y + 30, 1600, 240}));
        y += 330;
    }
    for (pictures::DialogItem i :
         {group("Format", {120, 2520, 4300, 1020}), option("RS-274X, extended Gerber", true, {240, 2820, 3900, 270}, true),
          option("RS-274D, with an aperture file", false, {240, 3150, 3900, 270}),
          field("Output folder", "C:\\TRAZEL\\TUTOR", {120, 3720, 4300, 300}),
          button("Run", {900, 4290, 1100, 360}, true), button("Close", {2300, 4290, 1100, 360})})
        items.push_back(i);
    return finished().dialogOf("File", "Photoplot", {250, 750, 4650, 5150}, items).done();
}

forms::PictureRef photoplotView()
{
    return Shot::host(finishedBoard(), "Photoplot View: TUTORBD3.GTL, GBL, GTO, GTS, GBS, GD1")
        .menu("File", "View Photoplot")
        .status("6 photoplot files shown")
        .done();
}

forms::PictureRef drillDialog()
{
    using namespace item;
    return finished()
        .dialogOf("File", "NC Drill", {250, 750, 4650, 4700},
                {field("Drill file", "TUTORBD3.DRL", {120, 120, 4300, 300}),
                 group("Format", {120, 540, 4300, 1020}),
                 option("Excellon", true, {240, 840, 3900, 270}, true),
                 option("Sieb and Meyer", false, {240, 1170, 3900, 270}),
                 field("Units", "inch, 2.4", {120, 1740, 4300, 300}), label("Tool table:", {120, 2160, 4300, 240}),
                 list({"T1    0.020 in    " + holesText(static_cast<int>(finishedBoard().vias.size())) + " (vias)",
                       "T2    0.032 in    " + holesText(holes(false)), "T3    0.040 in    " + holesText(holes(true))},
                      "", {120, 2430, 4300, 720}),
                 button("Run", {900, 3420, 1100, 360}, true), button("Close", {2300, 3420, 1100, 360})})
        .done();
}

forms::PictureRef printDialog()
{
    using namespace item;
    return finished()
        .dialogOf("File", "Print", {250, 750, 4650, 4950},
                {field("Printer", "Default printer", {120, 120, 4300, 300}),
                 label("Layers:", {120, 540, 4300, 240}),
                 check("Top copper", true, {240, 840, 2000, 285}, true),
                 check("Bottom copper", true, {2300, 840, 2000, 285}, true),
                 check("Silkscreen top", true, {240, 1170, 2000, 285}),
                 check("Board drawing", false, {2300, 1170, 2000, 285}),
                 field("Scale", "2:1", {120, 1650, 4300, 300}, true),
                 check("Mirror bottom layers", true, {120, 2100, 4300, 285}, true),
                 check("One page for each layer", true, {120, 2430, 4300, 285}),
                 check("Print the board outline", true, {120, 2760, 4300, 285}),
                 button("OK", {900, 3600, 1100, 360}, true), button("Cancel", {2300, 3600, 1100, 360})})
        .done();
}

const char* const Reports[] = {"Bill of Materials", "Component Locations", "Net List",
                               "Drill Summary",     "Design Rule Violations", "Board Statistics"};

Shot reportsDialog(const std::string& pressed)
{
    using namespace item;
    std::vector<pictures::DialogItem> items = {label("Reports:", {120, 90, 4300, 240})};
    int y = 390;
    for (const char* r : Reports) {
        const bool bom = r == Reports[0];
        items.push_back(check(r, bom, {240, y, 3900, 285}, bom));
        y += 330;
    }
    for (pictures::DialogItem i :
         {field("Report file", "TUTORBD3.BOM", {120, 2520, 4300, 300}, true),
          button("Options...", {120, 3120, 1300, 360}, pressed == "Options..."),
          button("Run", {1590, 3120, 1300, 360}, pressed == "Run"),
          button("Close", {3060, 3120, 1300, 360})})
        items.push_back(i);
    Shot s = finished();
    s.dialogOf("Tools", "Reports", {250, 750, 4650, 4350}, items);
    return s;
}

forms::PictureRef bomOptions()
{
    using namespace item;
    return reportsDialog("Options...")
        .dialog("Bill of Materials Options", {5100, 700, 4700, 3200},
                {group("Group components by", {120, 60, 4300, 1020}),
                 check("Value", true, {240, 360, 1800, 285}, true),
                 check("Footprint", true, {2200, 360, 1800, 285}, true),
                 check("Show the quantity of each group", true, {240, 690, 3900, 285}),
                 check("Sort by reference designator", true, {120, 1260, 4300, 285}),
                 check("Include unplaced components", false, {120, 1590, 4300, 285}),
                 button("OK", {900, 2220, 1100, 360}, true), button("Cancel", {2300, 2220, 1100, 360})})
        .done();
}

// The bill of materials as Trazel writes it: a group of components a line.
forms::PictureRef bomReport()
{
    using namespace item;
    struct Line {
        const char *qty, *value, *footprint, *references;
    };
    const Line lines[] = {{"Qty", "Value", "Footprint", "Reference designators"},
                          {"1", "HEADER 2X10", "CONN20", "J1"},
                          {"2", "74HC04", "SOIC14", "U1, U2"},
                          {"1", "74HC245", "DIP20", "U3"},
                          {"2", "74HC595", "SOIC16", "U4, U9"},
                          {"1", "GAL22V10", "DIP24", "U5"},
                          {"3", "24LC256", "SOIC8", "U6, U11, U12"},
                          {"1", "74HC74", "SOIC14", "U7"},
                          {"1", "74HC138", "DIP16", "U8"},
                          {"1", "74HC32", "DIP14", "U10"},
                          {"4", "10k", "R0805", "R1, R2, R3, R4"},
                          {"7", "100nF", "C0805", "C1-C7"}};
    std::string qty, value, footprint, references;
    for (const Line& l : lines) {
        qty += std::string(l.qty) + "\n";
        value += std::string(l.value) + "\n";
        footprint += std::string(l.footprint) + "\n";
        references += std::string(l.references) + "\n";
    }
    return finished()
        .dialog("Report - TUTORBD3.BOM", {200, 700, 4750, 4400},
                {list({}, "", {90, 90, 4480, 3090}),
                 label("Bill of Materials for TUTORBD3.MAX: " + std::to_string(finishedBoard().components.size()) +
                           " components",
                       {180, 180, 4300, 240}),
                 label(qty, {180, 540, 400, 2600}), label(value, {620, 540, 1200, 2600}),
                 label(footprint, {1860, 540, 900, 2600}), label(references, {2800, 540, 1700, 2600}),
                 button("Print", {900, 3420, 1100, 360}), button("Close", {2300, 3420, 1100, 360}, true)})
        .status("Report written: TUTORBD3.BOM")
        .done();
}

// The files that post processing leaves in the design's folder.
forms::PictureRef outputFiles()
{
    Shot s = Shot::diagram();
    s.text("Files in C:\\TRAZEL\\TUTOR", {600, 250, 4300, 300}, true);
    s.text("Send to the manufacturer:", {600, 700, 4300, 280}, true);
    int top = 1050;
    auto row = [&](const std::string& file, const std::string& what) {
        s.text(file, {800, top, 1700, 280});
        s.text(what, {2500, top, 2500, 280});
        top += 330;
    };
    for (const PlottedLayer& l : Plotted)
        row(l.file, l.layer);
    row("TUTORBD3.DRL", "NC drill");
    row("TUTORBD3.BOM", "Bill of materials");
    top += 200;
    s.text("Keep with the design:", {600, top, 4300, 280}, true);
    top += 350;
    row("TUTORBD3.MAX", "The board");
    s.text("and a copy of every file sent", {800, top, 4200, 280});
    // A bracket gathers the files that go to the manufacturer.
    constexpr int Bracket = 4300, First = 1100, Last = 3650, Middle = (First + Last) / 2;
    s.figure({pictures::Figure::Kind::Line, {Bracket, First, 0, Last - First}, "", 0x000000});
    s.figure({pictures::Figure::Kind::Line, {Bracket - 150, First, 150, 0}, "", 0x000000});
    s.figure({pictures::Figure::Kind::Line, {Bracket - 150, Last, 150, 0}, "", 0x000000});
    s.arrow({Bracket, Middle}, {6350, Middle});
    s.box("", {6400, Middle - 450, 2900, 900}, 0x2C2CA0, true);
    s.text("Board manufacturer", {6550, Middle - 330, 2600, 280}, true, 0xFFFFFF);
    s.text("Builds the board from the files", {6550, Middle, 2600, 280}, false, 0xFFFFFF);
    return s.done();
}

} // namespace

LessonPictures lesson10Pictures()
{
    return LessonPictureList(13)
        .add("Image1", outputs(), {1})
        .add("Image2", finished().menu("Tools", "Design Rule Check").done(), {2})
        .add("Image3", finished().menu("File", "Photoplot").done(), {3})
        .add("Image4", layerFiles(), {4})
        .add("Image5", photoplotDialog(), {5})
        .add("Image6", photoplotView(), {6})
        .add("Image7", drillDialog(), {7})
        .add("Image8", printDialog(), {8})
        .add("Image9", finished().menu("Tools", "Reports").done(), {9})
        .add("Image10", reportsDialog("").done(), {10})
        .add("Image11", bomOptions(), {11})
        .add("Image12", bomReport(), {12})
        .add("Image13", outputFiles(), {13})
        .done();
}

} // namespace lt
