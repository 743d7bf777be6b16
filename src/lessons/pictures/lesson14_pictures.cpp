// Lesson 14, Autoplacement: the screen pictures. The tutorial board starts
// with its components waiting beside the outline; the autoplacer puts them
// where the finished board has them, around keepouts in the four corners and
// the preplaced, locked J1 and U16.
#include <algorithm>
#include <optional>

#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using forms::Area;
using forms::Board;
using forms::Component;
using forms::Point;

namespace {

using forms::rgb;

const std::vector<std::string> AutoMenu = {"Autoroute", "Strategy...", "Route Setup...", "-", "Fanout...",
                                           "Autoplace...", "-", "Stop\tEsc"};
const std::vector<std::string> PlaceMenu = {"Component...", "Cluster...", "Keepout", "Zone", "-", "Text...", "Dimension"};
const std::vector<std::string> SetupMenu = {"Board...", "Layers...", "Design Rules...", "Grids...", "-",
                                            "Display Colors..."};
const std::vector<std::string> EditMenu = {"Undo\tCtrl+Z", "-",    "Cut\tCtrl+X",     "Copy\tCtrl+C",
                                           "Paste\tCtrl+V", "Delete\tDel", "-", "Move",
                                           "Rotate",        "Swap Components", "-", "Select All"};

constexpr int Components = 26, Preplaced = 2;

// Where each unplaced component waits: in three columns to the right of the
// board, with the connector J1 standing below the small parts.
Point waitingPlace(const std::string& ref)
{
    static const std::vector<std::vector<std::string>> columns = {
        {"U5", "C1", "U6", "C2", "U9", "C5", "U1", "U2", "U10"},
        {"U16", "U3", "U7", "U11", "U4", "U8", "U12", "U13", "U14"},
        {"R1", "R2", "R3", "R4", "C3", "C4", "C6"},
    };
    for (std::size_t column = 0; column < columns.size(); ++column)
        for (std::size_t row = 0; row < columns[column].size(); ++row)
            if (columns[column][row] == ref)
                return {6500 + static_cast<int>(column) * 1100, 300 + static_cast<int>(row) * 470};
    return {9100, 3600};
}

std::vector<std::string> allReferences()
{
    std::vector<std::string> refs;
    for (const Component& c : tutorialBoard(Stage::Placed).components)
        refs.push_back(c.reference);
    return refs;
}

// The two components each connection of the board joins, in order.
std::vector<std::pair<std::size_t, std::size_t>> connectionEnds()
{
    const Board waiting = tutorialBoard(Stage::Unplaced);
    auto at = [&](Point p) {
        for (std::size_t i = 0; i < waiting.components.size(); ++i)
            if (waiting.components[i].at.x == p.x && waiting.components[i].at.y == p.y)
                return i;
        return std::size_t{0};
    };
    std::vector<std::pair<std::size_t, std::size_t>> ends;
    for (const forms::Connection& n : waiting.connections)
        ends.emplace_back(at(n.from), at(n.to));
    return ends;
}

// The tutorial board with the named components placed where the finished
// board has them (one of them perhaps moved elsewhere); the others wait
// beside the outline. Connections follow the components.
Board arranged(const std::vector<std::string>& placed, std::optional<std::pair<std::string, Point>> moved = std::nullopt)
{
    Board b = tutorialBoard(Stage::Placed);
    const std::vector<forms::Connection> pins = b.connections;
    std::vector<Point> shift(b.components.size());
    std::vector<bool> onBoard(b.components.size());
    for (std::size_t i = 0; i < b.components.size(); ++i) {
        Component& c = b.components[i];
        onBoard[i] = std::find(placed.begin(), placed.end(), c.reference) != placed.end();
        if (!onBoard[i])
            c.at = waitingPlace(c.reference);
        else if (moved && moved->first == c.reference) {
            shift[i] = {moved->second.x - c.at.x, moved->second.y - c.at.y};
            c.at = moved->second;
        }
    }
    const auto ends = connectionEnds();
    auto end = [&](std::size_t part, Point pin) {
        return onBoard[part] ? Point{pin.x + shift[part].x, pin.y + shift[part].y} : b.components[part].at;
    };
    for (std::size_t i = 0; i < b.connections.size(); ++i)
        b.connections[i] = {end(ends[i].first, pins[i].from), end(ends[i].second, pins[i].to)};
    return b;
}

// Keepouts for the mounting holes in the four corners.
void addKeepouts(Board& b)
{
    for (Point corner : {Point{0, 0}, Point{5300, 0}, Point{0, 3900}, Point{5300, 3900}})
        b.zones.push_back({forms::Layer::Keepout,
                           {corner, {corner.x + 500, corner.y}, {corner.x + 500, corner.y + 500}, {corner.x, corner.y + 500}},
                           true});
}

// The board ready for autoplacement: keepouts drawn, J1 and U16 placed and locked.
Board prepared(std::vector<std::string> placed = {}, std::optional<std::pair<std::string, Point>> moved = std::nullopt)
{
    placed.insert(placed.end(), {"J1", "U16"});
    Board b = arranged(placed, moved);
    addKeepouts(b);
    lock(b, {"J1", "U16"});
    return b;
}

std::string placedStatus(int placed)
{
    return "Autoplace complete: " + std::to_string(placed) + " of " + std::to_string(Components - Preplaced) +
           " components placed";
}

// A chip and its decoupling capacitor, apart and as a cluster.
forms::PictureRef clusters()
{
    Shot s = Shot::diagram();
    const unsigned black = rgb(0, 0, 0), line = rgb(200, 160, 0), group = rgb(0, 110, 0);
    auto chip = [&](Area at, const char* ref) {
        s.box("", at, rgb(60, 60, 60), true);
        s.text(ref, {at.left + at.width / 2 - 200, at.top + at.height / 2 - 130, 600, 260}, true, rgb(255, 255, 255));
    };
    s.box("", {300, 250, 4600, 3300}, black);
    s.text("Without a cluster", {450, 330, 4000, 260}, true);
    chip({700, 1000, 1600, 600}, "U5");
    chip({3800, 2650, 500, 300}, "C1");
    s.figure({forms::Figure::Kind::Line, {2300, 1300, 1500, 1350}, "", line, false, true});
    s.text("C1 may end up far from U5.", {450, 3150, 4300, 300});

    s.box("", {5150, 250, 4600, 3300}, black);
    s.text("Cluster DECOUPLE_U5", {5300, 330, 4000, 260}, true, group);
    s.box("", {6050, 900, 2700, 1500}, group);
    chip({6250, 1000, 1600, 600}, "U5");
    chip({8050, 1150, 500, 300}, "C1");
    s.figure({forms::Figure::Kind::Line, {7850, 1300, 200, 0}, "", line, false, true});
    s.text("The autoplacer keeps U5 and C1 together.", {5300, 3150, 4300, 300});
    return s.done();
}

forms::PictureRef gridsDialog()
{
    using namespace item;
    return Shot::host(prepared())
        .dialog("Grids", {300, 1200, 4200, 3300},
                {field("Placement grid", "100 mil", {150, 150, 3750, 300}, true),
                 field("Routing grid", "25 mil", {150, 600, 3750, 300}),
                 field("Via grid", "25 mil", {150, 1050, 3750, 300}),
                 field("Display grid", "100 mil", {150, 1500, 3750, 300}),
                 check("Snap to grid", true, {150, 1950, 3000, 285}),
                 button("OK", {800, 2400, 1100, 380}), button("Cancel", {2200, 2400, 1100, 380})})
        .done();
}

forms::PictureRef clusterDialog()
{
    using namespace item;
    Board b = prepared();
    select(b, {"U5", "C1"});
    return Shot::host(b)
        .dialog("Cluster", {300, 1200, 4200, 3500},
                {field("Name", "DECOUPLE_U5", {150, 150, 3750, 300}, true),
                 label("Components in the cluster:", {150, 600, 3750, 285}),
                 list({"U5", "C1"}, "", {150, 920, 3750, 900}),
                 check("Keep together when autoplacing", true, {150, 2000, 3750, 285}),
                 button("OK", {800, 2600, 1100, 380}, true), button("Cancel", {2200, 2600, 1100, 380})})
        .done();
}

enum class Highlight { What, Passes };

forms::PictureRef autoplaceDialog(Highlight h)
{
    using namespace item;
    const bool what = h == Highlight::What, passes = h == Highlight::Passes;
    return Shot::host(prepared())
        .dialog("Autoplace", {250, 1100, 4600, 5000},
                {group("Place", {120, 40, 4200, 1400}),
                 option("All unplaced components", true, {260, 340, 3900, 285}, what),
                 option("Selected components", false, {260, 680, 3900, 285}),
                 option("Clusters only", false, {260, 1020, 3900, 285}),
                 group("Rotation", {120, 1550, 4200, 1050}),
                 option("None", false, {260, 1850, 1800, 285}),
                 option("90 degrees", true, {2100, 1850, 1800, 285}, what),
                 option("Any angle", false, {260, 2200, 1800, 285}),
                 group("Passes", {120, 2700, 4200, 1100}),
                 field("Number of passes", "3", {260, 3000, 3900, 300}, passes),
                 check("Swap components in the last pass", true, {260, 3400, 3900, 285}, passes),
                 button("OK", {1000, 4000, 1100, 380}), button("Cancel", {2400, 4000, 1100, 380})})
        .done();
}

} // namespace

LessonPictures lesson14Pictures()
{
    const Board waiting = arranged({});

    Board withKeepouts = arranged({});
    addKeepouts(withKeepouts);

    const Board locked = prepared();

    Board clusterMembers = prepared();
    select(clusterMembers, {"U5", "C1"});

    const Board halfway = prepared({"U3", "U7", "U11", "U5", "C1", "U6", "C2", "U9", "C5", "U1", "U2", "U10"});

    // The autoplacer leaves C5 between U9 and U16; by hand it moves up beside
    // U9, the chip it decouples.
    const Point oldC5 = {2150, 3250}, newC5 = {1000, 2950};
    const Board finished = prepared(allReferences(), std::make_pair(std::string("C5"), oldC5));
    Board moved = prepared(allReferences(), std::make_pair(std::string("C5"), newC5));
    select(moved, {"C5"});
    const Point oldCorner = onSlide(moved, {oldC5.x - 80, oldC5.y - 45});

    Board swapping = prepared(allReferences(), std::make_pair(std::string("C5"), newC5));
    select(swapping, {"U9", "U10"});

    return LessonPictureList(17)
        .add("Image1", Shot::host(finished).status(placedStatus(Components - Preplaced)).done(), {1})
        .add("Image2",
             Shot::host(waiting)
                 .note("Components waiting to be placed", {3000, 2000, 3200, 300}, onSlide(waiting, waitingPlace("U5")))
                 .status("26 components unplaced")
                 .done(),
             {2})
        .add("Image3", Shot::host(waiting).menu("Place", PlaceMenu, 2).done(), {3})
        .add("Image4",
             Shot::host(withKeepouts)
                 .note("Keepouts for the mounting holes", {1200, 2400, 3000, 300}, onSlide(withKeepouts, {250, 250}))
                 .done(),
             {4})
        .add("Image5",
             Shot::host(locked)
                 .note("J1, placed and locked", {1000, 1500, 2600, 300}, onSlide(locked, {350, 1500}))
                 .note("U16, placed and locked", {1000, 4300, 2600, 300}, onSlide(locked, {1800, 3640}))
                 .status("Locked: J1, U16")
                 .done(),
             {5})
        .add("Image6", Shot::host(locked).menu("Setup", SetupMenu, 3).done(), {6})
        .add("Image7", gridsDialog(), {7})
        .add("Image8", clusters(), {8})
        .add("Image9",
             Shot::host(clusterMembers)
                 .menu("Place", PlaceMenu, 1)
                 .note("U5 and C1 selected", {4000, 2700, 2400, 300}, onSlide(clusterMembers, waitingPlace("C1")))
                 .status("2 components selected")
                 .done(),
             {9})
        .add("Image10", clusterDialog(), {10})
        .add("Image11", Shot::host(locked).menu("Auto", AutoMenu, 5).done(), {11})
        .add("Image12", autoplaceDialog(Highlight::What), {12})
        .add("Image13", autoplaceDialog(Highlight::Passes), {13})
        .add("Image14", Shot::host(halfway).status("Autoplace pass 1 of 3: 12 of 24 components placed").done(), {14})
        .add("Image15", Shot::host(finished).status(placedStatus(Components - Preplaced)).done(), {15})
        .add("Image16",
             Shot::host(moved)
                 .box("", {oldCorner.x, oldCorner.y, 180, 120}, rgb(160, 160, 160))
                 .arrow(onSlide(moved, {oldC5.x, oldC5.y + 100}), onSlide(moved, {newC5.x + 100, newC5.y + 100}),
                        rgb(255, 255, 255))
                 .note("C5 dragged next to U9", {250, 4950, 1850, 300}, onSlide(moved, {newC5.x - 80, newC5.y + 45}))
                 .done(),
             {16})
        .add("Image17", Shot::host(swapping).menu("Edit", EditMenu, 9).status("2 components selected").done(), {17})
        .done();
}

} // namespace lt
