// Lesson 4, Thermal relief and zones: the screen pictures.
#include <algorithm>
#include <cmath>

#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Figure;
using pictures::Point;

namespace {

const std::string File = "TUTORBD3.MAX";

using pictures::rgb;

// Colours of the close-up drawings: the Bottom layer's copper as Trazel shows it.
constexpr unsigned Copper = rgb(70, 130, 255), Gap = rgb(255, 255, 255), Drill = rgb(0, 0, 0),
                   OtherNet = rgb(40, 80, 200), Grey = rgb(96, 96, 96);

// The board zoomed in on a window: only the components whose centres lie in
// it, so that the design window fits them into its design area. The board's
// outline shrinks to a point under the first one's name.
pictures::Board zoomed(const pictures::Board& full, Area window)
{
    pictures::Board b = full;
    std::erase_if(b.components, [&](const pictures::Component& c) {
        return c.at.x < window.left || c.at.x > window.left + window.width || c.at.y < window.top ||
               c.at.y > window.top + window.height;
    });
    b.outline = {b.components.front().at.x, b.components.front().at.y, 0, 0};
    return b;
}

// The corners of a zone `inset` mils inside the board's edge.
std::vector<Point> insideEdge(const pictures::Area& o, int inset)
{
    const int right = o.left + o.width - inset, bottom = o.top + o.height - inset;
    return {{o.left + inset, o.top + inset}, {right, o.top + inset}, {right, bottom}, {o.left + inset, bottom}};
}

// The corners of the ground zone, as the designer draws them.
const std::vector<Point> GroundOutline = insideEdge(tutorialBoard(Stage::Routed).outline, 100);

pictures::Board withOutline(Stage stage)
{
    pictures::Board b = tutorialBoard(stage);
    b.zones.push_back({pictures::Layer::Bottom, GroundOutline, true, false});
    return b;
}

// A thick line drawn as a bundle of parallel strokes (for diagonal spokes).
void thickLine(Shot& s, Point from, Point to, int strokes, unsigned color)
{
    const int dx = to.x - from.x, dy = to.y - from.y;
    // Step across the line by about one pixel for each stroke.
    const double length = std::max(1.0, std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
    const double nx = -dy / length * 14, ny = dx / length * 14;
    for (int k = -strokes / 2; k <= strokes / 2; ++k) {
        const int ox = static_cast<int>(nx * k), oy = static_cast<int>(ny * k);
        s.figure({Figure::Kind::Line, {from.x + ox, from.y + oy, dx, dy}, "", color, false, true});
    }
}

enum class Relief { Direct, FourOrthogonal, FourDiagonal, TwoOrthogonal };

// A round pad in a square of copper zone, joined as `relief` says.
void padInZone(Shot& s, Area at, Relief relief, bool hatched = false)
{
    const Point m = {at.left + at.width / 2, at.top + at.height / 2};
    const int size = std::min(at.width, at.height);
    if (hatched) {
        s.box("", at, Copper);
        for (int x = at.left + 150; x < at.left + at.width; x += 300)
            s.figure({Figure::Kind::Line, {x, at.top, 0, at.height}, "", Copper, false, true});
        for (int y = at.top + 150; y < at.top + at.height; y += 300)
            s.figure({Figure::Kind::Line, {at.left, y, at.width, 0}, "", Copper, false, true});
    } else {
        s.box("", at, Copper, true);
    }
    const int pad = size * 3 / 10, gap = size * 11 / 20, spoke = std::max(90, size / 10);
    if (relief != Relief::Direct) {
        s.figure({Figure::Kind::Ellipse, {m.x - gap / 2, m.y - gap / 2, gap, gap}, "", Gap, true});
        const int reach = gap / 2 + 60;
        if (relief == Relief::FourDiagonal) {
            const int d = reach * 7 / 10;
            for (const Point& end : {Point{-d, -d}, Point{d, -d}, Point{-d, d}, Point{d, d}})
                thickLine(s, m, {m.x + end.x, m.y + end.y}, spoke / 15, Copper);
        } else {
            s.box("", {m.x - reach, m.y - spoke / 2, 2 * reach, spoke}, Copper, true);
            if (relief == Relief::FourOrthogonal)
                s.box("", {m.x - spoke / 2, m.y - reach, spoke, 2 * reach}, Copper, true);
        }
    }
    s.figure({Figure::Kind::Ellipse, {m.x - pad / 2, m.y - pad / 2, pad, pad}, "", Copper, true});
    const int hole = pad * 2 / 5;
    s.figure({Figure::Kind::Ellipse, {m.x - hole / 2, m.y - hole / 2, hole, hole}, "", Drill, true});
}

void caption(Shot& s, const std::string& title, const std::string& detail, Area at)
{
    s.text(title, {at.left, at.top, at.width, 260}, true);
    if (!detail.empty())
        s.text(detail, {at.left, at.top + 270, at.width, at.height - 270});
}

forms::PictureRef zoneFills()
{
    Shot s = Shot::diagram();
    padInZone(s, {700, 450, 3600, 2500}, Relief::FourOrthogonal);
    caption(s, "Solid zone", "Copper fills the whole outline.", {700, 3050, 3600, 600});
    padInZone(s, {5300, 450, 3600, 2500}, Relief::FourOrthogonal, true);
    caption(s, "Hatched zone", "A grid of narrow copper lines fills the outline.", {5300, 3050, 3600, 600});
    return s.done();
}

forms::PictureRef keepout()
{
    Shot s = Shot::host(Stage::Routed);
    // The free upper left corner of the board, above the tracks from J1 to U1.
    const pictures::Area o = s.board().outline;
    const int left = o.left + 200, top = o.top + 200, right = left + 900, bottom = top + 550;
    s.board().zones.push_back(
        {pictures::Layer::Keepout, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, true, false});
    const Point at = onSlide(s.board(), {left, (top + bottom) / 2});
    return s.note("Keepout zone: no copper here", {120, 1500, 1650, 500}, at).status("Keepout zone: all layers").done();
}

forms::PictureRef innerPlane()
{
    Shot s = Shot::host(Stage::Routed);
    const std::vector<Point> plane = insideEdge(s.board().outline, 60);
    s.board().zones.push_back({pictures::Layer::Inner2, plane, false, true});
    const Point at = onSlide(s.board(), {plane[0].x, plane[0].y + 1200});
    return s.note("VCC plane zone on the Inner 2 layer", {120, 1700, 1650, 700}, at)
        .status("Layer: Inner 2   Net: VCC")
        .done();
}

forms::PictureRef whyReliefs()
{
    Shot s = Shot::diagram();
    padInZone(s, {1100, 300, 2400, 2400}, Relief::Direct);
    caption(s, "Direct connection", "The zone draws the heat away from the pad.", {1100, 2800, 3000, 900});
    padInZone(s, {5800, 300, 2400, 2400}, Relief::FourOrthogonal);
    caption(s, "Thermal relief", "Spokes across a gap keep the heat in the pad.", {5800, 2800, 3000, 900});
    return s.done();
}

forms::PictureRef reliefTypes()
{
    Shot s = Shot::diagram();
    const Relief kinds[] = {Relief::FourOrthogonal, Relief::FourDiagonal, Relief::TwoOrthogonal, Relief::Direct};
    const char* names[] = {"4 spokes, orthogonal", "4 spokes, diagonal", "2 spokes, orthogonal", "Direct connection"};
    for (int i = 0; i < 4; ++i) {
        const int left = 450 + i * 2350;
        padInZone(s, {left, 500, 1950, 1950}, kinds[i]);
        s.text(names[i], {left, 2600, 2100, 300}, true);
    }
    return s.done();
}

forms::PictureRef reliefSizes()
{
    Shot s = Shot::diagram();
    const Area square = {600, 700, 3600, 3600};
    padInZone(s, square, Relief::FourOrthogonal);
    const Point m = {square.left + square.width / 2, square.top + square.height / 2};
    s.text("A thermal relief, close up", {600, 250, 3600, 300}, true);
    s.note("GND zone", {4700, 700, 2400, 300}, {square.left + square.width - 200, square.top + 200});
    s.note("Relief gap: 20 mil", {4700, 1400, 2400, 300}, {m.x + 700, m.y - 600});
    s.note("Spoke width: 15 mil", {4700, 2200, 2400, 300}, {m.x + 820, m.y});
    s.note("Pad on the GND net", {4700, 3000, 2400, 300}, {m.x + 330, m.y + 300});
    return s.done();
}

forms::PictureRef placeZone()
{
    return Shot::host(Stage::Routed)
        .menu("Place", "Zone")
        .tool(4)
        .note("Zone button", {150, 1500, 1300, 300}, {1755, 800})
        .done();
}

forms::PictureRef drawOutline()
{
    Shot s = Shot::host(Stage::Routed);
    s.board().tracks.push_back({pictures::Layer::Bottom, {GroundOutline[3], GroundOutline[0], GroundOutline[1],
                                                       GroundOutline[2]}, 10});
    s.board().cursor = GroundOutline[2];
    const Point first = onSlide(s.board(), GroundOutline[0]), last = onSlide(s.board(), GroundOutline[2]);
    return s.note("Click at each corner", {120, 1500, 1650, 300}, first)
        .note("Double-click the last corner", {8300, 4300, 1650, 700}, last)
        .status("Zone: click at the next corner; double-click to finish")
        .done();
}

// The dialog box Trazel opens when a zone's outline is closed.
void zoneProperties(Shot& s, Area at, bool netAndLayer, bool relief)
{
    using namespace item;
    s.dialog("Zone Properties", at,
             {field("Net", "GND", {200, 150, 3900, 300}, netAndLayer),
              field("Layer", "Bottom", {200, 550, 3900, 300}, netAndLayer),
              group("Fill", {200, 950, 3900, 700}),
              option("Solid", true, {450, 1250, 1500, 285}, relief),
              option("Hatched", false, {2200, 1250, 1500, 285}, relief),
              field("Clearance", "20 mil", {200, 1850, 3900, 300}),
              group("Thermal relief", {200, 2300, 3900, 1900}),
              field("Spokes", "4", {400, 2620, 3500, 300}, relief),
              field("Spoke width", "15 mil", {400, 3000, 3500, 300}, relief),
              field("Relief gap", "20 mil", {400, 3380, 3500, 300}, relief),
              option("Orthogonal", true, {450, 3800, 1500, 285}, relief),
              option("Diagonal", false, {2200, 3800, 1500, 285}, relief),
              button("OK", {1000, 4450, 1100, 360}, relief), button("Cancel", {2400, 4450, 1100, 360})});
}

forms::PictureRef zoneDialog(bool relief)
{
    Shot s = Shot::host(withOutline(Stage::Routed), File);
    zoneProperties(s, {250, 650, 4400, 5350}, !relief, relief);
    return s.done();
}

forms::PictureRef clearances()
{
    Shot s = Shot::diagram();
    const Area zone = {4400, 300, 5300, 5700};
    s.box("", zone, Copper, true);
    s.text("Bottom layer, GND zone", {4400, 6050, 5300, 300}, true);
    // A track of another net crossing the zone, with its clearance gap.
    s.box("", {zone.left, 1500, zone.width, 800}, Gap, true);
    s.box("", {zone.left, 1750, zone.width, 300}, OtherNet, true);
    // A via of another net.
    s.figure({Figure::Kind::Ellipse, {5200, 3300, 1100, 1100}, "", Gap, true});
    s.figure({Figure::Kind::Ellipse, {5450, 3550, 600, 600}, "", Grey, true});
    s.figure({Figure::Kind::Ellipse, {5610, 3710, 280, 280}, "", Drill, true});
    // A pad of the zone's own net, joined by a relief.
    padInZone(s, {7300, 3000, 1800, 1800}, Relief::FourOrthogonal);
    s.note("Clearance gap: 20 mil", {600, 1150, 3000, 300}, {4700, 1620});
    s.note("Track of another net", {600, 1750, 3000, 300}, {4700, 1900});
    s.note("Via of another net", {4700, 4950, 2300, 300}, {5750, 4250});
    s.note("GND pad, joined by a relief", {7100, 4950, 2400, 300}, {8200, 4300});
    return s.done();
}

forms::PictureRef pourZones() { return Shot::host(withOutline(Stage::Routed), File).menu("Tools", "Pour Zones").done(); }

// A pad of U3, a through-hole part: its pads reach the plane through reliefs.
constexpr int ReliefPin = 13;

forms::PictureRef poured()
{
    Shot s = Shot::host(Stage::Planes);
    const pictures::Area o = s.board().outline;
    const Point pad = onSlide(s.board(), pinOf(s.board(), "U3", ReliefPin));
    return s.note("Pads join the zone through thermal reliefs", {8250, 1300, 1700, 900}, pad)
        .note("Ground zone poured on the Bottom layer", {8250, 3300, 1700, 900},
              onSlide(s.board(), {o.left + o.width - 250, o.top + o.height / 2}))
        .status("Pour complete: 1 zone, GND")
        .done();
}

forms::PictureRef viewReliefs() { return Shot::host(Stage::Planes).menu("View", "Thermal Reliefs").done(); }

forms::PictureRef closeUp()
{
    const pictures::Board full = tutorialBoard(Stage::Planes);
    const pictures::Component& u3 = part(full, "U3");
    Shot s = Shot::host(zoomed(full, {u3.at.x - u3.width / 2, u3.at.y - 500, 1900, 1000}), File);
    const Point pad = onSlide(s.board(), pinOf(s.board(), "U3", ReliefPin));
    return s.note("Clearance gap and four spokes", {4700, 3650, 2250, 500}, pad)
        .status("Zoom 3:1   Thermal reliefs shown")
        .done();
}

} // namespace

LessonPictures lesson4Pictures()
{
    return LessonPictureList(18)
        .add("Image1", Shot::host(Stage::Planes).done(), {1, 18})
        .add("Image2",
             Shot::host(Stage::Planes)
                 .note("Ground zone (GND) on the Bottom layer", {120, 1700, 1650, 700},
                       onSlide(tutorialBoard(Stage::Planes), {250, 1500}))
                 .done(),
             {2})
        .add("Image3", zoneFills(), {3})
        .add("Image4", keepout(), {4})
        .add("Image5", innerPlane(), {5})
        .add("Image6", whyReliefs(), {6})
        .add("Image7", reliefTypes(), {7})
        .add("Image8", reliefSizes(), {8})
        .add("Image9", placeZone(), {9})
        .add("Image10", drawOutline(), {10})
        .add("Image11", zoneDialog(false), {11})
        .add("Image12", zoneDialog(true), {12})
        .add("Image13", clearances(), {13})
        .add("Image14", pourZones(), {14})
        .add("Image15", poured(), {15})
        .add("Image16", viewReliefs(), {16})
        .add("Image17", closeUp(), {17})
        .done();
}

} // namespace lt
