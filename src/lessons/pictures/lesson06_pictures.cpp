// Lesson 6, Autorouting: the screen pictures.
#include "lessons/pictures/picture_kit.h"

namespace lt {

using namespace pictures;
using forms::Area;
using forms::Point;

namespace {

const std::vector<std::string> AutoMenu = {"Autoroute", "Strategy...", "Route Setup...", "-", "Fanout...",
                                           "Autoplace...", "-", "Stop\tEsc"};

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
        s.figure({forms::Figure::Kind::Pad, {left + 150, 1400, 240, 240}, "", 0x3070E0});
        s.figure({forms::Figure::Kind::Pad, {left + 1250, 1900, 240, 240}, "", 0x3070E0});
        const unsigned copper = 0x3C3CE6;
        if (i == 0)
            s.figure({forms::Figure::Kind::Line, {left + 270, 1520, 500, 0}, "", copper, false, true});
        else
            s.figure({forms::Figure::Kind::Line, {left + 270, 1520, 700, 0}, "", copper, false, true})
                .figure({forms::Figure::Kind::Line, {left + 970, 1520, 400, 500}, "", i == 1 ? 0x808080u : copper, false, true});
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

} // namespace

LessonPictures lesson6Pictures()
{
    Shot locked = Shot::host(Stage::PartlyRouted);
    lock(locked.board(), {"U3", "U7", "U11"});
    locked.status("Locked: 3 components, 6 nets");

    return LessonPictureList(11)
        .add("Image1", Shot::host(Stage::Routed).status("Routed: 35 of 35 connections (100%)").done(), {1})
        .add("Image2",
             Shot::host(Stage::Placed)
                 .note("Connections still to route", {600, 4300, 2400, 420}, Point{1400, 3300})
                 .status("Routed: 0 of 35 connections")
                 .done(),
             {2})
        .add("Image3", routingKinds(), {3, 4})
        .add("Image4",
             Shot::host(Stage::Placed)
                 .menu("Setup", {"Board...", "Layers...", "Design Rules...", "Grids...", "Origin", "Pad Stacks...", "-",
                                 "Display Colors..."},
                       2)
                 .done(),
             {5})
        .add("Image5", locked.done(), {6})
        .add("Image6", Shot::host(Stage::Placed).menu("Auto", AutoMenu, 1).done(), {7})
        .add("Image7", strategyDialog(), {8})
        .add("Image8",
             Shot::host(Stage::Placed).menu("Auto", AutoMenu, 0, {"Board", "Net", "Component", "Window"}, 0).done(),
             {9})
        .add("Image9", Shot::host(Stage::PartlyRouted).status("Autorouting pass 2 of 4: 17 of 35 connections routed").done(),
             {10})
        .add("Image10", Shot::host(Stage::Routed).status("Autorouting complete: 35 of 35 connections routed").done(), {11})
        .done();
}

} // namespace lt
