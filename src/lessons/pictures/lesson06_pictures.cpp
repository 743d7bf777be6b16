// Lesson 6, Autorouting: the screen pictures.
#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using pictures::Area;
using pictures::Point;

namespace {

forms::PictureRef routingKinds()
{
    Shot s = Shot::diagram();
    const char* kinds[] = {"Manual", "Interactive", "Automatic"};
    const char* how[] = {"You draw every track segment.", "You start a track; Trazel completes it.",
                         "The autorouter routes whole boards."};
    for (int i = 0; i < 3; ++i) {
        const int left = 4400 + i * 1850;
        s.box("", {left, 300, 1650, 2900}, 0x000000);
        s.text(kinds[i], {left + 120, 400, 1400, 300}, true);
        s.figure({pictures::Figure::Kind::Pad, {left + 150, 1400, 240, 240}, "", 0x3070E0});
        s.figure({pictures::Figure::Kind::Pad, {left + 1250, 1900, 240, 240}, "", 0x3070E0});
        const unsigned copper = 0x3C3CE6;
        if (i == 0)
            s.figure({pictures::Figure::Kind::Line, {left + 270, 1520, 500, 0}, "", copper, false, true});
        else
            s.figure({pictures::Figure::Kind::Line, {left + 270, 1520, 700, 0}, "", copper, false, true})
                .figure({pictures::Figure::Kind::Line, {left + 970, 1520, 400, 500}, "", i == 1 ? 0x808080u : copper, false, true});
        s.text(how[i], {left + 120, 2250, 1450, 900});
    }
    return s.done();
}

forms::PictureRef strategyDialog()
{
    using namespace item;
    return Shot::host(Stage::Placed)
        .dialog("Routing Strategy - TUTOR.STR", {300, 1200, 3700, 4200},
                {group("Layers", {120, 60, 3300, 1500}),
                 list({"Top      Horizontal", "Bottom   Vertical", "Inner 1  Not used", "Inner 2  Not used"},
                      "Top      Horizontal", {240, 330, 3060, 1050}),
                 check("Allow vias", true, {240, 1650, 2400, 285}, true),
                 field("Via cost", "50", {240, 2010, 3060, 300}),
                 field("Routing window", "2000 mil", {240, 2400, 3060, 300}),
                 check("Use interactive routes", true, {240, 2790, 3000, 285}),
                 button("OK", {900, 3270, 1000, 360}), button("Cancel", {2100, 3270, 1000, 360})})
        .done();
}

std::string connections(Stage stage)
{
    return std::to_string(routedCount(stage)) + " of " + std::to_string(connectionCount(stage)) + " connections";
}

} // namespace

LessonPictures lesson6Pictures()
{
    // The routes of R1 and R2, routed by hand before autorouting, locked.
    Shot locked = Shot::host(Stage::PartlyRouted);
    selectRoute(locked.board(), "R1", 2, "U3", 11);
    selectRoute(locked.board(), "U3", 12, "R2", 2);
    locked.status("Locked: the routes of R1 and R2");

    Shot placed = Shot::host(Stage::Placed);
    const pictures::Board& b = placed.board();
    const Point from = pinOf(b, "J1", 9), to = pinOf(b, "U9", 1);
    placed
        .note("Connections still to route", {150, 5000, 2400, 420},
              onSlide(b, {(from.x + to.x) / 2, (from.y + to.y) / 2}))
        .status("Routed: " + connections(Stage::Placed));

    return LessonPictureList(11)
        .add("Image1", Shot::host(Stage::Autorouted).status("Routed: " + connections(Stage::Autorouted) + " (100%)").done(),
             {1})
        .add("Image2", placed.done(), {2})
        .add("Image3", routingKinds(), {3, 4})
        .add("Image4",
             Shot::host(Stage::Placed)
                 .menu("Setup", "Design Rules")
                 .done(),
             {5})
        .add("Image5", locked.done(), {6})
        .add("Image6", Shot::host(Stage::Placed).menu("Auto", "Strategy").done(), {7})
        .add("Image7", strategyDialog(), {8})
        .add("Image8",
             Shot::host(Stage::Placed).menu("Auto", "Autoroute", "Board").done(),
             {9})
        .add("Image9",
             Shot::host(Stage::PartlyRouted)
                 .status("Autorouting pass 2 of 4: " + connections(Stage::PartlyRouted) + " routed")
                 .done(),
             {10})
        .add("Image10",
             Shot::host(Stage::Autorouted).status("Autorouting complete: " + connections(Stage::Autorouted) + " routed").done(),
             {11})
        .done();
}

} // namespace lt
