// Lesson 14, Autoplacement: the screen pictures. TUTORBD1.MAX opens with J1,
// U16 and some other components placed and the rest waiting beside the
// outline; the autoplacer puts those where the finished board has them,
// around keepouts in the four corners and the locked J1 and U16.
#include <algorithm>
#include <optional>

#include "lessons/pictures/picture_kit.h"
#include "pictures/trazel_dialogs.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Board;
using pictures::Component;
using pictures::Point;

namespace {

using pictures::rgb;

const std::string File = "TUTORBD1.MAX";

// TUTORBD1.MAX as it opens, with the named components moved to where the
// finished placement has them (one of them perhaps elsewhere); the others
// wait in two columns right of the board. Connections follow the components.
Board arranged(const std::vector<std::string>& placed,
               std::optional<std::pair<std::string, Point>> moved = std::nullopt)
{
    Board b = tutorialBoard(Stage::Unplaced);
    for (const std::string& ref : placed)
        move(b, ref, moved && moved->first == ref ? moved->second : finalPlace(ref));
    return b;
}

// The components that wait beside the board when the design opens.
std::vector<std::string> waitingReferences()
{
    const Board b = tutorialBoard(Stage::Unplaced);
    std::vector<std::string> refs;
    for (const Component& c : b.components)
        if (c.at.x > b.outline.left + b.outline.width)
            refs.push_back(c.reference);
    return refs;
}

const int Waiting = static_cast<int>(waitingReferences().size());

// Keepouts for the mounting holes in the four corners.
void addKeepouts(Board& b)
{
    constexpr int Size = 500;
    const int right = b.outline.width - Size, bottom = b.outline.height - Size;
    for (Point corner : {Point{0, 0}, Point{right, 0}, Point{0, bottom}, Point{right, bottom}})
        b.zones.push_back(
            {pictures::Layer::Keepout,
             {corner, {corner.x + Size, corner.y}, {corner.x + Size, corner.y + Size}, {corner.x, corner.y + Size}},
             true});
}

// The board ready for autoplacement: keepouts drawn, J1 and U16 locked.
Board prepared(const std::vector<std::string>& placed = {},
               std::optional<std::pair<std::string, Point>> moved = std::nullopt)
{
    Board b = arranged(placed, moved);
    addKeepouts(b);
    lock(b, {"J1", "U16"});
    return b;
}

std::string placedStatus(int placed)
{
    return "Autoplace complete: " + std::to_string(placed) + " of " + std::to_string(Waiting) + " components placed";
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
    chip({700, 1000, 1600, 600}, "U4");
    chip({3800, 2650, 500, 300}, "C3");
    s.figure({pictures::Figure::Kind::Line, {2300, 1300, 1500, 1350}, "", line, false, true});
    s.text("C3 may end up far from U4.", {450, 3150, 4300, 300});

    s.box("", {5150, 250, 4600, 3300}, black);
    s.text("Cluster DECOUPLE_U4", {5300, 330, 4000, 260}, true, group);
    s.box("", {6050, 900, 2700, 1500}, group);
    chip({6250, 1000, 1600, 600}, "U4");
    chip({8050, 1150, 500, 300}, "C3");
    s.figure({pictures::Figure::Kind::Line, {7850, 1300, 200, 0}, "", line, false, true});
    s.text("The autoplacer keeps U4 and C3 together.", {5300, 3150, 4300, 300});
    return s.done();
}

forms::PictureRef gridsDialog()
{
    Shot s = Shot::host(prepared(), File);
    return pictures::gridsDialog(s, {300, 1200}, 100, {"Placement grid"}).done();
}

forms::PictureRef componentClearance()
{
    Shot s = Shot::host(prepared(), File);
    return designRulesDialog(s, {150, 600}, {"Component clearance"}).done();
}

forms::PictureRef clusterDialog()
{
    using namespace item;
    Board b = prepared();
    select(b, {"U4", "C3"});
    return Shot::host(b, File)
        .dialogOf("Place", "Cluster", {300, 1200, 4200, 3500},
                {field("Name", "DECOUPLE_U4", {150, 150, 3750, 300}, true),
                 label("Components in the cluster:", {150, 600, 3750, 285}),
                 list({"U4", "C3"}, "", {150, 920, 3750, 900}),
                 check("Keep together when autoplacing", true, {150, 2000, 3750, 285}),
                 button("OK", {800, 2600, 1100, 380}, true), button("Cancel", {2200, 2600, 1100, 380})})
        .done();
}

enum class Highlight { What, Passes };

forms::PictureRef autoplaceDialog(Highlight h)
{
    using namespace item;
    const bool what = h == Highlight::What, passes = h == Highlight::Passes;
    return Shot::host(prepared(), File)
        .dialogOf("Auto", "Autoplace", {250, 1100, 4600, 5000},
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
    const std::vector<std::string> all = waitingReferences();
    const Board waiting = arranged({});

    const Board locked = prepared();
    const Component& j1 = part(locked, "J1");

    Board clusterMembers = prepared();
    select(clusterMembers, {"U4", "C3"});

    const std::vector<std::string> firstPass(all.begin(), all.begin() + Waiting / 2);
    const Board halfway = prepared(firstPass);

    // The autoplacer leaves C5 right of U6, far from U16; by hand it moves
    // beside the left end of U16, the chip it decouples.
    const Point oldC5 = {4900, 2700}, newC5 = finalPlace("C5");
    const Board finished = prepared(all, std::make_pair(std::string("C5"), oldC5));
    Board moved = prepared(all);
    select(moved, {"C5"});
    const Point oldCorner = onSlide(moved, {oldC5.x - 80, oldC5.y - 50});

    Board swapping = prepared(all);
    select(swapping, {"U9", "U10"});

    const auto host = [](const Board& b) { return Shot::host(b, File); };
    return LessonPictureList(17)
        .add("Image1", host(finished).status(placedStatus(Waiting)).done(), {1})
        .add("Image2",
             host(waiting)
                 .note("Components waiting to be placed", {5200, 1400, 1600, 480},
                       onSlide(waiting, part(waiting, "U9").at))
                 .status(std::to_string(Waiting) + " components unplaced")
                 .done(),
             {2})
        .add("Image3",
             host(locked)
                 .note("Keepouts for the mounting holes", {1300, 1450, 2800, 300}, onSlide(locked, {250, 250}))
                 .note("J1, placed and locked", {150, 4500, 2100, 300},
                       onSlide(locked, {j1.at.x, j1.at.y + j1.height / 2}))
                 .note("U16, placed and locked", {2300, 5550, 2400, 300}, onSlide(locked, part(locked, "U16").at))
                 .status("Locked: J1, U16")
                 .done(),
             {3})
        .add("Image4",
             host(locked)
                 .note("Free space inside the outline", {1300, 1450, 2800, 300},
                       onSlide(locked, {j1.at.x + 1800, j1.at.y}))
                 .note(std::to_string(Waiting) + " components to place", {5200, 1400, 1600, 480},
                       onSlide(locked, part(locked, "U9").at))
                 .status(std::to_string(Waiting) + " components unplaced")
                 .done(),
             {4})
        .add("Image5", host(locked).menu("Setup", "Design Rules").done(), {5})
        .add("Image6", componentClearance(), {6})
        .add("Image7", gridsDialog(), {7})
        .add("Image8", clusters(), {8})
        .add("Image9",
             host(clusterMembers)
                 .menu("Place", "Cluster")
                 .note("U4 and C3 selected", {5200, 3000, 1600, 300},
                       onSlide(clusterMembers, part(clusterMembers, "C3").at))
                 .status("2 components selected")
                 .done(),
             {9})
        .add("Image10", clusterDialog(), {10})
        .add("Image11", host(locked).menu("Auto", "Autoplace").done(), {11})
        .add("Image12", autoplaceDialog(Highlight::What), {12})
        .add("Image13", autoplaceDialog(Highlight::Passes), {13})
        .add("Image14",
             host(halfway)
                 .status("Autoplace pass 1 of 3: " + std::to_string(firstPass.size()) + " of " +
                         std::to_string(Waiting) + " components placed")
                 .done(),
             {14})
        .add("Image15", host(finished).status(placedStatus(Waiting)).done(), {15})
        .add("Image16",
             host(moved)
                 .box("", {oldCorner.x, oldCorner.y, 150, 95}, rgb(160, 160, 160))
                 .arrow(onSlide(moved, {oldC5.x - 100, oldC5.y}), onSlide(moved, {newC5.x + 120, newC5.y + 40}),
                        rgb(255, 255, 255))
                 .note("C5 dragged next to U16", {250, 4950, 1850, 300}, onSlide(moved, {newC5.x - 80, newC5.y + 50}))
                 .done(),
             {16})
        .add("Image17", host(swapping).menu("Edit", "Swap Components").status("2 components selected").done(), {17})
        .done();
}

} // namespace lt
