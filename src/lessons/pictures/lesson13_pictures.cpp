// Lesson 13, Using fanout: the screen pictures. The tutorial board has two
// inner planes, GND on Inner 1 and VCC on Inner 2; fanout joins the surface
// mount pads on those nets to the planes with a short track and a via each.
#include <algorithm>

#include "lessons/pictures/picture_kit.h"
#include "pictures/trazel_dialogs.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Board;
using pictures::Component;
using pictures::Layer;
using pictures::Point;

namespace {

const std::string File = "TUTORBD2.MAX";

using pictures::rgb;

constexpr unsigned Black = rgb(0, 0, 0), TopCopper = rgb(230, 60, 60), Gnd = rgb(40, 190, 80), Vcc = rgb(230, 150, 40),
                   BottomCopper = rgb(70, 130, 255), Grey = rgb(128, 128, 128), Body = rgb(60, 60, 60);


constexpr int FanoutLength = 100; // mils from a pad to its via

// The centres of a surface mount part's pads on GND and VCC, with the way
// out of the part (-1 up from the top row, +1 down from the bottom row).
struct PlanePad {
    Point at;
    int out;
};

std::vector<PlanePad> planePads(const Component& c)
{
    const int perSide = std::max(1, c.pins / 2);
    const int left = c.at.x - c.width / 2, top = c.at.y - c.height / 2, bottom = c.at.y + c.height / 2;
    auto x = [&](int i) { return left + (2 * i + 1) * c.width / (2 * perSide); };
    std::vector<PlanePad> pads;
    if (c.pins == 2) {
        // A decoupling capacitor joins VCC to GND; a pull-up resistor has one end on VCC.
        pads.push_back({{c.at.x, top}, -1});
        if (c.reference[0] == 'C')
            pads.push_back({{c.at.x, bottom}, 1});
        return pads;
    }
    std::vector<int> upper = {0}, lower = {perSide - 1};
    if (perSide >= 7) {
        upper.push_back(perSide - 2);
        lower.push_back(3);
    }
    for (int i : upper)
        pads.push_back({{x(i), top}, -1});
    for (int i : lower)
        pads.push_back({{x(i), bottom}, 1});
    return pads;
}

// Fans out the plane pads of the named parts (all surface mount parts when
// none are named), outward, with the vias in line. `skip` is a pad left
// alone. Returns how many pads it fanned out.
int fanOut(Board& b, std::initializer_list<const char*> refs, std::optional<Point> skip = std::nullopt)
{
    std::vector<Component> parts;
    for (const Component& c : b.components) {
        const bool named = std::any_of(refs.begin(), refs.end(), [&](const char* r) { return c.reference == r; });
        if (c.surfaceMount && (refs.size() == 0 || named))
            parts.push_back(c);
    }
    int fanned = 0;
    for (const Component& c : parts)
        for (const PlanePad& p : planePads(c)) {
            if (skip && skip->x == p.at.x && skip->y == p.at.y)
                continue;
            const Point via = {p.at.x, p.at.y + p.out * FanoutLength};
            b.tracks.push_back({Layer::Top, {p.at, via}, 12});
            b.vias.push_back({via});
            ++fanned;
        }
    return fanned;
}

std::string fanoutDone(int pads)
{
    return "Fanout complete: " + std::to_string(pads) + " pads, " + std::to_string(pads) + " vias";
}

// Around U1 and U2, with their capacitors and U4 below them.
constexpr Area AroundU1U2 = {1200, 600, 1900, 1500};

// A cross-section of a four-layer board: a through-hole pin and a fanned-out
// surface mount pad, each joined to the GND plane.
forms::PictureRef crossSection()
{
    Shot s = Shot::diagram();
    struct LayerBand {
        const char* name;
        int y;
        unsigned color;
        bool plane;
    };
    const LayerBand layers[] = {{"Top (signal)", 1300, TopCopper, false},
                                {"Inner 1 (GND plane)", 1950, Gnd, true},
                                {"Inner 2 (VCC plane)", 2600, Vcc, true},
                                {"Bottom (signal)", 3300, BottomCopper, false}};
    s.box("", {2600, 1300, 7000, 2060}, rgb(235, 225, 190), true);
    for (const LayerBand& l : layers) {
        s.text(l.name, {200, l.y - 60, 2300, 260}, true, l.color == Gnd ? rgb(0, 120, 40) : l.color);
        // Signal layers carry copper only where there are pads and tracks; planes are solid.
        if (l.plane)
            s.box("", {2600, l.y, 7000, 140}, l.color, true);
    }
    // Through-hole pin: the barrel passes every layer; the VCC plane keeps clear of it.
    s.box("", {3400, 500, 900, 640}, Body, true);
    s.text("U3", {3700, 650, 600, 260}, true, rgb(255, 255, 255));
    s.box("", {3780, 1140, 140, 2300}, Grey, true);
    s.box("", {3600, 1260, 500, 100}, TopCopper, true);
    s.box("", {3600, 3300, 500, 100}, BottomCopper, true);
    s.box("", {3600, 2600, 500, 140}, rgb(235, 225, 190), true);
    s.box("", {3780, 2600, 140, 140}, Grey, true);
    // Surface mount pad: on the top layer only, with a fanout track and a via down to GND.
    s.box("", {6000, 940, 900, 280}, Body, true);
    s.text("U1", {6300, 960, 600, 260}, true, rgb(255, 255, 255));
    s.box("", {6150, 1220, 300, 80}, rgb(170, 170, 170), true);
    s.box("", {6100, 1250, 1300, 110}, TopCopper, true);
    s.box("", {7300, 1250, 300, 2150}, Grey, true);
    s.box("", {7300, 2600, 300, 140}, rgb(235, 225, 190), true);
    s.box("", {7380, 2600, 140, 140}, Grey, true);
    s.box("", {7200, 3300, 500, 100}, BottomCopper, true);
    s.note("Through-hole pad: reaches the planes itself", {1300, 3900, 3400, 300}, {3850, 3300});
    s.note("Surface mount pad: top layer only", {4300, 200, 3000, 300}, {6400, 1300});
    s.note("Fanout: a track and a via down to GND", {7900, 450, 1900, 480}, {7450, 1300});
    return s.done();
}

// A small drawing of a part's top and bottom pad rows with their fanouts, for the option diagrams.
void padRows(Shot& s, Area at, const char* title, const char* remark, bool inward, bool staggered, int pads)
{
    s.box("", at, Black);
    s.text(title, {at.left + 120, at.top + 80, at.width - 240, 260}, true);
    s.text(remark, {at.left + 120, at.top + at.height - 420, at.width - 240, 300});
    const int bodyTop = at.top + 1200, bodyHeight = 900, pitch = (at.width - 800) / pads;
    s.box("", {at.left + 300, bodyTop, at.width - 600, bodyHeight}, Body, true);
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < pads; ++i) {
            const int x = at.left + 400 + i * pitch + pitch / 2;
            const int edge = side ? bodyTop + bodyHeight : bodyTop;
            s.box("", {x - 60, edge - 150, 120, 300}, TopCopper, true);
            const int out = side ? 1 : -1;
            const int length = inward ? -300 : staggered && i % 2 == 1 ? 650 : 400;
            const int tip = edge + out * length;
            s.figure({pictures::Figure::Kind::Line, {x, edge, 0, tip - edge}, "", TopCopper, false, true});
            s.figure({pictures::Figure::Kind::Ellipse, {x - 90, tip - 90, 180, 180}, "", rgb(90, 90, 90), true});
        }
}

forms::PictureRef directions()
{
    Shot s = Shot::diagram();
    padRows(s, {300, 250, 4600, 3400}, "Outward", "Vias outside the part: the area under it stays free.", false, false, 8);
    padRows(s, {5150, 250, 4600, 3400}, "Inward", "Vias under the part: room around it for tracks.", true, false, 8);
    return s.done();
}

forms::PictureRef viaPatterns()
{
    Shot s = Shot::diagram();
    padRows(s, {300, 250, 4600, 3400}, "In Line", "Wide pad spacing: one row of vias.", false, false, 6);
    padRows(s, {5150, 250, 4600, 3400}, "Staggered", "Fine pitch: the vias in two rows.", false, true, 11);
    return s.done();
}

forms::PictureRef layersDialog()
{
    Shot s = Shot::host(Stage::Placed);
    return pictures::layersDialog(s, {300, 1200}, "Inner 1", {"Plane layer", "Net"}).done();
}

enum class Highlight { Pads, Length };

forms::PictureRef fanoutDialog(Highlight h)
{
    using namespace item;
    const bool pads = h == Highlight::Pads, length = h == Highlight::Length;
    Board b = tutorialBoard(Stage::Placed);
    select(b, {"U1", "U2"});
    return Shot::host(b, File)
        .dialogOf("Auto", "Fanout", {250, 1100, 4800, 5000},
                {group("Nets", {120, 40, 2150, 1350}), option("Plane Nets", true, {240, 340, 1900, 285}, pads),
                 option("Nets in List", false, {240, 700, 1900, 285}),
                 label("GND, VCC", {540, 1020, 1600, 285}),
                 group("Components", {2400, 40, 2150, 1350}), option("All", false, {2520, 340, 1900, 285}),
                 option("Selected", true, {2520, 700, 1900, 285}, pads),
                 label("U1, U2", {2820, 1020, 1600, 285}),
                 group("Direction", {120, 1500, 2150, 1350}), option("Outward", true, {240, 1800, 1900, 285}),
                 option("Inward", false, {240, 2160, 1900, 285}), option("Either", false, {240, 2520, 1900, 285}),
                 group("Via Pattern", {2400, 1500, 2150, 1350}), option("In Line", true, {2520, 1800, 1900, 285}),
                 option("Staggered", false, {2520, 2160, 1900, 285}),
                 field("Fanout Length", "100 mil", {120, 3050, 4430, 300}, length),
                 check("Share Vias Between Pads", false, {120, 3450, 4430, 285}),
                 button("OK", {1100, 3950, 1100, 380}, length), button("Cancel", {2500, 3950, 1100, 380})})
        .done();
}

} // namespace

LessonPictures lesson13Pictures()
{
    Board everywhere = tutorialBoard(Stage::Placed);
    const int allPads = fanOut(everywhere, {});

    Board twoParts = tutorialBoard(Stage::Placed);
    const int twoPartsPads = fanOut(twoParts, {"U1", "U2"});
    const Board twoZoomed = zoomIn(twoParts, AroundU1U2);
    const Component& u1 = part(twoParts, "U1");

    // A track routed before the fanout runs where the via of U2's last GND
    // pad would go; that pad keeps its connection to the nearest GND via.
    Board blocked = tutorialBoard(Stage::Placed);
    const std::vector<PlanePad> u2Pads = planePads(part(blocked, "U2"));
    const Point gndPad = u2Pads[2].at, otherGnd = u2Pads[3].at;
    blocked.tracks.push_back(
        {Layer::Top, {{gndPad.x - 100, gndPad.y}, {gndPad.x - 100, gndPad.y + 90}, {gndPad.x + 250, gndPad.y + 90}}, 12});
    const int blockedPads = fanOut(blocked, {"U1", "U2"}, gndPad);
    blocked.connections.push_back({gndPad, {otherGnd.x, otherGnd.y + FanoutLength}});
    const Board blockedZoomed = zoomIn(blocked, AroundU1U2);

    Board selected = tutorialBoard(Stage::Placed);
    select(selected, {"U1", "U2"});

    return LessonPictureList(12)
        .add("Image1", Shot::host(zoomIn(everywhere, {2000, 600, 3500, 2000}), File).status(fanoutDone(allPads)).done(), {1})
        .add("Image2", crossSection(), {2})
        .add("Image3", Shot::host(Stage::Placed).menu("Setup", "Layers").done(), {3})
        .add("Image4", layersDialog(), {4})
        .add("Image5",
             Shot::host(selected, File)
                 .note("U1 and U2 selected", {4000, 1180, 2400, 300}, onSlide(selected, {u1.at.x + u1.width / 2, u1.at.y - u1.height / 2}))
                 .status("2 components selected")
                 .done(),
             {5})
        .add("Image6", Shot::host(selected, File).menu("Auto", "Fanout").done(), {6})
        .add("Image7", fanoutDialog(Highlight::Pads), {7})
        .add("Image8", directions(), {8})
        .add("Image9", viaPatterns(), {9})
        .add("Image10", fanoutDialog(Highlight::Length), {10})
        .add("Image11",
             Shot::host(twoZoomed, File)
                 .note("Fanout: track and via", {8050, 1900, 1900, 300},
                       onSlide(twoZoomed, {gndPad.x, gndPad.y + FanoutLength}))
                 .status(fanoutDone(twoPartsPads))
                 .done(),
             {11})
        .add("Image12",
             Shot::host(blockedZoomed, File)
                 .note("No room for a via: fan out by hand", {8050, 1750, 1950, 480}, onSlide(blockedZoomed, gndPad))
                 .status("Fanout complete: " + std::to_string(blockedPads) + " of " + std::to_string(twoPartsPads) +
                         " pads; 1 pad not fanned out")
                 .done(),
             {12})
        .done();
}

} // namespace lt
