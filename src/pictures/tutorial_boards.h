// The tutorial boards, defined once: the designs TUTORBD1.MAX to
// TUTORBD4.MAX that the exercises open, with their components, their named
// nets, their layers and planes, and the stages of the tutorial board that
// the lessons picture on the way from an empty design to a routed board.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pictures/screen_picture.h"

namespace lt::pictures {

// How far the tutorial board has come. The stages show the tutorial designs
// the exercises open: TUTORBD1.MAX before placement, TUTORBD2.MAX placed
// and partly routed, TUTORBD3.MAX routed. All of them lie on a 6000 by 5000
// mil board.
enum class Stage {
    Empty,        // a new design: no board yet
    Outline,      // the board outline only
    Unplaced,     // TUTORBD1: J1 and some parts placed, the others waiting right of the board
    Placed,       // TUTORBD2's components placed, connections unrouted
    PartlyRouted, // TUTORBD2: a few connections routed, the ground pins fanned out
    Autorouted,   // TUTORBD2 once the autorouter has routed every connection
    Routed,       // TUTORBD3: every connection routed, U12 and C7 added at the lower left
    Planes,       // TUTORBD3 with a ground zone poured on the Bottom layer
};

Board tutorialBoard(Stage stage);
// TUTORBD4.MAX, the small, dense board of the enhanced routing exercises, as
// it opens: its resistors and capacitors routed, the rest not.
Board denseBoard();

// The design file a stage of the tutorial board is; empty for the stages
// before components (a new design has a name of its own).
std::string designFile(Stage stage);

// How many connections the tutorial board has at a stage, and how many of
// them are routed.
int connectionCount(Stage stage);
int routedCount(Stage stage);

// Where the finished placement of TUTORBD1 (Stage::Unplaced) puts a component.
Point finalPlace(const std::string& reference);

// Takes the route between two pins of the tutorial board off it, tracks and
// vias, and shows the connection as a line again.
void unroute(Board& board, const std::string& from, int fromPin, const std::string& to, int toPin);
// Takes a component off the tutorial board with its routes and connections.
void removePart(Board& board, const std::string& reference);
// Marks the tracks and vias of a route of the tutorial board selected.
void selectRoute(Board& board, const std::string& from, int fromPin, const std::string& to, int toPin);
// Marks the tracks and vias of every route of a net selected.
void selectNet(Board& board, std::string_view net);

// A layer of the tutorial boards, as Trazel names it. Every tutorial board
// has the same four copper layers: Top and Bottom carry the tracks, Inner 1
// and Inner 2 are the planes of GND and VCC.
struct BoardLayer {
    enum class Use { Signal, Plane, Drawing };
    std::string name;
    Use use = Use::Signal;
    std::string planeNet; // of a plane
};
const std::vector<BoardLayer>& boardLayers();

struct Net {
    std::string name;
    std::vector<std::string> pins; // "U1.7"
};

// A tutorial design as the exercises open it.
struct TutorialDesign {
    std::string file; // "TUTORBD2.MAX"
    Board board;
    std::vector<Net> nets;

    bool hasComponent(std::string_view reference) const;
    const Net* net(std::string_view name) const;
};
const std::vector<TutorialDesign>& tutorialDesigns();
// Null for a file that is not a tutorial design.
const TutorialDesign* tutorialDesign(std::string_view file);

} // namespace lt::pictures
