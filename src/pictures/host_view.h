// Where the parts of the host's design window lie in a picture of it, and
// how a board is fitted into its design area. The painter draws by these
// rules and the lessons use them to point at things on a board.
#pragma once

#include <optional>
#include <string>

#include "pictures/screen_picture.h"

namespace lt::pictures {

struct HostLayout {
    Area title, menu, toolbar, design, status; // twips inside the picture
};

HostLayout hostLayout(const Area& window);

// The toolbar's buttons, left to right, each standing for a tool of Trazel;
// the kinds repeat along the bar.
enum class Tool { Page, Component, Track, Via, Zone, Zoom, Text };
inline constexpr int ToolbarButtons = 14;
Tool toolbarTool(int index);
// The tool's name as the lessons call its button: "Component".
std::string toolName(Tool tool);
// Where a toolbar button lies (twips inside the picture).
Area toolbarButton(const HostLayout& layout, int index);

// The board outline and anything beside it, such as parts not yet placed.
Area boardExtent(const Board& board);

// A closer look at a board: each step in enlarges the scale at which the
// whole board fits by the square root of two (two steps double it), each step
// out shrinks it as much; the centre (in mils) lands in the middle of the
// design area. No steps and no centre: the whole board.
struct BoardZoom {
    int steps = 0;
    std::optional<Point> centre;
};

// A board's mils mapped onto a picture's twips, keeping its proportions.
class BoardFit {
public:
    BoardFit(const Board& board, const Area& designArea, const BoardZoom& zoom = {});
    Point toPicture(Point mils) const;
    // The board point (mils) under a point of the picture.
    Point toBoard(Point twips) const;
    int length(int mils) const;

private:
    double scale_ = 1, x0_ = 0, y0_ = 0, left_ = 0, top_ = 0;
};

} // namespace lt::pictures
